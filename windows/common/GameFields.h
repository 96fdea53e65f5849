// SPDX-License-Identifier: MIT
#pragma once

// The lists and fields the windows of the game's rules share: species as the program's lists
// spell them, the presets that set every figure, the game's moves, and a Pokémon read from a
// species list, a level and a preset.

#include "battle/game/GameTurn.h"

#include <QStringList>

#include <optional>

class QComboBox;
class QSpinBox;

namespace form {

QStringList gameSpeciesNames();
QStringList gamePresetNames();
QStringList gameMoveNames(); // all 165, in the game's order

// std::nullopt while a list's text names nothing in it.
std::optional<battle::game::Fighter> fighterOf(const QComboBox* species, const QSpinBox* level,
                                               const QComboBox* preset);

// Chooses the item with exactly this text; a text the list lacks changes nothing.
void chooseItem(QComboBox* list, const QString& text);

} // namespace form
