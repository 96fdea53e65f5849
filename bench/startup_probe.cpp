// SPDX-License-Identifier: MIT
// The program started exactly as main() starts it, with a probe that watches the paints of whole
// windows. It prints "first-paint <ns>" (steady clock) once the splash's first paint has
// returned; then, with "exit", it quits, and with "all-windows" it clicks the splash, opens every
// window the program knows by identity through the main window's Submenus menu and prints
// "vmhwm <kB>" (peak resident memory) once they have all painted, and quits. A window that no
// entry of that menu opens ends the probe with status 2, so none goes unmeasured.
//
// Usage: startup_probe exit|all-windows

#include "Report.h"
#include "app/Startup.h"
#include "runtime/QtRuntime.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

class StartupProbe final : public QObject {
public:
    StartupProbe(Runtime& runtime, bool openAll)
        : QObject(qApp), m_runtime(runtime), m_openAll(openAll)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_delivering || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !m_waiting.contains(window->objectName()))
            return false;
        // The figure is the moment the paint has returned, so deliver it first.
        m_delivering = true;
        QCoreApplication::sendEvent(watched, event);
        m_delivering = false;
        painted(window->objectName());
        return true;
    }

private:
    // As a user would: a click on the splash, then, with the main window up, each entry of the
    // Submenus menu.
    void painted(const QString& name)
    {
        m_waiting.remove(name);
        if (name == QLatin1String("frmSplash")) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("first-paint %lld\n",
                        static_cast<long long>(std::chrono::nanoseconds(now).count()));
            std::fflush(stdout);
            if (m_openAll) {
                m_waiting = {objectNameOf(WindowId::Main)};
                QTimer::singleShot(0, this, &StartupProbe::clickSplash);
            } else {
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        } else if (name == objectNameOf(WindowId::Main)) {
            for (const WindowId id : allWindowIds)
                if (id != WindowId::Splash && id != WindowId::Main)
                    m_waiting.insert(objectNameOf(id));
            QTimer::singleShot(0, this, &StartupProbe::openTools);
        } else if (m_waiting.isEmpty()) {
            std::printf("vmhwm %ld\n", bench::peakResidentKb());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

    void clickSplash()
    {
        QWidget* splash = m_runtime.openWindow(WindowId::Splash);
        const QPointF inside(10, 10);
        QMouseEvent press(QEvent::MouseButtonPress, inside, splash->mapToGlobal(inside),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(splash, &press);
    }

    // Each entry in turn until every window is open, so that an entry which opens none (the
    // Metronome) runs only when a window is still missing.
    void openTools()
    {
        const QWidget* main = m_runtime.openWindow(WindowId::Main);
        const auto* submenus = main->findChild<QMenu*>(QStringLiteral("mnuWin"));
        const auto missing = [this] {
            return std::find_if(allWindowIds.begin(), allWindowIds.end(), [this](WindowId id) {
                return id != WindowId::Splash && !m_runtime.openWindow(id);
            });
        };
        for (QAction* entry : submenus ? submenus->actions() : QList<QAction*>()) {
            if (missing() == allWindowIds.end())
                break;
            entry->trigger();
        }
        if (const auto unopened = missing(); unopened != allWindowIds.end()) {
            std::fprintf(stderr, "startup_probe: no Submenus entry opens %s\n",
                         qPrintable(objectNameOf(*unopened)));
            QCoreApplication::exit(2);
        }
    }

    Runtime& m_runtime;
    bool m_openAll;
    bool m_delivering = false;
    QSet<QString> m_waiting{objectNameOf(WindowId::Splash)};
};

} // namespace

int main(int argc, char* argv[])
{
    const bool openAll = argc > 1 && std::strcmp(argv[1], "all-windows") == 0;
    if (argc != 2 || (!openAll && std::strcmp(argv[1], "exit") != 0)) {
        std::fprintf(stderr, "usage: startup_probe exit|all-windows\n");
        return 2;
    }
    QApplication app(argc, argv);
    QtRuntime runtime;
    StartupProbe probe(runtime, openAll);
    const auto feed = startProgram(runtime);
    return QApplication::exec();
}
