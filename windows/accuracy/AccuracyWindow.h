// SPDX-License-Identifier: MIT
#pragma once

#include "battle/classic/AccuracyTable.h"
#include "battle/classic/Rolls.h"

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
    void fillMoves();
    void connectEvents();

    void onMoveTyped();
    void onMoveChosen();
    void showBaseAccuracy(std::optional<double> base);
    void stepCounter(QLineEdit* count, QLineEdit* multiplier, battle::MultiplierTable table,
                     int delta);
    static void applyCounterRule(QLineEdit* count);
    void onWorkClicked();

    Runtime& m_runtime;
    QComboBox* m_moves = nullptr;
    QLineEdit* m_baseAccuracy = nullptr;
    QLineEdit* m_accuracyMultiplier = nullptr;
    QLineEdit* m_accuracyCount = nullptr;
    QLineEdit* m_evadeMultiplier = nullptr;
    QLineEdit* m_evadeCount = nullptr;
    QLineEdit* m_chance = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_target = nullptr;   // the target picture of a hit
    QLabel* m_bullseye = nullptr; // "BULLSEYE" under it
    QPushButton* m_work = nullptr;
};
