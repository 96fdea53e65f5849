// SPDX-License-Identifier: MIT
#pragma once

// The first-generation games' stat rules: a species' stats from its base stats, DVs, stat
// experience and level, and the figures a battle uses after stat stages, burn, paralysis and
// the screens. Pure functions over numbers inside their ranges.

#include "battle/game/GameData.h"

#include <optional>
#include <string_view>

namespace battle::game {

inline constexpr int maxDv = 15;
inline constexpr int maxStatExp = 65535;
inline constexpr int minLevel = 1;
inline constexpr int maxLevel = 100;
inline constexpr int minStage = -6;
inline constexpr int maxStage = 6;
inline constexpr int maxStat = 999;

// Determinant values, 0…15; the HP's comes from the other four.
struct Dvs {
    int attack = 0, defense = 0, speed = 0, special = 0;
    bool operator==(const Dvs&) const = default;
};
struct StatExp {
    int hp = 0, attack = 0, defense = 0, speed = 0, special = 0;
    bool operator==(const StatExp&) const = default;
};
struct Stats {
    int hp = 0, attack = 0, defense = 0, speed = 0, special = 0;
    bool operator==(const Stats&) const = default;
};

// The low bits of Attack, Defense, Speed and Special DVs, in that order, from high to low.
int hpDv(const Dvs& dvs);

// ⌈√stat experience⌉, at most 255.
int statExpBonus(int statExp);

// One stat other than HP, and HP; each at most 999.
int otherStat(int base, int dv, int statExp, int level);
int hpStat(int base, int dv, int statExp, int level);
Stats computeStats(const BaseStats& base, const Dvs& dvs, const StatExp& statExp, int level);

enum class Preset : std::uint8_t { Maximum, EnemyTrainer, Custom };
inline constexpr Preset allPresets[] = {Preset::Maximum, Preset::EnemyTrainer, Preset::Custom};
std::string_view presetName(Preset preset);
std::optional<Preset> presetFromName(std::string_view name);

struct Training {
    Dvs dvs;
    StatExp statExp;
    bool operator==(const Training&) const = default;
};
// What the preset sets; std::nullopt for Custom, which sets nothing.
std::optional<Training> presetTraining(Preset preset);

// Stat stages, −6…+6 (further ones count as the last).
struct Stages {
    int attack = 0, defense = 0, speed = 0, special = 0;
};
struct Conditions {
    bool burned = false, paralyzed = false, reflect = false, lightScreen = false;
};
struct BattleStats {
    int attack = 0, defense = 0, speed = 0, special = 0;
    bool operator==(const BattleStats&) const = default;
};

// The value times its stage's ratio, floored, unbounded: accuracy takes it so, and clamps later.
int scaleByStage(int value, int stage);
// The stat times its stage's ratio, floored, within 1…999.
int applyStage(int stat, int stage);

// Stages first; then burn halves Attack and paralysis quarters Speed, floored and kept within
// 1…999; Reflect doubles Defense and Light Screen Special with no ceiling.
BattleStats battleStats(const Stats& stats, const Stages& stages, const Conditions& conditions);

// The screens guard only the side that is hit: an attacker's figures leave them out.
Conditions whenAttacking(Conditions conditions);

} // namespace battle::game
