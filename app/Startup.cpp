// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include "runtime/Runtime.h"
#include "windows/accuracy/AccuracyWindow.h"
#include "windows/common/AppIcon.h"
#include "windows/common/Form.h"
#include "windows/critical/CriticalWindow.h"
#include "windows/damage/DamageWindow.h"
#include "windows/dex/DexWindow.h"
#include "windows/feed/BattleFeed.h"
#include "windows/duel/DuelWindow.h"
#include "windows/splash/SplashWindow.h"
#include "windows/trainer/TrainerSheet.h"
#include "windows/turn/TurnWindow.h"

#include <QApplication>
#include <QLocale>

std::unique_ptr<BattleFeed> registerWindows(Runtime& runtime)
{
    auto feed = std::make_unique<BattleFeed>(runtime);
    BattleFeed* wires = feed.get();
    runtime.registerWindow(WindowId::Splash, [wires] { return wires->connect(new SplashWindow); });
    runtime.registerWindow(WindowId::Main,
                           [&runtime, wires] { return wires->connect(new DamageWindow(runtime)); });
    runtime.registerWindow(WindowId::Accuracy, [&runtime] { return new AccuracyWindow(runtime); });
    runtime.registerWindow(WindowId::Critical, [&runtime] { return new CriticalWindow(runtime); });
    runtime.registerWindow(WindowId::Dex,
                           [&runtime, wires] { return wires->connect(new DexWindow(runtime)); });
    runtime.registerWindow(WindowId::Trainer1, [&runtime, wires] {
        return wires->connect(new TrainerSheet(runtime, Trainer::First));
    });
    runtime.registerWindow(WindowId::Trainer2, [&runtime, wires] {
        return wires->connect(new TrainerSheet(runtime, Trainer::Second));
    });
    runtime.registerWindow(WindowId::Turn,
                           [&runtime, wires] { return wires->connect(new TurnWindow(runtime)); });
    runtime.registerWindow(WindowId::Duel, [&runtime] { return new DuelWindow(runtime); });
    return feed;
}

void describeApplication()
{
    QApplication::setApplicationName(QStringLiteral("battle-tesh"));
    QApplication::setApplicationDisplayName(QStringLiteral("Battle Tesh"));
    // Both come from the build, which names the desktop file and the package after them too.
    QApplication::setApplicationVersion(QStringLiteral(BATTLE_TESH_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(BATTLE_TESH_APP_ID));
    QApplication::setWindowIcon(form::applicationIcon());
    // Also for what Qt builds itself (the notes boxes' documents, menus, message boxes): else it
    // loads the desktop's own font besides ours.
    QApplication::setFont(form::defaultFont());
    // Spin boxes and other Qt-drawn figures write numbers as the program reads them, full stop
    // and no grouping, whatever the desktop's language.
    QLocale::setDefault(QLocale::c());
}

std::unique_ptr<BattleFeed> startProgram(Runtime& runtime)
{
    describeApplication();
    std::unique_ptr<BattleFeed> feed = registerWindows(runtime);
    // The first copy to start keeps the sheets. The lock costs a few file operations, some ms
    // on a busy disc, so it is taken once the splash is up, still long before any sheet is kept.
    auto* splash = static_cast<SplashWindow*>(runtime.showWindow(WindowId::Splash));
    for (const auto signal : {&SplashWindow::pictureShown, &SplashWindow::finished})
        QObject::connect(splash, signal, splash, [&runtime] { runtime.holdsDataFolder(); });
    return feed;
}
