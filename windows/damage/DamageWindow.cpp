// SPDX-License-Identifier: MIT
#include "windows/damage/DamageWindow.h"

#include "battle/classic/AttackTable.h"
#include "battle/classic/CreditsTicker.h"
#include "battle/classic/Damage.h"
#include "battle/game/Metronome.h"
#include "battle/sheet/SheetRecord.h"
#include "battle/sheet/SheetUpdates.h"
#include "battle/classic/TextCheck.h"
#include "battle/classic/TypeChart.h"
#include "runtime/Runtime.h"
#include "windows/common/Form.h"
#include "windows/damage/StatusChanger.h"
#include "windows/damage/WindowShortcutFilter.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <string_view>

namespace {

using form::Kind;

constexpr int clientWidth = 7815; // twips
constexpr int clientHeight = 4455;
constexpr int creditsInterval = 3000; // ms
constexpr int figureMaxLength = battle::damageFieldMaxLength;

// What a type list shows until a type is chosen or typed.
constexpr const char* typePrompt = "Select Type";

// The blanks put each "Type" word over its list.
constexpr const char* attackerTypes = "Type 1                          Type 2";
constexpr const char* defenderTypes = "Type 1                               Type 2";

// Containers come before what they hold; the stacking follows the table.
// clang-format off
constexpr form::ControlRow controls[] = {
    {"Frame1",       Kind::Frame,    nullptr,  "Attacking Pokémon",                                             0,    0, 3015, 4455},
    {"Work",         Kind::Button,   nullptr,  "&Work",                                                      3120,  120,  855,  495},
    {"Frame5",       Kind::Frame,    nullptr,  nullptr,                                                      2760,  600, 1575, 3855},
    {"Frame2",       Kind::Frame,    nullptr,  "Defending Pokémon",                                          4080,    0, 3735, 1815},
    {"Frame3",       Kind::Frame,    nullptr,  "Credits",                                                    4080, 1800, 3735, 1455},
    {"Frame4",       Kind::Frame,    nullptr,  "Status Changer",                                             4080, 3240, 3735, 1215},
    {"Text1",        Kind::NotesBox, nullptr,  nullptr,                                                       120, 3720, 2775,  615},
    {"Label1",       Kind::Label,    "Frame1", "Pokémon's Attack Stat",                                       120,  240, 2775,  255},
    {"attack",       Kind::Field,    "Frame1", nullptr,                                                      1200,  480,  615,  285},
    {"Type_0",       Kind::Label,    "Frame1", attackerTypes,                                                 360,  840, 2295,  255},
    {"poke1",        Kind::Combo,    "Frame1", "Select Type",                                                 120, 1080, 1215,  315},
    {"poke12",       Kind::Combo,    "Frame1", "Select Type",                                                1680, 1080, 1215,  315},
    {"Label4",       Kind::Label,    "Frame1", "Pokémon Level",                                               120, 1440, 1335,  255},
    {"Label",        Kind::Label,    "Frame1", "Base Damage",                                                1680, 1440, 1095,  255},
    {"level",        Kind::Field,    "Frame1", nullptr,                                                       480, 1680,  615,  285},
    {"basepower",    Kind::Field,    "Frame1", nullptr,                                                      1920, 1680,  495,  285},
    {"Label14",      Kind::Label,    "Frame1", "Select attack (instead of base damage and attack type)",      240, 2040, 2535,  495},
    {"c1",           Kind::Combo,    "Frame1", "Select Attack (optional)",                                    240, 2520, 2535,  315},
    {"Label5",       Kind::Label,    "Frame1", "Attack type. Ex. Fire Blast = Fire Hydro Pump = Water, etc",  240, 2880, 2415,  375},
    {"attack1",      Kind::Combo,    "Frame1", "Select Type",                                                 960, 3360, 1215,  315},
    {"Label8",       Kind::Label,    "Frame1", "Notes:",                                                      120, 3480,  735,  255},
    {"Label6",       Kind::Label,    "Frame2", "Pokémon's Defense Stat",                                      360,  240, 1335,  375},
    {"Label15",      Kind::Label,    "Frame2", "Pokémon HP (for Poison, optional)",                          2040,  240, 1455,  375},
    {"defense",      Kind::Field,    "Frame2", nullptr,                                                       720,  720,  615,  285},
    {"DHP",          Kind::Field,    "Frame2", nullptr,                                                      2400,  720,  615,  285},
    {"Label2",       Kind::Label,    "Frame2", "Pokémon Type",                                               1320, 1080, 1215,  255},
    {"Type_2",       Kind::Label,    "Frame2", defenderTypes,                                                 360, 1200, 3015,  255},
    {"poke2",        Kind::Combo,    "Frame2", "Select Type",                                                 240, 1440, 1335,  315},
    {"poke22",       Kind::Combo,    "Frame2", "Select Type",                                                2160, 1440, 1335,  315},
    {"Label7",       Kind::Label,    "Frame5", "Damage Dealt",                                                360,  240,  855,  375},
    {"label0012243", Kind::Label,    "Frame5", "Normal",                                                      480,  720,  615,  255},
    {"damagedealt",  Kind::Field,    "Frame5", nullptr,                                                       360,  960,  855,  285},
    {"Label13",      Kind::Label,    "Frame5", "Critical",                                                    360, 1320,  855,  255},
    {"critical",     Kind::Field,    "Frame5", nullptr,                                                       360, 1560,  855,  285},
    {"Label16",      Kind::Label,    "Frame5", "Poison",                                                      360, 1920,  855,  255},
    {"poison",       Kind::Field,    "Frame5", nullptr,                                                       360, 2160,  855,  285},
    {"Label3",       Kind::Label,    "Frame5", "Make Sure You're Using:",                                     360, 2520,  855, 1215},
    {"Label10",      Kind::Label,    "Frame3", nullptr,                                                       120,  240, 3495, 1095},
    {"Label9",       Kind::Label,    "Frame4", "Chance of succ.",                                             120,  240,  735,  375},
    {"succ",         Kind::Field,    "Frame4", nullptr,                                                      1080,  240,  855,  285},
    {"Work2",        Kind::Button,   "Frame4", "Work",                                                       2280,  240, 1335,  285},
    {"lbl2",         Kind::Label,    "Frame4", "Yes/No",                                                      240,  720,  615,  225},
    {"YN",           Kind::Label,    "Frame4", nullptr,                                                      1080,  720,  855,  285},
    {"Command1",     Kind::Button,   "Frame4", "Info",                                                       2280,  720, 1335,  285},
};

// What a screen reader announces for each control, and the label that stands beside it.
constexpr form::AccessibleRow accessibleRows[] = {
    // control      name                                 description                                        label
    {"attack",      "Pokémon's Attack Stat",             nullptr,                                           "Label1"},
    {"poke1",       "Attacker's Type 1",                 nullptr,                                           nullptr},
    {"poke12",      "Attacker's Type 2",                 nullptr,                                           nullptr},
    {"level",       "Pokémon Level",                     nullptr,                                           "Label4"},
    {"basepower",   "Base Damage",                       nullptr,                                           "Label"},
    {"c1",          "Select attack",                     "Instead of base damage and attack type",          "Label14"},
    {"attack1",     "Attack type",                       "Ex. Fire Blast = Fire Hydro Pump = Water, etc",   "Label5"},
    {"Text1",       "Notes",                             nullptr,                                           "Label8"},
    {"Work",        "Work",                              "Computes the normal, critical and poison damage", nullptr},
    {"defense",     "Pokémon's Defense Stat",            nullptr,                                           "Label6"},
    {"DHP",         "Pokémon HP (for Poison, optional)", nullptr,                                           "Label15"},
    {"poke2",       "Defender's Type 1",                 nullptr,                                           nullptr},
    {"poke22",      "Defender's Type 2",                 nullptr,                                           nullptr},
    {"damagedealt", "Damage Dealt Normal",               nullptr,                                           "label0012243"},
    {"critical",    "Damage Dealt Critical",             nullptr,                                           "Label13"},
    {"poison",      "Damage Dealt Poison",               nullptr,                                           "Label16"},
    {"Label10",     "Credits",                           nullptr,                                           nullptr},
    {"succ",        "Chance of succ.",                   "Chance of the status change, in percent",         "Label9"},
    {"Work2",       "Status Changer Work",               "Draws whether the status change takes hold",      nullptr},
    {"YN",          "Yes/No",                            nullptr,                                           nullptr},
    {"Command1",    "Info",                              "How to use the status changer",                   nullptr},
};
// clang-format on

constexpr const char* tabOrder[] = {
    "attack",  "poke1",       "poke12",   "level",  "basepower", "attack1",  "Work",
    "defense", "poke2",       "poke22",   "c1",     "DHP",       "Command1", "succ",
    "Work2",   "damagedealt", "critical", "poison", "Text1",
};

QAction* named(QAction* action, const char* name, const QKeySequence& shortcut = {})
{
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

// As typing would, so the field's own checks run; an empty text leaves the field alone.
void writeUnlessEmpty(QLineEdit* field, const std::string& text)
{
    if (!text.empty())
        field->setText(QString::fromStdString(text));
}

void writeUnlessEmpty(QComboBox* list, const std::string& text)
{
    if (!text.empty())
        list->setEditText(QString::fromStdString(text));
}

} // namespace

DamageWindow::DamageWindow(Runtime& runtime, QWidget* parent)
    : QMainWindow(parent), m_runtime(runtime)
{
    setObjectName(QStringLiteral("FrmDamage"));
    setWindowTitle(Runtime::applicationTitle());
    setFont(form::defaultFont());
    buildControls();
    buildMenus();
    loadLists();
    connectHandlers();
    m_creditsTimer->start();
    m_attack->setFocus();
}

void DamageWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QPalette fields = client->palette();
    fields.setColor(QPalette::Base, Qt::white);
    fields.setColor(QPalette::Text, Qt::black);
    client->setPalette(fields);
    form::setFixedClientSize(client, clientWidth, clientHeight);
    setCentralWidget(client);
    // The window takes exactly the size of the client area and the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    form::build(client, controls);
    form::describeControls(client, accessibleRows);
    form::orderTabs(client, tabOrder);

