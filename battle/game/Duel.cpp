// SPDX-License-Identifier: MIT
#include "battle/game/Duel.h"

#include "battle/game/DuelMoves.h"

#include <algorithm>
#include <array>
#include <map>

namespace battle::game {
namespace {

constexpr int fullParalysisIn256 = 63;
constexpr int speedTieIn256 = 128;
constexpr int residualShare = 16;
// Cells below this are left out; their sum is far below the 1e-9 the outcomes must add up to.
constexpr double negligible = 1e-18;

constexpr std::array<std::string_view, 6> statusNames = {"None",     "Paralyzed",      "Burned",
                                                         "Poisoned", "Badly poisoned", "Frozen"};

// Everything but the HPs, packed: each side's status (3 bits), badly-poisoned count (8 bits)
// and whether it must recharge (1 bit).
using Aux = std::uint32_t;
Status statusOf(Aux aux, int side)
{
    return static_cast<Status>(aux >> (3 * side) & 7u);
}
Aux withStatus(Aux aux, int side, Status status)
{
    return (aux & ~(7u << (3 * side))) | static_cast<Aux>(status) << (3 * side);
}
int toxicCountOf(Aux aux, int side)
{
    return static_cast<int>(aux >> (6 + 8 * side) & 255u);
}
Aux withToxicCount(Aux aux, int side, int count)
{
    return (aux & ~(255u << (6 + 8 * side))) | static_cast<Aux>(std::min(count, 255))
                                                   << (6 + 8 * side);
}
bool mustRecharge(Aux aux, int side)
{
    return aux >> (22 + side) & 1u;
}
Aux withRecharge(Aux aux, int side, bool recharge)
{
    return (aux & ~(1u << (22 + side))) | static_cast<Aux>(recharge) << (22 + side);
}

// The user's HP after a hit that dealt `dealt`: recoil, drain (up to its maximum), or Explosion.
int userHpAfter(DuelEffect effect, int hp, int dealt, int maxHp)
{
    switch (effect) {
    case DuelEffect::QuarterRecoil:
        return std::max(0, hp - std::max(1, dealt / 4));
    case DuelEffect::HalfRecoil:
        return std::max(0, hp - std::max(1, dealt / 2));
    case DuelEffect::Drain:
        return std::max(hp, std::min(maxHp, hp + std::max(1, dealt / 2)));
    case DuelEffect::Explode:
        return 0;
    default:
        return hp;
    }
}

bool isType(const Species& species, Type type)
{
    return species.type1 == type || species.type2 == type;
}

// Probability mass over both HPs (index hpMine × columns + hpFoe) for one Aux.
struct Layer {
    Aux aux = 0;
    std::vector<double> mass;
    std::array<int, 2> lo{}, hi{}; // the HPs that may hold mass; empty while lo > hi
};

// One use as amounts dealt (uncapped) with their chances; amount 0 is a miss.
struct Use {
    bool ready = false;
    double miss = 0;
    std::vector<std::pair<int, double>> hits; // ascending amounts
    std::vector<double> knockedFrom;          // the chance of hits[i] and all above it
};

class Chain {
public:
    Chain(const DuelInputs& in, std::stop_token stop);
    DuelResult run();

private:
    struct Side {
        const DuelSide* in = nullptr;
        DuelMove effect;
        int dim = 0; // HPs 0…dim-1
        bool hpDependent = false;
        bool quick = false;
        // Uses by (burned, paralysed, target paralysed), then by the target's HP where it matters.
        std::array<std::vector<Use>, 8> uses;
    };

    using Collection = std::vector<Layer>;
    struct Branches {
        std::array<std::pair<Aux, double>, 2> branches;
        std::size_t count;
    };
    Branches hitBranches(int x, Aux aux) const;

