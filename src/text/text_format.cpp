#include "text/text_format.h"

#include <algorithm>
#include <cstdio>

namespace ft817 {

std::string megahertzText(std::uint32_t tenHertz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u.%05u", static_cast<unsigned>(tenHertz / 100000),
                  static_cast<unsigned>(tenHertz % 100000));
    return text;
}

std::string hexByte(std::uint8_t byte, HexLetters letters)
{
    const char* digits = letters == HexLetters::Upper ? "0123456789ABCDEF" : "0123456789abcdef";
    return {digits[byte >> 4], digits[byte & 15]};
}

std::string hexBytes(std::span<const std::uint8_t> bytes, std::string_view separator, HexLetters letters)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += separator;
        text += hexByte(bytes[i], letters);
    }
    return text;
}

std::string countOf(long long count, const std::string& singular, const std::string& plural)
{
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

std::string orList(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += i == 0 ? "" : i + 1 == items.size() ? " or " : ", ";
        text += items[i];
    }
    return text;
}

std::string wrapped(std::string_view text, std::size_t width)
{
    std::string result;
    std::size_t lineLength = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            result += '\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            result += ' ';
            ++lineLength;
        }
        result += word;
        lineLength += word.size();
        start = end + 1;
    }
    return result.empty() ? result : result + '\n';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string latin1ToUtf8(std::string_view bytes)
{
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::optional<std::string> utf8ToLatin1(std::string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
            continue;
        }
        if ((lead & 0xE0) != 0xC0 || i + 1 >= text.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        const unsigned code = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
        if (code < 0x80 || code > 0xFF)
            return std::nullopt;
        bytes += static_cast<char>(code);
        ++i;
    }
    return bytes;
}

bool hasControlCharacter(std::string_view latin1)
{
    return std::any_of(latin1.begin(), latin1.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 || (code >= 0x7F && code < 0xA0);
    });
}

namespace {

// Bytes of the letter (U+00A0 and above) that starts at i, or 0 for none.
std::size_t letterLength(std::string_view bytes, std::size_t i, TerminalText::Source source)
{
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (source == TerminalText::Source::Latin1)
        return byte >= 0xA0 ? 1 : 0;
    // A two-byte UTF-8 letter passes; C1 controls and stray bytes do not.
    if (byte < 0xC2 || byte > 0xDF || i + 1 >= bytes.size())
        return 0;
    const auto next = static_cast<unsigned char>(bytes[i + 1]);
    return (next & 0xC0) == 0x80 && !(byte == 0xC2 && next < 0xA0) ? 2 : 0;
}

void appendEscaped(std::string& out, std::uint8_t byte, TerminalText::Escape escape)
{
    switch (escape) {
    case TerminalText::Escape::Hex:
        out += "\\x" + hexByte(byte);
        return;
    case TerminalText::Escape::Json:
        if (byte == '"' || byte == '\\')
            out += {'\\', static_cast<char>(byte)};
        else
            out += "\\u00" + hexByte(byte, HexLetters::Lower);
        return;
    case TerminalText::Escape::Dot:
        out += '.';
        return;
    }
}

} // namespace

std::string terminalText(std::string_view bytes, const TerminalText& how)
{
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[i]);
        const std::size_t letter = letterLength(bytes, i, how.source);
        const bool quote = byte == '"' || byte == '\\';
        if (letter > 0 && how.showLetters) {
            out += how.source == TerminalText::Source::Latin1 ? latin1ToUtf8(bytes.substr(i, 1))
                                                              : std::string(bytes.substr(i, letter));
            i += letter - 1;
        } else if (byte >= 0x20 && byte < 0x7F && !(quote && how.escapeQuotes)) {
            out += static_cast<char>(byte);
        } else {
            appendEscaped(out, byte, how.escape);
        }
    }
    return out;
}

std::string quotedField(std::string_view text)
{
    // The most of a field a message quotes; a longer field is quoted by its start.
    constexpr std::size_t kQuotedBytes = 40;
    if (text.size() <= kQuotedBytes)
        return "\"" + terminalText(text, {}) + "\"";
    std::size_t cut = kQuotedBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + terminalText(text.substr(0, cut), {}) + "...\" (" +
           countOf(static_cast<long long>(text.size()), "byte", "bytes") + " long)";
}

} // namespace ft817
