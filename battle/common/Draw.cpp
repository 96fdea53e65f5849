// SPDX-License-Identifier: MIT
#include "battle/common/Draw.h"

#include <cmath>

namespace battle {

float rollOneToHundred(float draw)
{
    // Single precision throughout, as the rolls have always been computed.
    const float scaled = draw * 100.0f + 1.0f;
    return std::floor(scaled);
}

} // namespace battle
