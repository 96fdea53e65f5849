// SPDX-License-Identifier: MIT
#pragma once

// Every window of the program by identity. The object name each window carries (and that
// screen readers, the tests and the settings know it by) is mapped in one place, WindowId.cpp.

#include <QString>

#include <array>
#include <optional>

enum class WindowId { Splash, Main, Accuracy, Critical, Dex, Trainer1, Trainer2, Turn, Duel };

inline constexpr std::array allWindowIds = {WindowId::Splash,   WindowId::Main, WindowId::Accuracy,
                                            WindowId::Critical, WindowId::Dex,  WindowId::Trainer1,
                                            WindowId::Trainer2, WindowId::Turn,     WindowId::Duel};

QString objectNameOf(WindowId id);
// The window that carries `name`, if any.
std::optional<WindowId> windowIdNamed(const QString& name);
// Trainer 1's or 2's sheet.
WindowId trainerSheetId(int trainer);
// 1 or 2 for a sheet, 0 for any other window.
int trainerOf(WindowId id);
