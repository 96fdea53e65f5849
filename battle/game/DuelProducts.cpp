// SPDX-License-Identifier: MIT
// The chain while both HPs move independently: a product per Aux (see DuelChain.h).
#include "battle/game/DuelChain.h"

#include <functional>

namespace battle::game::chain {
namespace {

double total(const std::vector<double>& hp)
{
    return sum(hp.data(), 0, static_cast<int>(hp.size()) - 1);
}

} // namespace

void Chain::emit(Products& out, Aux aux, double weight, const Product& from, int y,
                 std::vector<double>&& hpY)
{
    if (weight * total(hpY) * total(from.hp[static_cast<std::size_t>(1 - y)]) < negligible)
        return;
    Product product{aux, weight, {}};
    product.hp[static_cast<std::size_t>(1 - y)] = from.hp[static_cast<std::size_t>(1 - y)];
    product.hp[static_cast<std::size_t>(y)] = std::move(hpY);
    out.push_back(std::move(product));
}

// Side x's use on the target's HPs: what stays (full paralysis, a miss) into `same`, what is hit
// and left standing into `hit`; returns the chance of a knock-out.
double Chain::spread(int x, Aux aux, const std::vector<double>& target, double skip,
                     std::vector<double>& same, std::vector<double>& hit)
{
    const double moves = 1 - skip;
    const int dim = static_cast<int>(target.size());
    double knocked = 0;
    if (m_side[static_cast<std::size_t>(x)].hpDependent) {
        for (int hpY = 1; hpY < dim; ++hpY) {
            const double p = target[static_cast<std::size_t>(hpY)];
            if (p == 0)
                continue;
            const Use& u = use(x, aux, hpY);
            same[static_cast<std::size_t>(hpY)] += p * (skip + moves * u.miss);
            std::size_t i = 0;
            for (; i < u.hits.size() && u.hits[i].first < hpY; ++i)
                hit[static_cast<std::size_t>(hpY - u.hits[i].first)] +=
                    p * moves * u.hits[i].second;
            if (i < u.hits.size())
                knocked += p * moves * u.knockedFrom[i];
        }
        return knocked;
    }
    // One use for every HP: an amount at a time, along the whole side.
    const Use& u = use(x, aux, 1);
    addRun(same.data(), target.data(), 1, dim - 1, skip + moves * u.miss);
    for (const auto& [amount, chance] : u.hits)
        addRun(hit.data(), target.data() + amount, 1, dim - 1 - amount, moves * chance);
    std::size_t i = 0;
    for (int hpY = 1; hpY < dim; ++hpY) {
        while (i < u.hits.size() && u.hits[i].first < hpY)
            ++i;
        if (i == u.hits.size())
            break;
        knocked += target[static_cast<std::size_t>(hpY)] * moves * u.knockedFrom[i];
    }
    return knocked;
}

void Chain::actProduct(int x, const Product& in, double weight, Products& out)
{
    const int y = 1 - x;
    const double w = in.weight * weight;
    const Status status = statusOf(in.aux, x);
    if (status == Status::Frozen || mustRecharge(in.aux, x)) {
        out.push_back({withRecharge(in.aux, x, false), w, in.hp});
        return;
    }
    const double skip =
        status == Status::Paralyzed ? fullParalysisIn256 / double(byteOutcomes) : 0.0;
    const double moves = 1 - skip;
    const std::vector<double>& target = in.hp[static_cast<std::size_t>(y)];
    std::vector<double> same(target.size(), 0.0), hit(target.size(), 0.0);
    const double knocked = spread(x, in.aux, target, skip, same, hit);
    // What ends here weighs as much as the user's side of the product.
    const double mass = w * total(in.hp[static_cast<std::size_t>(x)]);
    if (m_side[static_cast<std::size_t>(x)].effect.effect == DuelEffect::Explode) {
        // The user faints whatever happened: only a full paralysis keeps it standing.
        ends(2, mass * knocked);
        ends(y, mass * (moves * total(target) - knocked));
        if (skip > 0)
            out.push_back({in.aux, w * skip, in.hp});
        return;
    }
    ends(x, mass * knocked);
    const auto [branches, count] = hitBranches(x, in.aux);
    for (std::size_t b = 0; b < count; ++b) {
        std::vector<double> part = hit;
        for (double& p : part)
            p *= branches[b].second;
        if (branches[b].first == in.aux) {
            for (std::size_t h = 0; h < same.size(); ++h)
                same[h] += part[h];
        } else {
            emit(out, branches[b].first, w, in, y, std::move(part));
        }
    }
    emit(out, in.aux, w, in, y, std::move(same));
}

void Chain::residualProduct(int x, Products& products)
{
    const int y = 1 - x;
    const int base =
        std::max(1, m_side[static_cast<std::size_t>(x)].in->fighter.stats.hp / residualShare);
    Products kept;
    for (Product& product : products) {
        const Status status = statusOf(product.aux, x);
        if (status != Status::Burned && status != Status::Poisoned &&
            status != Status::BadlyPoisoned) {
            kept.push_back(std::move(product));
            continue;
        }
        int loss = base;
        Aux aux = product.aux;
        if (status == Status::BadlyPoisoned) {
            const int count = toxicCountOf(aux, x) + 1;
            loss *= count;
            aux = withToxicCount(aux, x, count);
        }
        const std::vector<double>& before = product.hp[static_cast<std::size_t>(x)];
        std::vector<double> after(before.size(), 0.0);
        double fainted = 0;
        for (std::size_t h = 1; h < before.size(); ++h) {
            if (static_cast<int>(h) <= loss)
                fainted += before[h];
            else
                after[h - static_cast<std::size_t>(loss)] = before[h];
        }
        ends(y, product.weight * total(product.hp[static_cast<std::size_t>(y)]) * fainted);
        emit(kept, aux, product.weight, product, x, std::move(after));
    }
    products = std::move(kept);
}

// Products of one Aux that share a side's HPs are one product: w1·f⊗g1 + w2·f⊗g2 = f⊗(w1·g1 +
// w2·g2). Within an Aux every product's side changes alike, so shared sides are the rule (the two
// orders of a speed tie; a side whose status can no longer change), and this keeps the count
// growing with the turns rather than with every history of statuses.
void Chain::compact(Products& products, std::size_t side)
{
    const std::size_t other = 1 - side;
    Products kept;
    std::vector<std::pair<std::size_t, std::size_t>> index; // hash, place in kept
    for (Product& product : products) {
        std::size_t hash = product.aux;
        for (const double p : product.hp[side])
            hash = hash * 1099511628211u ^ std::hash<double>{}(p);
        Product* same = nullptr;
        for (const auto& [key, at] : index) {
            if (key == hash && kept[at].aux == product.aux &&
                kept[at].hp[side] == product.hp[side]) {
                same = &kept[at];
                break;
            }
        }
        if (same == nullptr) {
            index.emplace_back(hash, kept.size());
            kept.push_back(std::move(product));
            continue;
        }
        const double total = same->weight + product.weight;
        if (same->hp[other] != product.hp[other]) {
            std::vector<double>& mixed = same->hp[other];
            for (std::size_t h = 0; h < mixed.size(); ++h)
                mixed[h] =
                    (same->weight * mixed[h] + product.weight * product.hp[other][h]) / total;
        }
        same->weight = total;
    }
    products = std::move(kept);
}

// Turns into the grid of both HPs, for the turns after the products stop paying.
void Chain::toLayers(const Products& products, Collection& out)
{
    // Row by row, all of an Aux's products at once, so each row is written while in cache.
    std::vector<bool> done(products.size(), false);
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (done[i])
            continue;
        struct Span {
            const Product* product;
            int from, to;
        };
        std::vector<Span> spans;
        for (std::size_t k = i; k < products.size(); ++k) {
            if (done[k] || products[k].aux != products[i].aux)
                continue;
            done[k] = true;
            const std::vector<double>& foe = products[k].hp[1];
            int from = 1;
            int to = static_cast<int>(foe.size()) - 1;
            while (from <= to && foe[static_cast<std::size_t>(from)] == 0)
                ++from;
            while (to >= from && foe[static_cast<std::size_t>(to)] == 0)
                --to;
            if (from <= to)
                spans.push_back({&products[k], from, to});
        }
        if (spans.empty())
            continue;
        Layer& layer = layerFor(out, products[i].aux);
        for (int mine = 1; mine < m_side[0].dim; ++mine) {
            for (const Span& span : spans) {
                const double pm =
                    span.product->weight * span.product->hp[0][static_cast<std::size_t>(mine)];
                if (pm == 0)
                    continue;
                addRun(layer.row(mine), span.product->hp[1].data(), span.from, span.to, pm);
                layer.widen(mine, span.from, span.to);
            }
        }
    }
}

