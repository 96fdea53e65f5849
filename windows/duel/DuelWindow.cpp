// SPDX-License-Identifier: MIT
#include "windows/duel/DuelWindow.h"
#include "windows/duel/DuelThread.h"

#include "battle/game/GameStats.h"
#include "runtime/Runtime.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"
#include "windows/common/GameFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

using form::Kind;
namespace game = battle::game;

constexpr int clientWidth = 9000; // twips
constexpr int clientHeight = 10770;
// The species, level, preset and current HP rows stand this far apart.
constexpr int sideRowPitch = 390;
constexpr int hpRow = 3;
constexpr int byTurnRows = 10;
constexpr int computingDelayMs = 100;
constexpr int byTurnTabPixels = 60;
// The chart runs until the duel is this nearly decided, and over at least the table's turns.
constexpr double chartCoverage = 0.999;

// clang-format off
constexpr form::ControlRow controlRows[] = {
    // name                  kind                 container     caption                   left   top  width height
    {"FrameMine",            Kind::Frame,         nullptr,      "Mine",                    120,  120, 4320, 5130},
    {"LblMineStatus",        Kind::Label,         "FrameMine",  "Status",                  150, 1965, 1500,  300},
    {"MineStatus",           Kind::Combo,         "FrameMine",  nullptr,                  1680, 1890, 2460,  330},
    {"LblMineMove",          Kind::Label,         "FrameMine",  "Move",                    150, 2355, 1500,  300},
    {"MineMove",             Kind::Combo,         "FrameMine",  nullptr,                  1680, 2280, 2460,  330},
    {"LblMineAttackStage",   Kind::Label,         "FrameMine",  "Attacking stat stage",    150, 2745, 1500,  300},
    {"MineAttackStage",      Kind::SpinBox,       "FrameMine",  nullptr,                  1680, 2670, 1050,  330},
    {"LblMineDefenseStage",  Kind::Label,         "FrameMine",  "Defending stat stage",    150, 3135, 1500,  300},
    {"MineDefenseStage",     Kind::SpinBox,       "FrameMine",  nullptr,                  1680, 3060, 1050,  330},
    {"LblMineSpeedStage",    Kind::Label,         "FrameMine",  "Speed stage",             150, 3525, 1500,  300},
    {"MineSpeedStage",       Kind::SpinBox,       "FrameMine",  nullptr,                  1680, 3450, 1050,  330},
    {"LblMineAccuracyStage", Kind::Label,         "FrameMine",  "Accuracy stage",          150, 3915, 1500,  300},
    {"MineAccuracyStage",    Kind::SpinBox,       "FrameMine",  nullptr,                  1680, 3840, 1050,  330},
    {"LblMineEvasionStage",  Kind::Label,         "FrameMine",  "Evasion stage",           150, 4305, 1500,  300},
    {"MineEvasionStage",     Kind::SpinBox,       "FrameMine",  nullptr,                  1680, 4230, 1050,  330},
    {"MineReflect",          Kind::CheckBox,      "FrameMine",  "&Reflect",                150, 4650, 1500,  330},
    {"MineLightScreen",      Kind::CheckBox,      "FrameMine",  "&Light Screen",          1680, 4650, 2000,  330},
    {"FrameFoe",             Kind::Frame,         nullptr,      "Foe",                    4560,  120, 4320, 5130},
    {"LblFoeStatus",         Kind::Label,         "FrameFoe",   "Status",                  150, 1965, 1500,  300},
    {"FoeStatus",            Kind::Combo,         "FrameFoe",   nullptr,                  1680, 1890, 2460,  330},
    {"LblFoeMove",           Kind::Label,         "FrameFoe",   "Move",                    150, 2355, 1500,  300},
    {"FoeMove",              Kind::Combo,         "FrameFoe",   nullptr,                  1680, 2280, 2460,  330},
    {"LblFoeAttackStage",    Kind::Label,         "FrameFoe",   "Attacking stat stage",    150, 2745, 1500,  300},
    {"FoeAttackStage",       Kind::SpinBox,       "FrameFoe",   nullptr,                  1680, 2670, 1050,  330},
    {"LblFoeDefenseStage",   Kind::Label,         "FrameFoe",   "Defending stat stage",    150, 3135, 1500,  300},
    {"FoeDefenseStage",      Kind::SpinBox,       "FrameFoe",   nullptr,                  1680, 3060, 1050,  330},
    {"LblFoeSpeedStage",     Kind::Label,         "FrameFoe",   "Speed stage",             150, 3525, 1500,  300},
    {"FoeSpeedStage",        Kind::SpinBox,       "FrameFoe",   nullptr,                  1680, 3450, 1050,  330},
    {"LblFoeAccuracyStage",  Kind::Label,         "FrameFoe",   "Accuracy stage",          150, 3915, 1500,  300},
    {"FoeAccuracyStage",     Kind::SpinBox,       "FrameFoe",   nullptr,                  1680, 3840, 1050,  330},
    {"LblFoeEvasionStage",   Kind::Label,         "FrameFoe",   "Evasion stage",           150, 4305, 1500,  300},
    {"FoeEvasionStage",      Kind::SpinBox,       "FrameFoe",   nullptr,                  1680, 4230, 1050,  330},
    {"FoeReflect",           Kind::CheckBox,      "FrameFoe",   "R&eflect",                150, 4650, 1500,  330},
    {"FoeLightScreen",       Kind::CheckBox,      "FrameFoe",   "Li&ght Screen",          1680, 4650, 2000,  330},
    {"FrameResult",          Kind::Frame,         nullptr,      "Until one faints",        120, 5370, 8760, 5280},
    {"LblWinChance",         Kind::Label,         "FrameResult", "Win",                    150,  405,  900,  300},
    {"WinChance",            Kind::ReadOnlyField, "FrameResult", nullptr,                 1080,  330, 1500,  330},
    {"LblLossChance",        Kind::Label,         "FrameResult", "Loss",                  2790,  405,  900,  300},
    {"LossChance",           Kind::ReadOnlyField, "FrameResult", nullptr,                 3720,  330, 1500,  330},
    {"LblDrawChance",        Kind::Label,         "FrameResult", "Both faint",            5430,  405, 1200,  300},
    {"DrawChance",           Kind::ReadOnlyField, "FrameResult", nullptr,                 6660,  330, 1500,  330},
    {"LblUndecided",         Kind::Label,         "FrameResult", "Undecided",              150,  825,  900,  300},
    {"Undecided",            Kind::ReadOnlyField, "FrameResult", nullptr,                 1080,  750, 1500,  330},
    {"LblFirstMove",         Kind::Label,         "FrameResult", "First move",            2790,  825,  900,  300},
    {"FirstMove",            Kind::ReadOnlyField, "FrameResult", nullptr,                 3720,  750, 2440,  330},
    {"Computing",            Kind::Label,         "FrameResult", "Computing…",            6660,  825, 1950,  300},
    {"LblByTurn",            Kind::Label,         "FrameResult", "Over by the end of turn", 150, 1200, 3000,  300},
    {"ByTurn",               Kind::NotesBox,      "FrameResult", nullptr,                  150, 1500, 3000, 2580},
    {"Chart",                Kind::Picture,       "FrameResult", nullptr,                 3300, 1200, 5310, 2880},
    {"LblNotes",             Kind::Label,         "FrameResult", "Not counted",            150, 4200, 3000,  300},
    {"Notes",                Kind::NotesBox,      "FrameResult", nullptr,                  150, 4500, 8460,  660},
};

