// SPDX-License-Identifier: MIT
#include "windows/common/GameFields.h"

#include "battle/classic/SpeciesTable.h"
#include "battle/game/GameStats.h"
#include "windows/common/Form.h"

#include <QComboBox>
#include <QSpinBox>

namespace form {

namespace game = battle::game;

QStringList gameSpeciesNames()
{
    QStringList names;
    for (const battle::SpeciesRow& row : battle::speciesRows())
        names << fromStd(row.name);
    return names;
}

// Only presets that set every figure: these windows have no fields for DVs of their own.
QStringList gamePresetNames()
{
    QStringList names;
    for (const game::Preset preset : game::allPresets) {
        if (game::presetTraining(preset))
            names << fromStd(game::presetName(preset));
    }
    return names;
}

QStringList gameMoveNames()
{
    QStringList names;
    for (const game::Move& move : game::allMoves())
        names << fromStd(move.name);
    return names;
}

std::optional<game::Fighter> fighterOf(const QComboBox* species, const QSpinBox* level,
                                       const QComboBox* preset)
{
    const game::Species* found = game::speciesForProgramName(textOf(species));
    const std::optional<game::Preset> chosen = game::presetFromName(textOf(preset));
    const std::optional<game::Training> training =
        chosen ? game::presetTraining(*chosen) : std::nullopt;
    if (!found || !training)
        return std::nullopt;
    return game::Fighter{
        found, level->value(),
        game::computeStats(found->base, training->dvs, training->statExp, level->value())};
}

void chooseItem(QComboBox* list, const QString& text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

} // namespace form
