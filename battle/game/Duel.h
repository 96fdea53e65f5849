// SPDX-License-Identifier: MIT
#pragma once

// Two Pokémon attacking each other turn after turn with one chosen move each, as the
// first-generation games play it, until one faints: the exact chances of winning, losing, both
// fainting in one turn, or no end within a hundred turns. Every use goes through GameTurn's rules;
// this file adds the order of the turn, statuses, residual damage and the moves' own effects.

#include "battle/game/GameTurn.h"

#include <stop_token>
#include <string>
#include <vector>

namespace battle::game {

enum class Status : std::uint8_t { None, Paralyzed, Burned, Poisoned, BadlyPoisoned, Frozen };
inline constexpr Status allStatuses[] = {Status::None,     Status::Paralyzed,     Status::Burned,
                                         Status::Poisoned, Status::BadlyPoisoned, Status::Frozen};
std::string_view statusName(Status status);

struct DuelSide {
    Fighter fighter; // stats.hp is the maximum HP
    int hp = 1;      // current HP
    Status status = Status::None;
    const Move* move = nullptr;
    int attackStage = 0;  // of the stat its move attacks with
    int defenseStage = 0; // of the stat the other side's move meets
    int speedStage = 0;
    int accuracyStage = 0;
    int evasionStage = 0;
    bool reflect = false;
    bool lightScreen = false;
};

struct DuelInputs {
    DuelSide mine;
    DuelSide foe;
};

inline constexpr int duelTurns = 100;

struct DuelResult {
    double won = 0;       // the foe faints and mine stands
    double lost = 0;      // mine faints and the foe stands
    double drawn = 0;     // both faint in the same turn
    double undecided = 0; // both stand after the last turn
    double mineFirst = 0; // the chance mine moves first in the first turn
    // Over by the end of each turn, cumulative: index 0 is turn 1.
    std::vector<double> wonBy, lostBy, drawnBy;
};

// A stop request ends the computation early with a partial result, for callers that no longer
// want it.
DuelResult computeDuel(const DuelInputs& inputs, std::stop_token stop = {});

// A sentence for each thing the chosen moves do that the duel leaves out.
std::vector<std::string> duelNotes(const Move& mine, const Move& foe);

} // namespace battle::game
