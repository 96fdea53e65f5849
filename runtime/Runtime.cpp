// SPDX-License-Identifier: MIT
#include "runtime/Runtime.h"

#include <QFile>
#include <QSaveFile>

Runtime::~Runtime()
{
    discardAllWindows();
}

void Runtime::registerWindow(WindowId id, WindowFactory factory)
{
    m_factories.insert(id, std::move(factory));
}

QWidget* Runtime::openWindow(WindowId id) const
{
    QWidget* window = m_windows.value(id);
    // A closed window may linger until its deferred deletion; it is no longer open.
    return window && window->isVisible() ? window : nullptr;
}

QWidget* Runtime::showWindow(WindowId id)
{
    QWidget* window = openWindow(id);
    if (!window) {
        const auto factory = m_factories.constFind(id);
        if (factory == m_factories.cend())
            return nullptr;
        window = (*factory)();
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_windows.insert(id, window);
    }
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    return window;
}

void Runtime::unloadWindow(WindowId id)
{
    if (QWidget* window = m_windows.take(id))
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

std::optional<QByteArray> Runtime::readFile(const QString& path, qint64 limit, QString& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return std::nullopt;
    }
    if (file.size() > limit) {
        problem = QStringLiteral("The file is larger than %1 MiB.").arg(limit / (1024 * 1024));
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew, or a device with no size, apart.
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        problem = QStringLiteral("The file is larger than %1 MiB.").arg(limit / (1024 * 1024));
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        problem = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool Runtime::writeFile(const QString& path, const QByteArray& bytes, QString& problem)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        problem = file.errorString();
        return false;
    }
    return true;
}
