// SPDX-License-Identifier: MIT
#pragma once

// One use of a move as the first-generation games compute it: whether it hits, whether it is a
// critical hit, the damage of every roll and the chance that a few uses faint the defender. The
// Battle Turn window shows these; the classic windows keep the program's own figures.

#include "battle/common/Draw.h"
#include "battle/game/GameData.h"
#include "battle/game/GameStats.h"

#include <array>
#include <string>
#include <vector>

namespace battle::game {

// One side of the turn: species, level and its stats before any stage (GameStats' figures).
struct Fighter {
    const Species* species = nullptr;
    int level = 1;
    Stats stats;
};

struct TurnInputs {
    Fighter attacker;
    Fighter defender;
    const Move* move = nullptr;
    int attackerStage = 0; // of the stat the move attacks with, -6…+6
    int defenderStage = 0; // of the stat the move meets
    int accuracyStage = 0;
    int evasionStage = 0;
    bool burned = false;
    bool screen = false; // Reflect or Light Screen, whichever the move's class meets
    int defenderHp = 1;  // current HP
    // Only one-hit KO moves look at Speed: the in-battle figures decide whether they can hit.
    int attackerSpeedStage = 0;
    int defenderSpeedStage = 0;
    bool attackerParalyzed = false; // quarters Speed
    bool defenderParalyzed = false;
};

// Chances out of 256 are exact: the games roll a byte against them.
inline constexpr int byteOutcomes = 256;

struct TurnFigures {
    bool damaging = false; // false: the move deals no damage at all
    // One strike's equally likely amounts, ascending. Empty for a damaging move whose types bring
    // the damage to 0 or meet an immune defender: the game counts that as a miss.
    std::vector<int> normalRolls;
    std::vector<int> criticalRolls; // the same for a critical hit
    int minStrikes = 1;             // strikes per use: 1, 2, or 2…5
    int maxStrikes = 1;
    int hitIn256 = 0;
    int criticalIn256 = 0;
    std::array<double, 4> koWithin{}; // chance to faint the defender within 1, 2, 3, 4 uses
};

TurnFigures computeTurn(const TurnInputs& inputs);

// How many strikes one use makes, with their chances in eighths (2–5 strikes: 3, 3, 1, 1).
struct StrikeChance {
    int count;
    int eighths;
};
std::vector<StrikeChance> strikeChances(const Move& move);

// Out of 256. One-hit KO moves miss a defender faster in battle; Swift never misses (256).
int hitChanceIn256(const TurnInputs& inputs);
// Out of 256, from the species' base Speed; none where a critical hit changes nothing.
int criticalChanceIn256(const Species& attacker, const Move& move);

// NoEffect: the hit met an immunity or types took all its damage, which the game counts a miss.
enum class Result { Missed, Hit, CriticalHit, NoDamage, NoEffect };

struct TurnOutcome {
    Result result = Result::Missed;
    int strikes = 0;
    int damage = 0; // all strikes together
};

// A rolled use takes four draws, always in this order whatever they decide: the hit, the
// critical hit, the damage roll, the number of strikes.
inline constexpr int drawsPerTurn = 4;
TurnOutcome rollTurn(const TurnInputs& inputs, const TurnFigures& figures, const DrawSource& draw);

// The Speed a one-hit KO move compares: its stage, then paralysis.
int battleSpeed(int speed, int stage, bool paralyzed);

// The texts the window shows. No chance short of certain shows as 0 or 100 %.
std::string chanceText(int in256);                                 // "99.6 % (255/256)"
std::string probabilityText(double chance);                        // "> 99.9 %", "12.5 %"
std::string rollsText(const std::vector<int>& rolls);              // "84, 85, 85, …"
std::string hitText(const TurnFigures& figures, bool critical);    // the rolls, or why none
std::string rangeText(const TurnFigures& figures, int defenderHp); // "84–99 (27.2–32.0 %)"
std::string koText(const TurnFigures& figures);                    // "1: 0.0 %, 2: 12.5 %, …"
std::string outcomeText(const TurnOutcome& outcome);
inline constexpr std::string_view noDamageText = "No damage";
inline constexpr std::string_view noEffectText = "No effect";

} // namespace battle::game
