// SPDX-License-Identifier: MIT
#pragma once

// The codes a save stores in place of names: the font's characters, the game's internal species
// indices and its type bytes.

#include "battle/game/GameData.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace battle::save {

// What the English games show for the character code; empty where the font has no glyph.
std::string_view characterText(std::uint8_t code);

// The species the game's internal index stands for; nullptr for a glitch index.
const game::Species* speciesOfIndex(std::uint8_t index);

// The type the type byte names; none for Bird and the unused bytes.
std::optional<game::Type> typeOfByte(int byte);

} // namespace battle::save
