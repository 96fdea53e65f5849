// SPDX-License-Identifier: MIT
#pragma once

#include "battle/common/Draw.h"

#include <optional>
#include <string>
#include <string_view>

namespace battle {

// The status changer's verdict, "YES" or "NO", for a chance of success in percent. The draw is
// taken before the text is read, so a text that is no number (std::nullopt) still uses one.
std::optional<std::string> statusVerdict(std::string_view succText, const DrawSource& draw);

// "Critical Hit!" when the roll does not exceed the base critical value, else
// "Normal Damage.". Draws first, like the status verdict; std::nullopt when the text is no number.
std::optional<std::string> criticalVerdict(std::string_view baseCriticalText,
                                           const DrawSource& draw);

// The accuracy finder's two multiplier tables, indexed by a counter from 0 to 6.
enum class MultiplierTable { Accuracy, Evasion };

// What the counter rule writes when a counter's text changes: "0" below 1, "6" above 6,
// nothing (std::nullopt) for 1 to 6 or for a text that is no number.
std::optional<std::string> counterRuleWrite(std::string_view counterText);

// The table's entry for a counter equal to 0 to 6 ("1" for 0); std::nullopt for any other text,
// which leaves the multiplier field as it is.
std::optional<std::string> multiplierText(std::string_view counterText, MultiplierTable table);

// One press of a counter's + or - button, in the order the window writes it: the stepped count
// (nothing when the counter is no number), on which the counter rule runs as on every change of
// the text until it leaves `settled`; then the multiplier for that count, when there is one.
struct CounterPress {
    std::optional<std::string> step;
    std::string settled;
    std::optional<std::string> multiplier;
};

CounterPress pressCounter(std::string_view counterText, int delta, MultiplierTable table);

struct HitDecision {
    std::string chanceText; // accuracy x base x evasion, in percent
    bool hit;
};

// Reads all three texts before drawing: when one is no number there is no decision and no draw.
// Otherwise one draw; a roll up to the chance hits.
std::optional<HitDecision> hitDecision(std::string_view accuracyText, std::string_view baseText,
                                       std::string_view evadeText, const DrawSource& draw);

} // namespace battle
