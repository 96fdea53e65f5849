// SPDX-License-Identifier: MIT
// A speed tie on a settled layer: where nothing but the HPs can change any more and each HP only
// goes down (no drain, and recoil on one side at most), both orders leave the same cells standing
// with the same chances. The layer goes through one order for all of its mass; the other order
// differs only in who faints first, and that is read off the layer's running sums.
#include "battle/game/DuelChain.h"

namespace battle::game::chain {
namespace {

bool recoils(DuelEffect effect)
{
    return effect == DuelEffect::QuarterRecoil || effect == DuelEffect::HalfRecoil;
}

bool leavesUserAlone(DuelEffect effect)
{
    return effect != DuelEffect::Drain && effect != DuelEffect::Explode &&
           effect != DuelEffect::Recharge && !recoils(effect);
}

} // namespace

bool Chain::settled(Aux aux) const
{
    if (orders(aux).size() != 2 ||
        (!leavesUserAlone(m_side[0].effect.effect) && !leavesUserAlone(m_side[1].effect.effect)))
        return false;
    for (int x = 0; x < 2; ++x) {
        const Side& side = m_side[static_cast<std::size_t>(x)];
        const Status status = statusOf(aux, x);
        if (status == Status::Frozen || status == Status::BadlyPoisoned || mustRecharge(aux, x) ||
            side.hpDependent ||
            (!leavesUserAlone(side.effect.effect) && !recoils(side.effect.effect)))
            return false;
        const Branches branches = hitBranches(x, aux);
        if (branches.count != 1 || branches.branches[0].first != aux)
            return false;
    }
    return true;
}

void Chain::tiedTurn(const Layer& layer, double mineFirst, Collection& next)
{
    // The order worked out cell by cell has the side with recoil, if any, moving first.
    const int first = leavesUserAlone(m_side[0].effect.effect) ? 1 : 0;
    const double chance = first == 0 ? mineFirst : 1 - mineFirst;
    const double won = m_won, lost = m_lost, drawn = m_drawn;
    turnFrom(layer, first, 1.0, next);
    m_won = won + (m_won - won) * chance;
    m_lost = lost + (m_lost - lost) * chance;
    m_drawn = drawn + (m_drawn - drawn) * chance;
    otherOrderEnds(layer, 1 - first, 1 - chance);
}

// Who faints, and when, had side c moved first: its hits and residual, then the other side's
// (r's) hits, recoil and residual. With k c's HP and h r's, below(k, H) is the mass at k whose h
// is 1…H once c has hit, from running sums of the layer along h.
void Chain::otherOrderEnds(const Layer& layer, int c, double weight)
{
    const int r = 1 - c;
    const Side& sideR = m_side[static_cast<std::size_t>(r)];
    const auto odds = [&](int x, double& moves, double& stays, int& loss) -> const Use& {
        const Status status = statusOf(layer.aux, x);
        const Use& u = use(x, layer.aux, 1);
        moves = status == Status::Paralyzed
                    ? (byteOutcomes - fullParalysisIn256) / static_cast<double>(byteOutcomes)
                    : 1.0;
        stays = 1 - moves + moves * u.miss;
        loss = hasResidual(status)
                   ? std::max(1, m_side[static_cast<std::size_t>(x)].in->fighter.stats.hp /
                                     residualShare)
                   : 0;
        return u;
    };
    double movesC = 0, staysC = 0, movesR = 0, staysR = 0;
    int lossC = 0, lossR = 0;
    const Use& useC = odds(c, movesC, staysC, lossC);
    const Use& useR = odds(r, movesR, staysR, lossR);
    knockOuts(c, layer, weight * movesC, useC);

    // The running sums cover the box that holds mass and keep the layer's own order, rows then
    // columns, so each is one pass. Below the box they are 0, above it the total.
    const std::array<int, 2> columnRange = layer.columnRange();
    const std::array<int, 2> rowRange{layer.firstRow(), layer.lastRow()};
    const std::array<int, 2> kRange = c == 1 ? columnRange : rowRange;
    const std::array<int, 2> hRange = c == 1 ? rowRange : columnRange;
    if (kRange[0] > kRange[1] || hRange[0] > hRange[1])
        return;
    const int width = columnRange[1] - columnRange[0] + 1;
    m_running.resize(static_cast<std::size_t>(rowRange[1] - rowRange[0] + 1) *
                     static_cast<std::size_t>(width));
    for (int row = rowRange[0]; row <= rowRange[1]; ++row) {
        double* sums = m_running.data() + static_cast<std::size_t>(row - rowRange[0]) *
                                              static_cast<std::size_t>(width);
        const double* cells = layer.row(row) + columnRange[0];
        if (c == 0) { // along the row: h is the column
            double total = 0;
            for (int h = 0; h < width; ++h)
                sums[h] = total += cells[h];
            continue;
        }
        for (int k = 0; k < width; ++k) // down the columns: h is the row
            sums[k] = cells[k] + (row > rowRange[0] ? sums[k - width] : 0.0);
    }
    const auto cumulative = [&](int k, int h) {
        if (h < hRange[0])
            return 0.0;
        h = std::min(h, hRange[1]);
        const int row = (c == 1 ? h : k) - rowRange[0];
        const int column = (c == 1 ? k : h) - columnRange[0];
        return m_running[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(column)];
    };

    constexpr int ample = 1 << 20; // more HP than any Pokémon has, so nothing caps the recoil
    const auto recoil = [&](int dealt) {
        return ample - userHpAfter(sideR.effect.effect, ample, dealt, ample);
    };
    double winsR = 0, winsC = 0, draws = 0;
    for (int k = std::max(1, kRange[0]); k <= kRange[1]; ++k) {
        double base = 0;
        for (const auto& [amount, chance] : useC.hits)
            base += chance * cumulative(k, amount);
        const auto below = [&](int most) {
            double hit = 0;
            for (const auto& [amount, chance] : useC.hits)
                hit += chance * cumulative(k, most + amount);
            return staysC * cumulative(k, most) + movesC * (hit - base);
        };
        const double standing = below(hRange[1]);
        if (standing == 0)
            continue;
        if (k <= lossC) {
            winsR += standing;
            continue;
        }
        const int left = k - lossC;
        std::size_t i = 0;
        // r's hits that leave c standing, a run of equal recoil at a time.
        while (i < useR.hits.size() && useR.hits[i].first < left) {
            const int kept = recoil(useR.hits[i].first);
            double run = 0;
            for (; i < useR.hits.size() && useR.hits[i].first < left &&
                   recoil(useR.hits[i].first) == kept;
                 ++i)
                run += useR.hits[i].second;
            winsC += movesR * run * below(kept + lossR);
        }
        winsC += staysR * below(lossR);
        const double knocked = i < useR.hits.size() ? movesR * useR.knockedFrom[i] : 0.0;
        const double fainting = below(recoil(left));
        draws += knocked * fainting;
        winsR += knocked * (standing - fainting);
    }
    ends(r, weight * winsR);
    ends(c, weight * winsC);
    ends(2, weight * draws);
}

} // namespace battle::game::chain
