// SPDX-License-Identifier: MIT
#include "Duels.h"

#include "BenchProgram.h"
#include "Report.h"
#include "battle/game/Duel.h"
#include "battle/game/GameStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <vector>

namespace bench {
namespace {

// Both sides at full HP on the maximum preset.
struct DuelCase {
    const char* mine;
    const char* mineMove;
    const char* foe;
    const char* foeMove;
};

// clang-format off
constexpr DuelCase levelFiftyDuels[] = {
    {"Tauros",    "Body Slam",    "Snorlax",   "Body Slam"},
    {"Snorlax",   "Hyper Beam",   "Tauros",    "Hyper Beam"},
    {"Tauros",    "Double-Edge",  "Dragonite", "Hyper Beam"},
    {"Golem",     "Explosion",    "Alakazam",  "Psychic"},
    {"Electrode", "Explosion",    "Jolteon",   "Thunderbolt"},
    {"Charizard", "Flamethrower", "Snorlax",   "Body Slam"},
    {"Arcanine",  "Flamethrower", "Tauros",    "Body Slam"},
    {"Raichu",    "Thunderbolt",  "Snorlax",   "Body Slam"},
    {"Muk",       "Sludge",       "Snorlax",   "Body Slam"},
    {"Jynx",      "Ice Beam",     "Alakazam",  "Seismic Toss"},
    {"Pinsir",    "Slash",        "Scyther",   "Slash"},
    {"Venusaur",  "Mega Drain",   "Tauros",    "Body Slam"},
    {"Starmie",   "Surf",         "Rhydon",    "Earthquake"},
    {"Gengar",    "Night Shade",  "Chansey",   "Seismic Toss"},
    {"Lapras",    "Blizzard",     "Zapdos",    "Thunder"},
    {"Exeggutor", "Mega Drain",   "Golem",     "Rock Slide"},
    {"Persian",   "Slash",        "Dugtrio",   "Earthquake"},
    {"Nidoking",  "Thunderbolt",  "Cloyster",  "Blizzard"},
    {"Mewtwo",    "Psychic",      "Mew",       "Psychic"},
    {"Chansey",   "Ice Beam",     "Snorlax",   "Body Slam"},
};
// From "Double-Edge" on: the slowest of 1,156 pairings of 34 damaging moves, Chansey against
// Chansey, in two scans: long duels whose HPs spread wide (drain and recoil beside burns,
// paralysis on both sides, Psywave's hundred and fifty amounts).
constexpr DuelCase levelHundredDuels[] = {
    {"Chansey",   "Pound",        "Chansey",   "Pound"},
    {"Chansey",   "Seismic Toss", "Chansey",   "Seismic Toss"},
    {"Chansey",   "Ice Beam",     "Chansey",   "Thunderbolt"},
    {"Chansey",   "Body Slam",    "Chansey",   "Thunderbolt"},
    {"Chansey",   "Psywave",      "Chansey",   "Super Fang"},
    {"Chansey",   "Double-Edge",  "Chansey",   "Body Slam"},
    {"Chansey",   "Mega Drain",   "Chansey",   "Mega Drain"},
    {"Chansey",   "Fire Blast",   "Chansey",   "Psywave"},
    {"Chansey",   "Fire Blast",   "Chansey",   "Fire Blast"},
    {"Chansey",   "Take Down",    "Chansey",   "Fire Blast"},
    {"Chansey",   "Submission",   "Chansey",   "Fire Blast"},
    {"Chansey",   "Thunder Shock", "Chansey",  "Thunder Shock"},
    {"Chansey",   "Thunderbolt",  "Chansey",   "Thunder Shock"},
    {"Chansey",   "Mega Drain",   "Chansey",   "Fire Blast"},
};
// clang-format on

battle::game::DuelSide duelSide(const char* species, const char* move, int level)
{
    using namespace battle::game;
    DuelSide side;
    side.fighter.species = findSpecies(species);
    side.move = findMove(move);
    if (!side.fighter.species || !side.move)
        giveUp(QStringLiteral("no species %1 or move %2").arg(species, move));
    const Training training = *presetTraining(Preset::Maximum);
    side.fighter.level = level;
    side.fighter.stats =
        computeStats(side.fighter.species->base, training.dvs, training.statExp, level);
    side.hp = side.fighter.stats.hp;
    return side;
}

std::vector<double> timeDuels(std::span<const DuelCase> duels, int level)
{
    std::vector<double> samples;
    for (const DuelCase& c : duels) {
        const battle::game::DuelInputs inputs{duelSide(c.mine, c.mineMove, level),
                                              duelSide(c.foe, c.foeMove, level)};
        const qint64 start = benchClock.nsecsElapsed();
        const battle::game::DuelResult result = battle::game::computeDuel(inputs);
        samples.push_back(msSince(start, benchClock.nsecsElapsed()));
        if (std::abs(result.won + result.lost + result.drawn + result.undecided - 1) > 1e-9)
            giveUp(QStringLiteral("the duel %1 against %2 does not add up").arg(c.mine, c.foe));
    }
    return samples;
}

std::string listed(const std::vector<double>& samples)
{
    std::string text;
    for (const double sample : samples)
        text += format(" %.1f", sample);
    return text;
}

} // namespace

bool timeAndReportDuels()
{
    const std::vector<double> duels = timeDuels(levelFiftyDuels, 50);
    const std::vector<double> slowDuels = timeDuels(levelHundredDuels, 100);
    std::printf("  Duels at level 50:                 %s\n", listed(duels).c_str());
    std::printf("  Duels at level 100 (Chansey):      %s\n", listed(slowDuels).c_str());
    const double median = bench::median(duels);
    bool held = reportAgainstBound("Duel: 20 level-50 duels computed", format("%.2f ms", median),
                                   median, duelBoundMs, "ms");
    const double slowest = *std::max_element(slowDuels.begin(), slowDuels.end());
    held &= reportAgainstBound("Duel: slowest level-100 duel computed", format("%.1f ms", slowest),
                               slowest, slowDuelBoundMs, "ms");
    return held;
}

} // namespace bench
