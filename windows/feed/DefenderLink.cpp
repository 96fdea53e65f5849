// SPDX-License-Identifier: MIT
#include "windows/feed/DefenderLink.h"

#include "runtime/Runtime.h"
#include "windows/trainer/TrainerSheet.h"

DefenderLink::DefenderLink(Runtime& runtime, QObject* parent) : QObject(parent), m_runtime(runtime)
{
}

void DefenderLink::remember(TrainerSheet* sheet, int page)
{
    m_sheet = sheet;
    m_sheetTitle = sheet->trainer() == Trainer::First ? tr("Trainer 1") : tr("Trainer 2");
    m_page = page;
}

TrainerSheet* DefenderLink::openSheet(QWidget* over)
{
    if (m_page == 0) {
        m_runtime.showMessage(over, tr("No trainer sheet page has been used as defender yet: "
                                       "choose \"Use as Defender\" on a page first."));
        return nullptr;
    }
    // A closed sheet lingers until its deletion; it is closed all the same.
    if (!m_sheet || !m_sheet->isVisible()) {
        m_runtime.showMessage(over, tr("%1's sheet was closed since its Pokémon %2 was used as "
                                       "defender, so nothing was written.")
                                        .arg(m_sheetTitle)
                                        .arg(m_page));
        return nullptr;
    }
    return m_sheet;
}

void DefenderLink::applyDamage(int damage, QWidget* over)
{
    if (TrainerSheet* sheet = openSheet(over)) {
        if (!sheet->applyDamage(m_page, damage)) {
            m_runtime.showMessage(over, tr("The HP of %1's Pokémon %2 is no number, so the damage "
                                           "was not applied.")
                                            .arg(m_sheetTitle)
                                            .arg(m_page));
        }
    }
}

void DefenderLink::applyStatus(const QString& status, QWidget* over)
{
    if (TrainerSheet* sheet = openSheet(over))
        sheet->setStatus(m_page, status);
}
