// SPDX-License-Identifier: MIT
#pragma once

#include "battle/game/GameTurn.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Runtime;

// Battle Turn: what one use of a move does as the first-generation games compute it — hit and
// critical chances, every damage roll and the odds of fainting the defender — recomputed on every
// change of the inputs, and a rolled turn on demand. The rules are in battle/game/GameTurn.
class TurnWindow : public QWidget {
    Q_OBJECT

public:
    explicit TurnWindow(Runtime& runtime, QWidget* parent = nullptr);

    // Names as the program's lists spell them; a name the list lacks changes nothing.
    void setAttackerSpecies(const QString& name);
    void setDefenderSpecies(const QString& name);
    void setMove(const QString& name);
    // Counts as the user's own edit: the HP no longer follows the defender's maximum.
    void setDefenderHp(int hp);
    // A Pokémon known exactly, as a sheet page filled from a save file hands it on: species,
    // level and the "Custom" preset with its DVs and stat experience.
    void setAttacker(const QString& species, int level, const battle::game::Training& training);
    void setDefender(const QString& species, int level, const battle::game::Training& training);

signals:
    // After each rolled turn, with the damage it dealt (0 for a miss).
    void turnRolled(int damage);
    // "Apply to Sheet" after a rolled turn that hit, with its damage.
    void damageApplied(int damage);

private:
    void buildControls();
    void fillLists();
    void connectEvents();

    void forgetCustom(QComboBox* preset, std::optional<battle::game::Training>& custom);
    void onDefenderChanged();
    void onDefenderHpEdited();
    void recompute();
    void onRollClicked();
    void onInfoClicked();
    void onApplyDamageClicked();

    // What the inputs name; std::nullopt while a list's text names nothing in it.
    std::optional<battle::game::TurnInputs> inputs() const;
    std::optional<battle::game::Fighter>
    fighter(const QComboBox* species, const QSpinBox* level, const QComboBox* preset,
            const std::optional<battle::game::Training>& custom) const;

    Runtime& m_runtime;
    QComboBox* m_attackerSpecies = nullptr;
    QSpinBox* m_attackerLevel = nullptr;
    QComboBox* m_attackerPreset = nullptr;
    // What "Custom" stands for on each side; nothing until a sheet page hands it on.
    std::optional<battle::game::Training> m_attackerCustom, m_defenderCustom;
    QSpinBox* m_attackerStage = nullptr;
    QSpinBox* m_attackerSpeedStage = nullptr;
    QCheckBox* m_burned = nullptr;
    QCheckBox* m_attackerParalyzed = nullptr;
    QComboBox* m_defenderSpecies = nullptr;
    QSpinBox* m_defenderLevel = nullptr;
    QComboBox* m_defenderPreset = nullptr;
    QSpinBox* m_defenderStage = nullptr;
    QSpinBox* m_defenderHp = nullptr;
    QSpinBox* m_defenderSpeedStage = nullptr;
    QCheckBox* m_screen = nullptr;
    QCheckBox* m_defenderParalyzed = nullptr;
    QComboBox* m_move = nullptr;
    QSpinBox* m_accuracyStage = nullptr;
    QSpinBox* m_evasionStage = nullptr;
    QLineEdit* m_hitChance = nullptr;
    QLineEdit* m_critChance = nullptr;
    QLineEdit* m_rolls = nullptr;
    QLineEdit* m_critRolls = nullptr;
    QLineEdit* m_range = nullptr;
    QLineEdit* m_ko = nullptr;
    QLineEdit* m_outcome = nullptr;
    QPushButton* m_applyDamage = nullptr;
    int m_rolledDamage = 0;
    bool m_hpFollowsMaximum = true;
};
