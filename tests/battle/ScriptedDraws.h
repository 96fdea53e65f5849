// SPDX-License-Identifier: MIT
#pragma once

#include "battle/Draw.h"

#include <cstddef>
#include <utility>
#include <vector>

// Hands out a fixed list of draws and counts every draw taken, also past the end of the list
// (those give 0), so a test can tell exactly how many numbers a roll used.
class ScriptedDraws {
public:
    explicit ScriptedDraws(std::vector<float> script = {}) : m_script(std::move(script)) {}

    battle::DrawSource source()
    {
        return [this] { return next(); };
    }
    int used() const { return static_cast<int>(m_used); }

private:
    float next()
    {
        const float draw = m_used < m_script.size() ? m_script[m_used] : 0.0f;
        ++m_used;
        return draw;
    }

    std::vector<float> m_script;
    std::size_t m_used = 0;
};

// A draw in the middle of the range that rolls the given whole number from 1 to 100.
inline float drawForRoll(int roll)
{
    return (static_cast<float>(roll) - 0.5f) / 100.0f;
}
