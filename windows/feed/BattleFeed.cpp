// SPDX-License-Identifier: MIT
#include "windows/feed/BattleFeed.h"

#include "battle/common/Conversions.h"
#include "battle/game/GameData.h"
#include "battle/sheet/SheetRecord.h"
#include "runtime/Runtime.h"
#include "windows/common/Form.h"
#include "windows/common/GameFields.h"
#include "windows/damage/DamageWindow.h"
#include "windows/dex/DexWindow.h"
#include "windows/duel/DuelWindow.h"
#include "windows/feed/DefenderLink.h"
#include "windows/splash/SplashWindow.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TrainerSheet.h"
#include "windows/turn/TurnWindow.h"

#include <QAction>
#include <QMenu>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

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

// The page's level, when it holds one the game allows.
std::optional<int> pageLevel(const battle::PageRecord& page)
{
    const std::optional<double> level = battle::textToNumber(page.level);
    if (!level || *level != std::floor(*level) || *level < battle::game::minLevel ||
        *level > battle::game::maxLevel)
        return std::nullopt;
    return static_cast<int>(*level);
}

} // namespace

BattleFeed::BattleFeed(Runtime& runtime)
    : m_runtime(runtime), m_defender(new DefenderLink(runtime, this))
{
}

BattleFeed::~BattleFeed() = default;

SplashWindow* BattleFeed::connect(SplashWindow* splash)
{
    QObject::connect(splash, &SplashWindow::finished, this, [this] {
        m_runtime.showWindow(WindowId::Main);
        m_runtime.unloadWindow(WindowId::Splash);
    });
    return splash;
}

DamageWindow* BattleFeed::connect(DamageWindow* main)
{
    connectWindowRequests(main);
    QObject::connect(main, &DamageWindow::statusApplied, this, [this, main](const QString& status) {
        m_defender->applyStatus(status, main);
    });
    QObject::connect(main, &DamageWindow::metronomeChoseAttack, this,
                     [this](const QString& attack) {
                         if (auto* turn = m_runtime.openWindowAs<TurnWindow>(WindowId::Turn))
                             turn->setMove(attack);
                     });
    addSaveFileImports(main);
    QObject::connect(main, &DamageWindow::teamCommandRequested, this,
                     [this, main](int trainer, TeamCommand command) {
                         carryOutTeamCommand(main, trainer, command);
                     });
    QObject::connect(main, &DamageWindow::restoreSheetsRequested, this,
                     [this, main] { restoreSheets(main); });
    return main;
}

void BattleFeed::connectWindowRequests(DamageWindow* main)
{
    // "Pokémon Tracking" shows Trainer 1 first so that Trainer 2 ends up in front.
    QObject::connect(main, &DamageWindow::trackingRequested, this, [this] {
        m_runtime.showWindow(WindowId::Trainer1);
        m_runtime.showWindow(WindowId::Trainer2);
    });
    const auto opens = [this](WindowId id) { return [this, id] { m_runtime.showWindow(id); }; };
    QObject::connect(main, &DamageWindow::accuracyFinderRequested, this, opens(WindowId::Accuracy));
    QObject::connect(main, &DamageWindow::criticalFinderRequested, this, opens(WindowId::Critical));
    QObject::connect(main, &DamageWindow::battleTurnRequested, this, opens(WindowId::Turn));
    QObject::connect(main, &DamageWindow::duelRequested, this, opens(WindowId::Duel));
    QObject::connect(main, &DamageWindow::dexRequested, this, opens(WindowId::Dex));
}

TrainerSheet* BattleFeed::connect(TrainerSheet* sheet)
{
    QObject::connect(sheet, &TrainerSheet::usedAsAttacker, this,
                     [this, sheet](int page) { useAsAttacker(sheet, page); });
    QObject::connect(sheet, &TrainerSheet::usedAsDefender, this,
                     [this, sheet](int page) { useAsDefender(sheet, page); });
    return sheet;
}

TurnWindow* BattleFeed::connect(TurnWindow* turn)
{
    QObject::connect(turn, &TurnWindow::damageApplied, this,
                     [this, turn](int damage) { m_defender->applyDamage(damage, turn); });
    return turn;
}

// The Pokédex writes into whichever main window is open when a Use button is pressed.
DexWindow* BattleFeed::connect(DexWindow* dex)
{
    QObject::connect(
        dex, &DexWindow::attackerChosen, this,
        [this](int level, int attack, int special, const QString& type1, const QString& type2) {
            if (auto* main = m_runtime.openWindowAs<DamageWindow>(WindowId::Main))
                main->useAttacker(level, attack, special, type1, type2);
        });
    QObject::connect(
        dex, &DexWindow::defenderChosen, this,
        [this](int hp, int defense, int special, const QString& type1, const QString& type2) {
            if (auto* main = m_runtime.openWindowAs<DamageWindow>(WindowId::Main))
                main->useDefender(hp, defense, special, type1, type2);
        });
    return dex;
}

