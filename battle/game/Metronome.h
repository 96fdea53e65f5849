// SPDX-License-Identifier: MIT
#pragma once

// The game's Metronome: one move drawn, each equally likely, among every move but Metronome and
// Struggle.

#include "battle/game/GameData.h"

#include <span>

namespace battle::game {

// In the game's move order.
std::span<const Move* const> metronomeMoves();

// The move one draw in [0, 1) picks.
const Move& metronomePick(float draw);

} // namespace battle::game
