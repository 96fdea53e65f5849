// SPDX-License-Identifier: MIT
#include "battle/game/Duel.h"

#include "battle/game/DuelChain.h"
#include "battle/game/DuelMoves.h"

#include <array>

namespace battle::game {
namespace {

constexpr std::array<std::string_view, 6> statusNames = {"None",     "Paralyzed",      "Burned",
                                                         "Poisoned", "Badly poisoned", "Frozen"};

} // namespace

std::string_view statusName(Status status)
{
    return statusNames[static_cast<std::size_t>(status)];
}

DuelResult computeDuel(const DuelInputs& inputs, std::stop_token stop)
{
    return chain::Chain(inputs, std::move(stop)).run();
}

std::vector<std::string> duelNotes(const Move& mine, const Move& foe)
{
    std::vector<std::string> notes;
    for (const Move* move : {&mine, &foe}) {
        if (move == &foe && foe.number == mine.number)
            break;
        const std::string_view uncounted = duelMove(*move).uncounted;
        std::string note = std::string(move->name) + ": ";
        if (!uncounted.empty())
            note += uncounted;
        else if (move->power == 0 && move->fixed == FixedDamage::None)
            note += "it deals no damage, so it does nothing in the duel";
        else
            continue;
        notes.push_back(note + ".");
    }
    return notes;
}

} // namespace battle::game
