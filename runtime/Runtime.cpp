// SPDX-License-Identifier: MIT
#include "runtime/Runtime.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Runtime::~Runtime()
{
    m_closing = true;
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
    // Opened without waiting, so a named pipe or a device cannot hang the program; only a regular
    // file is read.
    const int handle =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (handle < 0 || ::fstat(handle, &status) != 0) {
        problem = QString::fromLocal8Bit(std::strerror(errno)) + QLatin1Char('.');
        if (handle >= 0)
            ::close(handle);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(handle);
        problem = QStringLiteral("It is not a regular file.");
        return std::nullopt;
    }
    const QString tooLarge =
        QStringLiteral("The file is larger than %1 MiB.").arg(limit / (1024 * 1024));
    QFile file;
    if (status.st_size > limit || !file.open(handle, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        problem = status.st_size > limit ? tooLarge : file.errorString();
        ::close(handle);
        return std::nullopt;
    }
    // One byte more than allowed tells a file that grew apart.
    QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit) {
        problem = tooLarge;
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
    // Unbuffered and flushed, so a full disk fails the write itself: commit() alone would miss an
    // error of its last buffered flush and rename a cut file into place.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    // A short write is tried again for the rest, which fails with the system's reason.
    for (qint64 done = 0, step = 0; written && done < bytes.size(); done += step) {
        step = file.write(bytes.constData() + done, bytes.size() - done);
        written = step > 0;
    }
    if (!written || !file.flush() || !file.commit()) {
        problem = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool Runtime::holdsDataFolder()
{
    // Closing, the derived runtime and its data folder are gone: only a lock already held counts.
    if (!m_folderLock && m_closing)
        return false;
    if (!m_folderLock) {
        m_folderLock = std::make_unique<QLockFile>(
            QDir(dataFolder()).filePath(QStringLiteral("battle-tesh.lock")));
        // Held for as long as the program runs; a copy that died leaves a lock its PID disowns.
        m_folderLock->setStaleLockTime(0);
        m_folderLock->tryLock(0);
    }
    return m_folderLock->isLocked();
}
