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

namespace form {
class SideFields;
}

// Battle Turn: what one use of a move does as the first-generation games compute it — hit and
// critical chances, every damage roll and the odds of fainting the defender — recomputed on every
// change of the inputs, and a rolled turn on demand. The rules are in battle/game/GameTurn.
class TurnWindow : public QWidget {
    Q_OBJECT

public:
    explicit TurnWindow(Runtime& runtime, QWidget* parent = nullptr);

    // A name as the program's lists spell it; a name the list lacks changes nothing.
    void setMove(const QString& name);
    // Where a sheet page hands on its Pokémon.
    form::SideFields& attacker() { return *m_attacker; }
    form::SideFields& defender() { return *m_defender; }

signals:
    // After each rolled turn, with the damage it dealt (0 for a miss).
    void turnRolled(int damage);
    // "Apply to Sheet" after a rolled turn that hit, with its damage.
    void damageApplied(int damage);

private:
    void buildControls();
    void fillMoves();
    void connectEvents();

    void recompute();
    void onRollClicked();
    void onInfoClicked();
    void onApplyDamageClicked();

    // What the inputs name; std::nullopt while a list's text names nothing in it.
    std::optional<battle::game::TurnInputs> inputs() const;

    Runtime& m_runtime;
    form::SideFields* m_attacker = nullptr;
    form::SideFields* m_defender = nullptr;
    QSpinBox* m_attackerStage = nullptr;
    QSpinBox* m_attackerSpeedStage = nullptr;
    QCheckBox* m_burned = nullptr;
    QCheckBox* m_attackerParalyzed = nullptr;
    QSpinBox* m_defenderStage = nullptr;
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
};
