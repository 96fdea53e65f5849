// SPDX-License-Identifier: MIT
#pragma once

#include "battle/common/Draw.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace battle {

// How the count inside a templated note is drawn.
enum class DrawKind { None, TwoWay, FourWay };

// A fixed note is its prefix alone; a templated note reads prefix + drawn count + suffix.
struct AttackNotes {
    std::string_view prefix;
    DrawKind draw = DrawKind::None;
    std::array<std::string_view, 4> values{}; // a two-way draw uses the first two
    std::string_view suffix;
};

// One attack of the main window's attack list. Empty texts and empty optionals are fields the
// row does not name; a choice of the row leaves those fields as they were.
struct AttackRow {
    std::string_view key;
    std::string_view type;        // written to the attack's type list
    std::string_view damageClass; // "Physical", "Special" or empty
    std::optional<int> basePower;
    std::optional<AttackNotes> notes;
    std::string_view damageDealt{}; // extra outputs, only Dragon Rage has them
    std::string_view critical{};
};

// The main-window controls a choice from the attack list writes.
enum class AttackField {
    Notes,         // the notes box
    BasePower,     // "Base Damage"
    AttackType,    // the attack's type list
    DamageDealt,   // the normal figure
    Critical,      // the critical figure
    ClassReminder, // "Make Sure You're Using: ..."
};

// One text written into one of those controls.
struct FieldWrite {
    AttackField field;
    std::string text;

    bool operator==(const FieldWrite&) const = default;
};

inline constexpr std::string_view classReminderPrefix = "Make Sure You're Using: ";

// All rows in list order; the attack list shows exactly these keys in this order.
std::span<const AttackRow> attackRows();

// The first row whose key equals the text exactly (case-sensitive), or nullptr.
const AttackRow* findAttack(std::string_view key);

// The writes a choice of the attack makes, in the order they are made. A template's count is
// drawn anew from `draw` on every call; rows without a template draw nothing.
std::vector<FieldWrite> applyAttack(std::string_view key, const DrawSource& draw);

// The note's text, with a templated count drawn from `draw`.
std::string fillNotes(const AttackNotes& notes, const DrawSource& draw);

// 24 %, 37.24 %, 28.68 % and 10.08 %: one fresh draw per comparison, one to three draws.
std::string drawFourWay(const std::array<std::string_view, 4>& values, const DrawSource& draw);

// 49 % and 51 %: exactly one draw.
std::string drawTwoWay(const std::array<std::string_view, 2>& values, const DrawSource& draw);

} // namespace battle
