// SPDX-License-Identifier: MIT
// The Pokédex's controls: the stat grid from its tables, the captions, the screen readers' names
// and the tab order.
#include "windows/dex/DexWindow.h"

#include "battle/classic/SpeciesTable.h"
#include "battle/game/GameData.h"
#include "windows/common/Form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

using namespace battle::game;

constexpr int defaultLevel = 50;
constexpr int speciesRow = 0;
constexpr int presetRow = 1;
constexpr int headerRow = 2;
constexpr int firstGridRow = 3;
constexpr int conditionRow = 8;
constexpr int buttonRow = 9;

// The stat columns: names end with the suffix, captions head the column.
struct StatColumn {
    const char* suffix;
    const char* caption;
};
constexpr StatColumn statColumns[] = {
    {"Hp", "HP"}, {"Atk", "Attack"}, {"Def", "Defense"}, {"Spd", "Speed"}, {"Spc", "Special"},
};
// Column 0 holds the row captions, so the stats take columns 1 to lastColumn.
constexpr int lastColumn = int(std::size(statColumns));

enum class Cell { None, Spin, Output };

// One row of the stat grid: its controls are named prefix + column suffix and announced as the
// column's caption in `spoken`.
struct GridRow {
    const char* prefix;
    const char* caption; // "&" marks the access key to the row's first control
    const char* spoken;
    Cell hp;
    Cell others;
    int minimum;
    int maximum;
};
// clang-format off
constexpr GridRow gridRows[] = {
    {"Dv",     "D&V",        "%1 DV",              Cell::Output, Cell::Spin,   0,        maxDv},
    {"Exp",    "Stat e&xp.", "%1 stat experience", Cell::Spin,   Cell::Spin,   0,        maxStatExp},
    {"Stat",   "Stat",       "%1 stat",            Cell::Output, Cell::Output, 0,        0},
    {"Stage",  "Sta&ge",     "%1 stage",           Cell::None,   Cell::Spin,   minStage, maxStage},
    {"Battle", "In battle",  "%1 in battle",       Cell::None,   Cell::Output, 0,        0},
};

struct Toggle {
    const char* name;
    const char* caption;
    const char* description;
};
constexpr Toggle conditionToggles[] = {
    {"Burned",      "&Burned",       "Halves Attack"},
    {"Paralyzed",   "Paral&yzed",    "Quarters Speed"},
    {"Reflect",     "Re&flect",      "Doubles Defense when hit"},
    {"LightScreen", "Light &Screen", "Doubles Special when hit"},
};
// clang-format on

// Wide enough for the widest figure, 65535, and a spin box's arrows.
int cellWidth()
{
    return QFontMetrics(form::defaultFont()).horizontalAdvance(QStringLiteral("65535")) + 32;
}

QLabel* addLabel(QGridLayout* grid, const QString& name, const QString& caption, int row,
                 int column)
{
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    grid->addWidget(label, row, column);
    return label;
}

QLineEdit* addOutput(QGridLayout* grid, const QString& name, const QString& spoken, int row,
                     int column, int columnSpan = 1)
{
    auto* output = new QLineEdit;
    output->setObjectName(name);
    output->setReadOnly(true);
    if (columnSpan == 1)
        output->setFixedWidth(cellWidth());
    form::describe(output, spoken);
    grid->addWidget(output, row, column, 1, columnSpan);
    return output;
}

QSpinBox* addSpin(QGridLayout* grid, const QString& name, const QString& spoken, int minimum,
                  int maximum, int row, int column)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setFixedWidth(cellWidth());
    form::describe(spin, spoken);
    grid->addWidget(spin, row, column);
    return spin;
}

QComboBox* addList(QGridLayout* grid, const QString& name, const QString& spoken, int row,
                   int column, int columnSpan)
{
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr); // the text stays as typed: figures follow each letter
    form::describe(list, spoken);
    grid->addWidget(list, row, column, 1, columnSpan);
    return list;
}

} // namespace

void DexWindow::buildControls()
{
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    buildChoices(grid);
    buildStatGrid(grid);
    buildConditions(grid);
    buildButtons(grid);
    findStatControls();
    orderTabs();
}

// The species, its level, the training preset and the species' types.
void DexWindow::buildChoices(QGridLayout* grid)
{
    m_species = addList(grid, "Species", "Pokémon", speciesRow, 1, 3);
    for (const battle::SpeciesRow& row : battle::speciesRows())
        m_species->addItem(form::fromStd(row.name));
    m_species->setCurrentIndex(-1);
    m_species->lineEdit()->setPlaceholderText(tr("Select Pokémon"));
    addLabel(grid, "LabelSpecies", tr("&Pokémon"), speciesRow, 0)->setBuddy(m_species);
    m_level = addSpin(grid, "Level", "Level", minLevel, maxLevel, speciesRow, lastColumn);
    m_level->setValue(defaultLevel);
    addLabel(grid, "LabelLevel", tr("&Level"), speciesRow, lastColumn - 1)->setBuddy(m_level);

    m_preset = addList(grid, "Preset", "Preset", presetRow, 1, 2);
    for (const Preset preset : allPresets)
        m_preset->addItem(form::fromStd(presetName(preset)));
    addLabel(grid, "LabelPreset", tr("P&reset"), presetRow, 0)->setBuddy(m_preset);
    m_types = addOutput(grid, "Types", "Types", presetRow, lastColumn - 1, 2);
    addLabel(grid, "LabelTypes", tr("Types"), presetRow, lastColumn - 2)->setBuddy(m_types);
}

