// SPDX-License-Identifier: MIT
#pragma once

// The main window: it collects both Pokémon's numbers, runs the damage computation, carries out
// a choice from the attack list and holds the status changer and the credits ticker. The rules
// themselves live in battle/; this class only reads fields, calls them and writes the results.
// The other tools open through signals, so that this window never needs to know them.

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class Runtime;
class StatusChanger;

namespace battle {
struct FieldWrite;
}

class DamageWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit DamageWindow(Runtime& runtime, QWidget* parent = nullptr);

    // Figures from the Pokédex, written as typing them would: the attacker's Attack (its Special
    // when the chosen attack is special), level and types; the defender's Defense (or Special),
    // HP and types. An empty second type puts that list back on its design text.
    void useAttacker(int level, int attack, int special, const QString& type1,
                     const QString& type2);
    void useDefender(int hp, int defense, int special, const QString& type1, const QString& type2);

signals:
    void trackingRequested();
    void accuracyFinderRequested();
    void criticalFinderRequested();
    void dexRequested();
    void battleTurnRequested();

private:
    void buildControls();
    void buildMenus();
    void loadLists();
    void connectHandlers();

    void onC1Activated();
    void onWorkClicked();
    void onAttackChanged();
    void onBasepowerChanged();
    void onLevelChanged();
    void onDefenseChanged();
    void onDhpChanged();
    void onTimer1Timeout();
    void onMnuExitTriggered();
    void onMnuCcTriggered();
    void onMnuCnTriggered();
    void onMnuCpTriggered();

    // Shows the field's message and empties it when its text is refused; true when it passes.
    bool checkNumberField(QLineEdit* field, const QString& message);
    bool chosenAttackIsSpecial() const;
    void applyWrite(const battle::FieldWrite& write);

    Runtime& m_runtime;
    QLineEdit* m_attack = nullptr;
    QLineEdit* m_level = nullptr;
    QLineEdit* m_basepower = nullptr;
    QLineEdit* m_defense = nullptr;
    QLineEdit* m_dhp = nullptr;
    QLineEdit* m_damagedealt = nullptr;
    QLineEdit* m_critical = nullptr;
    QLineEdit* m_poison = nullptr;
    QComboBox* m_c1 = nullptr;
    QComboBox* m_attack1 = nullptr;
    QComboBox* m_poke1 = nullptr;
    QComboBox* m_poke12 = nullptr;
    QComboBox* m_poke2 = nullptr;
    QComboBox* m_poke22 = nullptr;
    QPushButton* m_work = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label10 = nullptr;
    QTimer* m_timer1 = nullptr;
    QAction* m_mnuExit = nullptr;
    QAction* m_mnuPT = nullptr;
    QAction* m_mnuAcc = nullptr;
    QAction* m_mnuCH = nullptr;
    QAction* m_mnuDex = nullptr;
    QAction* m_mnuTurn = nullptr;
    QAction* m_mnuCC = nullptr;
    QAction* m_mnuCN = nullptr;
    QAction* m_mnuCP = nullptr;
    StatusChanger* m_statusChanger = nullptr;
};
