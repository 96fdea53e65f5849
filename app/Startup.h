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

// For the start-up benchmark only, and only when BATTLE_TESH_BENCH_PROBE is set: prints
// "first-paint <ns>" (steady clock) once the splash's first paint has returned; then quits when
// the value is "exit", or opens every window and prints "vmhwm <kB>" (peak resident memory) once
// they have all painted and quits when it is "all-windows".
void installBenchProbe(Runtime& runtime);
