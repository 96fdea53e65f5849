// SPDX-License-Identifier: MIT
#pragma once

// What the files of the trainer sheet share: how a page's controls are named.

#include <QString>

namespace sheetparts {

// Controls on a page carry the page number after their name: "Text5_2".
inline QString pageSuffix(int page)
{
    return QStringLiteral("_%1").arg(page);
}

} // namespace sheetparts
