// SPDX-License-Identifier: MIT
#pragma once

// Everything a trainer sheet holds, as texts exactly as typed, so a sheet can be kept in a file,
// restored after a crash or filled from team text.

#include <array>
#include <string>

namespace battle {

struct AttackRecord {
    std::string name, pp, ppMaximum;

    bool operator==(const AttackRecord&) const = default;
};

struct PageRecord {
    std::string species, nickname, status;
    std::string hp, hpMaximum;
    std::string attack, defense, specialAttack, specialDefense, speed;
    std::array<AttackRecord, 4> attacks;
    std::string type1, type2;
    std::string notes;
    bool leechSeed = false;
    bool confused = false;

    bool operator==(const PageRecord&) const = default;
};

struct SheetRecord {
    static constexpr int pageCount = 6;

    std::string trainerName;
    std::array<PageRecord, pageCount> pages;
    int activePage = 0; // 1 … 6, or 0 when no page is Active

    bool operator==(const SheetRecord&) const = default;
};

} // namespace battle
