// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include "runtime/Runtime.h"
#include "windows/accuracy/AccuracyWindow.h"
#include "windows/common/AppIcon.h"
#include "windows/common/Form.h"
#include "windows/critical/CriticalWindow.h"
#include "windows/damage/DamageWindow.h"
#include "windows/dex/DexWindow.h"
#include "windows/splash/SplashWindow.h"
#include "windows/trainer/TrainerSheet.h"
#include "windows/turn/TurnWindow.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

QWidget* createDamageWindow(Runtime& runtime)
{
    auto* window = new DamageWindow(runtime);
    // "Pokémon Tracking" shows Trainer 1 first so that Trainer 2 ends up in front.
    QObject::connect(window, &DamageWindow::trackingRequested, window, [&runtime] {
        runtime.showWindow(QStringLiteral("Tab1"));
        runtime.showWindow(QStringLiteral("Tab2"));
    });
    QObject::connect(window, &DamageWindow::accuracyFinderRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("Acc")); });
    QObject::connect(window, &DamageWindow::criticalFinderRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("CH")); });
    QObject::connect(window, &DamageWindow::battleTurnRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("Turn")); });
    QObject::connect(window, &DamageWindow::dexRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("Dex")); });
    return window;
}

// The Pokédex writes into whichever main window is open when a Use button is pressed.
QWidget* createDexWindow(Runtime& runtime)
{
    auto* window = new DexWindow(runtime);
    const auto main = [&runtime] {
        return qobject_cast<DamageWindow*>(runtime.openWindow(QStringLiteral("FrmDamage")));
    };
    QObject::connect(
        window, &DexWindow::attackerChosen, window,
        [main](int level, int attack, int special, const QString& type1, const QString& type2) {
            if (DamageWindow* damage = main())
                damage->useAttacker(level, attack, special, type1, type2);
        });
    QObject::connect(
        window, &DexWindow::defenderChosen, window,
        [main](int hp, int defense, int special, const QString& type1, const QString& type2) {
            if (DamageWindow* damage = main())
                damage->useDefender(hp, defense, special, type1, type2);
        });
    return window;
}

constexpr const char* benchProbeVariable = "BATTLE_TESH_BENCH_PROBE";

// Peak resident memory in kB as the kernel counts it; -1 where there is no such count.
long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::stol(line.substr(6));
    }
    return -1;
}

// Watches the paints of whole windows for the start-up benchmark; see installBenchProbe.
class BenchProbe final : public QObject {
public:
    BenchProbe(Runtime& runtime, bool openAll)
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
                m_waiting = {QStringLiteral("FrmDamage")};
                QTimer::singleShot(0, this, &BenchProbe::clickSplash);
            } else if (qEnvironmentVariable(benchProbeVariable) == QLatin1String("exit")) {
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        } else if (name == QLatin1String("FrmDamage")) {
            m_waiting = {"Acc", "CH", "Tab1", "Tab2", "Dex", "Turn"};
            QTimer::singleShot(0, this, &BenchProbe::openTools);
        } else if (m_waiting.isEmpty()) {
            std::printf("vmhwm %ld\n", peakResidentKb());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

    void clickSplash()
    {
        QWidget* splash = m_runtime.openWindow(QStringLiteral("frmSplash"));
        const QPointF inside(10, 10);
        QMouseEvent press(QEvent::MouseButtonPress, inside, splash->mapToGlobal(inside),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(splash, &press);
    }

    void openTools()
    {
        QWidget* main = m_runtime.openWindow(QStringLiteral("FrmDamage"));
        for (const char* entry : {"mnuAcc", "mnuCH", "mnuPT", "mnuDex", "mnuTurn"})
            main->findChild<QAction*>(QLatin1String(entry))->trigger();
    }

    Runtime& m_runtime;
    bool m_openAll;
    bool m_delivering = false;
    QSet<QString> m_waiting{QStringLiteral("frmSplash")};
};

} // namespace

void registerWindows(Runtime& runtime)
{
    runtime.registerWindow(QStringLiteral("frmSplash"),
                           [&runtime] { return new SplashWindow(runtime); });
    runtime.registerWindow(QStringLiteral("FrmDamage"),
                           [&runtime] { return createDamageWindow(runtime); });
    runtime.registerWindow(QStringLiteral("Acc"),
                           [&runtime] { return new AccuracyWindow(runtime); });
    runtime.registerWindow(QStringLiteral("CH"),
                           [&runtime] { return new CriticalWindow(runtime); });
    runtime.registerWindow(QStringLiteral("Dex"), [&runtime] { return createDexWindow(runtime); });
    runtime.registerWindow(QStringLiteral("Tab1"),
                           [&runtime] { return new TrainerSheet(runtime, Trainer::First); });
    runtime.registerWindow(QStringLiteral("Tab2"),
                           [&runtime] { return new TrainerSheet(runtime, Trainer::Second); });
    runtime.registerWindow(QStringLiteral("Turn"), [&runtime] { return new TurnWindow(runtime); });
}

void describeApplication()
{
    QApplication::setApplicationName(QStringLiteral("battle-tesh"));
    QApplication::setApplicationDisplayName(QStringLiteral("Battle Tesh"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.battletesh.BattleTesh"));
    QApplication::setWindowIcon(form::applicationIcon());
    // Also for what Qt builds itself (the notes boxes' documents, menus, message boxes): else it
    // loads the desktop's own font besides ours.
    QApplication::setFont(form::defaultFont());
    // Spin boxes and other Qt-drawn figures write numbers as the program reads them, full stop
    // and no grouping, whatever the desktop's language.
    QLocale::setDefault(QLocale::c());
}

void installBenchProbe(Runtime& runtime)
{
    if (!qEnvironmentVariableIsSet(benchProbeVariable))
        return;
    new BenchProbe(runtime,
                   qEnvironmentVariable(benchProbeVariable) == QLatin1String("all-windows"));
}