void Chain::productTurns(Aux start, Collection& current, int& turn, DuelResult& result)
{
    Product first{start, 1.0, {}};
    for (std::size_t s = 0; s < 2; ++s) {
        first.hp[s].assign(static_cast<std::size_t>(m_side[s].dim), 0.0);
        first.hp[s][static_cast<std::size_t>(m_side[s].in->hp)] = 1;
    }
    Products products{first};
    // Past this many products the grid of both HPs is the cheaper form.
    const std::size_t limit = std::max<std::size_t>(
        64, static_cast<std::size_t>(m_side[0].dim) * static_cast<std::size_t>(m_side[1].dim) /
                static_cast<std::size_t>(m_side[0].dim + m_side[1].dim));
    for (; turn < duelTurns && !products.empty() && products.size() <= limit &&
           !m_stop.stop_requested();
         ++turn) {
        Products next;
        for (const Product& product : products) {
            for (const auto& [order, chance] : orders(product.aux)) {
                Products acted, actedSecond;
                actProduct(order, product, chance, acted);
                residualProduct(order, acted);
                for (const Product& midway : acted)
                    actProduct(1 - order, midway, 1.0, actedSecond);
                residualProduct(1 - order, actedSecond);
                for (Product& done : actedSecond)
                    next.push_back(std::move(done));
            }
        }
        compact(next, 0);
        compact(next, 1);
        products = std::move(next);
        record(result);
    }
    toLayers(products, current);
}

} // namespace battle::game::chain
