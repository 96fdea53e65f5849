// SPDX-License-Identifier: MIT
#include "runtime/Runtime.h"

Runtime::~Runtime() { discardAllWindows(); }

void Runtime::registerWindow(const QString& name, WindowFactory factory)
{
    m_factories.insert(name, std::move(factory));
}

QWidget* Runtime::openWindow(const QString& name) const
{
    QWidget* window = m_windows.value(name);
    // A closed window may linger until its deferred deletion; it is no longer open.
    return window && window->isVisible() ? window : nullptr;
}

QWidget* Runtime::showWindow(const QString& name)
{
    QWidget* window = openWindow(name);
    if (!window) {
        const auto factory = m_factories.constFind(name);
        if (factory == m_factories.cend())
            return nullptr;
        window = (*factory)();
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_windows.insert(name, window);
    }
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    return window;
}

void Runtime::unloadWindow(const QString& name)
{
    if (QWidget* window = m_windows.take(name))
        window->close();
}

void Runtime::discardAllWindows()
{
    const auto windows = m_windows;
    m_windows.clear();
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
}

void Runtime::releaseAllWindows()
{
    const auto windows = m_windows;
    m_windows.clear();
    for (const QPointer<QWidget>& window : windows) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    }
}
