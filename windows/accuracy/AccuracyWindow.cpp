// SPDX-License-Identifier: MIT
#include "windows/accuracy/AccuracyWindow.h"

#include "battle/classic/AccuracyTable.h"
#include "battle/common/Conversions.h"
#include "runtime/Runtime.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <array>
#include <tuple>

namespace {

using form::Kind;

constexpr const char* movesPlaceholder = "Please select a move";
constexpr const char* baseAccuracyCaption =
    "Base accuracy (it is not suggested you change this  yourself!)";
constexpr const char* accuracyCounterCaption = "How many accuracy decreasers in play? (Max. 6)";
constexpr const char* evadeCounterCaption = "How many evade increasers in play? (Max 6)";
constexpr const char* acknowledgement =
    "Thanks to the programmers and to the research team behind the figures.";

// clang-format off
constexpr std::array<form::ControlRow, 28> controlRows{{
    // name        kind                 container caption                     left   top width height
    {"Frame1",     Kind::Frame,         nullptr,  "Input",                        0,    0, 2775, 4215},
    {"Frame3",     Kind::Frame,         nullptr,  "Input",                        0,    0, 2775, 1815},
    {"Moves",      Kind::Combo,         "Frame3", movesPlaceholder,             360,  360, 2055,  315},
    {"basement",   Kind::Field,         "Frame3", "99.6",                       840,  720, 1095,  285},
    {"Label2",     Kind::Label,         "Frame3", baseAccuracyCaption,          360, 1080, 2055,  615},
    {"Frame4",     Kind::Frame,         "Frame1", "",                             0, 1800, 2775, 1215},
    {"Label7",     Kind::Label,         "Frame4", "Accuracy  changer",          120,  120, 1455,  255},
    {"accuracy",   Kind::ReadOnlyField, "Frame4", "1",                         1680,  120,  975,  285},
    {"plusaccur",  Kind::Button,        "Frame4", "+",                         1680,  480,  495,  255},
    {"minusaccur", Kind::Button,        "Frame4", "-",                         2160,  480,  495,  255},
    {"Label3",     Kind::Label,         "Frame4", accuracyCounterCaption,       120,  480, 1455,  615},
    {"accurcount", Kind::ReadOnlyField, "Frame4", "0",                         1680,  840,  975,  285},
    {"Frame5",     Kind::Frame,         "Frame1", "",                             0, 3000, 2775, 1215},
    {"Label8",     Kind::Label,         "Frame5", "Evade changer",              120,  120, 1215,  255},
    {"evade",      Kind::ReadOnlyField, "Frame5", "1",                         1680,  120,  975,  285},
    {"plusevade",  Kind::Button,        "Frame5", "+",                         1680,  480,  495,  255},
    {"minusevade", Kind::Button,        "Frame5", "-",                         2160,  480,  495,  255},
    {"Label4",     Kind::Label,         "Frame5", evadeCounterCaption,          120,  480, 1335,  615},
    {"evadecount", Kind::ReadOnlyField, "Frame5", "0",                         1680,  840,  975,  285},
    {"Frame2",     Kind::Frame,         nullptr,  "Output",                    2760,    0, 2415, 1695},
    {"Label6",     Kind::Label,         "Frame2", "Chance of move hitting...",  240,  240, 1935,  375},
    {"Chance",     Kind::ReadOnlyField, "Frame2", "",                           600,  600, 1095,  285},
    {"Label1",     Kind::Label,         "Frame2", "The move missed, or hit?",   240, 1080, 1935,  255},
    {"HM",         Kind::Label,         "Frame2", "",                           600, 1320, 1095,  255},
    {"Work",       Kind::Button,        nullptr,  "Work",                      2880, 1800, 2205,  495},
    {"b",          Kind::Picture,       nullptr,  "",                          3720, 2520,  480,  480},
    {"e",          Kind::Label,         nullptr,  "BULLSEYE",                  3360, 3120, 1215,  255},
    {"Label5",     Kind::Label,         nullptr,  acknowledgement,             2880, 3600, 2295,  615},
}};

// What a screen reader announces for each control, and the label that stands beside it. A bare
// "+" or "-" would tell the listener nothing.
constexpr form::AccessibleRow accessibleRows[] = {
    // control     name                           description                                      label
    {"Moves",      "Move",                        nullptr,                                         nullptr},
    {"basement",   "Base accuracy",               "It is not suggested you change this yourself!", "Label2"},
    {"accuracy",   "Accuracy multiplier",         nullptr,                                         "Label7"},
    {"plusaccur",  "More accuracy decreasers",    nullptr,                                         nullptr},
    {"minusaccur", "Fewer accuracy decreasers",   nullptr,                                         nullptr},
    {"accurcount", "Accuracy decreasers in play", "Max. 6",                                        "Label3"},
    {"evade",      "Evade multiplier",            nullptr,                                         "Label8"},
    {"plusevade",  "More evade increasers",       nullptr,                                         nullptr},
    {"minusevade", "Fewer evade increasers",      nullptr,                                         nullptr},
    {"evadecount", "Evade increasers in play",    "Max. 6",                                        "Label4"},
    {"Chance",     "Chance of move hitting",      "In percent",                                    "Label6"},
    {"HM",         "The move missed, or hit?",    nullptr,                                         nullptr},
    {"Work",       "Work",                        "Decides whether the move hits",                 nullptr},
};
// clang-format on

const QColor chanceOrange(255, 128, 0);

constexpr int clientWidth = 5190;
constexpr int clientHeight = 4230;
constexpr int iconSize = 32;

constexpr const char* tabOrder[] = {"Work",     "Chance",    "Moves",      "basement",
                                    "accuracy", "plusaccur", "minusaccur", "accurcount",
                                    "evade",    "plusevade", "minusevade", "evadecount"};

// Concentric red and yellow rings, each outlined in black.
QPixmap targetPicture()
{
    QPixmap picture(iconSize, iconSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    const QPointF centre(iconSize / 2.0, iconSize / 2.0);
    const std::array<QColor, 4> rings{Qt::red, Qt::yellow, Qt::red, Qt::yellow};
    double radius = iconSize / 2.0 - 0.5;
    for (const QColor& ring : rings) {
        painter.setBrush(ring);
        painter.drawEllipse(centre, radius, radius);
        radius -= 4;
    }
    return picture;
}

// A sight: a ring with cross hairs and a red dot where the attack lands.
QPixmap sightIcon()
{
    QPixmap icon(iconSize, iconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(iconSize / 2.0, iconSize / 2.0);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 12, 12);
    painter.drawLine(QPointF(centre.x(), 1), QPointF(centre.x(), iconSize - 1));
    painter.drawLine(QPointF(1, centre.y()), QPointF(iconSize - 1, centre.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawEllipse(centre, 4, 4);
    return icon;
}

} // namespace

AccuracyWindow::AccuracyWindow(Runtime& runtime, QWidget* parent)
    : QWidget(parent, Qt::Window), m_runtime(runtime)
{
    setObjectName(objectNameOf(WindowId::Accuracy));
    setWindowTitle(QStringLiteral("Accuracy Tesh"));
    setWindowIcon(QIcon(sightIcon()));
    setFont(form::defaultFont());
    form::setFixedClientSize(this, clientWidth, clientHeight);

    buildControls();
    setColours();
    form::orderTabs(this, tabOrder);
    fillMoves();
    connectEvents();
    m_work->setFocus();
}

void AccuracyWindow::buildControls()
{
    form::build(this, controlRows);

    m_moves = form::control<QComboBox>(this, "Moves");
    m_baseAccuracy = form::control<QLineEdit>(this, "basement");
    m_accuracyMultiplier = form::control<QLineEdit>(this, "accuracy");
    m_accuracyCount = form::control<QLineEdit>(this, "accurcount");
    m_evadeMultiplier = form::control<QLineEdit>(this, "evade");
    m_evadeCount = form::control<QLineEdit>(this, "evadecount");
    m_chance = form::control<QLineEdit>(this, "Chance");
    m_verdict = form::control<QLabel>(this, "HM");
    m_target = form::control<QLabel>(this, "b");
    m_bullseye = form::control<QLabel>(this, "e");
    m_work = form::control<QPushButton>(this, "Work");

    QFont verdictFont(QStringLiteral("Arial"));
    verdictFont.setStyleHint(QFont::SansSerif);
    verdictFont.setPointSizeF(8.25);
    verdictFont.setBold(true);
    m_verdict->setFont(verdictFont);

    QFont bullseyeFont = form::defaultFont();
    bullseyeFont.setPointSizeF(9.75);
    m_bullseye->setFont(bullseyeFont);

    // "How many accuracy" is two pixels wider than its label in our font; set a shade tighter so
    // the caption keeps to three lines instead of losing "(Max. 6)" below the label.
    QFont counterFont = form::defaultFont();
    counterFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.2);
    form::control<QLabel>(this, "Label3")->setFont(counterFont);

    m_target->setPixmap(targetPicture());
    m_target->hide();
    m_bullseye->hide();

    form::describeControls(this, accessibleRows);
}

void AccuracyWindow::setColours()
{
    form::paintToolWindow(this);
    QPalette chance = m_chance->palette();
    chance.setColor(QPalette::Text, chanceOrange);
    m_chance->setPalette(chance);

    form::paintOnWhite(m_verdict);
    form::paintOnWhite(m_bullseye);
}

void AccuracyWindow::fillMoves()
{
    QStringList moves;
    for (const battle::AccuracyRow& row : battle::accuracyRows())
        moves.append(form::fromStd(row.name));
    form::fillList(m_moves, moves);
}

void AccuracyWindow::connectEvents()
{
    connect(m_moves->lineEdit(), &QLineEdit::textEdited, this, &AccuracyWindow::onMoveTyped);
    connect(m_moves, &QComboBox::activated, this, &AccuracyWindow::onMoveChosen);
    using battle::MultiplierTable;
    // clang-format off
    const std::tuple<const char*, QLineEdit*, QLineEdit*, MultiplierTable, int> steps[] = {
        {"plusaccur",  m_accuracyCount, m_accuracyMultiplier, MultiplierTable::Accuracy, +1},
        {"minusaccur", m_accuracyCount, m_accuracyMultiplier, MultiplierTable::Accuracy, -1},
        {"plusevade",  m_evadeCount,    m_evadeMultiplier,    MultiplierTable::Evasion,  +1},
        {"minusevade", m_evadeCount,    m_evadeMultiplier,    MultiplierTable::Evasion,  -1},
    };
    // clang-format on
    for (const auto& [button, count, multiplier, table, delta] : steps)
        connect(form::control<QPushButton>(this, button), &QPushButton::clicked, this,
                [=, this] { stepCounter(count, multiplier, table, delta); });
    for (QLineEdit* count : {m_accuracyCount, m_evadeCount})
        connect(count, &QLineEdit::textChanged, this, [count] { applyCounterRule(count); });
    connect(m_work, &QPushButton::clicked, this, &AccuracyWindow::onWorkClicked);
}

void AccuracyWindow::onMoveTyped()
{
    showBaseAccuracy(battle::baseAccuracyAsTyped(form::textOf(m_moves)));
}

void AccuracyWindow::onMoveChosen()
{
    showBaseAccuracy(battle::baseAccuracyAsChosen(form::textOf(m_moves)));
}

// A name the list does not know leaves the base accuracy as it was.
void AccuracyWindow::showBaseAccuracy(std::optional<double> base)
{
    if (base)
        m_baseAccuracy->setText(form::fromStd(battle::numberToText(*base)));
}

void AccuracyWindow::stepCounter(QLineEdit* count, QLineEdit* multiplier,
                                 battle::MultiplierTable table, int delta)
{
    const battle::CounterPress press = battle::pressCounter(form::textOf(count), delta, table);
    // The write runs the counter rule, which leaves press.settled, before the multiplier follows.
    if (press.step)
        count->setText(form::fromStd(*press.step));
    if (press.multiplier)
        multiplier->setText(form::fromStd(*press.multiplier));
}

void AccuracyWindow::applyCounterRule(QLineEdit* count)
{
    // The write changes the text and so runs this rule once more, which then leaves it.
    if (const auto bounded = battle::counterRuleWrite(form::textOf(count)))
        count->setText(form::fromStd(*bounded));
}

void AccuracyWindow::onWorkClicked()
{
    const std::optional<battle::HitDecision> decision =
        battle::hitDecision(form::textOf(m_accuracyMultiplier), form::textOf(m_baseAccuracy),
                            form::textOf(m_evadeMultiplier), [this] { return m_runtime.draw(); });
    if (!decision) {
        m_runtime.showMessage(this, QStringLiteral("Enter the base accuracy as a number."),
                              Runtime::MessageStyle::Plain);
        return;
    }
    // The marks follow the verdict; a press refused above leaves them as they were.
    m_chance->setText(form::fromStd(decision->chanceText));
    m_verdict->setText(decision->hit ? QStringLiteral("HIT") : QStringLiteral("MISS"));
    m_target->setVisible(decision->hit);
    m_bullseye->setVisible(decision->hit);
}
