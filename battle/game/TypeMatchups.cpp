// SPDX-License-Identifier: MIT
#include "battle/game/TypeMatchups.h"

#include <array>

namespace battle::game {
namespace {

using enum Type;

struct Matchup {
    Type attacking;
    Type defending;
    int tenths; // 0, 5 or 20
};

// clang-format off
// The game's matchup list in the order it walks it; pairs not listed are neutral.
constexpr std::array<Matchup, 82> matchups{{
    {Water,    Fire,     20},
    {Fire,     Grass,    20},
    {Fire,     Ice,      20},
    {Grass,    Water,    20},
    {Electric, Water,    20},
    {Water,    Rock,     20},
    {Ground,   Flying,    0},
    {Water,    Water,     5},
    {Fire,     Fire,      5},
    {Electric, Electric,  5},
    {Ice,      Ice,       5},
    {Grass,    Grass,     5},
    {Psychic,  Psychic,   5},
    {Fire,     Water,     5},
    {Grass,    Fire,      5},
    {Water,    Grass,     5},
    {Electric, Grass,     5},
    {Normal,   Rock,      5},
    {Normal,   Ghost,     0},
    {Ghost,    Ghost,    20},
    {Fire,     Bug,      20},
    {Fire,     Rock,      5},
    {Water,    Ground,   20},
    {Electric, Ground,    0},
    {Electric, Flying,   20},
    {Grass,    Ground,   20},
    {Grass,    Bug,       5},
    {Grass,    Poison,    5},
    {Grass,    Rock,     20},
    {Grass,    Flying,    5},
    {Ice,      Water,     5},
    {Ice,      Grass,    20},
    {Ice,      Ground,   20},
    {Ice,      Flying,   20},
    {Fighting, Normal,   20},
    {Fighting, Poison,    5},
    {Fighting, Flying,    5},
    {Fighting, Psychic,   5},
    {Fighting, Bug,       5},
    {Fighting, Rock,     20},
    {Fighting, Ice,      20},
    {Fighting, Ghost,     0},
    {Poison,   Grass,    20},
    {Poison,   Poison,    5},
    {Poison,   Ground,    5},
    {Poison,   Bug,      20},
    {Poison,   Rock,      5},
    {Poison,   Ghost,     5},
    {Ground,   Fire,     20},
    {Ground,   Electric, 20},
    {Ground,   Grass,     5},
    {Ground,   Bug,       5},
    {Ground,   Rock,     20},
    {Ground,   Poison,   20},
    {Flying,   Electric,  5},
    {Flying,   Fighting, 20},
    {Flying,   Bug,      20},
    {Flying,   Grass,    20},
    {Flying,   Rock,      5},
    {Psychic,  Fighting, 20},
    {Psychic,  Poison,   20},
    {Bug,      Fire,      5},
    {Bug,      Grass,    20},
    {Bug,      Fighting,  5},
    {Bug,      Flying,    5},
    {Bug,      Psychic,  20},
    {Bug,      Ghost,     5},
    {Bug,      Poison,   20},
    {Rock,     Fire,     20},
    {Rock,     Fighting,  5},
    {Rock,     Ground,    5},
    {Rock,     Flying,   20},
    {Rock,     Bug,      20},
    {Rock,     Ice,      20},
    {Ghost,    Normal,    0},
    {Ghost,    Psychic,   0},
    {Fire,     Dragon,    5},
    {Water,    Dragon,    5},
    {Electric, Dragon,    5},
    {Grass,    Dragon,    5},
    {Ice,      Dragon,   20},
    {Dragon,   Dragon,   20},
}};
// clang-format on

} // namespace

int applyTypeMatchups(int damage, Type attacking, Type defending1, std::optional<Type> defending2)
{
    for (const Matchup& row : matchups) {
        if (row.attacking == attacking &&
            (row.defending == defending1 || (defending2 && row.defending == *defending2)))
            damage = damage * row.tenths / 10;
    }
    return damage;
}

} // namespace battle::game
