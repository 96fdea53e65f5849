// SPDX-License-Identifier: MIT
#include "app/Startup.h"

#include "battle/common/Conversions.h"
#include "battle/game/GameData.h"
#include "battle/sheet/SheetRecord.h"
#include "runtime/Runtime.h"
#include "windows/accuracy/AccuracyWindow.h"
#include "windows/common/AppIcon.h"
#include "windows/common/Form.h"
#include "windows/critical/CriticalWindow.h"
#include "windows/damage/DamageWindow.h"
#include "windows/dex/DexWindow.h"
#include "windows/duel/DuelWindow.h"
#include "windows/splash/SplashWindow.h"
#include "windows/trainer/DefenderLink.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TrainerSheet.h"
#include "windows/turn/TurnWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

#include <limits>

namespace {

SheetKeeper& showSheet(Runtime& runtime, int trainer)
{
    auto* sheet =
        static_cast<TrainerSheet*>(runtime.showWindow(QStringLiteral("Tab%1").arg(trainer)));
    return sheet->keeper();
}

// Opening and pasting show the sheet first, as Pokémon Tracking does, then fill it; saving and
// copying need a sheet that is open.
void carryOutTeamCommand(Runtime& runtime, QWidget* mainWindow, int trainer, TeamCommand command)
{
    const bool writesSheet = command == TeamCommand::Open || command == TeamCommand::PasteText;
    if (!writesSheet && !runtime.openWindow(QStringLiteral("Tab%1").arg(trainer))) {
        runtime.showMessage(mainWindow, QStringLiteral("Trainer %1's sheet is not open; open it "
                                                       "with Pokémon Tracking first.")
                                            .arg(trainer));
        return;
    }
    SheetKeeper& keeper = showSheet(runtime, trainer);
    switch (command) {
    case TeamCommand::Open:
        keeper.openFile();
        break;
    case TeamCommand::SaveAs:
        keeper.saveFileAs();
        break;
    case TeamCommand::PasteText:
        keeper.pasteTeamText();
        break;
    case TeamCommand::CopyText:
        keeper.copyTeamText();
        break;
    }
}

void restoreSheets(Runtime& runtime, QWidget* mainWindow)
{
    bool restored = false;
    for (int trainer = 1; trainer <= 2; ++trainer) {
        if (QFileInfo::exists(SheetKeeper::autosavePath(runtime, trainer)))
            restored = showSheet(runtime, trainer).restoreAutosave() || restored;
    }
    if (!restored)
        runtime.showMessage(mainWindow, QStringLiteral("No sheet has been kept yet."));
}

DamageWindow* openMain(Runtime& runtime)
{
    return qobject_cast<DamageWindow*>(runtime.openWindow(QStringLiteral("FrmDamage")));
}

TurnWindow* openTurn(Runtime& runtime)
{
    return qobject_cast<TurnWindow*>(runtime.openWindow(QStringLiteral("Turn")));
}

// The page last used as defender is the main window's to remember: it lives as long as the program.
DefenderLink* defenderLink(Runtime& runtime)
{
    DamageWindow* main = openMain(runtime);
    return main ? main->findChild<DefenderLink*>() : nullptr;
}

// The species as Battle Turn's lists spell it, when the page names one of the 151.
QString turnSpecies(const battle::PageRecord& page)
{
    const battle::game::Species* species = battle::game::findSpeciesLoosely(page.species);
    return species ? form::fromStd(battle::game::programNameOf(*species)) : QString();
}

std::optional<int> pageHp(const battle::PageRecord& page)
{
    const std::optional<double> hp = battle::textToNumber(page.hp);
    if (hp && *hp >= 0 && *hp <= std::numeric_limits<int>::max())
        return static_cast<int>(*hp);
    return std::nullopt;
}

// An open Duel takes a page as its own side (Mine) or the foe's: species and current HP.
void feedDuel(Runtime& runtime, const battle::PageRecord& record, bool mine)
{
    auto* duel = qobject_cast<DuelWindow*>(runtime.openWindow(QStringLiteral("Duel")));
    if (!duel)
        return;
    if (const QString species = turnSpecies(record); !species.isEmpty())
        mine ? duel->setMineSpecies(species) : duel->setFoeSpecies(species);
    if (const auto hp = pageHp(record))
        mine ? duel->setMineHp(*hp) : duel->setFoeHp(*hp);
}

// A page feeds the main window's figures and Battle Turn's species and current HP; what the
// page leaves empty stays as it is.
void useAsAttacker(Runtime& runtime, TrainerSheet* sheet, int page)
{
    const battle::PageRecord record = sheet->pageRecord(page);
    if (DamageWindow* main = openMain(runtime))
        main->useSheetAttacker(record);
    if (TurnWindow* turn = openTurn(runtime); turn && !turnSpecies(record).isEmpty())
        turn->setAttackerSpecies(turnSpecies(record));
    feedDuel(runtime, record, true);
}

void useAsDefender(Runtime& runtime, TrainerSheet* sheet, int page)
{
    const battle::PageRecord record = sheet->pageRecord(page);
    if (DefenderLink* link = defenderLink(runtime))
        link->remember(sheet, page);
    if (DamageWindow* main = openMain(runtime))
        main->useSheetDefender(record);
    if (TurnWindow* turn = openTurn(runtime)) {
        if (!turnSpecies(record).isEmpty())
            turn->setDefenderSpecies(turnSpecies(record));
        const std::optional<double> hp = battle::textToNumber(record.hp);
        if (hp && *hp >= 0 && *hp <= std::numeric_limits<int>::max())
            turn->setDefenderHp(static_cast<int>(*hp));
    }
    feedDuel(runtime, record, false);
}

QWidget* createSheet(Runtime& runtime, Trainer trainer)
{
    auto* sheet = new TrainerSheet(runtime, trainer);
    QObject::connect(sheet, &TrainerSheet::usedAsAttacker, sheet,
                     [&runtime, sheet](int page) { useAsAttacker(runtime, sheet, page); });
    QObject::connect(sheet, &TrainerSheet::usedAsDefender, sheet,
                     [&runtime, sheet](int page) { useAsDefender(runtime, sheet, page); });
    return sheet;
}

QWidget* createTurnWindow(Runtime& runtime)
{
    auto* window = new TurnWindow(runtime);
    QObject::connect(window, &TurnWindow::damageApplied, window, [&runtime, window](int damage) {
        if (DefenderLink* link = defenderLink(runtime))
            link->applyDamage(damage, window);
    });
    return window;
}

QWidget* createDamageWindow(Runtime& runtime)
{
    auto* window = new DamageWindow(runtime);
    auto* link = new DefenderLink(runtime, window);
    QObject::connect(window, &DamageWindow::statusApplied, link,
                     [link, window](const QString& status) { link->applyStatus(status, window); });
    QObject::connect(window, &DamageWindow::metronomeChoseAttack, window,
                     [&runtime](const QString& attack) {
                         if (TurnWindow* turn = openTurn(runtime))
                             turn->setMove(attack);
                     });
    // "Pokémon Tracking" shows Trainer 1 first so that Trainer 2 ends up in front.
    QObject::connect(window, &DamageWindow::trackingRequested, window, [&runtime] {
        runtime.showWindow(QStringLiteral("Tab1"));
        runtime.showWindow(QStringLiteral("Tab2"));
    });
    QObject::connect(window, &DamageWindow::accuracyFinderRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("Acc")); });
    QObject::connect(window, &DamageWindow::criticalFinderRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("CH")); });
    QObject::connect(window, &DamageWindow::teamCommandRequested, window,
                     [&runtime, window](int trainer, TeamCommand command) {
                         carryOutTeamCommand(runtime, window, trainer, command);
                     });
    QObject::connect(window, &DamageWindow::restoreSheetsRequested, window,
                     [&runtime, window] { restoreSheets(runtime, window); });
    QObject::connect(window, &DamageWindow::battleTurnRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("Turn")); });
    QObject::connect(window, &DamageWindow::duelRequested, window,
                     [&runtime] { runtime.showWindow(QStringLiteral("Duel")); });
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
                           [&runtime] { return createSheet(runtime, Trainer::First); });
    runtime.registerWindow(QStringLiteral("Tab2"),
                           [&runtime] { return createSheet(runtime, Trainer::Second); });
    runtime.registerWindow(QStringLiteral("Turn"),
                           [&runtime] { return createTurnWindow(runtime); });
    runtime.registerWindow(QStringLiteral("Duel"), [&runtime] { return new DuelWindow(runtime); });
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

void startProgram(Runtime& runtime)
{
    describeApplication();
    registerWindows(runtime);
    runtime.showWindow(QStringLiteral("frmSplash"));
}
