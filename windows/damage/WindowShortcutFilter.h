// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Text fields claim some key sequences for themselves (Ctrl+A selects all). This filter, set on
// every text-taking control of a window, lets the window's menu shortcuts win over them while
// those menu items are enabled.
class WindowShortcutFilter : public QObject {
    Q_OBJECT

public:
    WindowShortcutFilter(QWidget* window, QList<QAction*> actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isEnabledShortcut(const QKeySequence& keys) const;

    QList<QAction*> m_actions;
};
