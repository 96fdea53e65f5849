// SPDX-License-Identifier: MIT
#include "windows/turn/TurnWindow.h"

#include "battle/game/GameData.h"
#include "battle/game/GameStats.h"
#include "runtime/Runtime.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"
#include "windows/common/GameFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

using form::Kind;
namespace game = battle::game;

constexpr int clientWidth = 9000; // twips
constexpr int clientHeight = 6750;
// The species, level and preset rows stand this far apart; the defender's current HP on row 4.
constexpr int sideRowPitch = 420;
constexpr int hpRow = 4;

constexpr const char* infoText =
    "Battle Turn follows the first-generation games' own mechanics: the damage formula with its 39 "
    "random rolls, each species' real critical-hit rate and the 1-in-256 miss of even a sure "
    "move. The classic windows keep their own figures, so the two may differ. The KO odds are "
    "exact, summed over every miss, hit and critical hit.";

// clang-format off
constexpr form::ControlRow controlRows[] = {
    // name                 kind                 container        caption                    left   top  width height
    {"FrameAttacker",       Kind::Frame,         nullptr,         "Attacker",                 120,  120, 4320, 2850},
    {"LblAttackerStage",    Kind::Label,         "FrameAttacker", "Attacking stat stage",     150, 1665, 1500,  300},
    {"AttackerStage",       Kind::SpinBox,       "FrameAttacker", nullptr,                   1680, 1590, 1050,  330},
    {"LblAttackerSpeedStage", Kind::Label,       "FrameAttacker", "Speed",                   2850, 1665,  600,  300},
    {"AttackerSpeedStage",  Kind::SpinBox,       "FrameAttacker", nullptr,                   3450, 1590,  720,  330},
    {"Burned",              Kind::CheckBox,      "FrameAttacker", "&Burned",                  150, 2010, 1500,  330},
    {"AttackerParalyzed",   Kind::CheckBox,      "FrameAttacker", "&Paralyzed",              1680, 2010, 2460,  330},
    {"FrameDefender",       Kind::Frame,         nullptr,         "Defender",                4560,  120, 4320, 2850},
    {"LblDefenderStage",    Kind::Label,         "FrameDefender", "Defending stat stage",     150, 1665, 1500,  300},
    {"DefenderStage",       Kind::SpinBox,       "FrameDefender", nullptr,                   1680, 1590, 1050,  330},
    {"LblDefenderSpeedStage", Kind::Label,       "FrameDefender", "Speed",                   2850, 1665,  600,  300},
    {"DefenderSpeedStage",  Kind::SpinBox,       "FrameDefender", nullptr,                   3450, 1590,  720,  330},
    {"Screen",              Kind::CheckBox,      "FrameDefender", "Reflect / Light &Screen",  150, 2430, 2600,  330},
    {"DefenderParalyzed",   Kind::CheckBox,      "FrameDefender", "Para&lyzed",              2850, 2430, 1320,  330},
    {"FrameMove",           Kind::Frame,         nullptr,         "Move",                     120, 3060, 8760,  810},
    {"LblMove",             Kind::Label,         "FrameMove",     "Move",                     150,  405,  600,  300},
    {"Move",                Kind::Combo,         "FrameMove",     nullptr,                    780,  330, 3000,  330},
    {"LblAccuracyStage",    Kind::Label,         "FrameMove",     "Accuracy stage",          4050,  405, 1425,  300},
    {"AccuracyStage",       Kind::SpinBox,       "FrameMove",     nullptr,                   5520,  330,  900,  330},
    {"LblEvasionStage",     Kind::Label,         "FrameMove",     "Evasion stage",           6600,  405, 1275,  300},
    {"EvasionStage",        Kind::SpinBox,       "FrameMove",     nullptr,                   7800,  330,  825,  330},
    {"FrameResult",         Kind::Frame,         nullptr,         "One use",                  120, 3990, 8760, 2640},
    {"LblHitChance",        Kind::Label,         "FrameResult",   "Hit chance",               150,  405, 1050,  300},
    {"HitChance",           Kind::ReadOnlyField, "FrameResult",   nullptr,                   1260,  330, 1050,  330},
    {"LblCritChance",       Kind::Label,         "FrameResult",   "Critical hit chance",     2490,  405, 1500,  300},
    {"CritChance",          Kind::ReadOnlyField, "FrameResult",   nullptr,                   4020,  330, 1050,  330},
    {"LblRange",            Kind::Label,         "FrameResult",   "Range",                   5250,  405,  600,  300},
    {"Range",               Kind::ReadOnlyField, "FrameResult",   nullptr,                   5910,  330, 2700,  330},
    {"LblRolls",            Kind::Label,         "FrameResult",   "Normal hit",               150,  825, 1050,  300},
    {"Rolls",               Kind::ReadOnlyField, "FrameResult",   nullptr,                   1260,  750, 7350,  330},
    {"LblCritRolls",        Kind::Label,         "FrameResult",   "Critical hit",             150, 1245, 1050,  300},
    {"CritRolls",           Kind::ReadOnlyField, "FrameResult",   nullptr,                   1260, 1170, 7350,  330},
    {"LblKO",               Kind::Label,         "FrameResult",   "KO within",                150, 1665, 1050,  300},
    {"KO",                  Kind::ReadOnlyField, "FrameResult",   nullptr,                   1260, 1590, 7350,  330},
    {"Roll",                Kind::Button,        "FrameResult",   "&Roll",                    150, 2070,  990,  390},
    {"Outcome",             Kind::ReadOnlyField, "FrameResult",   nullptr,                   1260, 2100, 4140,  330},
    {"ApplyDamage",         Kind::Button,        "FrameResult",   "&Apply to Sheet",         5490, 2070, 1530,  390},
    {"Info",                Kind::Button,        "FrameResult",   "&Info",                   7110, 2070, 1500,  390},
};

