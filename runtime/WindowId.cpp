// SPDX-License-Identifier: MIT
#include "runtime/WindowId.h"

#include <utility>

namespace {

// One row a window.
constexpr std::array<std::pair<WindowId, const char*>, allWindowIds.size()> names = {{
    {WindowId::Splash, "frmSplash"},
    {WindowId::Main, "FrmDamage"},
    {WindowId::Accuracy, "Acc"},
    {WindowId::Critical, "CH"},
    {WindowId::Dex, "Dex"},
    {WindowId::Trainer1, "Tab1"},
    {WindowId::Trainer2, "Tab2"},
    {WindowId::Turn, "Turn"},
    {WindowId::Duel, "Duel"},
}};

} // namespace

QString objectNameOf(WindowId id)
{
    for (const auto& [each, name] : names) {
        if (each == id)
            return QString::fromLatin1(name);
    }
    return {};
}

std::optional<WindowId> windowIdNamed(const QString& name)
{
    for (const auto& [each, eachName] : names) {
        if (name == QLatin1String(eachName))
            return each;
    }
    return std::nullopt;
}

WindowId trainerSheetId(int trainer)
{
    return trainer == 2 ? WindowId::Trainer2 : WindowId::Trainer1;
}

int trainerOf(WindowId id)
{
    return id == WindowId::Trainer1 ? 1 : id == WindowId::Trainer2 ? 2 : 0;
}
