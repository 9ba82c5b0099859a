#pragma once
// A small, strict JSON reader for checking what `show --json` prints: objects,
// arrays, strings (\u escapes up to 0xFF come back as single bytes), numbers
// (whole, or with a decimal fraction), true, false and null. Anything else is
// a parse failure.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ft817::test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    long long number = 0; // the whole part
    double real = 0;      // the whole value, fraction included
    std::string text;
    std::vector<JsonValue> items;  // array elements, or object values
    std::vector<std::string> keys; // object keys, parallel to items

    // The member named key; a null value when there is none.
    const JsonValue& operator[](std::string_view key) const
    {
        static const JsonValue none;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == key)
                return items[i];
        return none;
    }
    bool has(std::string_view key) const
    {
        for (const auto& k : keys)
            if (k == key)
                return true;
        return false;
    }
};

class JsonReader {
public:
    // The value that is the whole of text (blanks around it allowed), or nothing.
    static std::optional<JsonValue> parse(std::string_view text)
    {
        JsonReader reader(text);
        JsonValue value;
        if (!reader.value(value, 0))
            return std::nullopt;
        reader.blanks();
        if (reader.m_at != text.size())
            return std::nullopt;
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    void blanks()
    {
        while (m_at < m_text.size() &&
               (m_text[m_at] == ' ' || m_text[m_at] == '\n' || m_text[m_at] == '\t' || m_text[m_at] == '\r'))
            ++m_at;
    }
    bool take(char c)
    {
        blanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool word(std::string_view w)
    {
        if (m_text.substr(m_at, w.size()) != w)
            return false;
        m_at += w.size();
        return true;
    }
    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    bool string(std::string& out)
    {
        if (!take('"'))
            return false;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (m_at >= m_text.size())
                return false;
            const char e = m_text[m_at++];
            switch (e) {
            case '"':
                out.push_back('"');
                break;
            case '\\':
                out.push_back('\\');
                break;
            case '/':
                out.push_back('/');
                break;
            case 'b':
                out.push_back('\b');
                break;
            case 'f':
                out.push_back('\f');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u': {
                if (m_at + 4 > m_text.size())
                    return false;
                int code = 0;
                for (int i = 0; i < 4; ++i) {
                    const int d = hexDigit(m_text[m_at++]);
                    if (d < 0)
                        return false;
                    code = code * 16 + d;
                }
                if (code > 0xFF)
                    return false;
                out.push_back(static_cast<char>(code));
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }
    bool value(JsonValue& out, int depth)
    {
        if (depth > 32)
            return false;
        blanks();
        if (m_at >= m_text.size())
            return false;
        const char c = m_text[m_at];
        if (c == '{') {
            ++m_at;
            out.kind = JsonValue::Kind::Object;
            if (take('}'))
                return true;
            do {
                std::string key;
                JsonValue item;
                if (!string(key) || !take(':') || !value(item, depth + 1))
                    return false;
                out.keys.push_back(std::move(key));
                out.items.push_back(std::move(item));
            } while (take(','));
            return take('}');
        }
        if (c == '[') {
            ++m_at;
            out.kind = JsonValue::Kind::Array;
            if (take(']'))
                return true;
            do {
                JsonValue item;
                if (!value(item, depth + 1))
                    return false;
                out.items.push_back(std::move(item));
            } while (take(','));
            return take(']');
        }
        if (c == '"') {
            out.kind = JsonValue::Kind::String;
            return string(out.text);
        }
        if (word("true")) {
            out.kind = JsonValue::Kind::Bool;
            out.boolean = true;
            return true;
        }
        if (word("false")) {
            out.kind = JsonValue::Kind::Bool;
            return true;
        }
        if (word("null"))
            return true;
        out.kind = JsonValue::Kind::Number;
        bool negative = false;
        if (m_text[m_at] == '-') {
            negative = true;
            ++m_at;
        }
        const std::size_t start = m_at;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
            if (out.number > 100000000000000LL)
                return false;
            out.number = out.number * 10 + (m_text[m_at++] - '0');
        }
        if (m_at == start || (m_at - start > 1 && m_text[start] == '0'))
            return false;
        out.real = static_cast<double>(out.number);
        if (m_at < m_text.size() && m_text[m_at] == '.') {
            ++m_at;
            double scale = 0.1;
            const std::size_t fractionStart = m_at;
            while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9') {
                out.real += (m_text[m_at++] - '0') * scale;
                scale /= 10;
            }
            if (m_at == fractionStart)
                return false;
        }
        if (negative) {
            out.number = -out.number;
            out.real = -out.real;
        }
        return true;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace ft817::test