    int speedOf(int side, Aux aux) const;
    const Use& use(int x, Aux aux, int hpTarget);
    Use buildUse(int x, Aux aux, int hpTarget) const;
    std::size_t layerFor(Collection& collection, Aux aux);
    void add(Layer& layer, int x, int hpX, int hpY, double p) const;
    void merge(Collection& out, Layer&& layer);
    void addScaled(Collection& out, Aux aux, const Layer& from, double weight);
    void release(Collection& collection);
    void act(int x, const Layer& in, double weight, Collection& out);
    void userHits(int x, const Layer& in, double moves, Collection& out, std::size_t missIndex,
                  const std::array<std::size_t, 2>& hitIndex, const Branches& branches);
    void hitsOnly(int x, const Use& u, int hpX, int hpY, double p, Collection& out,
                  const std::array<std::size_t, 2>& hitIndex,
                  const std::array<std::pair<Aux, double>, 2>& branches, std::size_t branchCount);
    void residual(int x, Collection&& in, Collection& out);
    void ends(int winner, double p);

    // While neither move changes its user's HP, each side's HP changes independently of the
    // other's within one Aux, so the mass keeps the form weight × (mine's HPs) × (foe's HPs) and
    // a turn costs the sum of the HPs rather than their product.
    struct Product {
        Aux aux = 0;
        double weight = 0;
        std::array<std::vector<double>, 2> hp; // each sums to 1
    };
    using Products = std::vector<Product>;
    void emit(Products& out, Aux aux, double weight, const Product& from, int y,
              std::vector<double>&& hpY);
    void actProduct(int x, const Product& in, double weight, Products& out);
    void residualProduct(int x, Products& products);
    void merge(std::vector<std::pair<std::size_t, std::size_t>>& index, Products& out,
               Product&& product);
    void toLayers(const Products& products, Collection& out);