constexpr form::AccessibleRow accessibleRows[] = {
    // control              name                        description                                                 label
    {"MineSpecies",         "My species",               nullptr,                                                    "LblMineSpecies"},
    {"MineLevel",           "My level",                 nullptr,                                                    "LblMineLevel"},
    {"MinePreset",          "My preset",                "Its DVs and stat experience",                              "LblMinePreset"},
    {"MineHp",              "My current HP",            "Follows the maximum HP until you change it",               "LblMineHp"},
    {"MineStatus",          "My status",                nullptr,                                                    "LblMineStatus"},
    {"MineMove",            "My move",                  "The move it uses every turn",                              "LblMineMove"},
    {"MineAttackStage",     "My attacking stat stage",  "Stage of the stat my move attacks with, -6 to +6",         "LblMineAttackStage"},
    {"MineDefenseStage",    "My defending stat stage",  "Stage of the stat the foe's move meets, -6 to +6",         "LblMineDefenseStage"},
    {"MineSpeedStage",      "My Speed stage",           "-6 to +6",                                                 "LblMineSpeedStage"},
    {"MineAccuracyStage",   "My accuracy stage",        "-6 to +6",                                                 "LblMineAccuracyStage"},
    {"MineEvasionStage",    "My evasion stage",         "-6 to +6",                                                 "LblMineEvasionStage"},
    {"MineReflect",         "Reflect on my side",       nullptr,                                                    nullptr},
    {"MineLightScreen",     "Light Screen on my side",  nullptr,                                                    nullptr},
    {"FoeSpecies",          "Foe's species",            nullptr,                                                    "LblFoeSpecies"},
    {"FoeLevel",            "Foe's level",              nullptr,                                                    "LblFoeLevel"},
    {"FoePreset",           "Foe's preset",             "Its DVs and stat experience",                              "LblFoePreset"},
    {"FoeHp",               "Foe's current HP",         "Follows the maximum HP until you change it",               "LblFoeHp"},
    {"FoeStatus",           "Foe's status",             nullptr,                                                    "LblFoeStatus"},
    {"FoeMove",             "Foe's move",               "The move it uses every turn",                              "LblFoeMove"},
    {"FoeAttackStage",      "Foe's attacking stat stage", "Stage of the stat the foe's move attacks with, -6 to +6", "LblFoeAttackStage"},
    {"FoeDefenseStage",     "Foe's defending stat stage", "Stage of the stat my move meets, -6 to +6",              "LblFoeDefenseStage"},
    {"FoeSpeedStage",       "Foe's Speed stage",        "-6 to +6",                                                 "LblFoeSpeedStage"},
    {"FoeAccuracyStage",    "Foe's accuracy stage",     "-6 to +6",                                                 "LblFoeAccuracyStage"},
    {"FoeEvasionStage",     "Foe's evasion stage",      "-6 to +6",                                                 "LblFoeEvasionStage"},
    {"FoeReflect",          "Reflect on the foe's side", nullptr,                                                   nullptr},
    {"FoeLightScreen",      "Light Screen on the foe's side", nullptr,                                              nullptr},
    {"WinChance",           "Win chance",               "The foe faints and mine stands",                           "LblWinChance"},
    {"LossChance",          "Loss chance",              "Mine faints and the foe stands",                           "LblLossChance"},
    {"DrawChance",          "Both faint chance",        "Both faint in the same turn",                              "LblDrawChance"},
    {"Undecided",           "Undecided chance",         "Both still stand after 100 turns",                         "LblUndecided"},
    {"FirstMove",           "First move",               "Who moves first in the first turn",                        "LblFirstMove"},
    {"ByTurn",              "Over by turn",             "For turns 1 to 10, the chance the duel is won or lost by then", "LblByTurn"},
    {"Chart",               "Chart",                    "The chances of having won and lost by each turn",          nullptr},
    {"Notes",               "Not counted",              "What the chosen moves do that the duel leaves out",        "LblNotes"},
};
// clang-format on

