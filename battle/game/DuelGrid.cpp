// SPDX-License-Identifier: MIT
// The chain on the grid of both HPs, for any duel: a layer per Aux, each row walked along the
// span that holds its mass.
#include "battle/game/DuelChain.h"

#include <memory>
#include <thread>
#include <tuple>
#include <utility>

namespace battle::game::chain {
Layer& Chain::layerFor(Collection& collection, Aux aux, bool turned)
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
    const int mine = m_side[0].dim;
    const int foe = m_side[1].dim;
    return collection.emplace_back(aux, turned ? foe : mine, turned ? mine : foe,
                                   std::move(storage));
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
    // A full paralysis leaves the layer as it was, as a miss does: the two go in together.
    const double skipped =
        status == Status::Paralyzed ? weight * fullParalysisIn256 / byteOutcomes : 0.0;
    const double moves = weight - skipped;
    const Side& side = m_side[static_cast<std::size_t>(x)];
    const Branches branches = hitBranches(x, in.aux);
    // Every layer the act writes exists before any is written, so none moves while in use.
    layerFor(out, in.aux);
    for (std::size_t b = 0; b < branches.count; ++b)
        layerFor(out, branches.branches[b].first);
    if (side.hpDependent || side.effect.effect == DuelEffect::Explode) {
        if (skipped > 0)
            layerFor(out, in.aux).addScaled(in, skipped);
        hitsByCell(x, in, moves, out, branches);
    } else {
        shiftedHits(x, in, skipped, moves, out, branches);
    }
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

// Side x's own burn or poison, after its part of the turn.
BATTLE_WIDE_LOOPS void Chain::residual(int x, Collection&& in, Collection& out)
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
                if (from > last)
                    continue;
                addRun(to.row(mine), layer.row(mine) + loss, from - loss, last - loss, 1.0);
                to.widen(mine, from - loss, last - loss);
            }
        }
        ends(y, fainted);
        m_free.push_back(layer.release());
    }
    in.clear();
}

// One order of one layer's turn, added to `next`.
void Chain::turnFrom(const Layer& layer, int order, double chance, Collection& next)
{
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

void Chain::part(const Part& part, Collection& next)
{
    const auto& [layer, order, chance] = part;
    if (order == bothOrders)
        tiedTurn(*layer, chance, next);
    else
        turnFrom(*layer, order, chance, next);
}

// Halves the layers that hold more than a quarter of the turn's cells, by their rows, so that
// the two threads can be given nearly equal shares.
void Chain::halve(Collection& current, long cells)
{
    const std::size_t count = current.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Layer& layer = current[i];
        const long held = layer.cells();
        if (held <= cells / 4)
            continue;
        long upper = 0;
        int mid = layer.lastRow();
        while (mid > layer.firstRow() && upper < held / 2) {
            upper += std::max(0, layer.last(mid) - layer.first(mid) + 1);
            --mid;
        }
        std::vector<double> storage;
        if (!m_free.empty()) {
            storage = std::move(m_free.back());
            m_free.pop_back();
        }
        Layer half = current[i].splitOff(mid + 1, std::move(storage));
        current.push_back(std::move(half));
    }
}

// Which parts the helper thread takes: the largest first, each to the thread with less so far.
std::vector<bool> Chain::helperShare(const std::vector<Part>& parts) const
{
    std::vector<long> cost(parts.size());
    std::vector<std::size_t> byCost(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto& [layer, order, chance] = parts[i];
        // Both orders at once cost little more than one.
        cost[i] = layer->cells() * (order == bothOrders ? 5 : 4);
        byCost[i] = i;
    }
    std::stable_sort(byCost.begin(), byCost.end(),
                     [&](std::size_t a, std::size_t b) { return cost[a] > cost[b]; });
    std::vector<bool> helped(parts.size(), false);
    long mine = 0, helper = 0;
    for (const std::size_t i : byCost) {
        helped[i] = helper < mine;
        (helped[i] ? helper : mine) += cost[i];
    }
    return helped;
}

// Each layer's turn: a settled tie's in one part, any other layer's one part per order.
std::vector<Chain::Part> Chain::partsOf(const Collection& current) const
{
    std::vector<Part> parts;
    for (const Layer& layer : current) {
        if (m_forms == Forms::Fitting && settled(layer.aux)) {
            parts.emplace_back(&layer, bothOrders, orders(layer.aux)[0].second);
            continue;
        }
        for (const auto& [order, chance] : orders(layer.aux))
            parts.emplace_back(&layer, order, chance);
    }
    return parts;
}

void Chain::gridTurns(Collection& current, int& turn, DuelResult& result)
{
    // Past this many cells a turn is worth a second thread: the parts of a turn (the two orders
    // of a speed tie, the layers and their halves) are independent, so a helper chain takes
    // about half of them and its layers and tallies are added in after, always in the same order.
    constexpr long shared = 20000;
    std::unique_ptr<Chain> helper;
    for (; turn < duelTurns && !m_stop.stop_requested(); ++turn) {
        long cells = 0;
        for (Layer& layer : current) {
            layer.trim(negligible);
            cells += layer.cells();
        }
        if (cells > shared)
            halve(current, cells);
        const std::vector<Part> parts = partsOf(current);
        std::vector<bool> helped(parts.size(), false);
        if (cells > shared && parts.size() > 1) {
            if (!helper)
                helper = std::make_unique<Chain>(*this, Helper{});
            helped = helperShare(parts);
        }
        Collection next, fromHelper;
        std::thread second;
        if (std::find(helped.begin(), helped.end(), true) != helped.end()) {
            second = std::thread([&] {
                for (std::size_t i = 0; i < parts.size(); ++i) {
                    if (helped[i])
                        helper->part(parts[i], fromHelper);
                }
            });
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (!helped[i])
                part(parts[i], next);
        }
        if (second.joinable()) {
            second.join();
            for (Layer& layer : fromHelper)
                merge(next, std::move(layer));
            m_won += std::exchange(helper->m_won, 0.0);
            m_lost += std::exchange(helper->m_lost, 0.0);
            m_drawn += std::exchange(helper->m_drawn, 0.0);
        }
        release(current);
        current = std::move(next);
        record(result);
        // The helper's layers came over with its results: give it storage back for the next turn.
        while (helper && helper->m_free.size() < m_free.size()) {
            helper->m_free.push_back(std::move(m_free.back()));
            m_free.pop_back();
        }
    }
}

} // namespace battle::game::chain
