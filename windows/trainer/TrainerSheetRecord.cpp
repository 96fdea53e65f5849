// SPDX-License-Identifier: MIT
// The sheet as a record: every field read and written through the one field list, and the
// battle's writes onto a page (damage and status).

#include "windows/trainer/TrainerSheet.h"

#include "battle/sheet/SheetFields.h"
#include "battle/sheet/SheetUpdates.h"
#include "windows/common/Form.h"
#include "windows/trainer/SheetParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using sheetparts::pageSuffix;

std::string controlText(const QWidget* control)
{
    if (auto* field = qobject_cast<const QLineEdit*>(control))
        return form::textOf(field);
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return form::textOf(list);
    return static_cast<const QPlainTextEdit*>(control)->toPlainText().toStdString();
}

void writeControl(QWidget* control, const std::string& text)
{
    const QString value = form::fromStd(text);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        form::writeWhole(field, value);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setCurrentIndex(list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
        list->setEditText(value);
    } else if (auto* notes = static_cast<QPlainTextEdit*>(control); notes->toPlainText() != value) {
        notes->setPlainText(value);
    }
}

QWidget* fieldOf(QWidget* sheet, const battle::PageTextField& field, int page)
{
    const char* name = field.control ? field.control : battle::nicknameControls[page - 1];
    return form::control<QWidget>(sheet, name + (field.control ? pageSuffix(page) : QString()));
}

} // namespace

// One page alone: the feed asks for a page at a time, and reading it leaves the others unbuilt.
battle::PageRecord TrainerSheet::pageRecord(int page)
{
    ensurePageBuilt(page);
    const QString suffix = pageSuffix(page);
    battle::PageRecord record;
    for (const battle::PageTextField& field : battle::pageTextFields)
        record.*field.text = controlText(fieldOf(this, field, page));
    for (const battle::PageFlagField& field : battle::pageFlagFields)
        record.*field.flag = form::control<QCheckBox>(this, field.control + suffix)->isChecked();
    for (std::size_t slot = 0; slot < record.attacks.size(); ++slot) {
        for (const battle::AttackTextField& field : battle::attackTextFields) {
            record.attacks[slot].*field.text =
                controlText(form::control<QWidget>(this, field.controls[slot] + suffix));
        }
    }
    if (const auto& known = m_training[page - 1]; known && known->species == record.species)
        record.training = known->training;
    return record;
}

battle::SheetRecord TrainerSheet::record()
{
    battle::SheetRecord sheet;
    sheet.trainerName = form::control<QLineEdit>(this, "Text3")->text().toStdString();
    sheet.activePage = std::max(m_active->checkedId(), 0);
    for (int page = 1; page <= pageCount; ++page)
        sheet.pages[page - 1] = pageRecord(page);
    return sheet;
}

void TrainerSheet::load(const battle::SheetRecord& sheet)
{
    for (int page = 1; page <= pageCount; ++page) {
        ensurePageBuilt(page);
        const QString suffix = pageSuffix(page);
        const battle::PageRecord& record = sheet.pages[page - 1];
        for (const battle::PageTextField& field : battle::pageTextFields)
            writeControl(fieldOf(this, field, page), record.*field.text);
        for (const battle::PageFlagField& field : battle::pageFlagFields)
            form::control<QCheckBox>(this, field.control + suffix)->setChecked(record.*field.flag);
        for (std::size_t slot = 0; slot < record.attacks.size(); ++slot) {
            for (const battle::AttackTextField& field : battle::attackTextFields) {
                writeControl(form::control<QWidget>(this, field.controls[slot] + suffix),
                             record.attacks[slot].*field.text);
            }
        }
        m_training[page - 1].reset();
        if (record.training)
            m_training[page - 1] = KnownTraining{record.species, *record.training};
    }
    writeControl(form::control<QLineEdit>(this, "Text3"), sheet.trainerName);
    showActive(sheet.activePage);
}

void TrainerSheet::showActive(int page)
{
    if (page >= 1 && page <= pageCount) {
        m_active->button(page)->click();
    } else if (QAbstractButton* checked = m_active->checkedButton()) {
        // An exclusive group never lets its last choice go by itself.
        m_active->setExclusive(false);
        checked->setChecked(false);
        m_active->setExclusive(true);
        form::control<QLabel>(this, "Label1")->setText(QStringLiteral("Active: None"));
    }
}

bool TrainerSheet::applyDamage(int page, int damage)
{
    ensurePageBuilt(page);
    const QString suffix = pageSuffix(page);
    auto* hp = form::control<QLineEdit>(this, "Text11" + suffix);
    const std::optional<std::string> left = battle::hpAfterDamage(hp->text().toStdString(), damage);
    if (!left)
        return false;
    hp->setText(QString::fromStdString(*left));
    if (battle::hasFainted(*left)) {
        auto* notes = form::control<QPlainTextEdit>(this, "Text27" + suffix);
        writeControl(notes, battle::notesAfterFainting(notes->toPlainText().toStdString()));
    }
    return true;
}

void TrainerSheet::setStatus(int page, const QString& status)
{
    ensurePageBuilt(page);
    writeControl(form::control<QComboBox>(this, "Combo1" + pageSuffix(page)), status.toStdString());
}
