// SPDX-License-Identifier: MIT
#pragma once

// The first-generation games' own facts — species, moves and type chart — as generated from the
// @pkmn/dex package by tools/gamedata (see the README). They serve the windows that show the
// game's mechanics; the classic windows keep the program's own tables.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace battle::game {

// The fifteen Gen 1 types, spelt as the program's type lists spell them.
// clang-format off
enum class Type : std::uint8_t {
    Normal, Fighting, Flying, Poison, Ground, Rock, Bug, Ghost,
    Fire, Water, Grass, Electric, Psychic, Ice, Dragon,
};
// clang-format on
std::string_view typeName(Type type);
std::optional<Type> typeFromName(std::string_view name);

// Gen 1 splits by type: Fire, Water, Grass, Electric, Psychic, Ice and Dragon are special.
bool isSpecialType(Type type);

// Damage multiplier in tenths: 0, 5, 10 or 20.
int typeEffectTenths(Type attacking, Type defending);

struct BaseStats {
    int hp, attack, defense, speed, special;
};

// The game's name as the battle community writes it ("Mr. Mime", "Nidoran-F", "Farfetch’d").
struct Species {
    int number; // National Dex number, 1…151
    std::string_view name;
    Type type1;
    std::optional<Type> type2; // empty for single-typed species
    BaseStats base;
};

// How a move's damage is found when it is not the damage formula.
enum class FixedDamage : std::uint8_t { None, Level, Constant, HalfHp, Psywave, OneHitKo };
// How often one use hits: once, exactly twice, or 2–5 times (3/8, 3/8, 1/8, 1/8).
enum class MultiHit : std::uint8_t { Once, Twice, TwoToFive };

struct Move {
    int number;            // the game's move number, 1…165 (Struggle is 165)
    std::string_view name; // the game's name ("Thunder Shock", "Double Slap")
    Type type;
    int power;                   // 0: no damage from the formula
    std::optional<int> accuracy; // percent; empty: never misses (Swift)
    int pp;
    bool highCritical; // Karate Chop, Razor Leaf, Crabhammer, Slash
    FixedDamage fixed;
    int fixedAmount; // the Constant kind's damage (Sonic Boom 20, Dragon Rage 40), else 0
    MultiHit hits;
};

// National Dex order.
std::span<const Species> allSpecies();
// The game's move order (by move number, Pound first); Struggle included.
std::span<const Move> allMoves();

// Exact, case-sensitive lookups by the game's name.
const Species* findSpecies(std::string_view gameName);
const Move* findMove(std::string_view gameName);

// Lookups for names as people write them in team text: only letters and digits count, in any
// case (no blanks, hyphens, apostrophes or full stops), "♀"/"♂" read as F/M, and the program's
// own spellings are known too ("nidoran f", "Nidoran♀", "NidoranF"; "thundershock", "Hi Jump
// Kick"). nullptr when nothing matches.
const Species* findSpeciesLoosely(std::string_view text);
const Move* findMoveLoosely(std::string_view text);

// The program's own spellings (the critical hit finder's species list, the attack lists) mapped
// to the game's entries; nullptr where the program's name means no game entry.
const Species* speciesForProgramName(std::string_view programName);
const Move* moveForProgramName(std::string_view programName);

// The program's spelling of a game entry (for writing into the classic windows' lists).
std::string_view programNameOf(const Species& species);
std::string_view programNameOf(const Move& move); // empty when the attack list lacks it

} // namespace battle::game
