// SPDX-License-Identifier: MIT
#include "battle/classic/TypeChart.h"

#include <algorithm>

namespace battle {
namespace {

struct ChartEntry {
    std::string_view attacking;
    std::string_view defending;
    double factor;
};

// Only the pairs that are not 1, row by row of attacking type.
constexpr ChartEntry chart[] = {
    {"Normal", "Rock", 0.5},       {"Normal", "Steel", 0.5},      {"Normal", "Ghost", 0},
    {"Fire", "Grass", 2},          {"Fire", "Ice", 2},            {"Fire", "Bug", 2},
    {"Fire", "Steel", 2},          {"Fire", "Fire", 0.5},         {"Fire", "Water", 0.5},
    {"Fire", "Rock", 0.5},         {"Fire", "Dragon", 0.5},
    {"Water", "Fire", 2},          {"Water", "Ground", 2},        {"Water", "Rock", 2},
    {"Water", "Dragon", 2},        {"Water", "Water", 0.5},       {"Water", "Grass", 0.5},
    {"Electric", "Water", 2},      {"Electric", "Flying", 2},     {"Electric", "Electric", 0.5},
    {"Electric", "Grass", 0.5},    {"Electric", "Dragon", 0.5},   {"Electric", "Ground", 0},
    {"Grass", "Water", 2},         {"Grass", "Ground", 2},        {"Grass", "Rock", 2},
    {"Grass", "Fire", 0.5},        {"Grass", "Grass", 0.5},       {"Grass", "Poison", 0.5},
    {"Grass", "Flying", 0.5},      {"Grass", "Dragon", 0.5},      {"Grass", "Steel", 0.5},
    {"Ice", "Grass", 2},           {"Ice", "Ground", 2},          {"Ice", "Flying", 2},
    {"Ice", "Dragon", 2},          {"Ice", "Fire", 0.5},          {"Ice", "Water", 0.5},
    {"Ice", "Ice", 0.5},           {"Ice", "Steel", 0.5},
    {"Fighting", "Normal", 2},     {"Fighting", "Ice", 2},        {"Fighting", "Rock", 2},
    {"Fighting", "Evil", 2},       {"Fighting", "Steel", 2},      {"Fighting", "Poison", 0.5},
    {"Fighting", "Flying", 0.5},   {"Fighting", "Psychic", 0.5},  {"Fighting", "Bug", 0.5},
    {"Fighting", "Ghost", 0},
    {"Poison", "Grass", 2},        {"Poison", "Poison", 0.5},     {"Poison", "Ground", 0.5},
    {"Poison", "Rock", 0.5},       {"Poison", "Ghost", 0.5},      {"Poison", "Steel", 0},
    {"Ground", "Fire", 2},         {"Ground", "Electric", 2},     {"Ground", "Poison", 2},
    {"Ground", "Rock", 2},         {"Ground", "Steel", 2},        {"Ground", "Grass", 0.5},
    {"Ground", "Bug", 0.5},        {"Ground", "Flying", 0},
    {"Flying", "Grass", 2},        {"Flying", "Fighting", 2},     {"Flying", "Bug", 2},
    {"Flying", "Electric", 0.5},   {"Flying", "Rock", 0.5},       {"Flying", "Steel", 0.5},
    {"Psychic", "Fighting", 2},    {"Psychic", "Poison", 2},      {"Psychic", "Psychic", 0.5},
    {"Psychic", "Steel", 0.5},     {"Psychic", "Evil", 0},
    {"Bug", "Grass", 2},           {"Bug", "Psychic", 2},         {"Bug", "Evil", 2},
    {"Bug", "Fire", 0.5},          {"Bug", "Fighting", 0.5},      {"Bug", "Poison", 0.5},
    {"Bug", "Flying", 0.5},        {"Bug", "Ghost", 0.5},         {"Bug", "Steel", 0.5},
    {"Rock", "Fire", 2},           {"Rock", "Ice", 2},            {"Rock", "Flying", 2},
    {"Rock", "Bug", 2},            {"Rock", "Fighting", 0.5},     {"Rock", "Ground", 0.5},
    {"Rock", "Steel", 0.5},
    {"Ghost", "Psychic", 2},       {"Ghost", "Ghost", 2},         {"Ghost", "Evil", 0.5},
    {"Ghost", "Steel", 0.5},       {"Ghost", "Normal", 0},
    {"Dragon", "Dragon", 2},       {"Dragon", "Steel", 0.5},
    {"Evil", "Psychic", 2},        {"Evil", "Ghost", 2},          {"Evil", "Fighting", 0.5},
    {"Evil", "Evil", 0.5},         {"Evil", "Steel", 0.5},
    {"Steel", "Ice", 2},           {"Steel", "Rock", 2},          {"Steel", "Fire", 0.5},
    {"Steel", "Water", 0.5},       {"Steel", "Electric", 0.5},    {"Steel", "Steel", 0.5},
};

} // namespace

bool isTypeName(std::string_view text)
{
    return std::find(typeListOrder.begin(), typeListOrder.end(), text) != typeListOrder.end();
}

double typeFactor(std::string_view attacking, std::string_view defending)
{
    for (const ChartEntry& entry : chart) {
        if (entry.attacking == attacking && entry.defending == defending)
            return entry.factor;
    }
    return 1;
}

double effectiveness(std::string_view attacking, std::string_view defendingFirst,
                     std::string_view defendingSecond)
{
    return typeFactor(attacking, defendingFirst) * typeFactor(attacking, defendingSecond);
}

} // namespace battle
