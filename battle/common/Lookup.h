// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace battle {

// The first row whose name (the member `name`) equals the whole text, case-sensitive and with
// no trimming, as every list of the classic program matches; nullptr when none does.
template <typename Row>
const Row* findByName(std::span<const Row> rows, std::string_view text, std::string_view Row::*name)
{
    const auto found =
        std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return row.*name == text; });
    return found == rows.end() ? nullptr : &*found;
}

} // namespace battle
