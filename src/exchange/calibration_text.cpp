#include "exchange/calibration_text.h"

#include "text/text_format.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace ft817 {
namespace {

constexpr const char* kProgramWords = "ft817clone calibration backup";

std::string hex2(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

std::string address4(int address)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

std::string byteLine(int address, std::uint8_t value)
{
    char text[48];
    std::snprintf(text, sizeof text, "0x%04X  0x%02X  %3d", address, value, value);
    std::string line = text;
    if (const std::string name = calibrationByteName(address); !name.empty())
        line += "  " + name;
    return line;
}

Error lineError(int lineNumber, const std::string& why)
{
    return Error{"not a calibration backup: line " + std::to_string(lineNumber) + ": " + why, {}};
}

// One byte of a backup, as a byte line gives it.
struct ByteLine {
    int address = 0;
    int value = 0;
};

// The number that count hexadecimal digits at the start of text give; nothing
// when text is shorter or holds anything else there (a sign, a blank, an "x").
std::optional<int> hexDigits(std::string_view text, std::size_t count)
{
    if (text.size() < count)
        return std::nullopt;
    int number = 0;
    for (const char c : text.substr(0, count)) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return std::nullopt;
        number = number * 16 + digit;
    }
    return number;
}

// Reads a byte line exactly as calibrationText writes it: "0xAAAA  0xHH  DDD",
// the decimal right-aligned in three columns, then nothing or two blanks and
// the name of the address. Anything else is refused with the reason.
Result<ByteLine> readByteLine(std::string_view line)
{
    ByteLine byte;
    const std::optional<int> address = line.starts_with("0x") ? hexDigits(line.substr(2), 4) : std::nullopt;
    if (!address)
        return Error{"the line must begin with the address as 0x and four hexadecimal digits, as in 0x0007",
                     {}};
    byte.address = *address;
    if (byte.address >= kCalibrationTextBytes)
        return Error{"address " + address4(byte.address) + " is past 0x0054", {}};
    line.remove_prefix(6);
    const std::optional<int> value = line.starts_with("  0x") ? hexDigits(line.substr(4), 2) : std::nullopt;
    if (!value)
        return Error{"two blanks and the value as 0x and two hexadecimal digits must follow the address", {}};
    byte.value = *value;
    line.remove_prefix(6);
    // The decimal column: two blanks, then blanks and digits filling three columns.
    const std::string_view decimal = line.substr(0, std::min<std::size_t>(line.size(), 5));
    const std::size_t firstDigit = decimal.find_first_not_of(' ');
    const bool columns = decimal.size() == 5 && firstDigit >= 2 && firstDigit < 5 &&
                         decimal.find_first_not_of("0123456789", firstDigit) == std::string_view::npos &&
                         (line.size() == 5 || line[5] < '0' || line[5] > '9');
    if (!columns)
        return Error{
            "two blanks and the value in decimal, in three columns, must follow 0x" + hex2(byte.value), {}};
    int number = 0;
    for (const char c : decimal.substr(firstDigit))
        number = number * 10 + (c - '0');
    if (number != byte.value)
        return Error{"0x" + hex2(byte.value) + " is " + std::to_string(byte.value) + ", not " +
                         std::to_string(number),
                     {}};
    char expected[8];
    std::snprintf(expected, sizeof expected, "  %3d", byte.value);
    if (decimal != expected)
        return Error{"the value in decimal is written without leading zeros", {}};
    line.remove_prefix(5);
    const std::string name = calibrationByteName(byte.address);
    if (!line.empty() && (name.empty() || line != "  " + name))
        return Error{name.empty() ? "nothing may follow the value at " + address4(byte.address)
                                  : "only two blanks and \"" + name + "\" may follow the value at " +
                                        address4(byte.address),
                     {}};
    return byte;
}

// The header as it comes from the file, made safe for a terminal or a JSON
// string: control bytes and bytes that are not UTF-8 are escaped.
std::string headerText(std::string_view header)
{
    return terminalText(header, {});
}

std::string headerJson(std::string_view header)
{
    return terminalText(header, {.escapeQuotes = true, .escape = TerminalText::Escape::Json});
}

std::string versionText(const Bytes& bytes)
{
    return bytes.size() > 5 ? hex2(bytes[4]) + " " + hex2(bytes[5]) : "?";
}

} // namespace

std::string calibrationByteName(int address)
{
    // From the owners' EEPROM memory map of the FT-817: the addresses it names
    // below the clone memory. The soft calibration items are numbered as the
    // radio's soft calibration menu shows them.
    static const char* const kNames[] = {
        "EEPROM checksum",                   // 0x00
        "EEPROM checksum",                   // 0x01
        "EEPROM checksum",                   // 0x02
        "EEPROM checksum",                   // 0x03
        "radio version (set by a reset)",    // 0x04
        "radio version (set by a reset)",    // 0x05
        "",                                  // 0x06
        "HF1RXG (soft calibration item 01)", // 0x07
        "HF2RXG (soft calibration item 02)", // 0x08
        "HF3RXG (soft calibration item 03)", // 0x09
        "50MRXG (soft calibration item 04)", // 0x0A
        "VHFRXG (soft calibration item 05)", // 0x0B
    };
    if (address >= 0 && address < static_cast<int>(std::size(kNames)))
        return kNames[address];
    return "";
}

