// SPDX-License-Identifier: MIT
#pragma once

#include "battle/AccuracyTable.h"
#include "battle/Rolls.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Runtime;

// The accuracy finder: an attack's base accuracy from its own list, the accuracy and evasion
// counters with their multipliers, and a hit-or-miss verdict on Work. The tables and the
// decision are in battle/; this class only reads and writes its fields.
class AccuracyWindow : public QWidget {
    Q_OBJECT

public:
    explicit AccuracyWindow(Runtime& runtime, QWidget* parent = nullptr);

private:
    void buildControls();
    void setColours();
    void orderTabs();
    void fillMoves();
    void connectEvents();

    void onMovesEdited();
    void onMovesChosen();
    void lookUpBaseAccuracy(battle::LookupTrigger trigger);
    void onPlusaccurClicked();
    void onMinusaccurClicked();
    void onPlusevadeClicked();
    void onMinusevadeClicked();
    void onAccurcountChanged();
    void onEvadecountChanged();
    void onWorkClicked();

    void stepCounter(QLineEdit* counter, QLineEdit* multiplier, battle::MultiplierTable table,
                     int delta);
    static void applyCounterRule(QLineEdit* counter);

    Runtime& m_runtime;
    QComboBox* m_moves = nullptr;
    QLineEdit* m_basement = nullptr;
    QLineEdit* m_accuracy = nullptr;
    QLineEdit* m_accurcount = nullptr;
    QLineEdit* m_evade = nullptr;
    QLineEdit* m_evadecount = nullptr;
    QLineEdit* m_chance = nullptr;
    QLabel* m_hm = nullptr;
    QLabel* m_b = nullptr;
    QLabel* m_e = nullptr;
    QPushButton* m_work = nullptr;
};