constexpr const char* tabOrder[] = {
    "MineSpecies",     "MineLevel",         "MinePreset",       "MineHp",
    "MineStatus",      "MineMove",          "MineAttackStage",  "MineDefenseStage",
    "MineSpeedStage",  "MineAccuracyStage", "MineEvasionStage", "MineReflect",
    "MineLightScreen", "FoeSpecies",        "FoeLevel",         "FoePreset",
    "FoeHp",           "FoeStatus",         "FoeMove",          "FoeAttackStage",
    "FoeDefenseStage", "FoeSpeedStage",     "FoeAccuracyStage", "FoeEvasionStage",
    "FoeReflect",      "FoeLightScreen",    "WinChance",        "LossChance",
    "DrawChance",      "Undecided",         "FirstMove",        "ByTurn",
    "Notes",
};

QString percent(double fraction)
{
    return QString::fromStdString(game::probabilityText(fraction));
}

std::optional<game::Status> statusFromName(const std::string& name)
{
    for (const game::Status status : game::allStatuses) {
        if (game::statusName(status) == name)
            return status;
    }
    return std::nullopt;
}

} // namespace

DuelWindow::DuelWindow(Runtime& runtime, QWidget* parent)
    : QWidget(parent, Qt::Window), m_runtime(runtime)
{
    setObjectName(objectNameOf(WindowId::Duel));
    setWindowTitle(QStringLiteral("Duel"));
    setFont(form::defaultFont());
    form::setFixedClientSize(this, clientWidth, clientHeight);
    form::build(this, controlRows);
    buildColumn(m_mine, QStringLiteral("Mine"));
    buildColumn(m_foe, QStringLiteral("Foe"));
    form::describeControls(this, accessibleRows);
    form::orderTabs(this, tabOrder);
    m_won = form::control<QLineEdit>(this, "WinChance");
    m_lost = form::control<QLineEdit>(this, "LossChance");
    m_drawn = form::control<QLineEdit>(this, "DrawChance");
    m_undecided = form::control<QLineEdit>(this, "Undecided");
    m_firstMove = form::control<QLineEdit>(this, "FirstMove");
    m_byTurn = form::control<QPlainTextEdit>(this, "ByTurn");
    m_chart = form::control<QLabel>(this, "Chart");
    m_notes = form::control<QPlainTextEdit>(this, "Notes");
    m_computing = form::control<QLabel>(this, "Computing");
    for (QPlainTextEdit* box : {m_byTurn, m_notes})
        box->setReadOnly(true);
    m_byTurn->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_byTurn->setTabStopDistance(byTurnTabPixels);
    form::paintOnWhite(m_chart);
    m_computing->hide();
    m_computingDelay = new QTimer(this);
    m_computingDelay->setSingleShot(true);
    m_computingDelay->setInterval(computingDelayMs);
    connect(m_computingDelay, &QTimer::timeout, m_computing, &QWidget::show);
    connect(&m_watcher, &QFutureWatcher<game::DuelResult>::finished, this, [this] {
        m_running = false;
        if (m_pending) {
            recompute();
            return;
        }
        m_computingDelay->stop();
        m_computing->hide();
        showResult(m_watcher.result());
    });

    connectColumn(m_mine);
    connectColumn(m_foe);
    recompute();
    form::control<QWidget>(this, "MineSpecies")->setFocus();
}