    // The output frame's edges overlap its neighbours' controls; it lies under the other,
    // opaque frames, so they cover those edges and never the other way round.
    for (const char* frame : {"Frame1", "Frame5", "Frame2", "Frame3", "Frame4"})
        form::control<QWidget>(client, QString::fromLatin1(frame))->setAutoFillBackground(true);
    form::control<QWidget>(client, QStringLiteral("Frame5"))->lower();

    auto* line10 = new QFrame(form::control<QWidget>(client, QStringLiteral("Frame4")));
    line10->setObjectName(QStringLiteral("Line10"));
    line10->setFrameShape(QFrame::HLine);
    line10->setFrameShadow(QFrame::Sunken);
    line10->setGeometry(form::twips(120, 570, 3495, 60));

    auto* yn = form::control<QLabel>(client, QStringLiteral("YN"));
    QFont bold = yn->font();
    bold.setBold(true);
    yn->setFont(bold);
    form::paintOnWhite(yn);
    yn->setAlignment(Qt::AlignCenter);

    form::control<QPushButton>(client, QStringLiteral("Work"))->setEnabled(false);
    form::control<QLineEdit>(client, QStringLiteral("damagedealt"))->setMaxLength(figureMaxLength);
    form::control<QLineEdit>(client, QStringLiteral("critical"))->setMaxLength(figureMaxLength);

