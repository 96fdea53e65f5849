// SPDX-License-Identifier: MIT
#include "windows/damage/DamageWindow.h"

#include "battle/classic/CreditsTicker.h"
#include "battle/classic/Damage.h"
#include "battle/classic/TextCheck.h"
#include "battle/game/Metronome.h"
#include "battle/sheet/SheetRecord.h"
#include "runtime/Runtime.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <string_view>

namespace {

// Names the chosen attack's class, so that the player picks the matching stats.
constexpr const char* classReminder = "Make Sure You're Using: ";

// As typing would, so the field's own checks run; an empty text leaves the field alone.
void writeUnlessEmpty(QLineEdit* field, const std::string& text)
{
    if (!text.empty())
        field->setText(form::fromStd(text));
}

void writeUnlessEmpty(QComboBox* list, const std::string& text)
{
    if (!text.empty())
        list->setEditText(form::fromStd(text));
}

} // namespace

DamageWindow::DamageWindow(Runtime& runtime, QWidget* parent)
    : QMainWindow(parent), m_runtime(runtime)
{
    setObjectName(objectNameOf(WindowId::Main));
    setWindowTitle(Runtime::applicationTitle());
    setFont(form::defaultFont());
    buildControls();
    buildMenus();
    loadLists();
    connectHandlers();
    m_creditsTimer->start();
    m_attack->setFocus();
}

void DamageWindow::onAttackChosen()
{
    const auto draw = [this] { return m_runtime.draw(); };
    applyChoice(battle::chooseAttack(form::textOf(m_attackList), draw));
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

// The notes and the reminder change with every choice; a figure the attack does not name stays.
// Fixed figures show whole whatever width the last figure left.
void DamageWindow::applyChoice(const battle::AttackChoice& choice)
{
    if (choice.basePower)
        form::writeWhole(m_basePower, QString::number(*choice.basePower));
    if (choice.type)
        m_attackType->setEditText(form::fromStd(*choice.type));
    m_notes->setPlainText(form::fromStd(choice.notes));
    if (choice.fixedNormal)
        form::writeWhole(m_normalDamage, form::fromStd(*choice.fixedNormal));
    if (choice.fixedCritical)
        form::writeWhole(m_criticalDamage, form::fromStd(*choice.fixedCritical));
    m_chosenClass = choice.damageClass;
    m_classReminder->setText(tr(classReminder) +
                             form::fromStd(battle::damageClassName(m_chosenClass)));
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
    if (!outcome.hasFigures)
        return;
    const std::pair<QLineEdit*, const battle::ShownFigure*> outputs[] = {
        {m_normalDamage, &outcome.normal},
        {m_criticalDamage, &outcome.critical},
        {m_poisonDamage, &outcome.poison},
    };
    for (const auto& [field, output] : outputs)
        form::writeLimited(field, form::fromStd(output->text), output->width);
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

bool DamageWindow::chosenAttackIsSpecial() const
{
    return m_chosenClass == battle::DamageClass::Special;
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
