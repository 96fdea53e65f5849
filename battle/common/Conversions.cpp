// SPDX-License-Identifier: MIT
#include "battle/common/Conversions.h"

#include <charconv>
#include <cmath>

namespace battle {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// digits [. digits] [e|E [sign] digits], at least one digit before the exponent. Checked by hand
// because from_chars also takes "inf", "nan" and other forms that are no number here.
bool isPlainDecimal(std::string_view text)
{
    std::size_t at = skipDigits(text, 0);
    std::size_t digits = at;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionEnd = skipDigits(text, at + 1);
        digits += fractionEnd - (at + 1);
        at = fractionEnd;
    }
    if (digits == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t exponentEnd = skipDigits(text, at);
        if (exponentEnd == at)
            return false;
        at = exponentEnd;
    }
    return at == text.size();
}

} // namespace

std::string_view trimBlanks(std::string_view text, std::string_view blanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return text.substr(text.size());
    return text.substr(first, text.find_last_not_of(blanks) + 1 - first);
}

std::optional<double> textToNumber(std::string_view text)
{
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!isPlainDecimal(text))
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string numberToText(double value)
{
    if (value == 0)
        return "0"; // never "-0"
    // to_chars is %.15g as the C locale writes it, whatever locale the desktop has set.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return {buffer, result.ptr};
}

double wholePart(double x) { return std::floor(x); }

int compareTexts(std::string_view left, std::string_view right)
{
    // std::char_traits<char> compares as unsigned char, i.e. by character code.
    const int order = left.compare(right);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace battle
