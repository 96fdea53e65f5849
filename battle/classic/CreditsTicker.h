// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace battle {

// The eight lines the main window's credits ticker cycles through, in order.
extern const std::array<std::string_view, 8> creditLines;

// The line the ticker shows after `current`: line 1 after an empty caption, the next line after
// lines 1 to 7, line 1 again after line 8; any other caption stays as it is.
std::string nextCreditLine(std::string_view current);

} // namespace battle
