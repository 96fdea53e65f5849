// SPDX-License-Identifier: MIT
#include "battle/game/GameStats.h"

#include "battle/common/Lookup.h"

#include <algorithm>
#include <array>

namespace battle::game {
namespace {

struct Ratio {
    int numerator;
    int denominator;
};

// Stages −6 … +6.
// clang-format off
constexpr std::array<Ratio, 13> stageRatios{{
    {25, 100}, {28, 100}, {33, 100}, {40, 100}, {50, 100}, {66, 100},
    {1, 1},
    {15, 10}, {2, 1}, {25, 10}, {3, 1}, {35, 10}, {4, 1},
}};

// Name, DVs {Attack, Defense, Speed, Special}, stat experience for every stat.
struct PresetRow {
    Preset preset;
    std::string_view name;
    Dvs dvs;
    int statExp;
};
constexpr std::array<PresetRow, 3> presets{{
    {Preset::Maximum,      "Maximum",       {15, 15, 15, 15}, maxStatExp},
    {Preset::EnemyTrainer, "Enemy trainer", { 9,  8,  8,  8}, 0},  // how the game builds trainers' Pokémon
    {Preset::Custom,       "Custom",        {},               0},
}};
// clang-format on

constexpr int maxStatExpBonus = 255;

int withinStatRange(int value)
{
    return std::clamp(value, 1, maxStat);
}

// ⌊((Base + DV) × 2 + ⌊S ÷ 4⌋) × L ÷ 100⌋, the part HP and the other stats share.
int statCore(int base, int dv, int statExp, int level)
{
    return ((base + dv) * 2 + statExpBonus(statExp) / 4) * level / 100;
}

const PresetRow& rowOf(Preset preset)
{
    return presets[static_cast<std::size_t>(preset)];
}

} // namespace

int hpDv(const Dvs& dvs)
{
    return (dvs.attack & 1) * 8 + (dvs.defense & 1) * 4 + (dvs.speed & 1) * 2 + (dvs.special & 1);
}

int statExpBonus(int statExp)
{
    if (statExp <= 0)
        return 0;
    int root = 0;
    while (root * root < statExp && root < maxStatExpBonus)
        ++root;
    return root;
}

int otherStat(int base, int dv, int statExp, int level)
{
    return std::min(statCore(base, dv, statExp, level) + 5, maxStat);
}

int hpStat(int base, int dv, int statExp, int level)
{
    return std::min(statCore(base, dv, statExp, level) + level + 10, maxStat);
}

Stats computeStats(const BaseStats& base, const Dvs& dvs, const StatExp& statExp, int level)
{
    return {
        .hp = hpStat(base.hp, hpDv(dvs), statExp.hp, level),
        .attack = otherStat(base.attack, dvs.attack, statExp.attack, level),
        .defense = otherStat(base.defense, dvs.defense, statExp.defense, level),
        .speed = otherStat(base.speed, dvs.speed, statExp.speed, level),
        .special = otherStat(base.special, dvs.special, statExp.special, level),
    };
}

std::string_view presetName(Preset preset)
{
    return rowOf(preset).name;
}

std::optional<Preset> presetFromName(std::string_view name)
{
    const PresetRow* row = findByName<PresetRow>(presets, name, &PresetRow::name);
    return row ? std::optional(row->preset) : std::nullopt;
}

std::optional<Training> presetTraining(Preset preset)
{
    if (preset == Preset::Custom)
        return std::nullopt;
    const PresetRow& row = rowOf(preset);
    const int exp = row.statExp;
    return Training{row.dvs, {exp, exp, exp, exp, exp}};
}

int scaleByStage(int value, int stage)
{
    const Ratio ratio =
        stageRatios[static_cast<std::size_t>(std::clamp(stage, minStage, maxStage) - minStage)];
    return value * ratio.numerator / ratio.denominator;
}

int applyStage(int stat, int stage)
{
    return withinStatRange(scaleByStage(stat, stage));
}

BattleStats battleStats(const Stats& stats, const Stages& stages, const Conditions& conditions)
{
    BattleStats figures{
        .attack = applyStage(stats.attack, stages.attack),
        .defense = applyStage(stats.defense, stages.defense),
        .speed = applyStage(stats.speed, stages.speed),
        .special = applyStage(stats.special, stages.special),
    };
    if (conditions.burned)
        figures.attack = withinStatRange(figures.attack / 2);
    if (conditions.paralyzed)
        figures.speed = withinStatRange(figures.speed / 4);
    // The screens double past the 999 ceiling, as the game's damage routine does.
    if (conditions.reflect)
        figures.defense *= 2;
    if (conditions.lightScreen)
        figures.special *= 2;
    return figures;
}

Conditions whenAttacking(Conditions conditions)
{
    conditions.reflect = false;
    conditions.lightScreen = false;
    return conditions;
}

} // namespace battle::game
