// SPDX-License-Identifier: MIT
#pragma once

#include "battle/common/Draw.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace battle {

// How the count inside a templated note is drawn.
enum class DrawKind { None, TwoWay, FourWay };

// The class a chosen attack has; the damage window's Pokédex and sheet figures follow it.
enum class DamageClass { None, Physical, Special };

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
    std::string_view type;
    DamageClass damageClass;
    std::optional<int> basePower;
    std::optional<AttackNotes> notes;
    std::string_view damageDealt{}; // extra outputs, only Dragon Rage has them
    std::string_view critical{};
};

// What choosing an attack from the list sets. An empty optional is a figure the row does not name,
// which the choice leaves as it was; the notes and the class are set by every choice.
struct AttackChoice {
    std::string notes; // empty for a row without notes or an unknown key
    std::optional<int> basePower;
    std::optional<std::string> type;
    DamageClass damageClass = DamageClass::None;
    std::optional<std::string> fixedNormal; // fixed figures: only Dragon Rage has them
    std::optional<std::string> fixedCritical;

    bool operator==(const AttackChoice&) const = default;
};

// "Physical", "Special" or empty.
std::string_view damageClassName(DamageClass damageClass);

// All rows in list order; the attack list shows exactly these keys in this order.
std::span<const AttackRow> attackRows();

// The first row whose key equals the text exactly (case-sensitive), or nullptr.
const AttackRow* findAttack(std::string_view key);

// What a choice of the attack sets. A template's count is drawn anew from `draw` on every call;
// rows without a template draw nothing.
AttackChoice chooseAttack(std::string_view key, const DrawSource& draw);

// The note's text, with a templated count drawn from `draw`.
std::string fillNotes(const AttackNotes& notes, const DrawSource& draw);

// 24 %, 37.24 %, 28.68 % and 10.08 %: one fresh draw per comparison, one to three draws.
std::string drawFourWay(const std::array<std::string_view, 4>& values, const DrawSource& draw);

// 49 % and 51 %: exactly one draw.
std::string drawTwoWay(const std::array<std::string_view, 2>& values, const DrawSource& draw);

} // namespace battle
