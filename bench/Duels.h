// SPDX-License-Identifier: MIT
#pragma once

// The Duel's computation timed straight from the rules, as its worker runs it: the median of
// twenty level-50 duels and the slowest of the long level-100 ones.

namespace bench {

inline constexpr double duelBoundMs = 50;
inline constexpr double slowDuelBoundMs = 1000;

// Prints the samples and reports both figures against their bounds; true when both hold.
bool timeAndReportDuels();

} // namespace bench
