// SPDX-License-Identifier: MIT
// The chain on the grid of both HPs, for any duel: a layer per Aux, each row walked along the
// span that holds its mass.
#include "battle/game/DuelChain.h"

#include <optional>

namespace battle::game::chain {
namespace {

// Where the user's HP goes after dealing `amount`, over a run of its HPs: runs that shift by one
// step, and runs where it faints (no step).
struct UserRun {
    int from = 0, to = 0;
    std::optional<int> step;
};

std::vector<UserRun> userRuns(DuelEffect effect, int lo, int hi, int amount, int maxHp)
{
    std::vector<UserRun> runs;
    for (int hp = lo; hp <= hi; ++hp) {
        const int left = userHpAfter(effect, hp, amount, maxHp);
        const std::optional<int> step = left == 0 ? std::nullopt : std::optional<int>(left - hp);
        if (!runs.empty() && runs.back().step == step)
            runs.back().to = hp;
        else
            runs.push_back({hp, hp, step});
    }
    return runs;
}

double sum(const double* cells, int from, int to)
{
    double total = 0;
    for (int i = from; i <= to; ++i)
        total += cells[i];
    return total;
}

// into[i] += from[i] × factor over from…to: the inner loop of every turn, left plain so the
// compiler vectorises it.
void addRun(double* into, const double* from, int first, int last, double factor)
{
    for (int i = first; i <= last; ++i)
        into[i] += from[i] * factor;
}

} // namespace

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

void Layer::addScaled(const Layer& from, double weight)
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

double Layer::total() const
{
    double total = 0;
    for (int r = m_firstRow; r <= m_lastRow; ++r)
        total += sum(row(r), first(r), last(r));
    return total;
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

Layer& Chain::layerFor(Collection& collection, Aux aux)
{
    for (Layer& layer : collection) {
        if (layer.aux == aux)
            return layer;
    }
    std::vector<double> storage;
    if (!m_free.empty()) {
        storage = std::move(m_free.back());
        m_free.pop_back();
    }
    return collection.emplace_back(aux, m_side[0].dim, m_side[1].dim, std::move(storage));
}

void Chain::merge(Collection& out, Layer&& layer)
{
    for (Layer& existing : out) {
        if (existing.aux == layer.aux) {
            existing.addScaled(layer, 1.0);
            m_free.push_back(layer.release());
            return;
        }
    }
    out.push_back(std::move(layer));
}

void Chain::release(Collection& collection)
{
    for (Layer& layer : collection)
        m_free.push_back(layer.release());
    collection.clear();
}

// Side x's part of the turn, before its residual damage.
void Chain::act(int x, const Layer& in, double weight, Collection& out)
{
    const Status status = statusOf(in.aux, x);
    if (status == Status::Frozen) {
        layerFor(out, in.aux).addScaled(in, weight);
        return;
    }
    if (mustRecharge(in.aux, x)) {
        layerFor(out, withRecharge(in.aux, x, false)).addScaled(in, weight);
        return;
    }
    double moves = weight;
    if (status == Status::Paralyzed) {
        layerFor(out, in.aux).addScaled(in, weight * fullParalysisIn256 / byteOutcomes);
        moves = weight * (byteOutcomes - fullParalysisIn256) / byteOutcomes;
    }
    const Side& side = m_side[static_cast<std::size_t>(x)];
    const Branches branches = hitBranches(x, in.aux);
    // Every layer the act writes exists before any is written, so none moves while in use.
    layerFor(out, in.aux);
    for (std::size_t b = 0; b < branches.count; ++b)
        layerFor(out, branches.branches[b].first);
    if (side.hpDependent || side.effect.effect == DuelEffect::Explode)
        hitsByCell(x, in, moves, out, branches);
    else
        shiftedHits(x, in, moves, out, branches);
}

// Any move, a cell at a time: for the few whose use depends on the target's HP (Super Fang, the
// one-hit KO moves) or that faint their user.
void Chain::hitsByCell(int x, const Layer& in, double moves, Collection& out,
                       const Branches& branches)
{
    const int y = 1 - x;
    const DuelEffect effect = m_side[static_cast<std::size_t>(x)].effect.effect;
    const int maxHp = m_side[static_cast<std::size_t>(x)].in->fighter.stats.hp;
    Layer& missed = layerFor(out, in.aux);
    for (int mine = in.firstRow(); mine <= in.lastRow(); ++mine) {
        const double* cells = in.row(mine);
        for (int foe = in.first(mine); foe <= in.last(mine); ++foe) {
            const int hpX = x == 0 ? mine : foe;
            const int hpY = x == 0 ? foe : mine;
            const double p = cells[foe] * moves;
            const Use& u = use(x, in.aux, hpY);
            if (effect == DuelEffect::Explode)
                ends(y, p * u.miss);
            else if (u.miss > 0)
                missed.add(mine, foe, p * u.miss);
            for (const auto& [amount, chance] : u.hits) {
                const double pq = p * chance;
                const int leftY = hpY - std::min(amount, hpY);
                const int leftX = userHpAfter(effect, hpX, std::min(amount, hpY), maxHp);
                if (leftY == 0)
                    ends(leftX == 0 ? 2 : x, pq);
                else if (leftX == 0)
                    ends(y, pq);
                else {
                    for (std::size_t b = 0; b < branches.count; ++b) {
                        layerFor(out, branches.branches[b].first)
                            .add(x == 0 ? leftX : leftY, x == 0 ? leftY : leftX,
                                 pq * branches.branches[b].second);
                    }
                }
            }
        }
    }
}

// A knock-out deals exactly the target's HP, whatever the amount: it ends the duel for x, or in a
// draw when the recoil from it faints x too.
void Chain::knockOuts(int x, const Layer& in, double moves, const Use& u)
{
    const DuelEffect effect = m_side[static_cast<std::size_t>(x)].effect.effect;
    const auto targets = static_cast<std::size_t>(m_side[static_cast<std::size_t>(1 - x)].dim);
    // Per target HP: the chance of knocking it out, and the most user HP the recoil of it takes
    // (a user at or below that faints too; 0 for a move with no recoil).
    std::vector<double> knocked(targets, 0.0);
    std::vector<int> recoil(targets, 0);
    std::size_t i = 0;
    for (std::size_t hp = 1; hp < targets; ++hp) {
        while (i < u.hits.size() && u.hits[i].first < static_cast<int>(hp))
            ++i;
        if (i < u.hits.size())
            knocked[hp] = moves * u.knockedFrom[i];
        constexpr int ample = 1 << 20; // more HP than any Pokémon has, so nothing caps it
        recoil[hp] = ample - userHpAfter(effect, ample, static_cast<int>(hp), ample);
    }
    double won = 0, drawn = 0;
    for (int mine = in.firstRow(); mine <= in.lastRow(); ++mine) {
        const double* cells = in.row(mine);
        const int first = in.first(mine);
        const int last = in.last(mine);
        if (x == 1) { // the row is the target
            const double chance = knocked[static_cast<std::size_t>(mine)];
            const int faints = std::min(last, recoil[static_cast<std::size_t>(mine)]);
            drawn += chance * sum(cells, first, faints);
            won += chance * sum(cells, std::max(first, faints + 1), last);
            continue;
        }
        // The row is the user: the recoil grows with the target's HP, so the draws are a tail.
        int split = first;
        while (split <= last && recoil[static_cast<std::size_t>(split)] < mine)
            ++split;
        for (int foe = first; foe < split; ++foe)
            won += cells[foe] * knocked[static_cast<std::size_t>(foe)];
        for (int foe = split; foe <= last; ++foe)
            drawn += cells[foe] * knocked[static_cast<std::size_t>(foe)];
    }
    ends(x, won);
    ends(2, drawn);
}

// The hits of a move whose use does not depend on the target's HP: per amount, one shifted copy
// of the layer, the user's HP moved by what the amount did to it (recoil, drain, or nothing).
void Chain::shiftedHits(int x, const Layer& in, double moves, Collection& out,
                        const Branches& branches)
{
    const int y = 1 - x;
    const DuelEffect effect = m_side[static_cast<std::size_t>(x)].effect.effect;
    const int maxHp = m_side[static_cast<std::size_t>(x)].in->fighter.stats.hp;
    const Use& u = use(x, in.aux, 1);
    if (u.miss > 0)
        layerFor(out, in.aux).addScaled(in, moves * u.miss);
    knockOuts(x, in, moves, u);

    const std::array<int, 2> columns = in.columnRange();
    const int userLow = x == 0 ? in.firstRow() : columns[0];
    const int userHigh = x == 0 ? in.lastRow() : columns[1];
    const int targetHigh = x == 0 ? columns[1] : in.lastRow();
    for (const auto& [amount, chance] : u.hits) {
        if (amount >= targetHigh)
            break;
        const std::vector<UserRun> runs = userRuns(effect, userLow, userHigh, amount, maxHp);
        double fainted = 0;
        for (std::size_t b = 0; b < branches.count; ++b) {
            Layer& to = layerFor(out, branches.branches[b].first);
            const double factor = moves * chance * branches.branches[b].second;
            if (x == 0) { // mine hits: its HP picks the row, the foe's shifts along it
                for (const UserRun& run : runs) {
                    for (int mine = run.from; mine <= run.to; ++mine) {
                        const int from = std::max(amount + 1, in.first(mine));
                        const int last = in.last(mine);
                        if (from > last)
                            continue;
                        if (!run.step) {
                            fainted += sum(in.row(mine), from, last) * factor;
                            continue;
                        }
                        addRun(to.row(mine + *run.step) - amount, in.row(mine), from, last, factor);
                        to.widen(mine + *run.step, from - amount, last - amount);
                    }
                }
                continue;
            }
            // The foe hits: mine's HP picks the row, the foe's shifts along it.
            for (int mine = std::max(amount + 1, in.firstRow()); mine <= in.lastRow(); ++mine) {
                double* into = to.row(mine - amount);
                for (const UserRun& run : runs) {
                    const int from = std::max(run.from, in.first(mine));
                    const int last = std::min(run.to, in.last(mine));
                    if (from > last)
                        continue;
                    if (!run.step) {
                        fainted += sum(in.row(mine), from, last) * factor;
                        continue;
                    }
                    addRun(into + *run.step, in.row(mine), from, last, factor);
                    to.widen(mine - amount, from + *run.step, last + *run.step);
                }
            }
        }
        ends(y, fainted);
    }
}

// Side x's own burn or poison, after its part of the turn.
void Chain::residual(int x, Collection&& in, Collection& out)
{
    const int y = 1 - x;
    const int base =
        std::max(1, m_side[static_cast<std::size_t>(x)].in->fighter.stats.hp / residualShare);
    for (Layer& layer : in) {
        const Status status = statusOf(layer.aux, x);
        if (!hasResidual(status)) {
            merge(out, std::move(layer));
            continue;
        }
        int loss = base;
        Aux next = layer.aux;
        if (status == Status::BadlyPoisoned) {
            const int count = toxicCountOf(layer.aux, x) + 1;
            loss *= count;
            next = withToxicCount(next, x, count);
        }
        Layer& to = layerFor(out, next);
        double fainted = 0;
        for (int mine = layer.firstRow(); mine <= layer.lastRow(); ++mine) {
            const int first = layer.first(mine);
            const int last = layer.last(mine);
            if (x == 0 && mine <= loss) {
                fainted += sum(layer.row(mine), first, last);
            } else if (x == 0) {
                addRun(to.row(mine - loss), layer.row(mine), first, last, 1.0);
                to.widen(mine - loss, first, last);
            } else {
                fainted += sum(layer.row(mine), first, std::min(last, loss));
                const int from = std::max(first, loss + 1);
                addRun(to.row(mine) - loss, layer.row(mine), from, last, 1.0);
                to.widen(mine, from - loss, last - loss);
            }
        }
        ends(y, fainted);
        m_free.push_back(layer.release());
    }
    in.clear();
}

void Chain::gridTurns(Collection& current, int& turn, DuelResult& result)
{
    for (; turn < duelTurns && !m_stop.stop_requested(); ++turn) {
        Collection next;
        for (Layer& layer : current)
            layer.trim(negligible);
        for (const Layer& layer : current) {
            for (const auto& [order, chance] : orders(layer.aux)) {
                Collection acted, afterFirst, actedSecond;
                act(order, layer, chance, acted);
                residual(order, std::move(acted), afterFirst);
                for (Layer& midway : afterFirst)
                    midway.trim(negligible);
                for (const Layer& midway : afterFirst)
                    act(1 - order, midway, 1.0, actedSecond);
                release(afterFirst);
                residual(1 - order, std::move(actedSecond), next);
            }
        }
        release(current);
        current = std::move(next);
        record(result);
    }
}

} // namespace battle::game::chain
