// SPDX-License-Identifier: MIT
#pragma once

// The lists and fields the windows of the game's rules share: species as the program's lists
// spell them, the presets that set every figure, the game's moves, and one side's Pokémon built
// from a species list, a level and a preset.

#include "battle/game/GameTurn.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QComboBox;
class QSpinBox;
class QWidget;

namespace form {

QStringList gameSpeciesNames();
QStringList gamePresetNames();
QStringList gameMoveNames(); // all 165, in the game's order

// Chooses the item with exactly this text; a text the list lacks changes nothing.
void chooseItem(QComboBox* list, const QString& text);

// One side's Pokémon in a window of the game's rules: species, level and preset and, where the
// side has it, the current HP, which follows the maximum until the user edits it. "Custom" stands
// for the DVs and stat experience a sheet page handed on and is listed only while there are some.
class SideFields : public QObject {
    Q_OBJECT

public:
    // Builds the rows into the window's frame "Frame<side>", their names starting with `side`:
    // the rows `pitch` twips apart, the current HP (none without `hpRow`) on row `hpRow`.
    SideFields(QWidget* window, const QString& side, int pitch, std::optional<int> hpRow);

    // std::nullopt while a list's text names nothing in it.
    std::optional<battle::game::Fighter> fighter() const;
    int hp() const; // on a side that has a current HP

    // A Pokémon handed on by its species (a name the list lacks changes nothing) and what is
    // known of it. Without DVs and stat experience, those handed on before belonged to another
    // Pokémon: "Custom" goes, and another preset takes its place.
    void hand(const QString& species, std::optional<int> level,
              const std::optional<battle::game::Training>& training);
    // Counts as the user's own edit: the HP no longer follows the maximum.
    void setHp(int hp);

signals:
    // The species, level, preset or current HP changed.
    void changed();

private:
    void onFighterChanged();
    void followMaximum();
    void forgetCustom();

    QComboBox* m_species = nullptr;
    QSpinBox* m_level = nullptr;
    QComboBox* m_preset = nullptr;
    QSpinBox* m_hp = nullptr;
    std::optional<battle::game::Training> m_custom;
    bool m_hpFollowsMaximum = true;
};

} // namespace form