    m_attack = form::control<QLineEdit>(client, QStringLiteral("attack"));
    m_level = form::control<QLineEdit>(client, QStringLiteral("level"));
    m_basePower = form::control<QLineEdit>(client, QStringLiteral("basepower"));
    m_defense = form::control<QLineEdit>(client, QStringLiteral("defense"));
    m_defenderHp = form::control<QLineEdit>(client, QStringLiteral("DHP"));
    m_normalDamage = form::control<QLineEdit>(client, QStringLiteral("damagedealt"));
    m_criticalDamage = form::control<QLineEdit>(client, QStringLiteral("critical"));
    m_poisonDamage = form::control<QLineEdit>(client, QStringLiteral("poison"));
    m_attackList = form::control<QComboBox>(client, QStringLiteral("c1"));
    m_attackType = form::control<QComboBox>(client, QStringLiteral("attack1"));
    m_attackerType1 = form::control<QComboBox>(client, QStringLiteral("poke1"));
    m_attackerType2 = form::control<QComboBox>(client, QStringLiteral("poke12"));
    m_defenderType1 = form::control<QComboBox>(client, QStringLiteral("poke2"));
    m_defenderType2 = form::control<QComboBox>(client, QStringLiteral("poke22"));
    m_notes = form::control<QPlainTextEdit>(client, QStringLiteral("Text1"));
    m_classReminder = form::control<QLabel>(client, QStringLiteral("Label3"));
    m_work = form::control<QPushButton>(client, QStringLiteral("Work"));
    m_credits = form::control<QLabel>(client, QStringLiteral("Label10"));

