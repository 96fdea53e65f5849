// SPDX-License-Identifier: MIT
#include "battle/classic/CreditsTicker.h"

#include <algorithm>

namespace battle {

// clang-format off
const std::array<std::string_view, 8> creditLines = {
    "The Battle Tesh team - created the program.",
    "The Battle Tesh programmer - compiled and programmed the early official versions and this one.",
    "The Battle Tesh archivist - compiled the earlier versions and the critical hit finder this one is based on.",
    "The Battle Tesh tester - named the program and reported minor faults.",
    "The stat research group - discovered the attack statistics; many thanks.",
    "The Battle Tesh mascot - did nothing at all.",
    "Things to be added later - Greatly Changed Stat Support, Combination of CH Finder, Accuracy, and Main Window, Integrated Notes and Status Changer, Metronome",
    "Battle Tesh by the Battle Tesh team, 2000 - also works for second-generation battles.",
};
// clang-format on

std::string nextCreditLine(std::string_view current)
{
    if (current.empty())
        return std::string(creditLines.front());
    const auto line = std::find(creditLines.begin(), creditLines.end(), current);
    if (line == creditLines.end())
        return std::string(current);
    const auto next = std::next(line) == creditLines.end() ? creditLines.begin() : std::next(line);
    return std::string(*next);
}

} // namespace battle
