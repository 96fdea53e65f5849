// SPDX-License-Identifier: MIT
#include "windows/dex/DexWindow.h"

#include "battle/game/GameData.h"
#include "battle/classic/SpeciesTable.h"
#include "runtime/WindowId.h"
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

QString typeText(const Species& species, bool second)
{
    if (!second)
        return form::fromStd(typeName(species.type1));
    return species.type2 ? form::fromStd(typeName(*species.type2)) : QString();
}

} // namespace

DexWindow::DexWindow(Runtime& /*runtime: this window needs none of its services*/, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(objectNameOf(WindowId::Dex));
    setWindowTitle(QStringLiteral("Pokédex"));
    setFont(form::defaultFont());
    buildControls();
    connectHandlers();
    onPresetChanged();
    m_species->setFocus();
}

void DexWindow::buildControls()
{
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const int lastColumn = int(std::size(statColumns));

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

void DexWindow::connectHandlers()
{
    connect(m_species->lineEdit(), &QLineEdit::textChanged, this, &DexWindow::recompute);
    connect(m_preset->lineEdit(), &QLineEdit::textChanged, this, &DexWindow::onPresetChanged);
    connect(m_level, &QSpinBox::valueChanged, this, &DexWindow::recompute);
    for (QSpinBox* spin : m_stages)
        connect(spin, &QSpinBox::valueChanged, this, &DexWindow::recompute);
    for (QSpinBox* spin : m_dvs)
        connect(spin, &QSpinBox::valueChanged, this, &DexWindow::onTrainingEdited);
    for (QSpinBox* spin : m_exps)
        connect(spin, &QSpinBox::valueChanged, this, &DexWindow::onTrainingEdited);
    for (QCheckBox* box : m_conditions)
        connect(box, &QCheckBox::toggled, this, &DexWindow::recompute);
    connect(m_useAttacker, &QPushButton::clicked, this, &DexWindow::onUseAttackerClicked);
    connect(m_useDefender, &QPushButton::clicked, this, &DexWindow::onUseDefenderClicked);
}

const Species* DexWindow::species() const
{
    const std::string text = form::textOf(m_species);
    if (const Species* listed = speciesForProgramName(text))
        return listed;
    return findSpeciesLoosely(text);
}

Stats DexWindow::stats(const Species& species) const
{
    const Dvs dvs{m_dvs[0]->value(), m_dvs[1]->value(), m_dvs[2]->value(), m_dvs[3]->value()};
    const StatExp exp{m_exps[0]->value(), m_exps[1]->value(), m_exps[2]->value(),
                      m_exps[3]->value(), m_exps[4]->value()};
    return computeStats(species.base, dvs, exp, m_level->value());
}

Stages DexWindow::stages() const
{
    return {m_stages[0]->value(), m_stages[1]->value(), m_stages[2]->value(), m_stages[3]->value()};
}

Conditions DexWindow::conditions() const
{
    return {m_conditions[0]->isChecked(), m_conditions[1]->isChecked(),
            m_conditions[2]->isChecked(), m_conditions[3]->isChecked()};
}

void DexWindow::onPresetChanged()
{
    const std::optional<Preset> preset = presetFromName(form::textOf(m_preset));
    if (const std::optional<Training> training = preset ? presetTraining(*preset) : std::nullopt) {
        const Dvs& dvs = training->dvs;
        const StatExp& exp = training->statExp;
        const std::pair<QSpinBox*, int> writes[] = {
            {m_dvs[0], dvs.attack},   {m_dvs[1], dvs.defense}, {m_dvs[2], dvs.speed},
            {m_dvs[3], dvs.special},  {m_exps[0], exp.hp},     {m_exps[1], exp.attack},
            {m_exps[2], exp.defense}, {m_exps[3], exp.speed},  {m_exps[4], exp.special}};
        m_applyingPreset = true;
        for (const auto& [spin, value] : writes)
            spin->setValue(value);
        m_applyingPreset = false;
    }
    recompute();
}

void DexWindow::onTrainingEdited()
{
    if (m_applyingPreset)
        return;
    // Own DVs or stat experience are no preset's any more.
    const QString custom = form::fromStd(presetName(Preset::Custom));
    if (m_preset->currentText() != custom)
        m_preset->setCurrentIndex(m_preset->findText(custom)); // recomputes through the preset
    else
        recompute();
}

void DexWindow::recompute()
{
    m_dvHp->setText(QString::number(
        hpDv({m_dvs[0]->value(), m_dvs[1]->value(), m_dvs[2]->value(), m_dvs[3]->value()})));
    const Species* found = species();
    m_useAttacker->setEnabled(found);
    m_useDefender->setEnabled(found);
    if (!found) {
        m_types->clear();
        for (QLineEdit* output : m_stats)
            output->clear();
        for (QLineEdit* output : m_battle)
            output->clear();
        return;
    }
    const QString second = typeText(*found, true);
    m_types->setText(typeText(*found, false) + (second.isEmpty() ? QString() : " / " + second));
    const Stats figures = stats(*found);
    const BattleStats inBattle = battleStats(figures, stages(), conditions());
    const int statValues[] = {figures.hp, figures.attack, figures.defense, figures.speed,
                              figures.special};
    const int battleValues[] = {inBattle.attack, inBattle.defense, inBattle.speed,
                                inBattle.special};
    for (std::size_t index = 0; index < m_stats.size(); ++index)
        m_stats[index]->setText(QString::number(statValues[index]));
    for (std::size_t index = 0; index < m_battle.size(); ++index)
        m_battle[index]->setText(QString::number(battleValues[index]));
}

void DexWindow::onUseAttackerClicked()
{
    const Species* found = species();
    if (!found)
        return;
    const BattleStats inBattle = battleStats(stats(*found), stages(), whenAttacking(conditions()));
    emit attackerChosen(m_level->value(), inBattle.attack, inBattle.special,
                        typeText(*found, false), typeText(*found, true));
}

void DexWindow::onUseDefenderClicked()
{
    const Species* found = species();
    if (!found)
        return;
    const Stats figures = stats(*found);
    const BattleStats inBattle = battleStats(figures, stages(), conditions());
    emit defenderChosen(figures.hp, inBattle.defense, inBattle.special, typeText(*found, false),
                        typeText(*found, true));
}
