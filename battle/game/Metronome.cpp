// SPDX-License-Identifier: MIT
#include "battle/game/Metronome.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace battle::game {

std::span<const Move* const> metronomeMoves()
{
    static const std::vector<const Move*> moves = [] {
        std::vector<const Move*> callable;
        for (const Move& move : allMoves()) {
            if (move.name != "Metronome" && move.name != "Struggle")
                callable.push_back(&move);
        }
        return callable;
    }();
    return moves;
}

const Move& metronomePick(float draw)
{
    const std::span<const Move* const> moves = metronomeMoves();
    const auto last = static_cast<double>(moves.size() - 1);
    const double index = std::clamp(std::floor(double(draw) * double(moves.size())), 0.0, last);
    return *moves[static_cast<std::size_t>(index)];
}

} // namespace battle::game
