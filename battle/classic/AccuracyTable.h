// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace battle {

// The accuracy finder's own attack list with base accuracies in percent. Choosing a name from
// the list and typing it read separate columns, which differ for a few attacks.
struct AccuracyRow {
    std::string_view name;
    double chosen;
    double typed;
};

// All rows in list order.
std::span<const AccuracyRow> accuracyRows();

// The base accuracy of the first row whose name equals the whole text (case-sensitive, no
// trimming), for a name chosen from the list or typed; std::nullopt when no name is equal.
std::optional<double> baseAccuracyAsChosen(std::string_view text);
std::optional<double> baseAccuracyAsTyped(std::string_view text);

} // namespace battle
