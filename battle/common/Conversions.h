// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace battle {

// The text without any of `blanks` at either end; by default spaces and tabs, the blanks a
// field's number may stand between.
std::string_view trimBlanks(std::string_view text, std::string_view blanks = " \t");

// A field's text as a number: C locale whatever the system's, optional sign, digits with an
// optional decimal point and exponent, blanks around allowed. Anything else, a value beyond a
// double's range included, is no number (std::nullopt); it never throws.
std::optional<double> textToNumber(std::string_view text);

// Up to 15 significant digits, no trailing zeros, no decimal point for whole values; a full stop
// as the decimal point and no grouping whatever the locale.
std::string numberToText(double value);

// The largest whole number not greater than x (2.7 gives 2, -2.3 gives -3).
double wholePart(double x);

// Text order by character code, case-sensitive: "Z" sorts before "a", a prefix sorts first.
int compareTexts(std::string_view left, std::string_view right);

} // namespace battle
