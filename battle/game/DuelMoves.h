// SPDX-License-Identifier: MIT
#pragma once

// What a move does in a duel besides its damage, and what of it the duel leaves out.

#include "battle/game/GameData.h"

#include <string_view>

namespace battle::game {

enum class DuelEffect : std::uint8_t {
    None,
    Paralyze, // a side effect with chanceIn256, like the three below
    Burn,
    Freeze,
    Poison,
    QuarterRecoil, // of the damage dealt
    HalfRecoil,
    Drain,    // half the damage dealt, at least 1
    Explode,  // the user faints, hit or miss
    Recharge, // the next turn is lost unless it missed or knocked out
    Fails,    // never works in a duel
};

struct DuelMove {
    DuelEffect effect = DuelEffect::None;
    int chanceIn256 = 0;
    std::string_view uncounted; // what the duel leaves out, or empty
};

DuelMove duelMove(const Move& move);

} // namespace battle::game