    std::stop_token m_stop;
    std::array<Side, 2> m_side;
    std::vector<std::vector<double>> m_free;
    double m_won = 0, m_lost = 0, m_drawn = 0;
};

Chain::Chain(const DuelInputs& in, std::stop_token stop) : m_stop(std::move(stop))
{
    m_side[0].in = &in.mine;
    m_side[1].in = &in.foe;
    for (Side& side : m_side) {
        side.effect = duelMove(*side.in->move);
        const bool drains = side.effect.effect == DuelEffect::Drain;
        side.dim = std::max(side.in->hp, drains ? side.in->fighter.stats.hp : 0) + 1;
        const FixedDamage fixed = side.in->move->fixed;
        side.hpDependent = fixed == FixedDamage::HalfHp || fixed == FixedDamage::OneHitKo;
        side.quick = side.in->move->name == "Quick Attack";
    }
    for (int x = 0; x < 2; ++x) {
        const int targetDim = m_side[static_cast<std::size_t>(1 - x)].dim;
        for (auto& byHp : m_side[static_cast<std::size_t>(x)].uses)
            byHp.resize(m_side[static_cast<std::size_t>(x)].hpDependent
                            ? static_cast<std::size_t>(targetDim)
                            : 1);
    }
}

int Chain::speedOf(int side, Aux aux) const
{
    const DuelSide& in = *m_side[static_cast<std::size_t>(side)].in;
    Stages stages;
    stages.speed = in.speedStage;
    Conditions conditions;
    conditions.paralyzed = statusOf(aux, side) == Status::Paralyzed;
    return battleStats(in.fighter.stats, stages, conditions).speed;
}

const Use& Chain::use(int x, Aux aux, int hpTarget)
{
    Side& side = m_side[static_cast<std::size_t>(x)];
    const int key = (statusOf(aux, x) == Status::Burned ? 4 : 0) +
                    (statusOf(aux, x) == Status::Paralyzed ? 2 : 0) +
                    (statusOf(aux, 1 - x) == Status::Paralyzed ? 1 : 0);
    Use& slot = side.uses[static_cast<std::size_t>(key)]
                         [side.hpDependent ? static_cast<std::size_t>(hpTarget) : 0];
    if (!slot.ready)
        slot = buildUse(x, aux, hpTarget);
    return slot;
}

// GameTurn's figures for one use, as the amounts the duel deals: the OHKO moves see the speeds
// in battle, so they go in as the stats.
Use Chain::buildUse(int x, Aux aux, int hpTarget) const
{
    const int y = 1 - x;
    const Side& side = m_side[static_cast<std::size_t>(x)];
    const DuelSide& me = *side.in;
    const DuelSide& target = *m_side[static_cast<std::size_t>(y)].in;
    TurnInputs turn;
    turn.attacker = me.fighter;
    turn.attacker.stats.speed = speedOf(x, aux);
    turn.defender = target.fighter;
    turn.defender.stats.speed = speedOf(y, aux);
    turn.move = me.move;
    turn.attackerStage = me.attackStage;
    turn.defenderStage = target.defenseStage;
    turn.accuracyStage = me.accuracyStage;
    turn.evasionStage = target.evasionStage;
    turn.burned = statusOf(aux, x) == Status::Burned;
    turn.screen = isSpecialType(me.move->type) ? target.lightScreen : target.reflect;
    turn.defenderHp = side.hpDependent ? hpTarget : 1; // 1: no KO chances worth computing
    const TurnFigures figures = computeTurn(turn);

    Use result;
    result.ready = true;
    if (!figures.damaging || side.effect.effect == DuelEffect::Fails) {
        result.miss = 1;
        return result;
    }
    const double hit = figures.hitIn256 / double(byteOutcomes);
    const double critical = figures.criticalIn256 / double(byteOutcomes);
    result.miss = 1 - hit;
    std::map<int, double> amounts;
    const auto strikes = strikeChances(*me.move);
    const auto spread = [&](const std::vector<int>& rolls, double weight) {
        if (weight == 0)
            return;
        if (rolls.empty()) { // the types leave nothing: the game counts it as a miss
            result.miss += weight;
            return;
        }
        const double each = weight / static_cast<double>(rolls.size()) / 8.0;
        for (const int roll : rolls) {
            for (const StrikeChance& s : strikes) {
                if (roll * s.count <= 0)
                    result.miss += each * s.eighths; // no damage counts as a miss
                else
                    amounts[roll * s.count] += each * s.eighths;
            }
        }
    };
    spread(figures.normalRolls, hit * (1 - critical));
    spread(figures.criticalRolls, hit * critical);
    result.hits.assign(amounts.begin(), amounts.end());
    result.knockedFrom.resize(result.hits.size());
    double above = 0;
    for (std::size_t i = result.hits.size(); i-- > 0;)
        result.knockedFrom[i] = above += result.hits[i].second;
    return result;
}

std::size_t Chain::layerFor(Collection& collection, Aux aux)
{
    for (std::size_t i = 0; i < collection.size(); ++i) {
        if (collection[i].aux == aux)
            return i;
    }
    Layer layer;
    layer.aux = aux;
    if (m_free.empty()) {
        layer.mass.assign(static_cast<std::size_t>(m_side[0].dim * m_side[1].dim), 0.0);
    } else {
        layer.mass = std::move(m_free.back());
        m_free.pop_back();
    }
    layer.lo = {m_side[0].dim, m_side[1].dim};
    layer.hi = {-1, -1};
    collection.push_back(std::move(layer));
    return collection.size() - 1;
}

void Chain::add(Layer& layer, int x, int hpX, int hpY, double p) const
{
    const int mine = x == 0 ? hpX : hpY;
    const int foe = x == 0 ? hpY : hpX;
    layer.mass[static_cast<std::size_t>(mine * m_side[1].dim + foe)] += p;
    layer.lo[0] = std::min(layer.lo[0], mine);
    layer.hi[0] = std::max(layer.hi[0], mine);
    layer.lo[1] = std::min(layer.lo[1], foe);
    layer.hi[1] = std::max(layer.hi[1], foe);
}

void Chain::addScaled(Collection& out, Aux aux, const Layer& from, double weight)
{
    Layer& to = out[layerFor(out, aux)];
    const int columns = m_side[1].dim;
    for (int mine = from.lo[0]; mine <= from.hi[0]; ++mine) {
        for (int foe = from.lo[1]; foe <= from.hi[1]; ++foe) {
            const double p = from.mass[static_cast<std::size_t>(mine * columns + foe)];
            if (p != 0)
                to.mass[static_cast<std::size_t>(mine * columns + foe)] += p * weight;
        }
    }
    for (int s = 0; s < 2; ++s) {
        to.lo[static_cast<std::size_t>(s)] =
            std::min(to.lo[static_cast<std::size_t>(s)], from.lo[static_cast<std::size_t>(s)]);
        to.hi[static_cast<std::size_t>(s)] =
            std::max(to.hi[static_cast<std::size_t>(s)], from.hi[static_cast<std::size_t>(s)]);
    }
}

void Chain::merge(Collection& out, Layer&& layer)
{
    for (const Layer& existing : out) {
        if (existing.aux == layer.aux) {
            addScaled(out, layer.aux, layer, 1.0);
            Collection spent;
            spent.push_back(std::move(layer));
            release(spent);
            return;
        }
    }
    out.push_back(std::move(layer));
}

// Empties the layers' boxes and keeps their storage for the next ones.
void Chain::release(Collection& collection)
{
    const int columns = m_side[1].dim;
    for (Layer& layer : collection) {
        for (int mine = layer.lo[0]; mine <= layer.hi[0]; ++mine) {
            std::fill_n(layer.mass.begin() + mine * columns + layer.lo[1],
                        std::max(0, layer.hi[1] - layer.lo[1] + 1), 0.0);
        }
        m_free.push_back(std::move(layer.mass));
    }
    collection.clear();
}

void Chain::ends(int winner, double p)
{
    (winner == 0 ? m_won : winner == 1 ? m_lost : m_drawn) += p;
}

// Where a hit that leaves both standing goes: recharge, thaw, and the side effect's branches.
Chain::Branches Chain::hitBranches(int x, Aux aux) const
{
    const int y = 1 - x;
    const Side& side = m_side[static_cast<std::size_t>(x)];
    const DuelEffect effect = side.effect.effect;
    const Species& target = *m_side[static_cast<std::size_t>(y)].in->fighter.species;
    const Type moveType = side.in->move->type;
    Aux hitAux = aux;
    if (effect == DuelEffect::Recharge)
        hitAux = withRecharge(hitAux, x, true);
    if (effect == DuelEffect::Burn && moveType == Type::Fire && statusOf(aux, y) == Status::Frozen)
        hitAux = withStatus(hitAux, y, Status::None);
    if (statusOf(aux, y) == Status::None) {
        Status inflicted = Status::None;
        bool immune = isType(target, moveType);
        switch (effect) {
        case DuelEffect::Paralyze:
            inflicted = Status::Paralyzed;
            break;
        case DuelEffect::Burn:
            inflicted = Status::Burned;
            break;
        case DuelEffect::Freeze:
            inflicted = Status::Frozen;
            break;
        case DuelEffect::Poison:
            inflicted = Status::Poisoned;
            immune = isType(target, Type::Poison);
            break;
        default:
            break;
        }
        if (inflicted != Status::None && !immune) {
            const double chance = side.effect.chanceIn256 / double(byteOutcomes);
            return {{{{withStatus(hitAux, y, inflicted), chance}, {hitAux, 1 - chance}}}, 2};
        }
    }
    return {{{{hitAux, 1.0}, {hitAux, 0.0}}}, 1};
}

// Side x's part of the turn, before its residual damage.
void Chain::act(int x, const Layer& in, double weight, Collection& out)
{
    const int y = 1 - x;
    const Status status = statusOf(in.aux, x);
    if (status == Status::Frozen) {
        addScaled(out, in.aux, in, weight);
        return;
    }
    if (mustRecharge(in.aux, x)) {
        addScaled(out, withRecharge(in.aux, x, false), in, weight);
        return;
    }
    double moves = weight;
    if (status == Status::Paralyzed) {
        addScaled(out, in.aux, in, weight * fullParalysisIn256 / byteOutcomes);
        moves = weight * (byteOutcomes - fullParalysisIn256) / byteOutcomes;
    }

    const Side& side = m_side[static_cast<std::size_t>(x)];
    const DuelEffect effect = side.effect.effect;
    const auto [branches, branchCount] = hitBranches(x, in.aux);
    const std::size_t missIndex = layerFor(out, in.aux);
    std::array<std::size_t, 2> hitIndex{};
    for (std::size_t b = 0; b < branchCount; ++b)
        hitIndex[b] = layerFor(out, branches[b].first);

    const bool selfEffect = effect == DuelEffect::QuarterRecoil ||
                            effect == DuelEffect::HalfRecoil || effect == DuelEffect::Drain ||
                            effect == DuelEffect::Explode;
    const int maxHp = side.in->fighter.stats.hp;
    if (effect == DuelEffect::QuarterRecoil || effect == DuelEffect::HalfRecoil ||
        effect == DuelEffect::Drain) {
        userHits(x, in, moves, out, missIndex, hitIndex, {branches, branchCount});
        return;
    }
    const int columns = m_side[1].dim;
    const Use* sameUse = side.hpDependent ? nullptr : &use(x, in.aux, 1);
    // In the order of memory, whichever side acts.
    for (int mine = in.lo[0]; mine <= in.hi[0]; ++mine) {
        for (int foe = in.lo[1]; foe <= in.hi[1]; ++foe) {
            const double cell = in.mass[static_cast<std::size_t>(mine * columns + foe)];
            if (cell < negligible)
                continue;
            const int hpX = x == 0 ? mine : foe;
            const int hpY = x == 0 ? foe : mine;
            const double p = cell * moves;
            const Use& u = sameUse ? *sameUse : use(x, in.aux, hpY);
            if (u.miss > 0) {
                if (effect == DuelEffect::Explode)
                    ends(y, p * u.miss);
                else
                    add(out[missIndex], x, hpX, hpY, p * u.miss);
            }
            if (!selfEffect) {
                hitsOnly(x, u, hpX, hpY, p, out, hitIndex, branches, branchCount);
                continue;
            }
            for (const auto& [amount, chance] : u.hits) {
                const double pq = p * chance;
                const int dealt = std::min(amount, hpY);
                const int leftY = hpY - dealt;
                const int leftX = userHpAfter(effect, hpX, dealt, maxHp);
                if (leftY == 0)
                    ends(leftX == 0 ? 2 : x, pq);
                else if (leftX == 0)
                    ends(y, pq);
                else {
                    for (std::size_t b = 0; b < branchCount; ++b)
                        add(out[hitIndex[b]], x, leftX, leftY, pq * branches[b].second);
                }
            }
        }
    }
}

// The hits of a move that changes nothing but the target's HP, the inner loop of most duels:
// the amounts ascend, so those from the first that reaches the HP on all knock out.
void Chain::hitsOnly(int x, const Use& u, int hpX, int hpY, double p, Collection& out,
                     const std::array<std::size_t, 2>& hitIndex,
                     const std::array<std::pair<Aux, double>, 2>& branches, std::size_t branchCount)
{
    const int columns = m_side[1].dim;
    const int strideY = x == 0 ? 1 : columns;
    const std::size_t row = static_cast<std::size_t>(hpX * (x == 0 ? columns : 1));
    std::size_t i = 0;
    const std::size_t count = u.hits.size();
    for (std::size_t b = 0; b < branchCount; ++b) {
        double* mass = out[hitIndex[b]].mass.data() + row;
        const double pb = p * branches[b].second;
        for (i = 0; i < count && u.hits[i].first < hpY; ++i)
            mass[static_cast<std::ptrdiff_t>(hpY - u.hits[i].first) * strideY] +=
                pb * u.hits[i].second;
    }
    if (i < count)
        ends(x, p * u.knockedFrom[i]);
    if (i == 0)
        return;
    const auto xs = static_cast<std::size_t>(x);
    const auto ys = static_cast<std::size_t>(1 - x);
    for (std::size_t b = 0; b < branchCount; ++b) {
        Layer& layer = out[hitIndex[b]];
        layer.lo[xs] = std::min(layer.lo[xs], hpX);
        layer.hi[xs] = std::max(layer.hi[xs], hpX);
        layer.lo[ys] = std::min(layer.lo[ys], hpY - u.hits[i - 1].first);
        layer.hi[ys] = std::max(layer.hi[ys], hpY - u.hits[0].first);
    }
}

// The hits of a move that also changes its user's HP by what it dealt: per amount, one shifted
// copy of the layer, in the order of memory.
void Chain::userHits(int x, const Layer& in, double moves, Collection& out, std::size_t missIndex,
                     const std::array<std::size_t, 2>& hitIndex, const Branches& branches)
{
    const int y = 1 - x;
    const auto xs = static_cast<std::size_t>(x);
    const auto ys = static_cast<std::size_t>(y);
    const DuelEffect effect = m_side[xs].effect.effect;
    const int maxHp = m_side[xs].in->fighter.stats.hp;
    const int columns = m_side[1].dim;
    const int strideX = x == 0 ? columns : 1;
    const int strideY = x == 0 ? 1 : columns;
    const Use& u = use(x, in.aux, 1);
    const auto index = [&](int hpX, int hpY) {
        return static_cast<std::size_t>(hpX * strideX + hpY * strideY);
    };
    // Either axis first, so the inner loop walks memory in order.
    const auto cells = [&](int fromY, const auto& visit) {
        if (x == 0) {
            for (int hpX = in.lo[xs]; hpX <= in.hi[xs]; ++hpX)
                for (int hpY = std::max(fromY, in.lo[ys]); hpY <= in.hi[ys]; ++hpY)
                    visit(hpX, hpY);
        } else {
            for (int hpY = std::max(fromY, in.lo[ys]); hpY <= in.hi[ys]; ++hpY)
                for (int hpX = in.lo[xs]; hpX <= in.hi[xs]; ++hpX)
                    visit(hpX, hpY);
        }
    };
    // Misses and knock-outs; a knock-out deals exactly the target's HP, whatever the amount.
    std::vector<std::size_t> firstKnockOut(static_cast<std::size_t>(in.hi[ys]) + 1, 0);
    for (int hpY = 0; hpY <= in.hi[ys]; ++hpY) {
        std::size_t i = 0;
        while (i < u.hits.size() && u.hits[i].first < hpY)
            ++i;
        firstKnockOut[static_cast<std::size_t>(hpY)] = i;
    }
    Layer& missed = out[missIndex];
    cells(1, [&](int hpX, int hpY) {
        const double cell = in.mass[index(hpX, hpY)];
        if (cell < negligible)
            return;
        const double p = cell * moves;
        if (u.miss > 0)
            add(missed, x, hpX, hpY, p * u.miss);
        const std::size_t i = firstKnockOut[static_cast<std::size_t>(hpY)];
        if (i < u.hits.size())
            ends(userHpAfter(effect, hpX, hpY, maxHp) == 0 ? 2 : x, p * u.knockedFrom[i]);
    });
    // Named copies rather than a structured binding: the lambdas below capture them.
    for (const auto& hitEntry : u.hits) {
        const int amount = hitEntry.first;
        const double chance = hitEntry.second;
        if (amount >= in.hi[ys])
            break;
        double fainted = 0;
        for (std::size_t b = 0; b < branches.count; ++b) {
            Layer& to = out[hitIndex[b]];
            const double factor = moves * chance * branches.branches[b].second;
            cells(amount + 1, [&](int hpX, int hpY) {
                const double cell = in.mass[index(hpX, hpY)];
                if (cell < negligible)
                    return;
                const int leftX = userHpAfter(effect, hpX, amount, maxHp);
                if (leftX == 0)
                    fainted += cell * factor;
                else
                    to.mass[index(leftX, hpY - amount)] += cell * factor;
            });
            const int low = std::max(1, userHpAfter(effect, in.lo[xs], amount, maxHp));
            const int high = userHpAfter(effect, in.hi[xs], amount, maxHp);
            if (high >= low) {
                to.lo[xs] = std::min(to.lo[xs], low);
                to.hi[xs] = std::max(to.hi[xs], high);
                to.lo[ys] = std::min(to.lo[ys], std::max(1, in.lo[ys] - amount));
                to.hi[ys] = std::max(to.hi[ys], in.hi[ys] - amount);
            }
        }
        ends(y, fainted);
    }
}

// Side x's own burn or poison, after its part of the turn.
void Chain::residual(int x, Collection&& in, Collection& out)
{
    for (Layer& layer : in) {
        const Status status = statusOf(layer.aux, x);
        if (status != Status::Burned && status != Status::Poisoned &&
            status != Status::BadlyPoisoned) {
            merge(out, std::move(layer));
            continue;
        }
        const int y = 1 - x;
        const DuelSide& side = *m_side[static_cast<std::size_t>(x)].in;
        int loss = std::max(1, side.fighter.stats.hp / residualShare);
        Aux next = layer.aux;
        if (status == Status::BadlyPoisoned) {
            const int count = toxicCountOf(layer.aux, x) + 1;
            loss *= count;
            next = withToxicCount(next, x, count);
        }
        Layer& to = out[layerFor(out, next)];
        const int columns = m_side[1].dim;
        for (int mine = layer.lo[0]; mine <= layer.hi[0]; ++mine) {
            for (int foe = layer.lo[1]; foe <= layer.hi[1]; ++foe) {
                const double p = layer.mass[static_cast<std::size_t>(mine * columns + foe)];
                if (p == 0)
                    continue;
                const int hpX = x == 0 ? mine : foe;
                const int hpY = x == 0 ? foe : mine;
                if (hpX <= loss)
                    ends(y, p);
                else
                    add(to, x, hpX - loss, hpY, p);
            }
        }
    }
    Collection spent;
    for (Layer& layer : in) {
        if (!layer.mass.empty())
            spent.push_back(std::move(layer));
    }
    release(spent);
}

void Chain::emit(Products& out, Aux aux, double weight, const Product& from, int y,
                 std::vector<double>&& hpY)
{
    double total = 0;
    for (const double p : hpY)
        total += p;
    if (weight * total < negligible)
        return;
    for (double& p : hpY)
        p /= total;
    Product product{aux, weight * total, {}};
    product.hp[static_cast<std::size_t>(1 - y)] = from.hp[static_cast<std::size_t>(1 - y)];
    product.hp[static_cast<std::size_t>(y)] = std::move(hpY);
    out.push_back(std::move(product));
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
    double knocked = 0;
    for (int hpY = 1; hpY < static_cast<int>(target.size()); ++hpY) {
        const double p = target[static_cast<std::size_t>(hpY)];
        if (p == 0)
            continue;
        const Use& u = use(x, in.aux, hpY);
        same[static_cast<std::size_t>(hpY)] += p * (skip + moves * u.miss);
        std::size_t i = 0;
        for (; i < u.hits.size() && u.hits[i].first < hpY; ++i)
            hit[static_cast<std::size_t>(hpY - u.hits[i].first)] += p * moves * u.hits[i].second;
        if (i < u.hits.size())
            knocked += p * moves * u.knockedFrom[i];
    }
    if (m_side[static_cast<std::size_t>(x)].effect.effect == DuelEffect::Explode) {
        // The user faints whatever happened: only a full paralysis keeps it standing.
        ends(2, w * knocked);
        ends(y, w * (moves - knocked));
        if (skip > 0)
            out.push_back({in.aux, w * skip, in.hp});
        return;
    }
    ends(x, w * knocked);
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
        ends(y, product.weight * fainted);
        emit(kept, aux, product.weight, product, x, std::move(after));
    }
    products = std::move(kept);
}

// The two orders of a speed tie often end in the same products: add those up.
void Chain::merge(std::vector<std::pair<std::size_t, std::size_t>>& index, Products& out,
                  Product&& product)
{
    std::size_t hash = product.aux;
    for (const auto& hp : product.hp) {
        for (const double p : hp)
            hash = hash * 1099511628211u ^ std::hash<double>{}(p);
    }
    for (const auto& [key, at] : index) {
        Product& existing = out[at];
        if (key == hash && existing.aux == product.aux && existing.hp == product.hp) {
            existing.weight += product.weight;
            return;
        }
    }
    index.emplace_back(hash, out.size());
    out.push_back(std::move(product));
}

void Chain::toLayers(const Products& products, Collection& out)
{
    for (const Product& product : products) {
        Layer& layer = out[layerFor(out, product.aux)];
        for (int mine = 1; mine < m_side[0].dim; ++mine) {
            const double pm = product.weight * product.hp[0][static_cast<std::size_t>(mine)];
            if (pm == 0)
                continue;
            for (int foe = 1; foe < m_side[1].dim; ++foe) {
                const double p = pm * product.hp[1][static_cast<std::size_t>(foe)];
                if (p != 0)
                    add(layer, 0, mine, foe, p);
            }
        }
    }
}

DuelResult Chain::run()
{
    DuelResult result;
    const int hpMine = m_side[0].in->hp;
    const int hpFoe = m_side[1].in->hp;
    Aux start = withStatus(withStatus(0, 0, m_side[0].in->status), 1, m_side[1].in->status);

    const auto orders = [&](Aux aux) -> std::vector<std::pair<int, double>> {
        if (m_side[0].quick != m_side[1].quick)
            return {{m_side[0].quick ? 0 : 1, 1.0}};
        const int mine = speedOf(0, aux);
        const int foe = speedOf(1, aux);
        if (mine != foe)
            return {{mine > foe ? 0 : 1, 1.0}};
        const double tie = speedTieIn256 / double(byteOutcomes);
        return {{0, tie}, {1, 1 - tie}};
    };
    for (const auto& [first, chance] : orders(start)) {
        if (first == 0)
            result.mineFirst += chance;
    }

    if (hpMine <= 0 || hpFoe <= 0) {
        ends(hpMine > 0 ? 0 : hpFoe > 0 ? 1 : 2, 1.0);
        result.won = m_won, result.lost = m_lost, result.drawn = m_drawn;
        result.wonBy.assign(duelTurns, m_won);
        result.lostBy.assign(duelTurns, m_lost);
        result.drawnBy.assign(duelTurns, m_drawn);
        return result;
    }

    const auto record = [&] {
        result.wonBy.push_back(m_won);
        result.lostBy.push_back(m_lost);
        result.drawnBy.push_back(m_drawn);
    };
    Collection current;
    int turn = 0;
    const auto selfEffect = [](const Side& side) {
        const DuelEffect e = side.effect.effect;
        return e == DuelEffect::QuarterRecoil || e == DuelEffect::HalfRecoil ||
               e == DuelEffect::Drain;
    };
    if (!selfEffect(m_side[0]) && !selfEffect(m_side[1])) {
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
            std::vector<std::pair<std::size_t, std::size_t>> index;
            for (const Product& product : products) {
                for (const auto& [first, chance] : orders(product.aux)) {
                    Products acted, actedSecond;
                    actProduct(first, product, chance, acted);
                    residualProduct(first, acted);
                    for (const Product& midway : acted)
                        actProduct(1 - first, midway, 1.0, actedSecond);
                    residualProduct(1 - first, actedSecond);
                    for (Product& done : actedSecond)
                        merge(index, next, std::move(done));
                }
            }
            products = std::move(next);
            record();
        }
        toLayers(products, current);
    } else {
        add(current[layerFor(current, start)], 0, hpMine, hpFoe, 1.0);
    }
    for (; turn < duelTurns && !m_stop.stop_requested(); ++turn) {
        Collection next;
        for (const Layer& layer : current) {
            for (const auto& [first, chance] : orders(layer.aux)) {
                Collection acted, afterFirst, actedSecond;
                act(first, layer, chance, acted);
                residual(first, std::move(acted), afterFirst);
                for (const Layer& midway : afterFirst)
                    act(1 - first, midway, 1.0, actedSecond);
                release(afterFirst);
                residual(1 - first, std::move(actedSecond), next);
            }
        }
        release(current);
        current = std::move(next);
        record();
    }
    for (const Layer& layer : current) {
        for (const double p : layer.mass)
            result.undecided += p;
    }
    result.won = m_won;
    result.lost = m_lost;
    result.drawn = m_drawn;
    return result;
}

} // namespace

std::string_view statusName(Status status)
{
    return statusNames[static_cast<std::size_t>(status)];
}

DuelResult computeDuel(const DuelInputs& inputs, std::stop_token stop)
{
    return Chain(inputs, std::move(stop)).run();
}

std::vector<std::string> duelNotes(const Move& mine, const Move& foe)
{
    std::vector<std::string> notes;
    for (const Move* move : {&mine, &foe}) {
        if (move == &foe && foe.number == mine.number)
            break;
        const std::string_view uncounted = duelMove(*move).uncounted;
        std::string note = std::string(move->name) + ": ";
        if (!uncounted.empty())
            note += uncounted;
        else if (move->power == 0 && move->fixed == FixedDamage::None)
            note += "it deals no damage, so it does nothing in the duel";
        else
            continue;
        notes.push_back(note + ".");
    }
    return notes;
}

} // namespace battle::game
