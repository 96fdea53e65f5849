// SPDX-License-Identifier: MIT
#include "battle/sheet/SheetUpdates.h"

#include "battle/common/Conversions.h"

#include <algorithm>

namespace battle {

namespace {
constexpr std::string_view fainted = "Fainted";
}

std::optional<std::string> hpAfterDamage(std::string_view hp, int damage)
{
    const std::optional<double> current = textToNumber(hp);
    if (!current)
        return std::nullopt;
    return numberToText(std::max(0.0, *current - damage));
}

bool hasFainted(std::string_view hp)
{
    const std::optional<double> current = textToNumber(hp);
    return current && *current == 0;
}

std::string notesAfterFainting(std::string_view notes)
{
    const std::string_view firstLine = notes.substr(0, notes.find('\n'));
    if (firstLine == fainted)
        return std::string(notes);
    return notes.empty() ? std::string(fainted) : std::string(fainted) + '\n' + std::string(notes);
}

} // namespace battle