constexpr form::AccessibleRow accessibleRows[] = {
    // control         name                         description                                                       label
    {"AttackerSpecies", "Attacker species",         nullptr,                                                          "LblAttackerSpecies"},
    {"AttackerLevel",   "Attacker level",           nullptr,                                                          "LblAttackerLevel"},
    {"AttackerPreset",  "Attacker preset",          "Its DVs and stat experience",                                    "LblAttackerPreset"},
    {"AttackerStage",   "Attacking stat stage",     "Stage of the stat the move attacks with, -6 to +6",              "LblAttackerStage"},
    {"AttackerSpeedStage", "Attacker Speed stage",  "-6 to +6; one-hit KO moves compare the Speeds",                  "LblAttackerSpeedStage"},
    {"Burned",          "Attacker burned",          "Halves Attack for physical moves",                               nullptr},
    {"AttackerParalyzed", "Attacker paralyzed",     "Quarters Speed",                                                 nullptr},
    {"DefenderSpecies", "Defender species",         nullptr,                                                          "LblDefenderSpecies"},
    {"DefenderLevel",   "Defender level",           nullptr,                                                          "LblDefenderLevel"},
    {"DefenderPreset",  "Defender preset",          "Its DVs and stat experience",                                    "LblDefenderPreset"},
    {"DefenderStage",   "Defending stat stage",     "Stage of the stat the move meets, -6 to +6",                     "LblDefenderStage"},
    {"DefenderSpeedStage", "Defender Speed stage",  "-6 to +6; one-hit KO moves compare the Speeds",                  "LblDefenderSpeedStage"},
    {"DefenderHp",      "Defender's current HP",    "Follows its maximum HP until you change it",                     "LblDefenderHp"},
    {"Screen",          "Reflect or Light Screen",  "Whichever meets the move's class",                               nullptr},
    {"DefenderParalyzed", "Defender paralyzed",     "Quarters Speed",                                                 nullptr},
    {"Move",            "Move",                     nullptr,                                                          "LblMove"},
    {"AccuracyStage",   "Accuracy stage",           "The attacker's, -6 to +6",                                       "LblAccuracyStage"},
    {"EvasionStage",    "Evasion stage",            "The defender's, -6 to +6",                                       "LblEvasionStage"},
    {"HitChance",       "Hit chance",               "In percent",                                                     "LblHitChance"},
    {"CritChance",      "Critical hit chance",      "In percent",                                                     "LblCritChance"},
    {"Range",           "Damage range",             "Lowest to highest of a normal hit, and its share of the current HP", "LblRange"},
    {"Rolls",           "Normal hit damage",        "Every equally likely amount of one strike, ascending",           "LblRolls"},
    {"CritRolls",       "Critical hit damage",      "Every equally likely amount of one strike, ascending",           "LblCritRolls"},
    {"KO",              "KO chance",                "Chance to faint the defender within 1, 2, 3 and 4 uses",         "LblKO"},
    {"Roll",            "Roll",                     "Rolls one turn",                                                 nullptr},
    {"Outcome",         "Outcome",                  "What the rolled turn gave",                                      nullptr},
    {"ApplyDamage",     "Apply to Sheet",           "Lowers the HP of the sheet page last used as defender",          nullptr},
    {"Info",            "Info",                     "What this window computes",                                      nullptr},
};
// clang-format on

