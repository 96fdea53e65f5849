// SPDX-License-Identifier: MIT
#include "windows/dex/DexWindow.h"

#include "battle/game/GameData.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

using namespace battle::game;

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
