// SPDX-License-Identifier: MIT
#pragma once

// The one place where the windows meet. Each window only signals what its user asked for; the
// feed opens the window asked for and carries a battle's figures between the trainer sheets, the
// main window, the Pokédex, Battle Turn and the Duel, so that no window needs to know another.

#include <QObject>

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

private:
    void connectWindowRequests(DamageWindow* main);
    void carryOutTeamCommand(DamageWindow* main, int trainer, TeamCommand command);
    void restoreSheets(DamageWindow* main);
    void useAsAttacker(TrainerSheet* sheet, int page);
    void useAsDefender(TrainerSheet* sheet, int page);
    void feedDuel(const battle::PageRecord& record, bool mine);

    Runtime& m_runtime;
    // The page last used as defender, for as long as the program runs.
    DefenderLink* m_defender;
};
