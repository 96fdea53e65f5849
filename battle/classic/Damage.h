// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace battle {

// The damage computation's inputs, texts exactly as the player wrote them.
struct DamageInputs {
    std::string attack;     // attacker's Attack stat
    std::string level;      // attacker's level
    std::string basePower;  // "Base Damage"
    std::string defense;    // defender's Defense stat
    std::string attackType; // type of the attack
    std::string attackerFirstType;
    std::string attackerSecondType;
    std::string defenderFirstType;
    std::string defenderSecondType;
    std::string defenderHp; // optional, for the poison figure
    std::string attackName; // the attack list's text; only "Toxic" matters
};

// A figure as the classic program shows it: its text and how many characters it is shown in
// (0: as many as it has). The text never has more characters than that.
struct ShownFigure {
    std::string text;
    int width = 0;
};

// The result of a click on Work: an optional message, shown first, then either all three figures
// or none of them.
struct DamageOutcome {
    std::string message;
    bool hasFigures = false;
    ShownFigure normal;
    ShownFigure critical;
    ShownFigure poison;
};

inline constexpr int initialFigureWidth = 3; // before the first figure is shown

DamageOutcome computeDamage(const DamageInputs& inputs);

// A figure as it is shown: ">999" above 999, else the digits of its whole part (a cut, not a
// rounding); a negative figure shows only its sign, as it is shown one character wide.
ShownFigure displayFigure(double figure);

} // namespace battle
