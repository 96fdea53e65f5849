// SPDX-License-Identifier: MIT
#pragma once

// Lists of problems for a message box that stays on the screen however much input went wrong.

#include <string>
#include <string_view>
#include <vector>

namespace battle {

inline constexpr std::size_t listedLines = 20;
inline constexpr std::size_t listedWidth = 80; // characters

// The first lines, one a line, each cut to the width with "…", then "… and N more" for the rest.
std::string boundedList(const std::vector<std::string>& lines);

} // namespace battle
