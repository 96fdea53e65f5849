// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>

namespace form {

// The program's own icon, painted at any size: a white star on a red shield over a dark ring.
QPixmap paintApplicationIcon(int size);
QIcon applicationIcon();

} // namespace form
