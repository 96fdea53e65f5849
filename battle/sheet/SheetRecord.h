// SPDX-License-Identifier: MIT
#pragma once

// Everything a trainer sheet holds, as texts exactly as typed, so a sheet can be kept in a file,
// restored after a crash or filled from team text.

#include "battle/game/GameStats.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace battle {

// Characters (UTF-16 units) a one-line field of the sheet holds; the notes have no such bound.
inline constexpr std::size_t fieldLengthLimit = 32767;

// The text's length as such a field counts it, from valid UTF-8.
constexpr std::size_t fieldLength(std::string_view text)
{
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0; // a character beyond the first plane takes two
    }
    return units;
}

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
    // Added after the fields above; initialised here so lists of the earlier fields stay whole.
    std::string level{};
    // The DVs and stat experience behind the stats, when a save file or team text told them;
    // no field shows them.
    std::optional<game::Training> training{};

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
