// SPDX-License-Identifier: MIT
// A layer of the grid: the mass over both HPs for one Aux, each row kept to the span of columns
// that may hold it.
#include "battle/game/DuelChain.h"

namespace battle::game::chain {
Layer::Layer(Aux aux, int rows, int columns, std::vector<double>&& storage)
    : aux(aux), m_mass(std::move(storage)), m_columns(static_cast<std::size_t>(columns)),
      m_first(static_cast<std::size_t>(rows), columns), m_last(static_cast<std::size_t>(rows), -1)
{
    if (m_mass.empty())
        m_mass.assign(static_cast<std::size_t>(rows) * m_columns, 0.0);
    m_firstRow = rows;
}

std::array<int, 2> Layer::columnRange() const
{
    std::array<int, 2> range{static_cast<int>(m_columns), -1};
    for (int r = m_firstRow; r <= m_lastRow; ++r) {
        range[0] = std::min(range[0], first(r));
        range[1] = std::max(range[1], last(r));
    }
    return range;
}

void Layer::widen(int r, int from, int to)
{
    if (from > to)
        return;
    int& first = m_first[static_cast<std::size_t>(r)];
    int& last = m_last[static_cast<std::size_t>(r)];
    first = std::min(first, from);
    last = std::max(last, to);
    m_firstRow = std::min(m_firstRow, r);
    m_lastRow = std::max(m_lastRow, r);
}

BATTLE_WIDE_LOOPS void Layer::addScaled(const Layer& from, double weight)
{
    for (int r = from.m_firstRow; r <= from.m_lastRow; ++r) {
        addRun(row(r), from.row(r), from.first(r), from.last(r), weight);
        widen(r, from.first(r), from.last(r));
    }
}

void Layer::trim(double below)
{
    for (int r = m_firstRow; r <= m_lastRow; ++r) {
        double* cells = row(r);
        int& first = m_first[static_cast<std::size_t>(r)];
        int& last = m_last[static_cast<std::size_t>(r)];
        while (first <= last && cells[first] < below)
            cells[first++] = 0;
        while (last >= first && cells[last] < below)
            cells[last--] = 0;
    }
    while (m_firstRow <= m_lastRow && first(m_firstRow) > last(m_firstRow))
        ++m_firstRow;
    while (m_lastRow >= m_firstRow && first(m_lastRow) > last(m_lastRow))
        --m_lastRow;
}

BATTLE_WIDE_LOOPS void Layer::addTurned(const Layer& from)
{
    // In square tiles, so that the rows written stay in cache while a tile's rows are read.
    constexpr int tile = 32;
    for (int r0 = from.m_firstRow; r0 <= from.m_lastRow; r0 += tile) {
        const int r1 = std::min(r0 + tile - 1, from.m_lastRow);
        int lo = static_cast<int>(from.m_columns), hi = -1;
        for (int r = r0; r <= r1; ++r) {
            if (from.first(r) <= from.last(r)) {
                lo = std::min(lo, from.first(r));
                hi = std::max(hi, from.last(r));
            }
        }
        for (int c0 = lo; c0 <= hi; c0 += tile) {
            const int c1 = std::min(c0 + tile - 1, hi);
            for (int r = r0; r <= r1; ++r) {
                const double* cells = from.row(r);
                const int last = std::min(c1, from.last(r));
                for (int c = std::max(c0, from.first(r)); c <= last; ++c)
                    row(c)[r] += cells[c];
            }
        }
        for (int c = lo; c <= hi; ++c) {
            int top = r0, bottom = r1;
            while (top <= r1 && (c < from.first(top) || c > from.last(top)))
                ++top;
            while (bottom > top && (c < from.first(bottom) || c > from.last(bottom)))
                --bottom;
            if (top <= r1)
                widen(c, top, bottom);
        }
    }
}

long Layer::cells() const
{
    long count = 0;
    for (int r = m_firstRow; r <= m_lastRow; ++r)
        count += std::max(0, last(r) - first(r) + 1);
    return count;
}

double Layer::total() const
{
    double total = 0;
    for (int r = m_firstRow; r <= m_lastRow; ++r)
        total += sum(row(r), first(r), last(r));
    return total;
}

Layer Layer::splitOff(int from, std::vector<double>&& storage)
{
    Layer upper(aux, static_cast<int>(m_first.size()), static_cast<int>(m_columns),
                std::move(storage));
    for (int r = std::max(from, m_firstRow); r <= m_lastRow; ++r) {
        if (first(r) <= last(r)) {
            std::copy(row(r) + first(r), row(r) + last(r) + 1, upper.row(r) + first(r));
            std::fill(row(r) + first(r), row(r) + last(r) + 1, 0.0);
            upper.widen(r, first(r), last(r));
        }
        m_first[static_cast<std::size_t>(r)] = static_cast<int>(m_columns);
        m_last[static_cast<std::size_t>(r)] = -1;
    }
    m_lastRow = std::min(m_lastRow, from - 1);
    while (m_lastRow >= m_firstRow && first(m_lastRow) > last(m_lastRow))
        --m_lastRow;
    return upper;
}

std::vector<double> Layer::release()
{
    for (int r = m_firstRow; r <= m_lastRow; ++r) {
        if (first(r) <= last(r))
            std::fill(row(r) + first(r), row(r) + last(r) + 1, 0.0);
        m_first[static_cast<std::size_t>(r)] = static_cast<int>(m_columns);
        m_last[static_cast<std::size_t>(r)] = -1;
    }
    m_firstRow = static_cast<int>(m_first.size());
    m_lastRow = -1;
    return std::move(m_mass);
}

} // namespace battle::game::chain
