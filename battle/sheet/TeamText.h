// SPDX-License-Identifier: MIT
#pragma once

// Team text as team builders and paste sites share it: a "Nickname (Species) @ Item" line, then
// "Level:", "EVs:", "IVs:" and other lines, then "- Move" lines; a blank line between Pokémon.

#include "battle/sheet/SheetRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace battle {

// Every page with a species, in the names the community uses; pages apart by a blank line. A
// "Level:" line for every page below level 100: the page's Level field, or when that holds no
// level, the level its stats match best.
std::string writeTeamText(const SheetRecord& sheet);

struct TeamImport {
    std::vector<PageRecord> pages; // at most six, in the text's order
    std::vector<std::string> unusedLines;
    bool moreThanSix = false;
};

// Fills species (as the program spells it), nickname, level, attacks with their PP, types, the
// DVs and stat experience used, and the game's stats from level (100 when absent), IVs (DV = IV ÷
// 2, 15 for a stat no IVs: line names) and EVs (stat experience bonus EV ÷ 4; 63 without an EVs:
// line, 0 for a stat it leaves out). A leading byte-order mark is skipped.
TeamImport readTeamText(std::string_view text);

} // namespace battle
