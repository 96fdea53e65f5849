// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace battle {

// Where the rolls take their randomness from: each call gives the next number of a uniform
// sequence in [0, 1). The runtime supplies the real sequence; tests script it.
using DrawSource = std::function<float()>;

// The three rolls scale a draw alike: the whole part of draw x 100 + 1, in single precision,
// a whole number from 1 to 100.
float rollOneToHundred(float draw);

} // namespace battle
