// SPDX-License-Identifier: MIT
#pragma once

// What every timing of the bench shares: the program as main() starts it with the real runtime,
// a clock, a watch on first paints, and user input sent as the window system would send it.

#include "app/Startup.h"
#include "runtime/QtRuntime.h"
#include "windows/feed/BattleFeed.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHash>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bench {

inline constexpr int handlerRepeats = 1000;
inline constexpr int paintTimeoutMs = 5000;
inline constexpr int settleMs = 150;

// Started once a process, before Qt.
extern QElapsedTimer benchClock;

double msSince(qint64 startNs, qint64 endNs);
[[noreturn]] void giveUp(const QString& why);

// Notes when each awaited window has been painted: the end of the first paint pass (its
// window's expose or update request) in which any of its widgets painted.
class PaintWatch final : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }

    void expect(const QString& window)
    {
        m_awaited.insert(window);
        m_paintedAt.remove(window);
        m_sawPaint.remove(window);
    }
    bool painted(const QString& window) const { return m_paintedAt.contains(window); }
    qint64 paintedAt(const QString& window) const { return m_paintedAt.value(window); }

    // A paint outside any pass seen here ends, at the latest, when the event loop returns.
    void closeStrayPasses()
    {
        const QSet<QString> open = m_sawPaint;
        for (const QString& window : open)
            finish(window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            notePaint(watched);
            return false;
        case QEvent::Expose:
        case QEvent::UpdateRequest:
            return deliverPass(watched, event);
        default:
            return false;
        }
    }

private:
    static QWidget* windowOf(QObject* watched)
    {
        if (watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            return widget->isWindow() ? widget : nullptr;
        }
        if (watched->isWindowType()) {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->windowHandle() == watched)
                    return widget;
            }
        }
        return nullptr;
    }

    void notePaint(QObject* watched)
    {
        if (!watched->isWidgetType())
            return;
        const QString window = static_cast<QWidget*>(watched)->window()->objectName();
        if (m_awaited.contains(window))
            m_sawPaint.insert(window);
    }

    bool deliverPass(QObject* watched, QEvent* event)
    {
        const QWidget* window = windowOf(watched);
        if (!window || m_delivering.contains(watched) || !m_awaited.contains(window->objectName()))
            return false;
        const QString name = window->objectName();
        // Deliver the pass here, so that its end can be timed.
        m_delivering.insert(watched);
        QCoreApplication::sendEvent(watched, event);
        m_delivering.remove(watched);
        if (m_sawPaint.contains(name))
            finish(name);
        return true;
    }

    void finish(const QString& window)
    {
        m_paintedAt.insert(window, benchClock.nsecsElapsed());
        m_awaited.remove(window);
        m_sawPaint.remove(window);
    }

    QSet<QString> m_awaited;
    QSet<QString> m_sawPaint;
    QSet<QObject*> m_delivering;
    QHash<QString, qint64> m_paintedAt;
};

// The real runtime's message box would wait for a user: close any modal box at once and count
// it, so that the run reports it instead of hanging.
class ModalGuard final : public QObject {
public:
    ModalGuard()
    {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &ModalGuard::closeModal);
        timer->start(100);
    }
    int boxesSeen() const { return m_seen; }

private:
    void closeModal()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++m_seen;
            modal->close();
        }
    }

    int m_seen = 0;
};

// The program as main() starts it, with what the bench watches it by. Needs the application.
struct Program {
    Program()
    {
        describeApplication();
        feed = registerWindows(runtime);
    }

    QtRuntime runtime;
    std::unique_ptr<BattleFeed> feed;
    PaintWatch watch;
    ModalGuard guard;
};

// Lets queued paints and timers run for a moment, as between two user actions.
void settle();
// Processes events until every window named has been painted; the last one's time.
qint64 waitUntilPainted(PaintWatch& watch, const QStringList& windows);

template <typename T> T* find(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        giveUp(QStringLiteral("no %1 in %2").arg(QLatin1String(name), window->objectName()));
    return found;
}

// A left click at (10, 10), press and release.
void click(QWidget* target);
void typeKey(QWidget* target, Qt::Key key, const QString& text);

// Runs the handler's trigger many times, letting the window repaint untimed in between.
std::vector<double> timeHandler(const std::function<void(int)>& trigger);

// Stop the run when a timed action did not do what it should have.
void expectText(const QString& actual, const QString& expected, const char* what);
void expectFilled(const QString& actual, const char* what);

} // namespace bench
