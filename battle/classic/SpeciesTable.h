// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace battle {

// A species of the critical hit finder's list with its base critical value in percent.
struct SpeciesRow {
    std::string_view name;
    int baseCritical;
};

// All 151 species in list order.
std::span<const SpeciesRow> speciesRows();

// The base critical value of the first species whose name equals the whole text
// (case-sensitive, no trimming); std::nullopt when no name is equal.
std::optional<int> findBaseCritical(std::string_view text);

} // namespace battle
