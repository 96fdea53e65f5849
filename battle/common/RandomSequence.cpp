// SPDX-License-Identifier: MIT
#include "battle/common/RandomSequence.h"

namespace battle {

float RandomSequence::next()
{
    // 24 random bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24 and no
    // rounding can ever reach 1.0f (std::generate_canonical<float> can).
    const std::uint32_t bits = m_engine() >> 8;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

} // namespace battle
