#pragma once
// Small text conversions that several parts of the tool print or read the
// same way: frequencies in MHz, bytes in hexadecimal, blanks around a field,
// and the radio's single-byte (Latin-1) tag characters as UTF-8. Plain C++.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// A frequency in the radio's 10 Hz units as MHz with all five decimals: 700000 -> "7.00000".
std::string megahertzText(std::uint32_t tenHertz);

enum class HexLetters { Upper, Lower };
// One byte as two hexadecimal digits: 0x5A -> "5A" (or "5a").
std::string hexByte(std::uint8_t byte, HexLetters letters = HexLetters::Upper);
// Bytes as hexadecimal pairs joined by separator: {0x43, 0x97} -> "43 97".
std::string hexBytes(std::span<const std::uint8_t> bytes, std::string_view separator,
                     HexLetters letters = HexLetters::Upper);

// "1 block", "2 blocks": a count with its noun in the singular or plural.
std::string countOf(long long count, const std::string& singular, const std::string& plural);

// Items as a list in words: "a", "a or b", "a, b or c".
std::string orList(const std::vector<std::string>& items);

// Words (separated by single spaces) filled greedily into lines of at most
// width characters, each line ended by a newline; a longer word gets a line of its own.
std::string wrapped(std::string_view text, std::size_t width);

// The text without the blanks and tabs at either end.
std::string_view trimmed(std::string_view text);

// Single-byte (Latin-1) characters as UTF-8.
std::string latin1ToUtf8(std::string_view bytes);
// UTF-8 text as Latin-1 bytes; nothing when the text is not UTF-8 or holds a
// character past U+00FF, which a single byte cannot hold.
std::optional<std::string> utf8ToLatin1(std::string_view text);
// True when Latin-1 text holds a C0 or C1 control character, which no tag can show.
bool hasControlCharacter(std::string_view latin1);

// How text from a file or the radio is made safe to show on a terminal, where
// a control byte could move the cursor or change colours.
struct TerminalText {
    // What the bytes are: UTF-8 text, or the radio's single-byte (Latin-1) characters.
    enum class Source { Utf8, Latin1 };
    // What a byte that is not shown as itself becomes: \xNN; \u00xx (and \" and
    // \\ for quotes and backslashes, as inside a JSON string); or '.'.
    enum class Escape { Hex, Json, Dot };

    Source source = Source::Utf8;
    // Letters from U+00A0 on shown (as UTF-8), or escaped byte by byte.
    bool showLetters = true;
    // Double quotes and backslashes escaped, or shown as themselves.
    bool escapeQuotes = false;
    Escape escape = Escape::Hex;
};

// The text with printable ASCII as it is and every other byte (control
// codes, DEL, C1 codes, bytes that are not UTF-8) escaped as `how` says.
std::string terminalText(std::string_view bytes, const TerminalText& how);

// Text a person gave (a file's field, a typed value) in double quotes for a
// message on a terminal: control characters and bytes that are not UTF-8 as
// \xNN, never as themselves. A field longer than 40 bytes shows only its
// start, never cut inside a UTF-8 character, and says how long it is.
std::string quotedField(std::string_view text);

} // namespace ft817