    // The narrow type lists are a pixel or two short of "Select Type" with the line edit's own
    // padding: give that padding to the text so it shows whole instead of scrolled.
    for (QComboBox* list :
         {m_attackerType1, m_attackerType2, m_defenderType1, m_defenderType2, m_attackType})
        list->lineEdit()->setTextMargins(-1, 0, -3, 0);

    m_creditsTimer = new QTimer(this);
    m_creditsTimer->setObjectName(QStringLiteral("Timer1"));
    m_creditsTimer->setInterval(creditsInterval);

    m_statusChanger = new StatusChanger(m_runtime, client);
}

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
    auto* answer = findChild<QLabel*>(QStringLiteral("YN"));
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
    const bool yes = findChild<QLabel*>(QStringLiteral("YN"))->text() == QLatin1String("YES");
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
                                    m_turnItem, m_metronomeItem});
}

void DamageWindow::loadLists()
{
    QStringList attacks;
    for (const battle::AttackRow& row : battle::attackRows())
        attacks.append(form::fromStd(row.key));
    form::fillList(m_attackList, attacks);

    m_credits->clear();

    QStringList types;
    for (std::string_view type : battle::typeListOrder)
        types.append(form::fromStd(type));
    for (QComboBox* list :
         {m_attackerType1, m_attackerType2, m_defenderType1, m_defenderType2, m_attackType})
        form::fillList(list, types);
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

void DamageWindow::onAttackChosen()
{
    const auto draw = [this] { return m_runtime.draw(); };
    for (const battle::FieldWrite& write : battle::applyAttack(form::textOf(m_attackList), draw))
        applyWrite(write);
}

// Picks as the user would: the item becomes the list's choice, then its click handler runs. A move
// the list lacks is typed into it and handled as any unknown key.
void DamageWindow::onMetronomeTriggered()
{
    const battle::game::Move& move = battle::game::metronomePick(m_runtime.draw());
    const std::string_view programName = battle::game::programNameOf(move);
    const QString name = form::fromStd(programName.empty() ? move.name : programName);
    const int index = m_attackList->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        m_attackList->setCurrentIndex(index);
    else
        m_attackList->setEditText(name);
    emit m_attackList->activated(m_attackList->currentIndex());
    emit metronomeChoseAttack(name);
}

void DamageWindow::applyWrite(const battle::FieldWrite& write)
{
    const QString text = form::fromStd(write.text);
    switch (write.field) {
    case battle::AttackField::Notes:
        m_notes->setPlainText(text);
        break;
    case battle::AttackField::AttackType:
        m_attackType->setEditText(text);
        break;
    case battle::AttackField::ClassReminder:
        m_classReminder->setText(text);
        break;
    // Fixed words show whole whatever width the last figure left.
    case battle::AttackField::BasePower:
        form::writeWhole(m_basePower, text);
        break;
    case battle::AttackField::DamageDealt:
        form::writeWhole(m_normalDamage, text);
        break;
    case battle::AttackField::Critical:
        form::writeWhole(m_criticalDamage, text);
        break;
    }
}

void DamageWindow::onWorkClicked()
{
    const battle::DamageInputs inputs{
        .attack = form::textOf(m_attack),
        .level = form::textOf(m_level),
        .basePower = form::textOf(m_basePower),
        .defense = form::textOf(m_defense),
        .attackType = form::textOf(m_attackType),
        .attackerFirstType = form::textOf(m_attackerType1),
        .attackerSecondType = form::textOf(m_attackerType2),
        .defenderFirstType = form::textOf(m_defenderType1),
        .defenderSecondType = form::textOf(m_defenderType2),
        .defenderHp = form::textOf(m_defenderHp),
        .attackName = form::textOf(m_attackList),
    };
    const battle::DamageOutcome outcome = battle::computeDamage(inputs);
    if (!outcome.message.empty())
        m_runtime.showMessage(this, form::fromStd(outcome.message));
    if (!outcome.writesFields)
        return;
    const std::pair<QLineEdit*, const battle::OutputText*> outputs[] = {
        {m_normalDamage, &outcome.normal},
        {m_criticalDamage, &outcome.critical},
        {m_poisonDamage, &outcome.poison},
    };
    for (const auto& [field, output] : outputs)
        form::writeLimited(field, form::fromStd(output->text), output->maxLength);
}

bool DamageWindow::checkNumberField(QLineEdit* field, const QString& message)
{
    if (!battle::isRefusedByLetterCheck(form::textOf(field)))
        return true;
    m_runtime.showMessage(this, message);
    field->clear(); // runs this check once more, on the empty text
    return false;
}

void DamageWindow::onAttackChanged()
{
    checkNumberField(m_attack, tr("Enter Number Only."));
}

void DamageWindow::onBasePowerChanged()
{
    checkNumberField(m_basePower, tr("Enter Number Only."));
}

void DamageWindow::onLevelChanged()
{
    checkNumberField(m_level, tr("Enter Number Only."));
}

void DamageWindow::onDefenseChanged()
{
    if (checkNumberField(m_defense, tr("Enter Numbers Only.")))
        m_work->setEnabled(true);
}

void DamageWindow::onDefenderHpChanged()
{
    checkNumberField(m_defenderHp, tr("Enter Numbers Only."));
}

void DamageWindow::useAttacker(int level, int attack, int special, const QString& type1,
                               const QString& type2)
{
    // setText runs the fields' own checks, as typing does.
    m_attack->setText(QString::number(chosenAttackIsSpecial() ? special : attack));
    m_level->setText(QString::number(level));
    m_attackerType1->setEditText(type1);
    m_attackerType2->setEditText(type2.isEmpty() ? tr(typePrompt) : type2);
}

void DamageWindow::useDefender(int hp, int defense, int special, const QString& type1,
                               const QString& type2)
{
    m_defense->setText(QString::number(chosenAttackIsSpecial() ? special : defense));
    m_defenderHp->setText(QString::number(hp));
    m_defenderType1->setEditText(type1);
    m_defenderType2->setEditText(type2.isEmpty() ? tr(typePrompt) : type2);
}

void DamageWindow::useSheetAttacker(const battle::PageRecord& page)
{
    const std::string& stat = chosenAttackIsSpecial() ? page.specialAttack : page.attack;
    writeUnlessEmpty(m_attack, stat);
    writeUnlessEmpty(m_attackerType1, page.type1);
    writeUnlessEmpty(m_attackerType2, page.type2);
}

void DamageWindow::useSheetDefender(const battle::PageRecord& page)
{
    const std::string& stat = chosenAttackIsSpecial() ? page.specialDefense : page.defense;
    writeUnlessEmpty(m_defense, stat);
    writeUnlessEmpty(m_defenderHp, page.hp);
    writeUnlessEmpty(m_defenderType1, page.type1);
    writeUnlessEmpty(m_defenderType2, page.type2);
}

// The reminder a choice from the attack list writes names the attack's class.
bool DamageWindow::chosenAttackIsSpecial() const
{
    return m_classReminder->text() ==
           form::fromStd(battle::classReminderPrefix) + QStringLiteral("Special");
}

void DamageWindow::onCreditsTimeout()
{
    m_credits->setText(form::fromStd(battle::nextCreditLine(m_credits->text().toStdString())));
}

void DamageWindow::onExitTriggered()
{
    m_runtime.endProgram();
}

void DamageWindow::onCopyCriticalTriggered()
{
    m_runtime.copyToClipboard(m_criticalDamage->text());
}

void DamageWindow::onCopyNormalTriggered()
{
    m_runtime.copyToClipboard(m_normalDamage->text());
}

void DamageWindow::onCopyPoisonTriggered()
{
    m_runtime.copyToClipboard(m_poisonDamage->text());
}
