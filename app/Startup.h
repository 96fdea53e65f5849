// SPDX-License-Identifier: MIT
#pragma once

// Start-up: which window answers to which name. The splash is the only window the program opens
// by itself; it hands over to the main window, whose menu asks for the others by name.

class Runtime;

// Registers every window of the program with the runtime's show service.
void registerWindows(Runtime& runtime);

// Application name, display name, desktop file name and icon, so task bars group and label it;
// and the program's font as the application's.
void describeApplication();

// The program's start as main() makes it, and the benchmark measures it: describes the
// application, registers the windows and shows the splash.
void startProgram(Runtime& runtime);
