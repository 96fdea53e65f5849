// SPDX-License-Identifier: MIT
#include "battle/classic/TextCheck.h"

#include "battle/common/Conversions.h"

namespace battle {

bool isRefusedByLetterCheck(std::string_view text)
{
    return compareTexts(text, "a") >= 0 && compareTexts(text, "z") <= 0;
}

} // namespace battle
