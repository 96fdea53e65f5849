// SPDX-License-Identifier: MIT
#pragma once

#include "battle/game/GameStats.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class Runtime;

// The Pokédex: a species' Gen 1 stats from its level, DVs and stat experience, and the figures a
// battle uses after stat stages, burn, paralysis and the screens. The game data and every rule
// are in battle/; this window reads its controls, calls them and hands the figures on by signal.
class DexWindow : public QWidget {
    Q_OBJECT

public:
    explicit DexWindow(Runtime& runtime, QWidget* parent = nullptr);

signals:
    // Types are spelt as the program's type lists spell them; an empty second type: none.
    void attackerChosen(int level, int attack, int special, const QString& type1,
                        const QString& type2);
    void defenderChosen(int hp, int defense, int special, const QString& type1,
                        const QString& type2);

private:
    void buildControls();
    void buildChoices(QGridLayout* grid);
    void buildStatGrid(QGridLayout* grid);
    void buildConditions(QGridLayout* grid);
    void buildButtons(QGridLayout* grid);
    void findStatControls();
    void orderTabs();
    void connectHandlers();

    // The species the list names, if any, and the controls' figures.
    const battle::game::Species* species() const;
    battle::game::Stats stats(const battle::game::Species& species) const;
    battle::game::Stages stages() const;
    battle::game::Conditions conditions() const;

    void onPresetChanged();
    void onTrainingEdited();
    void recompute();
    void onUseAttackerClicked();
    void onUseDefenderClicked();

    QComboBox* m_species = nullptr;
    QSpinBox* m_level = nullptr;
    QComboBox* m_preset = nullptr;
    std::array<QSpinBox*, 4> m_dvs{};         // Attack, Defense, Speed, Special
    std::array<QSpinBox*, 5> m_exps{};        // HP, Attack, Defense, Speed, Special
    std::array<QSpinBox*, 4> m_stages{};      // Attack, Defense, Speed, Special
    std::array<QCheckBox*, 4> m_conditions{}; // burned, paralyzed, Reflect, Light Screen
    QLineEdit* m_dvHp = nullptr;
    QLineEdit* m_types = nullptr;
    std::array<QLineEdit*, 5> m_stats{};  // HP, Attack, Defense, Speed, Special
    std::array<QLineEdit*, 4> m_battle{}; // Attack, Defense, Speed, Special
    QPushButton* m_useAttacker = nullptr;
    QPushButton* m_useDefender = nullptr;
    bool m_applyingPreset = false;
};
