// SPDX-License-Identifier: MIT
#include "windows/damage/StatusChanger.h"

#include "battle/classic/Rolls.h"
#include "runtime/Runtime.h"
#include "windows/common/Form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

StatusChanger::StatusChanger(Runtime& runtime, QWidget* client)
    : QObject(client), m_runtime(runtime),
      m_chance(form::control<QLineEdit>(client, QStringLiteral("succ"))),
      m_verdict(form::control<QLabel>(client, QStringLiteral("YN")))
{
    connect(form::control<QPushButton>(client, QStringLiteral("Work2")), &QPushButton::clicked,
            this, &StatusChanger::onWorkClicked);
    connect(form::control<QPushButton>(client, QStringLiteral("Command1")), &QPushButton::clicked,
            this, &StatusChanger::onInfoClicked);
}

void StatusChanger::onWorkClicked()
{
    const auto draw = [this] { return m_runtime.draw(); };
    const auto verdict = battle::statusVerdict(form::textOf(m_chance), draw);
    if (!verdict) {
        m_runtime.showMessage(m_chance->window(), tr("Enter the chance of success as a number."));
        return;
    }
    m_verdict->setText(form::fromStd(*verdict));
    emit answered(m_verdict->text());
}

void StatusChanger::onInfoClicked()
{
    QWidget* window = m_chance->window();
    m_runtime.showMessage(
        window,
        tr("You enter the chance of the move doing the status change. Status changes are changes "
           "like confusion, paralize, freezing, burn and so on. Press WORK. If it returns YES, "
           "the status change was succesful, and the Pokémon is now... whatever the status "
           "change was."),
        Runtime::MessageStyle::Information);
    m_runtime.showMessage(
        window,
        tr("For example, Blizzard has a 30% chance of freezing. I put '30' in the Succ change "
           "area, and press WORK. It returns NO. After my opponent attacks, I use Blizzard again "
           "(simply by pressing WORK again) and it returns YES! My opponent is now frozen!"),
        Runtime::MessageStyle::Information);
}
