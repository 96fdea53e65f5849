// SPDX-License-Identifier: MIT
#pragma once

// The main window: it collects both Pokémon's numbers, runs the damage computation, carries out
// a choice from the attack list and holds the status changer and the credits ticker. The rules
// themselves live in battle/; this class only reads fields, calls them and writes the results.
// The other tools open through signals, so that this window never needs to know them.

#include "battle/classic/AttackTable.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class Runtime;
class StatusChanger;

namespace battle {
struct PageRecord;
} // namespace battle

// What the Teams menu asks of a trainer sheet.
enum class TeamCommand { Open, SaveAs, PasteText, CopyText };

class DamageWindow : public QMainWindow {
    Q_OBJECT

public:
    // What a type list shows until a type is chosen or typed.
    static constexpr const char* typePrompt = "Select Type";

    explicit DamageWindow(Runtime& runtime, QWidget* parent = nullptr);

    // Figures from the Pokédex, written as typing them would: the attacker's Attack (its Special
    // when the chosen attack is special), level and types; the defender's Defense (or Special),
    // HP and types. An empty second type puts that list back on its design text.
    void useAttacker(int level, int attack, int special, const QString& type1,
                     const QString& type2);
    void useDefender(int hp, int defense, int special, const QString& type1, const QString& type2);
    // A trainer sheet's page, its texts as they stand; a field the page leaves empty stays as it
    // is.
    void useSheetAttacker(const battle::PageRecord& page);
    void useSheetDefender(const battle::PageRecord& page);

signals:
    void trackingRequested();
    void accuracyFinderRequested();
    void criticalFinderRequested();
    void teamCommandRequested(int trainer, TeamCommand command);
    void restoreSheetsRequested();
    void dexRequested();
    void battleTurnRequested();
    void duelRequested();
    // After Metronome chose a move, with the attack list's text.
    void metronomeChoseAttack(const QString& attack);
    // A status change applied from the status changer's YES.
    void statusApplied(const QString& status);

private:
    void buildControls();
    void styleControls(const QWidget* client);
    void findControls(const QWidget* client);
    void buildMenus();
    void buildTeamsMenu(QMenuBar* bar);
    void buildStatusMenu(QMenu* edit);
    void onAnswerChanged();
    void loadLists();
    void connectHandlers();

    void onAttackChosen();
    void onMetronomeTriggered();
    void onWorkClicked();
    void onAttackChanged();
    void onBasePowerChanged();
    void onLevelChanged();
    void onDefenseChanged();
    void onDefenderHpChanged();
    void onCreditsTimeout();
    void onExitTriggered();
    void onCopyCriticalTriggered();
    void onCopyNormalTriggered();
    void onCopyPoisonTriggered();

    // Shows the field's message and empties it when its text is refused; true when it passes.
    bool checkNumberField(QLineEdit* field, const QString& message);
    bool chosenAttackIsSpecial() const;
    void applyChoice(const battle::AttackChoice& choice);

    Runtime& m_runtime;
    QLineEdit* m_attack = nullptr;
    QLineEdit* m_level = nullptr;
    QLineEdit* m_basePower = nullptr;
    QLineEdit* m_defense = nullptr;
    QLineEdit* m_defenderHp = nullptr;
    QLineEdit* m_normalDamage = nullptr;
    QLineEdit* m_criticalDamage = nullptr;
    QLineEdit* m_poisonDamage = nullptr;
    QComboBox* m_attackList = nullptr;
    QComboBox* m_attackType = nullptr;
    QComboBox* m_attackerType1 = nullptr;
    QComboBox* m_attackerType2 = nullptr;
    QComboBox* m_defenderType1 = nullptr;
    QComboBox* m_defenderType2 = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QLabel* m_classReminder = nullptr;
    battle::DamageClass m_chosenClass = battle::DamageClass::None;
    QPushButton* m_work = nullptr;
    QLabel* m_credits = nullptr;
    QLabel* m_answer = nullptr;
    QTimer* m_creditsTimer = nullptr;
    QAction* m_exitItem = nullptr;
    QAction* m_trackingItem = nullptr;
    QAction* m_accuracyItem = nullptr;
    QAction* m_criticalItem = nullptr;
    QAction* m_dexItem = nullptr;
    QAction* m_turnItem = nullptr;
    QAction* m_duelItem = nullptr;
    QAction* m_metronomeItem = nullptr;
    QList<QAction*> m_statusItems;
    QAction* m_copyCriticalItem = nullptr;
    QAction* m_copyNormalItem = nullptr;
    QAction* m_copyPoisonItem = nullptr;
    StatusChanger* m_statusChanger = nullptr;
};
