// SPDX-License-Identifier: MIT
#include "battle/classic/Rolls.h"

#include "battle/common/Conversions.h"

#include <array>

namespace battle {
namespace {

constexpr std::array<double, 7> accuracyMultipliers{1, 0.674, 0.533, 0.427, 0.404, 0.329, 0.284};
constexpr std::array<double, 7> evasionMultipliers{1, 0.659, 0.5, 0.442, 0.404, 0.329, 0.284};

constexpr double highestCounter = 6;

} // namespace

std::optional<std::string> statusVerdict(std::string_view succText, const DrawSource& draw)
{
    const float roll = rollOneToHundred(draw());
    const std::optional<double> chance = textToNumber(succText);
    if (!chance)
        return std::nullopt;
    // x < s + 1 rather than x <= s: fractional chances round up to the next whole roll.
    return roll < *chance + 1 ? "YES" : "NO";
}

std::optional<std::string> criticalVerdict(std::string_view baseCriticalText,
                                           const DrawSource& draw)
{
    const float roll = rollOneToHundred(draw());
    const std::optional<double> baseCritical = textToNumber(baseCriticalText);
    if (!baseCritical)
        return std::nullopt;
    return roll <= *baseCritical ? "Critical Hit!" : "Normal Damage.";
}

std::optional<std::string> counterRuleWrite(std::string_view counterText)
{
    const std::optional<double> counter = textToNumber(counterText);
    if (!counter)
        return std::nullopt;
    // Fractions below 1 fall to 0 too; values from 1 to 6, fractions included, stay.
    if (*counter < 1)
        return "0";
    if (*counter > highestCounter)
        return "6";
    return std::nullopt;
}

std::optional<std::string> multiplierText(std::string_view counterText, MultiplierTable table)
{
    const std::optional<double> counter = textToNumber(counterText);
    if (!counter)
        return std::nullopt;
    const auto& entries =
        table == MultiplierTable::Accuracy ? accuracyMultipliers : evasionMultipliers;
    for (int index = 0; index < static_cast<int>(entries.size()); ++index) {
        if (*counter == index)
            return index == 0 ? std::string("1") : numberToText(entries[index]);
    }
    return std::nullopt;
}

CounterPress pressCounter(std::string_view counterText, int delta, MultiplierTable table)
{
    CounterPress press{std::nullopt, std::string(counterText), std::nullopt};
    if (const std::optional<double> counter = textToNumber(counterText)) {
        press.step = numberToText(*counter + delta);
        press.settled = *press.step;
        // A write that changes the text runs the rule again; writing the same text ends it.
        while (const auto ruled = counterRuleWrite(press.settled)) {
            if (*ruled == press.settled)
                break;
            press.settled = *ruled;
        }
    }
    press.multiplier = multiplierText(press.settled, table);
    return press;
}

std::optional<HitDecision> hitDecision(std::string_view accuracyText, std::string_view baseText,
                                       std::string_view evadeText, const DrawSource& draw)
{
    const std::optional<double> accuracy = textToNumber(accuracyText);
    const std::optional<double> base = textToNumber(baseText);
    const std::optional<double> evade = textToNumber(evadeText);
    if (!accuracy || !base || !evade)
        return std::nullopt;
    const double chance = (*accuracy * *base) * *evade;
    const float roll = rollOneToHundred(draw());
    return HitDecision{numberToText(chance), roll <= chance};
}

} // namespace battle
