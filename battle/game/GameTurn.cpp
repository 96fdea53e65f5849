// SPDX-License-Identifier: MIT
#include "battle/game/GameTurn.h"

#include "battle/game/TypeMatchups.h"

#include <algorithm>

namespace battle::game {
namespace {

constexpr int lowestRoll = 217;
constexpr int highestRoll = 255;
constexpr int highestAccuracy = 255;
constexpr int damageCap = 997;
constexpr int statByteLimit = 255;
constexpr int koUses = 4;

// Strikes of one use and their chances in eighths.
struct Strikes {
    int count;
    int eighths;
};
constexpr Strikes once[] = {{1, 8}};
constexpr Strikes twice[] = {{2, 8}};
constexpr Strikes twoToFive[] = {{2, 3}, {3, 3}, {4, 1}, {5, 1}};

std::span<const Strikes> strikesOf(const Move& move)
{
    switch (move.hits) {
    case MultiHit::Twice:
        return twice;
    case MultiHit::TwoToFive:
        return twoToFive;
    case MultiHit::Once:
        break;
    }
    return once;
}

bool usesFormula(const Move& move)
{
    return move.fixed == FixedDamage::None && move.power > 0;
}

bool halvesDefense(const Move& move)
{
    return move.name == "Explosion" || move.name == "Self-Destruct";
}

bool isImmune(const Move& move, const Species& defender)
{
    return typeEffectTenths(move.type, defender.type1) == 0 ||
           (defender.type2 && typeEffectTenths(move.type, *defender.type2) == 0);
}

// The damage before the random factor: 0 for an immune defender.
int damageBeforeRoll(const TurnInputs& in, bool critical)
{
    const Move& move = *in.move;
    const bool special = isSpecialType(move.type);
    int attack = special ? in.attacker.stats.special : in.attacker.stats.attack;
    int defense = special ? in.defender.stats.special : in.defender.stats.defense;
    int level = in.attacker.level;
    // A critical hit looks past stages, burn and screens, but not past Explosion's halving.
    if (critical) {
        level *= 2;
    } else {
        attack = applyStage(attack, in.attackerStage);
        defense = applyStage(defense, in.defenderStage);
        if (in.burned && !special)
            attack /= 2;
    }
    // The screen doubles here, past the stats' 999 ceiling: only the byte scaling below limits it.
    if (!critical && in.screen)
        defense *= 2;
    if (attack > statByteLimit || defense > statByteLimit) {
        attack = attack / 4 % 256;
        defense = defense / 4 % 256;
    }
    // Explosion halves what the scaling left, so a Defense of 256–511 is quartered first.
    if (halvesDefense(move))
        defense /= 2;
    attack = std::max(attack, 1);
    defense = std::max(defense, 1);

    int damage = (2 * level / 5 + 2) * attack * move.power / defense / 50;
    damage = std::min(damage, damageCap) + 2;
    const Species& attacker = *in.attacker.species;
    if (move.type == attacker.type1 || (attacker.type2 && move.type == *attacker.type2))
        damage += damage / 2;
    const Species& defender = *in.defender.species;
    return applyTypeMatchups(damage, move.type, defender.type1, defender.type2);
}

// None when the types leave no damage: the game then counts the move as missed.
std::vector<int> formulaRolls(const TurnInputs& in, bool critical)
{
    const int damage = damageBeforeRoll(in, critical);
    if (damage == 0)
        return {};
    std::vector<int> rolls;
    for (int roll = lowestRoll; roll <= highestRoll; ++roll)
        rolls.push_back(damage > 1 ? damage * roll / highestRoll : damage);
    return rolls;
}

// Fixed amounts go around the type chart, as in the games (one-hit KO moves excepted).
std::vector<int> fixedRolls(const TurnInputs& in)
{
    const int level = in.attacker.level;
    switch (in.move->fixed) {
    case FixedDamage::Level:
        return {level};
    case FixedDamage::Constant:
        return {in.move->fixedAmount};
    case FixedDamage::HalfHp:
        return {std::max(1, in.defenderHp / 2)};
    case FixedDamage::Psywave: {
        std::vector<int> rolls;
        for (int amount = 1; amount == 1 || amount < level * 3 / 2; ++amount)
            rolls.push_back(amount);
        return rolls;
    }
    case FixedDamage::OneHitKo:
        if (isImmune(*in.move, *in.defender.species))
            return {};
        return {in.defenderHp};
    case FixedDamage::None:
        break;
    }
    return {};
}

// A use's damage as chances indexed by amount, amounts from `hp` on folded into the last entry.
using Distribution = std::vector<double>;

void addStrikes(Distribution& use, const std::vector<int>& rolls, std::span<const Strikes> strikes,
                double weight, int hp)
{
    if (rolls.empty()) { // no effect: as a miss
        use[0] += weight;
        return;
    }
    const double perRoll = weight / static_cast<double>(rolls.size()) / 8.0;
    for (const int roll : rolls) {
        for (const Strikes& s : strikes)
            use[static_cast<std::size_t>(std::min(roll * s.count, hp))] += perRoll * s.eighths;
    }
}

// Amounts with a chance, for the inner loop.
std::vector<std::pair<int, double>> sparse(const Distribution& distribution)
{
    std::vector<std::pair<int, double>> entries;
    for (std::size_t amount = 0; amount < distribution.size(); ++amount) {
        if (distribution[amount] > 0)
            entries.emplace_back(static_cast<int>(amount), distribution[amount]);
    }
    return entries;
}

// The chance that the damage dealt so far (index, capped at hp) has reached hp after each use,
// by convolving the use's distribution onto the total's.
std::array<double, 4> koChances(const Distribution& use, int hp)
{
    const auto entries = sparse(use);
    Distribution total(static_cast<std::size_t>(hp) + 1, 0.0);
    total[0] = 1;
    std::array<double, koUses> within{};
    for (int n = 0; n < koUses; ++n) {
        Distribution next(total.size(), 0.0);
        next[static_cast<std::size_t>(hp)] = total[static_cast<std::size_t>(hp)];
        for (int dealt = 0; dealt < hp; ++dealt) {
            const double p = total[static_cast<std::size_t>(dealt)];
            if (p == 0)
                continue;
            for (const auto& [amount, chance] : entries)
                next[static_cast<std::size_t>(std::min(dealt + amount, hp))] += p * chance;
        }
        total = std::move(next);
        within[static_cast<std::size_t>(n)] = total[static_cast<std::size_t>(hp)];
    }
    return within;
}

// Super Fang takes half of what is left, so the state is the HP left rather than a sum.
std::array<double, 4> halfHpKoChances(double hit, int hp)
{
    Distribution left(static_cast<std::size_t>(hp) + 1, 0.0);
    left[static_cast<std::size_t>(hp)] = 1;
    std::array<double, koUses> within{};
    for (int n = 0; n < koUses; ++n) {
        Distribution next(left.size(), 0.0);
        next[0] = left[0];
        for (int now = 1; now <= hp; ++now) {
            const double p = left[static_cast<std::size_t>(now)];
            next[static_cast<std::size_t>(now)] += p * (1 - hit);
            next[static_cast<std::size_t>(now - std::max(1, now / 2))] += p * hit;
        }
        left = std::move(next);
        within[static_cast<std::size_t>(n)] = left[0];
    }
    return within;
}

int strikesFromDraw(const Move& move, float draw)
{
    int eighth = static_cast<int>(draw * 8);
    for (const Strikes& s : strikesOf(move)) {
        if (eighth < s.eighths)
            return s.count;
        eighth -= s.eighths;
    }
    return strikesOf(move).back().count;
}

} // namespace

int battleSpeed(int speed, int stage, bool paralyzed)
{
    return battleStats({.speed = speed}, {.speed = stage}, {.paralyzed = paralyzed}).speed;
}

int hitChanceIn256(const TurnInputs& in)
{
    const Move& move = *in.move;
    if (!move.accuracy)
        return byteOutcomes;
    if (move.fixed == FixedDamage::OneHitKo &&
        battleSpeed(in.attacker.stats.speed, in.attackerSpeedStage, in.attackerParalyzed) <
            battleSpeed(in.defender.stats.speed, in.defenderSpeedStage, in.defenderParalyzed))
        return 0;
    int chance = *move.accuracy * highestAccuracy / 100;
    chance = std::max(1, scaleByStage(chance, in.accuracyStage));
    chance = std::max(1, scaleByStage(chance, -in.evasionStage));
    return std::min(chance, highestAccuracy);
}

int criticalChanceIn256(const Species& attacker, const Move& move)
{
    if (!usesFormula(move))
        return 0;
    const int threshold = attacker.base.speed / 2;
    return move.highCritical ? std::min(highestAccuracy, 8 * threshold) : threshold;
}

TurnFigures computeTurn(const TurnInputs& in)
{
    TurnFigures figures;
    const Move& move = *in.move;
    figures.hitIn256 = hitChanceIn256(in);
    figures.criticalIn256 = criticalChanceIn256(*in.attacker.species, move);
    figures.damaging = usesFormula(move) || move.fixed != FixedDamage::None;
    if (!figures.damaging)
        return figures;

    const std::span<const Strikes> strikes = strikesOf(move);
    figures.minStrikes = strikes.front().count;
    figures.maxStrikes = strikes.back().count;
    if (usesFormula(move)) {
        figures.normalRolls = formulaRolls(in, false);
        figures.criticalRolls = formulaRolls(in, true);
    } else {
        figures.normalRolls = fixedRolls(in);
        figures.criticalRolls = figures.normalRolls;
    }

    const int hp = std::max(1, in.defenderHp);
    const double hit = figures.hitIn256 / double(byteOutcomes);
    if (move.fixed == FixedDamage::HalfHp) {
        figures.koWithin = halfHpKoChances(hit, hp);
        return figures;
    }
    const double critical = figures.criticalIn256 / double(byteOutcomes);
    Distribution use(static_cast<std::size_t>(hp) + 1, 0.0);
    use[0] = 1 - hit;
    addStrikes(use, figures.normalRolls, strikes, hit * (1 - critical), hp);
    addStrikes(use, figures.criticalRolls, strikes, hit * critical, hp);
    figures.koWithin = koChances(use, hp);
    return figures;
}

std::vector<StrikeChance> strikeChances(const Move& move)
{
    std::vector<StrikeChance> chances;
    for (const Strikes& s : strikesOf(move))
        chances.push_back({s.count, s.eighths});
    return chances;
}

TurnOutcome rollTurn(const TurnInputs& in, const TurnFigures& figures, const DrawSource& draw)
{
    const bool hit = static_cast<int>(draw() * byteOutcomes) < figures.hitIn256;
    const bool critical = static_cast<int>(draw() * byteOutcomes) < figures.criticalIn256;
    const float rollDraw = draw();
    const int strikes = strikesFromDraw(*in.move, draw());
    if (!hit)
        return {Result::Missed, 0, 0};
    if (!figures.damaging)
        return {Result::NoDamage, 1, 0};
    const std::vector<int>& rolls = critical ? figures.criticalRolls : figures.normalRolls;
    if (rolls.empty())
        return {Result::NoEffect, 0, 0};
    const auto index =
        std::min(static_cast<std::size_t>(rollDraw * rolls.size()), rolls.size() - 1);
    return {critical ? Result::CriticalHit : Result::Hit, strikes, rolls[index] * strikes};
}

} // namespace battle::game
