// SPDX-License-Identifier: MIT
#include "battle/sheet/SheetFields.h"

namespace battle {

std::string attackPlaceholder(std::size_t slot)
{
    return "Attack" + std::to_string(slot + 1);
}

PageRecord blankPage()
{
    PageRecord page;
    for (std::size_t slot = 0; slot < page.attacks.size(); ++slot)
        page.attacks[slot].name = attackPlaceholder(slot);
    return page;
}

} // namespace battle
