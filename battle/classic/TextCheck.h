// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace battle {

// The number fields' typing check: a whole text that sorts from "a" to "z" (it starts with a
// lower-case letter a to y, or is "z" alone) is refused. Capitals, digits, signs, "5a" and "za"
// pass; so does the empty text.
bool isRefusedByLetterCheck(std::string_view text);

} // namespace battle