std::string calibrationText(const Bytes& bytes, std::string_view date)
{
    std::string text = "# " + std::string(kProgramWords) + ", " + std::string(date) +
                       ", radio version bytes " + versionText(bytes) + "\n";
    for (int address = 0; address < kCalibrationTextBytes && address < static_cast<int>(bytes.size());
         ++address)
        text += byteLine(address, bytes[static_cast<std::size_t>(address)]) + "\n";
    return text;
}

Result<CalibrationBackup> readCalibrationText(std::string_view text)
{
    // A UTF-8 byte-order mark, which some editors put before the first line.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    CalibrationBackup backup;
    backup.bytes.assign(kCalibrationTextBytes, 0);
    std::vector<bool> seen(kCalibrationTextBytes, false);
    const std::string header = "# " + std::string(kProgramWords);
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (lineNumber == 1) {
            if (!line.starts_with(header))
                return lineError(1, "the first line must be the header \"" + header + ", <date>, ...\"");
            backup.header = std::string(line.substr(2));
            continue;
        }
        // Blank lines and comments a person added are left as they are.
        if (line.empty() || line.starts_with('#'))
            continue;
        const Result<ByteLine> byte = readByteLine(line);
        if (!byte)
            return lineError(lineNumber, byte.error().message);
        const auto address = static_cast<std::size_t>(byte->address);
        if (seen[address])
            return lineError(lineNumber, "address " + address4(byte->address) + " comes twice");
        seen[address] = true;
        backup.bytes[address] = static_cast<std::uint8_t>(byte->value);
    }
    if (lineNumber == 0)
        return Error{"not a calibration backup: the file is empty", {}};
    for (int address = 0; address < kCalibrationTextBytes; ++address) {
        if (!seen[static_cast<std::size_t>(address)])
            return Error{"not a whole calibration backup: the byte at " + address4(address) + " is missing",
                         {}};
    }
    return backup;
}

std::string calibrationTable(const CalibrationBackup& backup)
{
    std::string text = headerText(backup.header) + "\n\nAddress Hex  Dec  Name\n";
    for (int address = 0; address < kCalibrationTextBytes; ++address)
        text += byteLine(address, backup.bytes[static_cast<std::size_t>(address)]) + "\n";
    return text;
}

std::string calibrationJson(const CalibrationBackup& backup)
{
    std::string json = "{\"header\": \"" + headerJson(backup.header) + "\", \"version\": \"" +
                       versionText(backup.bytes) + "\", \"bytes\": [";
    for (int address = 0; address < kCalibrationTextBytes; ++address) {
        const int value = backup.bytes[static_cast<std::size_t>(address)];
        json += std::string(address ? ", " : "") + "{\"address\": " + std::to_string(address) +
                ", \"hex\": \"" + hex2(value) + "\", \"value\": " + std::to_string(value) + ", \"name\": \"" +
                calibrationByteName(address) + "\"}";
    }
    return json + "]}\n";
}

std::vector<int> calibrationDifferences(const CalibrationBackup& a, const CalibrationBackup& b)
{
    std::vector<int> differ;
    for (int address = 0; address < kCalibrationTextBytes; ++address) {
        if (a.bytes[static_cast<std::size_t>(address)] != b.bytes[static_cast<std::size_t>(address)])
            differ.push_back(address);
    }
    return differ;
}

std::string calibrationComparison(const CalibrationBackup& a, const CalibrationBackup& b)
{
    std::string text;
    for (const int address : calibrationDifferences(a, b)) {
        const int x = a.bytes[static_cast<std::size_t>(address)];
        const int y = b.bytes[static_cast<std::size_t>(address)];
        char line[64];
        std::snprintf(line, sizeof line, "0x%04X  0x%02X %3d -> 0x%02X %3d", address, x, x, y, y);
        text += line;
        if (const std::string name = calibrationByteName(address); !name.empty())
            text += "  " + name;
        text += "\n";
    }
    return text;
}

std::string calibrationComparisonJson(const CalibrationBackup& a, const CalibrationBackup& b)
{
    std::string json = "{\"differences\": [";
    bool first = true;
    for (const int address : calibrationDifferences(a, b)) {
        json += std::string(first ? "" : ", ") + "{\"address\": " + std::to_string(address) +
                ", \"a\": " + std::to_string(a.bytes[static_cast<std::size_t>(address)]) +
                ", \"b\": " + std::to_string(b.bytes[static_cast<std::size_t>(address)]) + ", \"name\": \"" +
                calibrationByteName(address) + "\"}";
        first = false;
    }
    return json + "]}\n";
}

} // namespace ft817