// A caption row over the stat columns, then one row of spin boxes or figures per grid row.
void DexWindow::buildStatGrid(QGridLayout* grid)
{
    for (int column = 0; column < lastColumn; ++column) {
        const StatColumn& stat = statColumns[column];
        addLabel(grid, QStringLiteral("Label") + stat.suffix, tr(stat.caption), headerRow,
                 column + 1);
    }
    int row = firstGridRow;
    for (const GridRow& gridRow : gridRows) {
        QWidget* first = nullptr;
        for (int column = 0; column < lastColumn; ++column) {
            const Cell cell = column == 0 ? gridRow.hp : gridRow.others;
            const QString name = QString::fromLatin1(gridRow.prefix) + statColumns[column].suffix;
            const QString spoken =
                QString::fromLatin1(gridRow.spoken).arg(tr(statColumns[column].caption));
            QWidget* made = nullptr;
            if (cell == Cell::Spin)
                made =
                    addSpin(grid, name, spoken, gridRow.minimum, gridRow.maximum, row, column + 1);
            else if (cell == Cell::Output)
                made = addOutput(grid, name, spoken, row, column + 1);
            if (!first && cell == Cell::Spin)
                first = made;
        }
        QLabel* label =
            addLabel(grid, QStringLiteral("Label") + gridRow.prefix, tr(gridRow.caption), row, 0);
        if (first)
            label->setBuddy(first);
        ++row;
    }
}

void DexWindow::buildConditions(QGridLayout* grid)
{
    // The check boxes' captions are wider than a stat column: they share the row instead.
    auto* conditionsBox = new QHBoxLayout;
    grid->addLayout(conditionsBox, conditionRow, 1, 1, lastColumn);
    for (std::size_t index = 0; index < m_conditions.size(); ++index) {
        const Toggle& toggle = conditionToggles[index];
        auto* box = new QCheckBox(tr(toggle.caption));
        box->setObjectName(QString::fromLatin1(toggle.name));
        form::describe(box, box->text());
        box->setAccessibleDescription(tr(toggle.description));
        conditionsBox->addWidget(box);
        m_conditions[index] = box;
    }
}

void DexWindow::buildButtons(QGridLayout* grid)
{
    m_useAttacker = new QPushButton(tr("Use as &attacker"));
    m_useAttacker->setObjectName(QStringLiteral("UseAttacker"));
    m_useAttacker->setAccessibleDescription(
        tr("Writes Attack, or Special for a special attack, level and types into the main window"));
    m_useDefender = new QPushButton(tr("Use as &defender"));
    m_useDefender->setObjectName(QStringLiteral("UseDefender"));
    m_useDefender->setAccessibleDescription(
        tr("Writes Defense, or Special for a special attack, HP and types into the main window"));
    for (QPushButton* button : {m_useAttacker, m_useDefender})
        form::describe(button, button->text());
    grid->addWidget(m_useAttacker, buttonRow, 1, 1, 2);
    grid->addWidget(m_useDefender, buttonRow, 3, 1, 2);
}

// The grid's controls by their names, for the handlers.
void DexWindow::findStatControls()
{
    const auto spin = [this](const char* name) { return form::control<QSpinBox>(this, name); };
    const auto output = [this](const char* name) { return form::control<QLineEdit>(this, name); };
    m_dvs = {spin("DvAtk"), spin("DvDef"), spin("DvSpd"), spin("DvSpc")};
    m_exps = {spin("ExpHp"), spin("ExpAtk"), spin("ExpDef"), spin("ExpSpd"), spin("ExpSpc")};
    m_stages = {spin("StageAtk"), spin("StageDef"), spin("StageSpd"), spin("StageSpc")};
    m_dvHp = output("DvHp");
    m_dvHp->setAccessibleDescription(tr("Made from the other four DVs"));
    m_stats = {output("StatHp"), output("StatAtk"), output("StatDef"), output("StatSpd"),
               output("StatSpc")};
    m_battle = {output("BattleAtk"), output("BattleDef"), output("BattleSpd"), output("BattleSpc")};
}

void DexWindow::orderTabs()
{
    // What a user changes first, in reading order, then the buttons, then what to read.
    QList<QWidget*> order{m_species, m_level, m_preset};
    const auto append = [&order](const auto& widgets) {
        for (QWidget* widget : widgets)
            order.append(widget);
    };
    append(m_dvs);
    append(m_exps);
    append(m_stages);
    append(m_conditions);
    order += {m_useAttacker, m_useDefender, m_types, m_dvHp};
    append(m_stats);
    append(m_battle);
    for (qsizetype index = 1; index < order.size(); ++index)
        setTabOrder(order[index - 1], order[index]);
}
