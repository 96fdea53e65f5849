// SPDX-License-Identifier: MIT
// A turn's figures as the Battle Turn window shows them: chances, rolls, ranges and outcomes.
#include "battle/game/GameTurn.h"

#include <charconv>
#include <cmath>

namespace battle::game {
namespace {

std::string wholeText(long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

// One decimal, halves rounded up.
std::string percentText(double fraction)
{
    const long long tenths = std::llround(fraction * 1000);
    return wholeText(tenths / 10) + "." + wholeText(tenths % 10) + " %";
}

// Sums of many chances land a hair below 1 where the true figure is 1; closer than this counts as
// certain.
constexpr double certainty = 1e-12;

} // namespace

std::string chanceText(int in256)
{
    const std::string text = probabilityText(in256 / double(byteOutcomes));
    if (in256 <= 0 || in256 >= byteOutcomes)
        return text;
    return text + " (" + wholeText(in256) + "/" + wholeText(byteOutcomes) + ")";
}

std::string probabilityText(double chance)
{
    if (chance <= 0) // only ever summed from positive parts: a true 0 is exact
        return "0.0 %";
    if (chance >= 1 - certainty)
        return "100.0 %";
    const std::string text = percentText(chance);
    if (text == "0.0 %")
        return "< 0.1 %";
    if (text == "100.0 %")
        return "> 99.9 %";
    return text;
}

std::string hitText(const TurnFigures& figures, bool critical)
{
    if (!figures.damaging)
        return std::string(noDamageText);
    const std::vector<int>& rolls = critical ? figures.criticalRolls : figures.normalRolls;
    return rolls.empty() ? std::string(noEffectText) : rollsText(rolls);
}

std::string rollsText(const std::vector<int>& rolls)
{
    if (rolls.empty())
        return std::string(noDamageText);
    std::string text;
    for (const int roll : rolls)
        text += (text.empty() ? "" : ", ") + wholeText(roll);
    return text;
}

std::string rangeText(const TurnFigures& figures, int defenderHp)
{
    if (!figures.damaging)
        return std::string(noDamageText);
    if (figures.normalRolls.empty())
        return std::string(noEffectText);
    const int low = figures.normalRolls.front() * figures.minStrikes;
    const int high = figures.normalRolls.back() * figures.maxStrikes;
    const double hp = std::max(1, defenderHp);
    if (low == high)
        return wholeText(low) + " (" + percentText(low / hp) + ")";
    std::string share = percentText(low / hp);
    share.resize(share.size() - 2); // one "%" for both ends
    return wholeText(low) + "–" + wholeText(high) + " (" + share + "–" + percentText(high / hp) +
           ")";
}

std::string koText(const TurnFigures& figures)
{
    if (!figures.damaging)
        return {};
    std::string text;
    for (std::size_t n = 0; n < figures.koWithin.size(); ++n)
        text += (n ? ", " : "") + wholeText(static_cast<long long>(n) + 1) + ": " +
                probabilityText(figures.koWithin[n]);
    return text;
}

std::string outcomeText(const TurnOutcome& outcome)
{
    switch (outcome.result) {
    case Result::Missed:
        return "Missed";
    case Result::NoDamage:
        return "Hit";
    case Result::NoEffect:
        return std::string(noEffectText);
    case Result::Hit:
    case Result::CriticalHit:
        break;
    }
    std::string text = outcome.result == Result::CriticalHit ? "Critical hit" : "Hit";
    if (outcome.strikes > 1)
        text += " " + wholeText(outcome.strikes) + " times";
    return text + ": " + wholeText(outcome.damage) + " damage";
}

} // namespace battle::game
