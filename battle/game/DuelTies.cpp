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

// A side's use on a settled layer: how often it moves and what stays, its residual loss, and the
// recoil it takes for dealing an amount.
struct Turnout {
    const Use* use;
    double moves, stays;
    int loss;
    DuelEffect effect;

    Turnout(Status status, const Use& u, const DuelSide& side, DuelEffect effect)
        : use(&u),
          moves(status == Status::Paralyzed
                    ? (byteOutcomes - fullParalysisIn256) / static_cast<double>(byteOutcomes)
                    : 1.0),
          stays(1 - moves + moves * u.miss),
          loss(hasResidual(status) ? std::max(1, side.fighter.stats.hp / residualShare) : 0),
          effect(effect)
    {
    }
    int recoil(int dealt) const
    {
        constexpr int ample = 1 << 20; // more HP than any Pokémon has, so nothing caps the recoil
        return ample - userHpAfter(effect, ample, dealt, ample);
    }
};

// Running sums of a layer along h, per k, over the box that holds mass: 0 below the box, the
// total above it. They keep the layer's own order, rows then columns, so each is one pass.
class RunningSums {
public:
    RunningSums(const Layer& layer, int c, std::vector<double>& storage)
        : m_columns(layer.columnRange()), m_rows{layer.firstRow(), layer.lastRow()},
          m_width(m_columns[1] - m_columns[0] + 1), m_byColumn(c == 1), m_sums(storage)
    {
        if (empty())
            return;
        m_sums.resize(static_cast<std::size_t>(m_rows[1] - m_rows[0] + 1) *
                      static_cast<std::size_t>(m_width));
        for (int row = m_rows[0]; row <= m_rows[1]; ++row) {
            double* sums = m_sums.data() + offset(row, m_columns[0]);
            const double* cells = layer.row(row) + m_columns[0];
            if (!m_byColumn) { // along the row: h is the column
                double total = 0;
                for (int h = 0; h < m_width; ++h)
                    sums[h] = total += cells[h];
                continue;
            }
            for (int k = 0; k < m_width; ++k) // down the columns: h is the row
                sums[k] = cells[k] + (row > m_rows[0] ? sums[k - m_width] : 0.0);
        }
    }

    bool empty() const { return m_rows[0] > m_rows[1] || m_columns[0] > m_columns[1]; }
    std::array<int, 2> kRange() const { return m_byColumn ? m_columns : m_rows; }
    std::array<int, 2> hRange() const { return m_byColumn ? m_rows : m_columns; }
    double operator()(int k, int h) const
    {
        const std::array<int, 2> hs = hRange();
        if (h < hs[0])
            return 0.0;
        h = std::min(h, hs[1]);
        return m_sums[m_byColumn ? offset(h, k) : offset(k, h)];
    }

private:
    std::size_t offset(int row, int column) const
    {
        return static_cast<std::size_t>(row - m_rows[0]) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(column - m_columns[0]);
    }

    std::array<int, 2> m_columns, m_rows;
    int m_width;
    bool m_byColumn;
    std::vector<double>& m_sums;
};

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
// (r's) hits, recoil and residual. With k c's HP and h r's, below(H) is the mass at k whose h is
// 1…H once c has hit, from running sums of the layer along h.
void Chain::otherOrderEnds(const Layer& layer, int c, double weight)
{
    const int r = 1 - c;
    const auto turnout = [&](int x) {
        const Side& side = m_side[static_cast<std::size_t>(x)];
        return Turnout(statusOf(layer.aux, x), use(x, layer.aux, 1), *side.in, side.effect.effect);
    };
    const Turnout first = turnout(c), second = turnout(r);
    const std::vector<std::pair<int, double>>& hitsC = first.use->hits;
    const std::vector<std::pair<int, double>>& hitsR = second.use->hits;
    knockOuts(c, layer, weight * first.moves, *first.use);
    const RunningSums sums(layer, c, m_running);
    if (sums.empty())
        return;

    double winsR = 0, winsC = 0, draws = 0;
    for (int k = std::max(1, sums.kRange()[0]); k <= sums.kRange()[1]; ++k) {
        double base = 0;
        for (const auto& [amount, chance] : hitsC)
            base += chance * sums(k, amount);
        const auto below = [&](int most) {
            double hit = 0;
            for (const auto& [amount, chance] : hitsC)
                hit += chance * sums(k, most + amount);
            return first.stays * sums(k, most) + first.moves * (hit - base);
        };
        const double standing = below(sums.hRange()[1]);
        if (standing == 0)
            continue;
        if (k <= first.loss) {
            winsR += standing;
            continue;
        }
        const int left = k - first.loss;
        const int lossR = second.loss;
        std::size_t i = 0;
        // r's hits that leave c standing, a run of equal recoil at a time.
        while (i < hitsR.size() && hitsR[i].first < left) {
            const int kept = second.recoil(hitsR[i].first);
            double run = 0;
            for (;
                 i < hitsR.size() && hitsR[i].first < left && second.recoil(hitsR[i].first) == kept;
                 ++i)
                run += hitsR[i].second;
            winsC += second.moves * run * below(kept + lossR);
        }
        winsC += second.stays * below(lossR);
        const double knocked = i < hitsR.size() ? second.moves * second.use->knockedFrom[i] : 0.0;
        const double fainting = below(second.recoil(left));
        draws += knocked * fainting;
        winsR += knocked * (standing - fainting);
    }
    ends(r, weight * winsR);
    ends(c, weight * winsC);
    ends(2, weight * draws);
}

} // namespace battle::game::chain