constexpr const char* tabOrder[] = {
    "AttackerSpecies",
    "AttackerLevel",
    "AttackerPreset",
    "AttackerStage",
    "AttackerSpeedStage",
    "Burned",
    "AttackerParalyzed",
    "DefenderSpecies",
    "DefenderLevel",
    "DefenderPreset",
    "DefenderStage",
    "DefenderSpeedStage",
    "DefenderHp",
    "Screen",
    "DefenderParalyzed",
    "Move",
    "AccuracyStage",
    "EvasionStage",
    "Roll",
    "ApplyDamage",
    "Info",
    "HitChance",
    "CritChance",
    "Range",
    "Rolls",
    "CritRolls",
    "KO",
    "Outcome",
};

// Long texts show from their start, not scrolled to their end, and whole on hovering.
void writeOutput(QLineEdit* field, const std::string& text)
{
    field->setText(QString::fromStdString(text));
    field->setCursorPosition(0);
    field->setToolTip(field->text()); // the rolls outrun the field's width
}

} // namespace

TurnWindow::TurnWindow(Runtime& runtime, QWidget* parent)
    : QWidget(parent, Qt::Window), m_runtime(runtime)
{
    setObjectName(objectNameOf(WindowId::Turn));
    setWindowTitle(QStringLiteral("Battle Turn"));
    setFont(form::defaultFont());
    form::setFixedClientSize(this, clientWidth, clientHeight);
    buildControls();
    fillMoves();
    connectEvents();
    recompute();
    form::control<QWidget>(this, "AttackerSpecies")->setFocus();
}

void TurnWindow::buildControls()
{
    form::build(this, controlRows);
    m_attacker = new form::SideFields(this, QStringLiteral("Attacker"), sideRowPitch, std::nullopt);
    m_defender = new form::SideFields(this, QStringLiteral("Defender"), sideRowPitch, hpRow);
    form::describeControls(this, accessibleRows);
    form::orderTabs(this, tabOrder);

    m_attackerStage = form::control<QSpinBox>(this, "AttackerStage");
    m_attackerSpeedStage = form::control<QSpinBox>(this, "AttackerSpeedStage");
    m_burned = form::control<QCheckBox>(this, "Burned");
    m_attackerParalyzed = form::control<QCheckBox>(this, "AttackerParalyzed");
    m_defenderStage = form::control<QSpinBox>(this, "DefenderStage");
    m_defenderSpeedStage = form::control<QSpinBox>(this, "DefenderSpeedStage");
    m_screen = form::control<QCheckBox>(this, "Screen");
    m_defenderParalyzed = form::control<QCheckBox>(this, "DefenderParalyzed");
    m_move = form::control<QComboBox>(this, "Move");
    m_accuracyStage = form::control<QSpinBox>(this, "AccuracyStage");
    m_evasionStage = form::control<QSpinBox>(this, "EvasionStage");
    m_hitChance = form::control<QLineEdit>(this, "HitChance");
    m_critChance = form::control<QLineEdit>(this, "CritChance");
    m_rolls = form::control<QLineEdit>(this, "Rolls");
    m_critRolls = form::control<QLineEdit>(this, "CritRolls");
    m_range = form::control<QLineEdit>(this, "Range");
    m_ko = form::control<QLineEdit>(this, "KO");
    m_outcome = form::control<QLineEdit>(this, "Outcome");

    for (QSpinBox* stage : {m_attackerStage, m_defenderStage, m_accuracyStage, m_evasionStage,
                            m_attackerSpeedStage, m_defenderSpeedStage})
        stage->setRange(game::minStage, game::maxStage);
}

// Every move of the game, spelt as the attack list spells it where it has it.
void TurnWindow::fillMoves()
{
    QStringList moves;
    for (const game::Move& move : game::allMoves())
        moves << form::fromStd(game::programNameOf(move).empty() ? move.name
                                                                 : game::programNameOf(move));
    moves.sort(Qt::CaseInsensitive);
    m_move->addItems(moves);
}

