// SPDX-License-Identifier: MIT
// The main window's controls: where each stands, what a screen reader tells of it, and the lists
// it offers.
#include "windows/damage/DamageWindow.h"

#include "battle/classic/AttackTable.h"
#include "battle/classic/Damage.h"
#include "battle/classic/TypeChart.h"
#include "runtime/Runtime.h"
#include "windows/common/Form.h"
#include "windows/damage/StatusChanger.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

using form::Kind;

constexpr int clientWidth = 7815; // twips
constexpr int clientHeight = 4455;
constexpr int creditsInterval = 3000; // ms
constexpr int figureMaxLength = battle::initialFigureWidth;
constexpr const char* typePrompt = DamageWindow::typePrompt;

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
    {"poke1",        Kind::Combo,    "Frame1", typePrompt,                                                    120, 1080, 1215,  315},
    {"poke12",       Kind::Combo,    "Frame1", typePrompt,                                                   1680, 1080, 1215,  315},
    {"Label4",       Kind::Label,    "Frame1", "Pokémon Level",                                               120, 1440, 1335,  255},
    {"Label",        Kind::Label,    "Frame1", "Base Damage",                                                1680, 1440, 1095,  255},
    {"level",        Kind::Field,    "Frame1", nullptr,                                                       480, 1680,  615,  285},
    {"basepower",    Kind::Field,    "Frame1", nullptr,                                                      1920, 1680,  495,  285},
    {"Label14",      Kind::Label,    "Frame1", "Select attack (instead of base damage and attack type)",      240, 2040, 2535,  495},
    {"c1",           Kind::Combo,    "Frame1", "Select Attack (optional)",                                    240, 2520, 2535,  315},
    {"Label5",       Kind::Label,    "Frame1", "Attack type. Ex. Fire Blast = Fire Hydro Pump = Water, etc",  240, 2880, 2415,  375},
    {"attack1",      Kind::Combo,    "Frame1", typePrompt,                                                    960, 3360, 1215,  315},
    {"Label8",       Kind::Label,    "Frame1", "Notes:",                                                      120, 3480,  735,  255},
    {"Label6",       Kind::Label,    "Frame2", "Pokémon's Defense Stat",                                      360,  240, 1335,  375},
    {"Label15",      Kind::Label,    "Frame2", "Pokémon HP (for Poison, optional)",                          2040,  240, 1455,  375},
    {"defense",      Kind::Field,    "Frame2", nullptr,                                                       720,  720,  615,  285},
    {"DHP",          Kind::Field,    "Frame2", nullptr,                                                      2400,  720,  615,  285},
    {"Label2",       Kind::Label,    "Frame2", "Pokémon Type",                                               1320, 1080, 1215,  255},
    {"Type_2",       Kind::Label,    "Frame2", defenderTypes,                                                 360, 1200, 3015,  255},
    {"poke2",        Kind::Combo,    "Frame2", typePrompt,                                                    240, 1440, 1335,  315},
    {"poke22",       Kind::Combo,    "Frame2", typePrompt,                                                   2160, 1440, 1335,  315},
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

} // namespace

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

    styleControls(client);
    findControls(client);

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

// Frames, the status changer's rule and its answer's look.
void DamageWindow::styleControls(const QWidget* client)
{
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
}

void DamageWindow::findControls(const QWidget* client)
{
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
    m_answer = form::control<QLabel>(client, QStringLiteral("YN"));

    m_work->setEnabled(false);
    m_normalDamage->setMaxLength(figureMaxLength);
    m_criticalDamage->setMaxLength(figureMaxLength);
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
