// SPDX-License-Identifier: MIT
// Start-up: the splash is the only window opened here; it hands over to the main window, whose
// menu opens the other tools.

#include "runtime/QtRuntime.h"
#include "windows/damage/DamageWindow.h"
#include "windows/splash/SplashWindow.h"

#include <QApplication>

namespace {

QWidget* createDamageWindow(QtRuntime& runtime)
{
    auto* window = new DamageWindow(runtime);
    QObject::connect(window, &DamageWindow::trackingRequested, window, [&runtime] {
        runtime.showWindow(QStringLiteral("Tab1"));
        runtime.showWindow(QStringLiteral("Tab2"));
    });
    QObject::connect(window, &DamageWindow::accuracyFinderRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("Acc")); });
    QObject::connect(window, &DamageWindow::criticalFinderRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("CH")); });
    return window;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("battle-tesh"));
    QApplication::setApplicationDisplayName(QStringLiteral("Battle Tesh"));

    QtRuntime runtime;
    runtime.registerWindow(QStringLiteral("frmSplash"),
                           [&runtime] { return new SplashWindow(runtime); });
    runtime.registerWindow(QStringLiteral("FrmDamage"),
                           [&runtime] { return createDamageWindow(runtime); });
    runtime.showWindow(QStringLiteral("frmSplash"));
    return QApplication::exec();
}
