// SPDX-License-Identifier: MIT
#include "battle/classic/Damage.h"

#include "battle/classic/TypeChart.h"
#include "battle/common/Conversions.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace battle {
namespace {

constexpr std::string_view levelRequired = "Level of Pokémon required!";
constexpr std::string_view overNineNineNine =
    "Damage dealt is over 999! Defending Pokémon fainted!";
constexpr std::string_view tooLarge = "The numbers entered are too large to compute.";

constexpr double sameTypeBonus = 1.5;
constexpr double poisonShare = 0.063;

struct FigureConstants {
    double criticalMultiplier;
    double defenseDivisor;
};
constexpr FigureConstants normalHit{1, 128};
constexpr FigureConstants criticalHit{2, 125};

bool isEmptyOrOneBlank(std::string_view text)
{
    return text.empty() || text == " ";
}

struct Stats {
    double attack;
    double level;
    double basePower;
    double defense;
};

// Converts one field or names it in the message that stops the click.
std::optional<double> readNumber(std::string_view text, std::string_view caption,
                                 std::string& message)
{
    const std::optional<double> number = textToNumber(text);
    if (!number && message.empty())
        message = std::string(caption) + " must be a number.";
    return number;
}

double figure(const Stats& stats, FigureConstants constants, double effect, double bonus)
{
    // Left to right, exactly as written: no intermediate rounding.
    return ((stats.attack * stats.level * stats.basePower * constants.criticalMultiplier) /
                (stats.defense * constants.defenseDivisor) +
            1) *
           effect * bonus;
}

ShownFigure shownWhole(std::string text)
{
    const int length = static_cast<int>(text.size());
    return {std::move(text), length};
}

} // namespace

ShownFigure displayFigure(double figure)
{
    if (figure > 999)
        return {">999", 4};
    const int width = figure < 10 ? 1 : (figure < 100 ? 2 : 3);
    // The whole part's own digits, so that a 15-digit rounding ("9.9999999999999999" -> "10")
    // or an exponent form ("1e-20") can never put a wrong digit in the field.
    const std::string text = figure < 0 ? numberToText(figure) : numberToText(wholePart(figure));
    return {text.substr(0, static_cast<std::size_t>(width)), width};
}

DamageOutcome computeDamage(const DamageInputs& in)
{
    DamageOutcome outcome;
    if (isEmptyOrOneBlank(in.level)) {
        outcome.message = levelRequired;
        return outcome;
    }

    std::string& message = outcome.message;
    const auto attack = readNumber(in.attack, "Pokémon's Attack Stat", message);
    const auto level = readNumber(in.level, "Pokémon Level", message);
    const auto basePower = readNumber(in.basePower, "Base Damage", message);
    const auto defense = readNumber(in.defense, "Pokémon's Defense Stat", message);
    const bool hasHp = !isEmptyOrOneBlank(in.defenderHp);
    const auto hp =
        hasHp ? readNumber(in.defenderHp, "Pokémon HP", message) : std::optional<double>(0);
    if (!message.empty())
        return outcome;
    if (*defense == 0) {
        message = "Pokémon's Defense Stat cannot be 0.";
        return outcome;
    }

    const Stats stats{*attack, *level, *basePower, *defense};
    const bool sameType =
        in.attackType == in.attackerFirstType || in.attackType == in.attackerSecondType;
    const double bonus = sameType ? sameTypeBonus : 1;
    const double effect = effectiveness(in.attackType, in.defenderFirstType, in.defenderSecondType);
    const double normal = figure(stats, normalHit, effect, bonus);
    const double critical = figure(stats, criticalHit, effect, bonus);
    if (std::isnan(normal) || std::isnan(critical)) {
        message = tooLarge;
        return outcome;
    }

    outcome.hasFigures = true;
    outcome.normal = displayFigure(normal);
    if (normal > 999)
        message = overNineNineNine;
    outcome.critical = displayFigure(critical);
    outcome.poison =
        hasHp ? ShownFigure{numberToText(*hp * poisonShare), 0} : ShownFigure{"EnterHP", 0};
    if (critical == 0) {
        outcome.critical = shownWhole("0");
        outcome.normal = shownWhole(in.attackName == "Toxic" ? "Toxic" : "NoEff");
    }
    return outcome;
}

} // namespace battle
