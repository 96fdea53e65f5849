// SPDX-License-Identifier: MIT
#pragma once

// The program's own file for a trainer sheet: UTF-8 JSON with a format name and a version, every
// field kept as its exact text.

#include "battle/sheet/SheetRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace battle {

inline constexpr std::string_view sheetFormatName = "battle-tesh-trainer-sheet";
// Version 2 added each page's level and the DVs and stat experience behind its stats.
inline constexpr int sheetFormatVersion = 2;
inline constexpr std::size_t sheetFileLimit = 1024 * 1024; // bytes

std::string writeSheetFile(const SheetRecord& sheet);

struct SheetFileResult {
    std::optional<SheetRecord> sheet;
    std::string problem; // what is wrong, for the user, when there is no sheet
};

// Refuses whatever is not one of our sheets as written by this or an older version.
SheetFileResult readSheetFile(std::string_view bytes);

} // namespace battle
