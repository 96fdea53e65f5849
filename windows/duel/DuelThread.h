// SPDX-License-Identifier: MIT
#pragma once

class QThreadPool;

// The duel's own thread, below the interface's priority (see DuelThread.cpp).
QThreadPool& duelThread();
// Called first in each computation on that thread.
void lowerThisThread();