void TurnWindow::connectEvents()
{
    for (form::SideFields* side : {m_attacker, m_defender})
        connect(side, &form::SideFields::changed, this, &TurnWindow::recompute);
    connect(m_move, &QComboBox::activated, this, &TurnWindow::recompute);
    connect(m_move->lineEdit(), &QLineEdit::textEdited, this, &TurnWindow::recompute);
    for (QSpinBox* spin : {m_attackerStage, m_defenderStage, m_accuracyStage, m_evasionStage,
                           m_attackerSpeedStage, m_defenderSpeedStage})
        connect(spin, &QSpinBox::valueChanged, this, &TurnWindow::recompute);
    for (QCheckBox* box : {m_burned, m_screen, m_attackerParalyzed, m_defenderParalyzed})
        connect(box, &QCheckBox::toggled, this, &TurnWindow::recompute);
    connect(form::control<QPushButton>(this, "Roll"), &QPushButton::clicked, this,
            &TurnWindow::onRollClicked);
    connect(form::control<QPushButton>(this, "Info"), &QPushButton::clicked, this,
            &TurnWindow::onInfoClicked);
    m_applyDamage = form::control<QPushButton>(this, "ApplyDamage");
    m_applyDamage->setEnabled(false);
    connect(m_applyDamage, &QPushButton::clicked, this, &TurnWindow::onApplyDamageClicked);
}

void TurnWindow::setMove(const QString& name)
{
    form::chooseItem(m_move, name);
    recompute();
}

std::optional<game::TurnInputs> TurnWindow::inputs() const
{
    const auto attacker = m_attacker->fighter();
    const auto defender = m_defender->fighter();
    const game::Move* move = game::moveForProgramName(form::textOf(m_move));
    if (!move)
        move = game::findMove(form::textOf(m_move));
    if (!attacker || !defender || !move)
        return std::nullopt;
    return game::TurnInputs{
        .attacker = *attacker,
        .defender = *defender,
        .move = move,
        .attackerStage = m_attackerStage->value(),
        .defenderStage = m_defenderStage->value(),
        .accuracyStage = m_accuracyStage->value(),
        .evasionStage = m_evasionStage->value(),
        .burned = m_burned->isChecked(),
        .screen = m_screen->isChecked(),
        .defenderHp = m_defender->hp(),
        .attackerSpeedStage = m_attackerSpeedStage->value(),
        .defenderSpeedStage = m_defenderSpeedStage->value(),
        .attackerParalyzed = m_attackerParalyzed->isChecked(),
        .defenderParalyzed = m_defenderParalyzed->isChecked(),
    };
}

void TurnWindow::recompute()
{
    const auto turn = inputs();
    if (!turn) {
        for (QLineEdit* field : {m_hitChance, m_critChance, m_rolls, m_critRolls, m_range, m_ko})
            field->clear();
        return;
    }
    const game::TurnFigures figures = game::computeTurn(*turn);
    writeOutput(m_hitChance, game::chanceText(figures.hitIn256));
    writeOutput(m_critChance, game::chanceText(figures.criticalIn256));
    writeOutput(m_rolls, game::hitText(figures, false));
    writeOutput(m_critRolls, game::hitText(figures, true));
    writeOutput(m_range, game::rangeText(figures, turn->defenderHp));
    writeOutput(m_ko, game::koText(figures));
}

void TurnWindow::onRollClicked()
{
    const auto turn = inputs();
    if (!turn) {
        m_runtime.showMessage(this, tr("Choose both Pokémon, their presets and a move first."));
        return;
    }
    const game::TurnOutcome outcome =
        game::rollTurn(*turn, game::computeTurn(*turn), [this] { return m_runtime.draw(); });
    writeOutput(m_outcome, game::outcomeText(outcome));
    m_rolledDamage = outcome.damage;
    m_applyDamage->setEnabled(outcome.result == game::Result::Hit ||
                              outcome.result == game::Result::CriticalHit);
    emit turnRolled(outcome.damage);
}

// Once per rolled turn, so the same hit cannot be taken off twice.
void TurnWindow::onApplyDamageClicked()
{
    m_applyDamage->setEnabled(false);
    emit damageApplied(m_rolledDamage);
}

void TurnWindow::onInfoClicked()
{
    m_runtime.showMessage(this, tr(infoText), Runtime::MessageStyle::Information);
}
