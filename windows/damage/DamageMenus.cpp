// SPDX-License-Identifier: MIT
// The main window's menus: the other tools, the teams' files and text, copying the figures and
// carrying a status change onto the defender's sheet.
#include "windows/damage/DamageWindow.h"

#include "battle/sheet/SheetUpdates.h"
#include "windows/common/Form.h"
#include "windows/damage/StatusChanger.h"
#include "windows/damage/WindowShortcutFilter.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <string_view>

namespace {

QAction* named(QAction* action, const char* name, const QKeySequence& shortcut = {})
{
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

// Files and team text for both sheets; the sheets carry the commands out.
void DamageWindow::buildTeamsMenu(QMenuBar* bar)
{
    QMenu* teams = bar->addMenu(tr("&Teams"));
    teams->setObjectName(QStringLiteral("mnuTeams"));
    for (int trainer = 1; trainer <= 2; ++trainer) {
        const QString number = QString::number(trainer);
        const struct {
            QString text;
            const char* name;
            TeamCommand command;
        } entries[] = {
            {tr("Open Trainer %1…").arg(number), "mnuOpen", TeamCommand::Open},
            {tr("Save Trainer %1 As…").arg(number), "mnuSave", TeamCommand::SaveAs},
            {tr("Paste Trainer %1 from Team Text").arg(number), "mnuImport",
             TeamCommand::PasteText},
            {tr("Copy Trainer %1 as Team Text").arg(number), "mnuExport", TeamCommand::CopyText},
        };
        for (const auto& entry : entries) {
            QAction* action = teams->addAction(entry.text);
            action->setObjectName(QString::fromLatin1(entry.name) + number);
            connect(action, &QAction::triggered, this, [this, trainer, command = entry.command] {
                emit teamCommandRequested(trainer, command);
            });
        }
        teams->addSeparator();
    }
    QAction* restore = teams->addAction(tr("Restore Last Sheets"));
    restore->setObjectName(QStringLiteral("mnuRestore"));
    connect(restore, &QAction::triggered, this, &DamageWindow::restoreSheetsRequested);
}

// A YES from the status changer can be carried onto the defender's sheet page: from the answer's
// own context menu, or from the keyboard through Edit.
void DamageWindow::buildStatusMenu(QMenu* edit)
{
    QMenu* apply = edit->addMenu(tr("Apply Status Change to Defender"));
    apply->setObjectName(QStringLiteral("mnuApplyStatus"));
    QLabel* answer = m_answer;
    answer->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (std::string_view status : battle::statusChanges) {
        const QString name = form::fromStd(status);
        QAction* item = apply->addAction(name);
        item->setObjectName(QStringLiteral("mnuApply") + name);
        connect(item, &QAction::triggered, this, [this, name] { emit statusApplied(name); });
        answer->addAction(item);
        m_statusItems.append(item);
    }
    onAnswerChanged();
    connect(m_statusChanger, &StatusChanger::answered, this, &DamageWindow::onAnswerChanged);
}

// Only a YES changes a status.
void DamageWindow::onAnswerChanged()
{
    const bool yes = m_answer->text() == QLatin1String("YES");
    for (QAction* item : m_statusItems)
        item->setEnabled(yes);
}

void DamageWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    m_exitItem = named(bar->addAction(tr("Exit")), "mnuExit");

    QMenu* mnuWin = bar->addMenu(tr("Submenus"));
    mnuWin->setObjectName(QStringLiteral("mnuWin"));
    m_trackingItem =
        named(mnuWin->addAction(tr("Pokémon Tracking")), "mnuPT", Qt::CTRL | Qt::Key_T);
    m_accuracyItem =
        named(mnuWin->addAction(tr("Accuracy Finder")), "mnuAcc", Qt::CTRL | Qt::Key_A);
    m_criticalItem =
        named(mnuWin->addAction(tr("Critical Hit Finder")), "mnuCH", Qt::CTRL | Qt::Key_H);
    m_dexItem = named(mnuWin->addAction(tr("Pokédex")), "mnuDex", Qt::CTRL | Qt::Key_D);
    m_turnItem = named(mnuWin->addAction(tr("Battle Turn")), "mnuTurn", Qt::CTRL | Qt::Key_B);
    m_duelItem = named(mnuWin->addAction(tr("Duel")), "mnuDuel", Qt::CTRL | Qt::Key_U);
    m_metronomeItem =
        named(mnuWin->addAction(tr("Metronome")), "mnuMetronome", Qt::CTRL | Qt::Key_M);

    buildTeamsMenu(bar);

    QMenu* mnuEdit = bar->addMenu(tr("Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    QMenu* mnuCopy = mnuEdit->addMenu(tr("Copy Damages to Clipboard"));
    mnuCopy->setObjectName(QStringLiteral("mnuCopy"));
    m_copyCriticalItem = named(mnuCopy->addAction(tr("Copy Critical")), "mnuCC");
    m_copyNormalItem = named(mnuCopy->addAction(tr("Copy Normal")), "mnuCN");
    m_copyPoisonItem = named(mnuCopy->addAction(tr("Copy Poison")), "mnuCP");
    buildStatusMenu(mnuEdit);

    // Ctrl+A and its siblings must reach the menu even from a text field, which would take them.
    new WindowShortcutFilter(this, {m_trackingItem, m_accuracyItem, m_criticalItem, m_dexItem,
                                    m_turnItem, m_duelItem, m_metronomeItem});
}

void DamageWindow::connectHandlers()
{
    connect(m_attackList, &QComboBox::activated, this, &DamageWindow::onAttackChosen);
    connect(m_work, &QPushButton::clicked, this, &DamageWindow::onWorkClicked);
    connect(m_attack, &QLineEdit::textChanged, this, &DamageWindow::onAttackChanged);
    connect(m_basePower, &QLineEdit::textChanged, this, &DamageWindow::onBasePowerChanged);
    connect(m_level, &QLineEdit::textChanged, this, &DamageWindow::onLevelChanged);
    connect(m_defense, &QLineEdit::textChanged, this, &DamageWindow::onDefenseChanged);
    connect(m_defenderHp, &QLineEdit::textChanged, this, &DamageWindow::onDefenderHpChanged);
    connect(m_creditsTimer, &QTimer::timeout, this, &DamageWindow::onCreditsTimeout);
    connect(m_exitItem, &QAction::triggered, this, &DamageWindow::onExitTriggered);
    connect(m_trackingItem, &QAction::triggered, this, &DamageWindow::trackingRequested);
    connect(m_accuracyItem, &QAction::triggered, this, &DamageWindow::accuracyFinderRequested);
    connect(m_criticalItem, &QAction::triggered, this, &DamageWindow::criticalFinderRequested);
    connect(m_dexItem, &QAction::triggered, this, &DamageWindow::dexRequested);
    connect(m_turnItem, &QAction::triggered, this, &DamageWindow::battleTurnRequested);
    connect(m_duelItem, &QAction::triggered, this, &DamageWindow::duelRequested);
    connect(m_metronomeItem, &QAction::triggered, this, &DamageWindow::onMetronomeTriggered);
    connect(m_copyCriticalItem, &QAction::triggered, this, &DamageWindow::onCopyCriticalTriggered);
    connect(m_copyNormalItem, &QAction::triggered, this, &DamageWindow::onCopyNormalTriggered);
    connect(m_copyPoisonItem, &QAction::triggered, this, &DamageWindow::onCopyPoisonTriggered);
}
