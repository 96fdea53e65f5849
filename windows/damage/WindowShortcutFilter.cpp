// SPDX-License-Identifier: MIT
#include "windows/damage/WindowShortcutFilter.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

WindowShortcutFilter::WindowShortcutFilter(QWidget* window, QList<QAction*> actions)
    : QObject(window), m_actions(std::move(actions))
{
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
            qobject_cast<QPlainTextEdit*>(child))
            child->installEventFilter(this);
    }
}

bool WindowShortcutFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnabledShortcut(QKeySequence(key->keyCombination()))) {
            // Left unaccepted, the key goes on to the shortcut instead of the control.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool WindowShortcutFilter::isEnabledShortcut(const QKeySequence& keys) const
{
    for (const QAction* action : m_actions) {
        if (action->isEnabled() && action->shortcut() == keys)
            return true;
    }
    return false;
}
