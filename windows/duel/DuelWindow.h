// SPDX-License-Identifier: MIT
#pragma once

#include "battle/game/Duel.h"

#include <QFutureWatcher>
#include <QWidget>

#include <optional>
#include <stop_token>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTimer;
class Runtime;

namespace form {
class SideFields;
}

// Duel: who faints first when both sides keep using their chosen move, as exact chances, by
// turn and as a chart. The chances come from battle/game/Duel, computed off the interface thread;
// a newer input supersedes a computation still running.
class DuelWindow : public QWidget {
    Q_OBJECT

public:
    explicit DuelWindow(Runtime& runtime, QWidget* parent = nullptr);
    ~DuelWindow() override;

    // Where a sheet page hands on its Pokémon.
    form::SideFields& mine() { return *m_mine.fighter; }
    form::SideFields& foe() { return *m_foe.fighter; }

signals:
    // The outputs show the chances for the inputs as they are now.
    void computed();

private:
    struct Column {
        form::SideFields* fighter = nullptr; // species, level, preset, current HP
        QComboBox* status = nullptr;
        QComboBox* move = nullptr;
        QSpinBox* attackStage = nullptr;
        QSpinBox* defenseStage = nullptr;
        QSpinBox* speedStage = nullptr;
        QSpinBox* accuracyStage = nullptr;
        QSpinBox* evasionStage = nullptr;
        QCheckBox* reflect = nullptr;
        QCheckBox* lightScreen = nullptr;
    };

    void buildColumn(Column& column, const QString& side);
    void connectColumn(const Column& column);
    void recompute();
    void showResult(const battle::game::DuelResult& result);
    void clearOutputs();
    void drawChart(const battle::game::DuelResult& result);
    std::optional<battle::game::DuelSide> sideOf(const Column& column) const;

    Runtime& m_runtime;
    Column m_mine;
    Column m_foe;
    QLineEdit* m_won = nullptr;
    QLineEdit* m_lost = nullptr;
    QLineEdit* m_drawn = nullptr;
    QLineEdit* m_undecided = nullptr;
    QLineEdit* m_firstMove = nullptr;
    QPlainTextEdit* m_byTurn = nullptr;
    QLabel* m_chart = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QLabel* m_computing = nullptr;
    QTimer* m_computingDelay = nullptr;
    QFutureWatcher<battle::game::DuelResult> m_watcher;
    std::stop_source m_stop;
    std::optional<battle::game::DuelInputs> m_pending; // waits for the running computation
    bool m_running = false;
};
