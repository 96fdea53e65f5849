// SPDX-License-Identifier: MIT
#pragma once

// Start-up and opening times: the hand-over from the splash to the main window, and each tool
// opened from its menu entry.

#include "BenchProgram.h"

#include <QAction>
#include <QList>

namespace bench {

inline constexpr int handOverProcesses =
    5; // a hand-over happens once a run, so each on a fresh process
inline constexpr int openRepeats = 7;

// Shows the splash, lets it settle as a user would look at it, clicks it: the time from the
// click to the main window painted, in ms.
double timeHandOver(Program& program);
// Hand-overs in fresh processes, forked before this one starts Qt; the times in ms.
std::vector<double> timeHandOversElsewhere(int argc, char* argv[], int processes);
// Opens the windows through the menu entry several times, closing and deleting them in
// between; the times from the trigger to the last of them painted, in ms. The last opening
// stays open.
std::vector<double> timeOpening(Program& program, QAction* entry, const QList<WindowId>& windows);

} // namespace bench