// A computation still running finishes on its own: it only holds copies.
DuelWindow::~DuelWindow()
{
    m_stop.request_stop();
}

void DuelWindow::buildColumn(Column& column, const QString& side)
{
    column.fighter = new form::SideFields(this, side, sideRowPitch, hpRow);
    const auto find = [this, &side]<typename T>(T*& into, const char* name) {
        into = form::control<T>(this, side + QLatin1String(name));
    };
    find(column.status, "Status");
    find(column.move, "Move");
    find(column.attackStage, "AttackStage");
    find(column.defenseStage, "DefenseStage");
    find(column.speedStage, "SpeedStage");
    find(column.accuracyStage, "AccuracyStage");
    find(column.evasionStage, "EvasionStage");
    find(column.reflect, "Reflect");
    find(column.lightScreen, "LightScreen");

    column.move->addItems(form::gameMoveNames());
    for (const game::Status status : game::allStatuses)
        column.status->addItem(form::fromStd(game::statusName(status)));
    for (QSpinBox* stage : {column.attackStage, column.defenseStage, column.speedStage,
                            column.accuracyStage, column.evasionStage})
        stage->setRange(game::minStage, game::maxStage);
}

void DuelWindow::connectColumn(const Column& column)
{
    connect(column.fighter, &form::SideFields::changed, this, &DuelWindow::recompute);
    for (QComboBox* list : {column.status, column.move}) {
        connect(list, &QComboBox::activated, this, &DuelWindow::recompute);
        connect(list->lineEdit(), &QLineEdit::textEdited, this, &DuelWindow::recompute);
    }
    for (QSpinBox* stage : {column.attackStage, column.defenseStage, column.speedStage,
                            column.accuracyStage, column.evasionStage})
        connect(stage, &QSpinBox::valueChanged, this, &DuelWindow::recompute);
    for (QCheckBox* box : {column.reflect, column.lightScreen})
        connect(box, &QCheckBox::toggled, this, &DuelWindow::recompute);
}

std::optional<game::DuelSide> DuelWindow::sideOf(const Column& column) const
{
    const auto fighter = column.fighter->fighter();
    const game::Move* move = game::findMove(form::textOf(column.move));
    const auto status = statusFromName(form::textOf(column.status));
    if (!fighter || !move || !status)
        return std::nullopt;
    game::DuelSide side;
    side.fighter = *fighter;
    side.hp = column.fighter->hp();
    side.status = *status;
    side.move = move;
    side.attackStage = column.attackStage->value();
    side.defenseStage = column.defenseStage->value();
    side.speedStage = column.speedStage->value();
    side.accuracyStage = column.accuracyStage->value();
    side.evasionStage = column.evasionStage->value();
    side.reflect = column.reflect->isChecked();
    side.lightScreen = column.lightScreen->isChecked();
    return side;
}

