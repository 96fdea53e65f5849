// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace battle {

// The texts of the damage window's fields, exactly as they stand.
struct DamageInputs {
    std::string attack;             // attacker's Attack stat
    std::string level;              // attacker's level
    std::string basePower;          // "Base Damage"
    std::string defense;            // defender's Defense stat
    std::string attackType;         // type of the attack
    std::string attackerFirstType;
    std::string attackerSecondType;
    std::string defenderFirstType;
    std::string defenderSecondType;
    std::string defenderHp;         // optional, for the poison figure
    std::string attackName;         // the attack list's text; only "Toxic" matters
};

// What one output field is given: its maximum length (0 for no limit), then its whole text.
// The text never exceeds the maximum length.
struct OutputText {
    std::string text;
    int maxLength = 0;
};

// The result of a click on Work: an optional message box, shown first, then either all three
// output fields written or none of them.
struct DamageOutcome {
    std::string message;
    bool writesFields = false;
    OutputText normal;
    OutputText critical;
    OutputText poison;
};

inline constexpr int damageFieldMaxLength = 3; // the figures' fields before any computation

DamageOutcome computeDamage(const DamageInputs& inputs);

// A figure as its field shows it: ">999" above 999, else the digits of its whole part (a cut,
// not a rounding); a negative figure shows only its sign, as the field is one character wide.
OutputText displayFigure(double figure);

} // namespace battle
