// SPDX-License-Identifier: MIT
#pragma once

// Start-up: which window each identity makes, and the feed that wires them. The splash is the
// only window the program opens by itself; it hands over to the main window, whose menus ask the
// feed for the others.

#include "windows/feed/BattleFeed.h"

#include <memory>

class Runtime;

// Registers every window of the program with the runtime's show service. The feed between the
// windows must live as long as they do.
[[nodiscard]] std::unique_ptr<BattleFeed> registerWindows(Runtime& runtime);

// Application name, display name, desktop file name and icon, so task bars group and label it;
// and the program's font as the application's.
void describeApplication();

// The program's start as main() makes it, and the benchmark measures it: describes the
// application, registers the windows and shows the splash.
[[nodiscard]] std::unique_ptr<BattleFeed> startProgram(Runtime& runtime);
