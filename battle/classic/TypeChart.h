// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace battle {

// The seventeen types in the order every type list shows them.
inline constexpr std::array<std::string_view, 17> typeListOrder = {
    "Fire",  "Water",  "Grass", "Electric", "Ice",    "Psychic", "Normal", "Fighting", "Flying",
    "Ground", "Rock",  "Bug",   "Poison",   "Ghost",  "Dragon",  "Evil",   "Steel"};

bool isTypeName(std::string_view text);

// How well an attacking type does against one defending type: 2, 0.5, 0, or 1 for any pair the
// chart does not name. Texts match exactly; a text that names no type gives 1.
double typeFactor(std::string_view attacking, std::string_view defending);

// Both defending types count, even when they are the same type.
double effectiveness(std::string_view attacking, std::string_view defendingFirst,
                     std::string_view defendingSecond);

} // namespace battle
