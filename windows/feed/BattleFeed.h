// SPDX-License-Identifier: MIT
#pragma once

// The one place where the windows meet. Each window only signals what its user asked for; the
// feed opens the window asked for and carries a battle's figures between the trainer sheets, the
// main window, the Pokédex, Battle Turn and the Duel, and adds the Teams menu's save-file imports,
// so that no window needs to know another.

#include "battle/sheet/SheetRecord.h"

#include <QObject>
#include <QString>

#include <optional>

class AccuracyWindow;
class CriticalWindow;
class DamageWindow;
class DefenderLink;
class DexWindow;
class Runtime;
class SplashWindow;
class TrainerSheet;
class TurnWindow;
enum class TeamCommand;

namespace battle {
struct PageRecord;
}
namespace form {
class SideFields;
}

class BattleFeed : public QObject {
    Q_OBJECT

public:
    explicit BattleFeed(Runtime& runtime);
    ~BattleFeed() override;

    // Each window as its factory makes it, before it is shown.
    SplashWindow* connect(SplashWindow* splash);
    DamageWindow* connect(DamageWindow* main);
    TrainerSheet* connect(TrainerSheet* sheet);
    TurnWindow* connect(TurnWindow* turn);
    DexWindow* connect(DexWindow* dex);

    // What a sheet page hands a battle window (Battle Turn, the Duel): the species as their lists
    // spell it (empty when the page names none of the 151), the level when the page holds one the
    // game allows and, with that level, the DVs and stat experience the "Custom" preset stands
    // for when the page knows them.
    struct HandedPokemon {
        QString species;
        std::optional<int> level;
        std::optional<battle::game::Training> training;
    };
    static HandedPokemon handedOn(const battle::PageRecord& page);

private:
    void connectWindowRequests(DamageWindow* main);
    void addSaveFileImports(DamageWindow* main);
    void carryOutTeamCommand(DamageWindow* main, int trainer, TeamCommand command);
    void restoreSheets(DamageWindow* main);
    void useAsAttacker(TrainerSheet* sheet, int page);
    void useAsDefender(TrainerSheet* sheet, int page);
    void feedDuel(const battle::PageRecord& record, bool mine);

    // Whether a window takes a page's level without its DVs and stat experience.
    enum class LevelAlone { Kept, Taken };
    static void handOn(form::SideFields& side, const battle::PageRecord& page, LevelAlone level);

    Runtime& m_runtime;
    // The page last used as defender, for as long as the program runs.
    DefenderLink* m_defender;
};
