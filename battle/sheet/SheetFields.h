// SPDX-License-Identifier: MIT
#pragma once

// The one list of a sheet page's fields: each field's key in the sheet file, the object name its
// control carries on every page (before the page's "_N" suffix) and the part of the page record
// it holds. The file, the form and team text all go through it.

#include "battle/sheet/SheetRecord.h"

#include <array>
#include <cstddef>
#include <string>

namespace battle {

struct PageTextField {
    const char* key;
    const char* control; // nullptr: the nickname, whose control is named per page
    std::string PageRecord::*text;
    bool oneLine = true;
};

// clang-format off
inline constexpr PageTextField pageTextFields[] = {
    {"species",        "Text5",  &PageRecord::species},
    {"nickname",       nullptr,  &PageRecord::nickname},
    {"status",         "Combo1", &PageRecord::status},
    {"level",          "Level",  &PageRecord::level},
    {"hp",             "Text11", &PageRecord::hp},
    {"hpMaximum",      "Text12", &PageRecord::hpMaximum},
    {"attack",         "Text6",  &PageRecord::attack},
    {"defense",        "Text7",  &PageRecord::defense},
    {"specialAttack",  "Text8",  &PageRecord::specialAttack},
    {"specialDefense", "Text9",  &PageRecord::specialDefense},
    {"speed",          "Text10", &PageRecord::speed},
    {"type1",          "Text25", &PageRecord::type1},
    {"type2",          "Text26", &PageRecord::type2},
    {"notes",          "Text27", &PageRecord::notes, false},
};

struct PageFlagField {
    const char* key;
    const char* control;
    bool PageRecord::*flag;
};

inline constexpr PageFlagField pageFlagFields[] = {
    {"leechSeed", "Check1", &PageRecord::leechSeed},
    {"confused",  "Check2", &PageRecord::confused},
};

// The nickname field of each page keeps a name of its own, page 1 first.
inline constexpr const char* nicknameControls[] = {
    "Text1", "Text2", "Text4", "Text28", "Text29", "Text30",
};

// Name, PP and PP maximum of each attack: the key, and the control for attacks 1 … 4.
struct AttackTextField {
    const char* key;
    std::string AttackRecord::*text;
    std::array<const char*, 4> controls;
};

inline constexpr AttackTextField attackTextFields[] = {
    {"name",      &AttackRecord::name,      {"Text13", "Text16", "Text19", "Text22"}},
    {"pp",        &AttackRecord::pp,        {"Text14", "Text17", "Text20", "Text23"}},
    {"ppMaximum", &AttackRecord::ppMaximum, {"Text15", "Text18", "Text21", "Text24"}},
};
// clang-format on

// What an empty attack name field shows: "Attack1" … "Attack4" for slots 0 … 3.
std::string attackPlaceholder(std::size_t slot);

// A page with nothing on it, as a new sheet shows it.
PageRecord blankPage();

} // namespace battle