// Opening and pasting show the sheet first, as Pokémon Tracking does, then fill it; saving and
// copying need a sheet that is open.
void BattleFeed::carryOutTeamCommand(DamageWindow* main, int trainer, TeamCommand command)
{
    const WindowId id = trainerSheetId(trainer);
    const bool writesSheet = command == TeamCommand::Open || command == TeamCommand::PasteText;
    if (!writesSheet && !m_runtime.openWindow(id)) {
        m_runtime.showMessage(main, tr("Trainer %1's sheet is not open; open it "
                                       "with Pokémon Tracking first.")
                                        .arg(trainer));
        return;
    }
    auto* sheet = m_runtime.showWindowAs<TrainerSheet>(id);
    if (!sheet)
        return;
    SheetKeeper& keeper = sheet->keeper();
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

// Each trainer's import from a save file joins the Teams menu after that trainer's team text
// entries; like Open, it shows the sheet first, then fills it.
void BattleFeed::addSaveFileImports(DamageWindow* main)
{
    auto* teams = main->findChild<QMenu*>(QStringLiteral("mnuTeams"));
    if (!teams)
        return;
    for (int trainer = 1; trainer <= 2; ++trainer) {
        auto* action = new QAction(tr("Import Trainer %1 from Save File…").arg(trainer), teams);
        action->setObjectName(QStringLiteral("mnuSaveFile%1").arg(trainer));
        const QList<QAction*> items = teams->actions();
        const QString exportName = QStringLiteral("mnuExport%1").arg(trainer);
        const auto after = std::find_if(items.begin(), items.end(), [&](QAction* item) {
            return item->objectName() == exportName;
        });
        teams->insertAction(
            after != items.end() && after + 1 != items.end() ? *(after + 1) : nullptr, action);
        QObject::connect(action, &QAction::triggered, this, [this, trainer] {
            if (auto* sheet = m_runtime.showWindowAs<TrainerSheet>(trainerSheetId(trainer)))
                sheet->keeper().importSaveFile();
        });
    }
}

void BattleFeed::restoreSheets(DamageWindow* main)
{
    bool restored = false;
    for (int trainer = 1; trainer <= 2; ++trainer) {
        if (!SheetKeeper::hasKept(m_runtime, trainer))
            continue;
        if (auto* sheet = m_runtime.showWindowAs<TrainerSheet>(trainerSheetId(trainer)))
            restored = sheet->keeper().restoreAutosave() || restored;
    }
    if (!restored)
        m_runtime.showMessage(main, tr("No sheet has been kept yet."));
}

// A page feeds the main window's figures and Battle Turn's and the Duel's Pokémon and current HP;
// what the page leaves empty stays as it is.
void BattleFeed::useAsAttacker(TrainerSheet* sheet, int page)
{
    const battle::PageRecord record = sheet->pageRecord(page);
    if (auto* main = m_runtime.openWindowAs<DamageWindow>(WindowId::Main))
        main->useSheetAttacker(record);
    if (auto* turn = m_runtime.openWindowAs<TurnWindow>(WindowId::Turn))
        handOn(turn->attacker(), record, LevelAlone::Kept);
    feedDuel(record, true);
}

BattleFeed::HandedPokemon BattleFeed::handedOn(const battle::PageRecord& page)
{
    HandedPokemon handed{turnSpecies(page), pageLevel(page), std::nullopt};
    if (handed.level)
        handed.training = page.training;
    return handed;
}

// A page known exactly goes on as the "Custom" preset; any other by its species alone, and its
// level where the window takes that alone.
void BattleFeed::handOn(form::SideFields& side, const battle::PageRecord& page, LevelAlone level)
{
    const HandedPokemon handed = handedOn(page);
    if (handed.species.isEmpty())
        return;
    const bool withLevel = handed.training || level == LevelAlone::Taken;
    side.hand(handed.species, withLevel ? handed.level : std::nullopt, handed.training);
}

void BattleFeed::useAsDefender(TrainerSheet* sheet, int page)
{
    const battle::PageRecord record = sheet->pageRecord(page);
    m_defender->remember(sheet, page);
    if (auto* main = m_runtime.openWindowAs<DamageWindow>(WindowId::Main))
        main->useSheetDefender(record);
    if (auto* turn = m_runtime.openWindowAs<TurnWindow>(WindowId::Turn)) {
        handOn(turn->defender(), record, LevelAlone::Kept);
        if (const std::optional<int> hp = pageHp(record))
            turn->defender().setHp(*hp);
    }
    feedDuel(record, false);
}

// An open Duel takes a page as its own side (Mine) or the foe's: the Pokémon as exactly as the
// page knows it, and its current HP.
void BattleFeed::feedDuel(const battle::PageRecord& record, bool mine)
{
    auto* duel = m_runtime.openWindowAs<DuelWindow>(WindowId::Duel);
    if (!duel)
        return;
    form::SideFields& side = mine ? duel->mine() : duel->foe();
    handOn(side, record, LevelAlone::Taken);
    if (const std::optional<int> hp = pageHp(record))
        side.setHp(*hp);
}
