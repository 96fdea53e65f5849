// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

namespace battle {

// The program's one random sequence. It is never seeded from the clock, so every start of the
// program replays the same numbers.
class RandomSequence {
public:
    // The next number, uniform in [0, 1); never 1.
    float next();

private:
    std::mt19937 m_engine; // default-constructed: the fixed standard seed
};

} // namespace battle
