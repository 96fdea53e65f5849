// SPDX-License-Identifier: MIT
// The pages' context menus: "Use as Attacker" and "Use as Defender" above each control's own
// editing entries.

#include "windows/trainer/TrainerSheet.h"

#include "windows/common/Form.h"
#include "windows/trainer/SheetParts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include <memory>

using sheetparts::pageSuffix;

// "Use as Attacker" and "Use as Defender" head the context menu of everything on the page, the
// menu key's included; the fields keep their own editing entries below.
void TrainerSheet::addBattleActions(int page)
{
    const QString suffix = pageSuffix(page);
    auto* container = form::control<QWidget>(this, "Page" + suffix);
    auto* attacker = new QAction(tr("Use as &Attacker"), container);
    attacker->setObjectName("UseAttacker" + suffix);
    connect(attacker, &QAction::triggered, this, [this, page] { emit usedAsAttacker(page); });
    auto* defender = new QAction(tr("Use as &Defender"), container);
    defender->setObjectName("UseDefender" + suffix);
    connect(defender, &QAction::triggered, this, [this, page] { emit usedAsDefender(page); });
    container->addActions({attacker, defender});
    container->installEventFilter(this);
    for (auto* child : container->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TrainerSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* container = widget;
    while (container && !container->objectName().startsWith(QLatin1String("Page_")))
        container = container->parentWidget();
    if (!container)
        return QWidget::eventFilter(watched, event);
    std::unique_ptr<QMenu> menu;
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        menu.reset(field->createStandardContextMenu());
    else if (auto* notes = qobject_cast<QPlainTextEdit*>(widget->parentWidget()))
        menu.reset(notes->createStandardContextMenu());
    else
        menu = std::make_unique<QMenu>();
    QAction* first = menu->actions().value(0);
    menu->insertActions(first, container->actions());
    if (first)
        menu->insertSeparator(first);
    menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}
