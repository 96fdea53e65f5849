// SPDX-License-Identifier: MIT
#pragma once

// What the battle writes back into a trainer sheet's page: the HP left after a hit, the note that
// the Pokémon fainted, and the status changes a page can take.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace battle {

// The status changes a page's list offers, in its order.
inline constexpr std::array<std::string_view, 6> statusChanges = {
    "Sleeping", "Poison", "Paralyzed", "Burned", "Frozen", "Toxic",
};

// The current HP after the damage, never below 0; std::nullopt when the HP is no number.
std::optional<std::string> hpAfterDamage(std::string_view hp, int damage);

// Whether the page's current HP says it fainted: a number, and 0.
bool hasFainted(std::string_view hp);

// The notes with "Fainted" as their first line (unchanged when it already is).
std::string notesAfterFainting(std::string_view notes);

} // namespace battle
