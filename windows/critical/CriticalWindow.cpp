// SPDX-License-Identifier: MIT
#include "windows/critical/CriticalWindow.h"

#include "battle/common/Conversions.h"
#include "battle/classic/Rolls.h"
#include "battle/classic/SpeciesTable.h"
#include "runtime/Runtime.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>

#include <array>
#include <cmath>
#include <numbers>

namespace {

using form::Kind;

constexpr const char* pokePlaceholder = "Select Pokémon";

// clang-format off
constexpr std::array<form::ControlRow, 5> controlRows{{
    // name       kind                 container caption           left  top   width height
    {"poke",      Kind::Combo,         nullptr,  pokePlaceholder,     0,    0, 1935,  315},
    {"bc",        Kind::ReadOnlyField, nullptr,  "Base Critical",     0,  360, 1335,  285},
    {"Command1",  Kind::Button,        nullptr,  "Attack!",         360,  720, 1215,  375},
    {"Text2",     Kind::ReadOnlyField, nullptr,  "",                120, 1200, 1695,  285},
    {"Command2",  Kind::Button,        nullptr,  "Credits",         360, 1560, 1215,  255},
}};

// What a screen reader announces for each control; no label stands beside them.
constexpr form::AccessibleRow accessibleRows[] = {
    // control   name             description                             label
    {"poke",     "Pokémon",       nullptr,                                nullptr},
    {"bc",       "Base Critical", "Chance of a critical hit, in percent", nullptr},
    {"Command1", "Attack!",       "Rolls for a critical hit",             nullptr},
    {"Text2",    "Verdict",       "Critical hit or normal damage",        nullptr},
    {"Command2", "Credits",       nullptr,                                nullptr},
};

// One contributor and role a box, shown in this order.
constexpr std::array<const char*, 4> credits{
    "The Battle Tesh team - information",
    "The Battle Tesh team - initial programming",
    "Battle Tesh beta testers - beta testing",
    "The Battle Tesh team - GUI editor",
};
// clang-format on

constexpr const char* tabOrder[] = {"poke", "bc", "Command1", "Text2", "Command2"};

constexpr int clientWidth = 1950;
constexpr int clientHeight = 1875;
constexpr int iconSize = 32;

// A yellow burst outlined in red, the spark of a critical hit.
QPixmap burstIcon()
{
    QPixmap icon(iconSize, iconSize);
    icon.fill(Qt::transparent);
    constexpr int points = 8;
    constexpr double outer = 15;
    constexpr double inner = 7;
    const QPointF centre(iconSize / 2.0, iconSize / 2.0);
    QPolygonF burst;
    for (int corner = 0; corner < 2 * points; ++corner) {
        const double radius = corner % 2 == 0 ? outer : inner;
        const double angle = corner * std::numbers::pi / points - std::numbers::pi / 2;
        burst << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 1.5));
    painter.setBrush(Qt::yellow);
    painter.drawPolygon(burst);
    return icon;
}

} // namespace

CriticalWindow::CriticalWindow(Runtime& runtime, QWidget* parent)
    : QWidget(parent, Qt::Window), m_runtime(runtime)
{
    setObjectName(objectNameOf(WindowId::Critical));
    setWindowTitle(QStringLiteral("Critical "));
    setWindowIcon(QIcon(burstIcon()));
    setFont(form::defaultFont());
    form::setFixedClientSize(this, clientWidth, clientHeight);

    buildControls();
    form::paintToolWindow(this);
    form::orderTabs(this, tabOrder);
    fillSpecies();
    connectEvents();
    m_species->setFocus();
}

void CriticalWindow::buildControls()
{
    form::build(this, controlRows);
    m_species = form::control<QComboBox>(this, "poke");
    m_baseCritical = form::control<QLineEdit>(this, "bc");
    m_verdict = form::control<QLineEdit>(this, "Text2");

    QFont verdictFont = form::defaultFont();
    verdictFont.setPointSizeF(9.75);
    m_verdict->setFont(verdictFont);

    form::describeControls(this, accessibleRows);
}

void CriticalWindow::fillSpecies()
{
    QStringList species;
    for (const battle::SpeciesRow& row : battle::speciesRows())
        species.append(form::fromStd(row.name));
    form::fillList(m_species, species);
}

void CriticalWindow::connectEvents()
{
    // Typing and choosing from the list run the same lookup.
    connect(m_species->lineEdit(), &QLineEdit::textEdited, this, &CriticalWindow::onSpeciesChanged);
    connect(m_species, &QComboBox::activated, this, &CriticalWindow::onSpeciesChanged);
    connect(form::control<QPushButton>(this, "Command1"), &QPushButton::clicked, this,
            &CriticalWindow::onAttackClicked);
    connect(form::control<QPushButton>(this, "Command2"), &QPushButton::clicked, this,
            &CriticalWindow::onCreditsClicked);
}

void CriticalWindow::onSpeciesChanged()
{
    if (const std::optional<int> value = battle::findBaseCritical(form::textOf(m_species)))
        m_baseCritical->setText(form::fromStd(battle::numberToText(*value)));
}

void CriticalWindow::onAttackClicked()
{
    const std::optional<std::string> verdict =
        battle::criticalVerdict(form::textOf(m_baseCritical), [this] { return m_runtime.draw(); });
    if (!verdict) {
        m_runtime.showMessage(this, QStringLiteral("Choose a Pokémon first."),
                              Runtime::MessageStyle::Plain);
        return;
    }
    m_verdict->setText(form::fromStd(*verdict));
}

void CriticalWindow::onCreditsClicked()
{
    for (const char* line : credits)
        m_runtime.showMessage(this, QString::fromUtf8(line), Runtime::MessageStyle::Plain);
}
