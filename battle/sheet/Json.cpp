// SPDX-License-Identifier: MIT
#include "battle/sheet/Json.h"

#include "battle/common/Conversions.h"

#include <charconv>
#include <cmath>

namespace battle::json {
namespace {

constexpr int maxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::optional<Value> document(std::string& error)
    {
        std::optional<Value> value = parseValue(0);
        if (value) {
            skipBlanks();
            if (m_at != m_text.size())
                fail("unexpected text after the end of the document");
        }
        if (!m_error.empty()) {
            error = where() + m_error;
            return std::nullopt;
        }
        return value;
    }

private:
    std::string where() const
    {
        int line = 1;
        int column = 1;
        for (std::size_t i = 0; i < m_errorAt && i < m_text.size(); ++i) {
            if (m_text[i] == '\n') {
                ++line;
                column = 1;
            } else if ((static_cast<unsigned char>(m_text[i]) & 0xC0) != 0x80) {
                ++column;
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
    }

    std::nullopt_t fail(std::string message)
    {
        if (m_error.empty()) {
            m_error = std::move(message);
            m_errorAt = m_at;
        }
        return std::nullopt;
    }

    void skipBlanks()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    bool take(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            return false;
        m_at += word.size();
        return true;
    }

    std::optional<Value> parseValue(int depth)
    {
        skipBlanks();
        if (m_at == m_text.size())
            return fail("the document ends where a value should be");
        const char c = m_text[m_at];
        if (c == '{' || c == '[') {
            if (depth == maxDepth)
                return fail("nested too deeply");
            return c == '{' ? parseObject(depth + 1) : parseArray(depth + 1);
        }
        if (c == '"') {
            std::optional<std::string> text = parseString();
            if (!text)
                return std::nullopt;
            return Value{std::move(*text)};
        }
        if (take("true"))
            return Value{true};
        if (take("false"))
            return Value{false};
        if (take("null"))
            return Value{nullptr};
        if (c == '-' || (c >= '0' && c <= '9'))
            return parseNumber();
        return fail("a value was expected");
    }

    std::optional<Value> parseObject(int depth)
    {
        ++m_at; // {
        Object members;
        skipBlanks();
        if (take("}"))
            return Value{std::move(members)};
        for (;;) {
            skipBlanks();
            if (m_at == m_text.size() || m_text[m_at] != '"')
                return fail("a member name in quotes was expected");
            std::optional<std::string> key = parseString();
            if (!key)
                return std::nullopt;
            skipBlanks();
            if (!take(":"))
                return fail("':' was expected after a member name");
            std::optional<Value> value = parseValue(depth);
            if (!value)
                return std::nullopt;
            members.emplace_back(std::move(*key), std::move(*value));
            skipBlanks();
            if (take("}"))
                return Value{std::move(members)};
            if (!take(","))
                return fail("',' or '}' was expected");
        }
    }

    std::optional<Value> parseArray(int depth)
    {
        ++m_at; // [
        Array items;
        skipBlanks();
        if (take("]"))
            return Value{std::move(items)};
        for (;;) {
            std::optional<Value> value = parseValue(depth);
            if (!value)
                return std::nullopt;
            items.push_back(std::move(*value));
            skipBlanks();
            if (take("]"))
                return Value{std::move(items)};
            if (!take(","))
                return fail("',' or ']' was expected");
        }
    }

    std::optional<Value> parseNumber()
    {
        const std::size_t start = m_at;
        auto digits = [this] {
            const std::size_t from = m_at;
            while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9')
                ++m_at;
            return m_at - from;
        };
        take("-");
        const std::size_t intStart = m_at;
        const std::size_t intDigits = digits();
        if (intDigits == 0 || (intDigits > 1 && m_text[intStart] == '0'))
            return fail("malformed number");
        if (take(".") && digits() == 0)
            return fail("malformed number");
        if (m_at < m_text.size() && (m_text[m_at] == 'e' || m_text[m_at] == 'E')) {
            ++m_at;
            if (!take("+"))
                take("-");
            if (digits() == 0)
                return fail("malformed number");
        }
        const std::optional<double> value = textToNumber(m_text.substr(start, m_at - start));
        if (!value)
            return fail("number out of range");
        return Value{*value};
    }

    std::optional<unsigned> hexQuad()
    {
        if (m_text.size() - m_at < 4)
            return std::nullopt;
        unsigned code = 0;
        const char* first = m_text.data() + m_at;
        const auto [end, error] = std::from_chars(first, first + 4, code, 16);
        if (error != std::errc() || end != first + 4)
            return std::nullopt;
        m_at += 4;
        return code;
    }

    static void appendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // Length of the well-formed UTF-8 sequence at m_at, 0 when it is not one.
    std::size_t utf8Length() const
    {
        const auto byte = [this](std::size_t i) {
            return m_at + i < m_text.size() ? static_cast<unsigned char>(m_text[m_at + i]) : 0u;
        };
        const unsigned lead = byte(0);
        const auto follows = [&](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
        if (lead >= 0xC2 && lead <= 0xDF)
            return follows(1) ? 2 : 0;
        if (lead >= 0xE0 && lead <= 0xEF) {
            const unsigned second = byte(1);
            if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F))
                return 0; // overlong, or a surrogate
            return follows(1) && follows(2) ? 3 : 0;
        }
        if (lead >= 0xF0 && lead <= 0xF4) {
            const unsigned second = byte(1);
            if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
                return 0;
            return follows(1) && follows(2) && follows(3) ? 4 : 0;
        }
        return 0;
    }

    std::optional<std::string> parseString()
    {
        ++m_at; // opening quote
        std::string out;
        while (m_at < m_text.size()) {
            const auto c = static_cast<unsigned char>(m_text[m_at]);
            if (c == '"') {
                ++m_at;
                return out;
            }
            if (c < 0x20)
                return fail("a control character inside a string");
            if (c >= 0x80) {
                const std::size_t length = utf8Length();
                if (length == 0)
                    return fail("text that is not UTF-8");
                out.append(m_text.substr(m_at, length));
                m_at += length;
                continue;
            }
            ++m_at;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (m_at == m_text.size())
                break;
            const char escape = m_text[m_at++];
            switch (escape) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                std::optional<unsigned> code = hexQuad();
                if (!code)
                    return fail("malformed \\u escape");
                if (*code >= 0xDC00 && *code <= 0xDFFF)
                    return fail("a lone low surrogate");
                if (*code >= 0xD800 && *code <= 0xDBFF) {
                    std::optional<unsigned> low;
                    if (take("\\u"))
                        low = hexQuad();
                    if (!low || *low < 0xDC00 || *low > 0xDFFF)
                        return fail("a lone high surrogate");
                    *code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
                }
                appendUtf8(out, *code);
                break;
            }
            default:
                return fail("unknown escape");
            }
        }
        return fail("a string is not closed");
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_error;
    std::size_t m_errorAt = 0;
};

} // namespace

const std::string* Value::string() const
{
    return std::get_if<std::string>(&data);
}
const bool* Value::boolean() const
{
    return std::get_if<bool>(&data);
}
const double* Value::number() const
{
    return std::get_if<double>(&data);
}
const Array* Value::array() const
{
    return std::get_if<Array>(&data);
}
const Object* Value::object() const
{
    return std::get_if<Object>(&data);
}

const Value* Value::member(std::string_view key) const
{
    if (const Object* members = object()) {
        for (const auto& [name, value] : *members) {
            if (name == key)
                return &value;
        }
    }
    return nullptr;
}

std::optional<Value> parse(std::string_view text, std::string& error)
{
    return Parser(text).document(error);
}

std::string quote(std::string_view text)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += hex[byte >> 4];
                out += hex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out + '"';
}

} // namespace battle::json