// At most one computation runs; inputs that arrive meanwhile stop it and wait for its end.
void DuelWindow::recompute()
{
    const auto mine = sideOf(m_mine);
    const auto foe = sideOf(m_foe);
    if (!mine || !foe) {
        m_pending.reset();
        m_stop.request_stop();
        clearOutputs();
        return;
    }
    m_pending = game::DuelInputs{*mine, *foe};
    QStringList notes;
    for (const std::string& note : game::duelNotes(*mine->move, *foe->move))
        notes << QString::fromStdString(note);
    m_notes->setPlainText(notes.join(QLatin1Char('\n')));
    if (m_running) {
        m_stop.request_stop();
        return;
    }
    m_stop = std::stop_source();
    const game::DuelInputs inputs = *m_pending;
    m_pending.reset();
    m_running = true;
    if (!m_computingDelay->isActive() && m_computing->isHidden())
        m_computingDelay->start();
    m_watcher.setFuture(QtConcurrent::run(&duelThread(), [inputs, stop = m_stop.get_token()] {
        lowerThisThread();
        return game::computeDuel(inputs, stop);
    }));
}

void DuelWindow::clearOutputs()
{
    for (QLineEdit* field : {m_won, m_lost, m_drawn, m_undecided, m_firstMove})
        field->clear();
    m_byTurn->clear();
    m_notes->clear();
    m_chart->clear();
}

void DuelWindow::showResult(const game::DuelResult& result)
{
    m_won->setText(percent(result.won));
    m_lost->setText(percent(result.lost));
    m_drawn->setText(percent(result.drawn));
    m_undecided->setText(percent(result.undecided));
    if (result.mineFirst == 1 || result.mineFirst == 0)
        m_firstMove->setText(result.mineFirst == 1 ? tr("Mine") : tr("Foe"));
    else
        m_firstMove->setText(tr("Speed tie: each %1").arg(percent(result.mineFirst)));
    QStringList rows{tr("Turn\tWon\tLost")};
    for (int turn = 0; turn < byTurnRows && turn < static_cast<int>(result.wonBy.size()); ++turn)
        rows << QStringLiteral("%1\t%2\t%3")
                    .arg(turn + 1)
                    .arg(percent(result.wonBy[static_cast<std::size_t>(turn)]),
                         percent(result.lostBy[static_cast<std::size_t>(turn)]));
    m_byTurn->setPlainText(rows.join(QLatin1Char('\n')));
    drawChart(result);
    emit computed();
}

// Both cumulative chances as curves over the turns, won above in blue, lost in red.
void DuelWindow::drawChart(const game::DuelResult& result)
{
    const QSize size = m_chart->size();
    QPixmap picture(size);
    picture.fill(Qt::white);
    const double over = result.won + result.lost + result.drawn;
    int turns = byTurnRows;
    while (turns < static_cast<int>(result.wonBy.size())) {
        const auto at = static_cast<std::size_t>(turns - 1);
        if (result.wonBy[at] + result.lostBy[at] + result.drawnBy[at] >= chartCoverage * over)
            break;
        ++turns;
    }
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const int margin = 28;
    const QRectF plot(margin, 8, size.width() - margin - 8, size.height() - margin - 8);
    painter.setPen(Qt::gray);
    for (int tenth = 0; tenth <= 10; tenth += 5) {
        const double y = plot.bottom() - plot.height() * tenth / 10;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.drawText(QRectF(0, y - 8, margin - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(tenth * 10));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width(), 16), Qt::AlignHCenter,
                     tr("Turns 0–%1").arg(turns));
    const auto curve = [&](const std::vector<double>& by, const QColor& colour) {
        QPainterPath path(QPointF(plot.left(), plot.bottom()));
        for (int turn = 1; turn <= turns && turn <= static_cast<int>(by.size()); ++turn)
            path.lineTo(plot.left() + plot.width() * turn / turns,
                        plot.bottom() - plot.height() * by[static_cast<std::size_t>(turn - 1)]);
        painter.setPen(QPen(colour, 2));
        painter.drawPath(path);
    };
    curve(result.wonBy, QColor(0, 90, 200));
    curve(result.lostBy, QColor(200, 30, 30));
    painter.setPen(QColor(0, 90, 200));
    painter.drawText(QPointF(plot.left() + 6, plot.top() + 14), tr("Won"));
    painter.setPen(QColor(200, 30, 30));
    painter.drawText(QPointF(plot.left() + 46, plot.top() + 14), tr("Lost"));
    painter.end();
    m_chart->setPixmap(picture);
}
