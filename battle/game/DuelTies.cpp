// SPDX-License-Identifier: MIT
// A speed tie on a settled layer: where nothing but the HPs can change any more and neither
// move touches its user, each side's hits and residual take from one HP only, so both orders
// leave the same cells standing. The layer is carried through one order for all of its mass;
// the other order differs only in who faints first, and that is read off the layer in passes.
#include "battle/game/DuelChain.h"

namespace battle::game::chain {
namespace {

bool touchesUser(DuelEffect effect)
{
    return effect == DuelEffect::QuarterRecoil || effect == DuelEffect::HalfRecoil ||
           effect == DuelEffect::Drain || effect == DuelEffect::Explode ||
           effect == DuelEffect::Recharge;
}

// One side's use against a target HP: the chance it is left standing, and knocked out.
struct Odds {
    double stays = 0, moves = 0;
    const Use* use = nullptr;

    double standing(int hp) const
    {
        double hit = 0;
        for (const auto& [amount, chance] : use->hits) {
            if (amount >= hp)
                break;
            hit += chance;
        }
        return stays + moves * hit;
    }
    double knocked(int hp) const
    {
        const auto at = std::lower_bound(use->hits.begin(), use->hits.end(), hp,
                                         [](const auto& hit, int h) { return hit.first < h; });
        return at == use->hits.end()
                   ? 0.0
                   : moves * use->knockedFrom[static_cast<std::size_t>(at - use->hits.begin())];
    }
};

} // namespace

bool Chain::settled(Aux aux) const
{
    if (orders(aux).size() != 2)
        return false;
    for (int x = 0; x < 2; ++x) {
        const Side& side = m_side[static_cast<std::size_t>(x)];
        const Status status = statusOf(aux, x);
        if (status == Status::Frozen || status == Status::BadlyPoisoned || mustRecharge(aux, x) ||
            side.hpDependent || touchesUser(side.effect.effect))
            return false;
        const Branches branches = hitBranches(x, aux);
        if (branches.count != 1 || branches.branches[0].first != aux)
            return false;
    }
    return true;
}

void Chain::tiedTurn(const Layer& layer, double mineFirst, Collection& next)
{
    const double won = m_won, lost = m_lost, drawn = m_drawn;
    turnFrom(layer, 0, 1.0, next);
    m_won = won + (m_won - won) * mineFirst;
    m_lost = lost + (m_lost - lost) * mineFirst;
    m_drawn = drawn + (m_drawn - drawn) * mineFirst;
    foeFirstEnds(layer, 1 - mineFirst);
}

// Who faints, and when, had the foe moved first: its hits and residual, then mine.
void Chain::foeFirstEnds(const Layer& layer, double weight)
{
    std::array<Odds, 2> odds;
    std::array<int, 2> loss{};
    for (int x = 0; x < 2; ++x) {
        const Status status = statusOf(layer.aux, x);
        Odds& o = odds[static_cast<std::size_t>(x)];
        o.use = &use(x, layer.aux, 1);
        const double skip = status == Status::Paralyzed
                                ? fullParalysisIn256 / static_cast<double>(byteOutcomes)
                                : 0.0;
        o.moves = 1 - skip;
        o.stays = skip + o.moves * o.use->miss;
        if (hasResidual(status)) {
            loss[static_cast<std::size_t>(x)] = std::max(
                1, m_side[static_cast<std::size_t>(x)].in->fighter.stats.hp / residualShare);
        }
    }
    const Odds& mine = odds[0];
    const Odds& foe = odds[1];
    knockOuts(1, layer, weight * foe.moves, *foe.use);

    // Per foe HP, the mass where mine still stands after the foe's hit.
    const int columns = m_side[1].dim;
    std::vector<double> standing(static_cast<std::size_t>(columns), 0.0);
    for (int r = layer.firstRow(); r <= layer.lastRow(); ++r)
        addRun(standing.data(), layer.row(r), layer.first(r), layer.last(r), foe.standing(r));
    double residualFaints = 0, knocked = 0;
    // Per foe HP, what keeps both standing through mine's hit: weighs mine's HPs below.
    std::vector<double> through(static_cast<std::size_t>(columns), 0.0);
    for (int c = 1; c < columns; ++c) {
        const double mass = standing[static_cast<std::size_t>(c)];
        const int left = c - loss[1];
        if (left <= 0) {
            residualFaints += mass;
            continue;
        }
        knocked += mass * mine.knocked(left);
        through[static_cast<std::size_t>(c)] = mine.standing(left);
    }
    ends(0, weight * (residualFaints + knocked));
    if (loss[0] == 0)
        return;

    // Mine's residual: mine's HPs after the foe's hit, where both still stand.
    const int rows = m_side[0].dim;
    std::vector<double> before(static_cast<std::size_t>(rows), 0.0);
    for (int r = layer.firstRow(); r <= layer.lastRow(); ++r) {
        double mass = 0;
        for (int c = layer.first(r); c <= layer.last(r); ++c)
            mass += layer.row(r)[c] * through[static_cast<std::size_t>(c)];
        before[static_cast<std::size_t>(r)] = mass;
    }
    double faints = 0;
    for (int r = 1; r <= std::min(loss[0], rows - 1); ++r) {
        double after = foe.stays * before[static_cast<std::size_t>(r)];
        for (const auto& [amount, chance] : foe.use->hits) {
            if (r + amount < rows)
                after += foe.moves * chance * before[static_cast<std::size_t>(r + amount)];
        }
        faints += after;
    }
    ends(1, weight * faints);
}

} // namespace battle::game::chain
