// SPDX-License-Identifier: MIT
#pragma once

// Damage adjusted for types the way the first-generation games do it: walking their matchup
// list in its own order and rounding down after every row that applies, so a defender with one
// weakness and one resistance can lose a point to the order.

#include "battle/game/GameData.h"

#include <optional>

namespace battle::game {

// `damage` after every matchup row of `attacking` against the defender's types, in the game's
// order; 0 once an immunity applies. A single-typed defender matches a row once.
int applyTypeMatchups(int damage, Type attacking, Type defending1, std::optional<Type> defending2);

} // namespace battle::game
