// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class Runtime;

// The critical hit finder: a species' base critical value from its own list and a roll that
// tells a critical hit from normal damage. The table and the roll are in battle/.
class CriticalWindow : public QWidget {
    Q_OBJECT

public:
    explicit CriticalWindow(Runtime& runtime, QWidget* parent = nullptr);

private:
    void buildControls();
    void fillSpecies();
    void connectEvents();

    void onSpeciesChanged();
    void onAttackClicked();
    void onCreditsClicked();

    Runtime& m_runtime;
    QComboBox* m_species = nullptr;
    QLineEdit* m_baseCritical = nullptr;
    QLineEdit* m_verdict = nullptr;
};
