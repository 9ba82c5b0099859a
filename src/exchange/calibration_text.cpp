#include "exchange/calibration_text.h"

#include <cstdio>
#include <sstream>

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

// One byte line: address, hex and decimal value; false when it is none.
bool parseByteLine(const std::string& line, int& address, int& hex, int& decimal)
{
    unsigned a = 0;
    unsigned h = 0;
    int d = 0;
    int used = 0;
    if (std::sscanf(line.c_str(), " 0x%4x 0x%2x %d%n", &a, &h, &d, &used) != 3)
        return false;
    address = static_cast<int>(a);
    hex = static_cast<int>(h);
    decimal = d;
    return true;
}

std::string jsonText(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        out += c;
    }
    return out;
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
    CalibrationBackup backup;
    backup.bytes.assign(kCalibrationTextBytes, 0);
    std::vector<bool> seen(kCalibrationTextBytes, false);
    std::istringstream in{std::string(text)};
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (line[0] == '#') {
            if (backup.header.empty() && line.find(kProgramWords) != std::string::npos)
                backup.header = line.substr(line.find_first_not_of("# "));
            continue;
        }
        int address = 0;
        int hex = 0;
        int decimal = 0;
        if (!parseByteLine(line, address, hex, decimal))
            return lineError(lineNumber, "expected 0xADDRESS 0xHEX DECIMAL");
        if (address >= kCalibrationTextBytes)
            return lineError(lineNumber, "address " + address4(address) + " is past 0x0054");
        if (hex != decimal)
            return lineError(lineNumber, "0x" + hex2(hex) + " is not " + std::to_string(decimal));
        if (seen[static_cast<std::size_t>(address)])
            return lineError(lineNumber, "address " + address4(address) + " comes twice");
        seen[static_cast<std::size_t>(address)] = true;
        backup.bytes[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(hex);
    }
    if (backup.header.empty())
        return Error{"not a calibration backup: no line names ft817clone's calibration backup", {}};
    for (int address = 0; address < kCalibrationTextBytes; ++address) {
        if (!seen[static_cast<std::size_t>(address)])
            return Error{"not a whole calibration backup: the byte at " + address4(address) + " is missing",
                         {}};
    }
    return backup;
}

std::string calibrationTable(const CalibrationBackup& backup)
{
    std::string text = backup.header + "\n\nAddress Hex  Dec  Name\n";
    for (int address = 0; address < kCalibrationTextBytes; ++address)
        text += byteLine(address, backup.bytes[static_cast<std::size_t>(address)]) + "\n";
    return text;
}

std::string calibrationJson(const CalibrationBackup& backup)
{
    std::string json = "{\"header\": \"" + jsonText(backup.header) + "\", \"version\": \"" +
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
