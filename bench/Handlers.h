// SPDX-License-Identifier: MIT
#pragma once

// The handlers the user triggers, each timed many times in the running program. A new handler
// to time is one more row in Handlers.cpp's table.

#include "BenchProgram.h"

#include <span>

namespace bench {

// What a row prepares: the trigger to time (given the repeat's number) and a check, run once
// after, that the handler did its work.
struct Timed {
    std::function<void(int)> trigger;
    std::function<void()> check;
};

struct TimedHandler {
    const char* figure; // as the report names it
    double boundMs;
    // Opens and fills what the handler needs; the rows run in order on one program.
    Timed (*prepare)(QtRuntime& runtime);
};

inline constexpr double handlerBoundMs = 2;
inline constexpr double sheetFileBoundMs = 50;
inline constexpr double saveFileBoundMs = 5;

std::span<const TimedHandler> timedHandlers();

} // namespace bench
