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
    void setColours();
    void orderTabs();
    void fillPoke();
    void connectEvents();

    void onPokeChanged();
    void onCommand1Clicked();
    void onCommand2Clicked();

    Runtime& m_runtime;
    QComboBox* m_poke = nullptr;
    QLineEdit* m_bc = nullptr;
    QLineEdit* m_text2 = nullptr;
};
