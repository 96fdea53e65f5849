// SPDX-License-Identifier: MIT
// The hits of a move whose use does not depend on the target's HP, on the grid: per amount a
// shifted copy of the layer. Amounts come in runs of equal chance (the rolls, Psywave), and a run
// is added at once from a row's running sums rather than one amount at a time.
#include "battle/game/DuelChain.h"

#include <algorithm>
#include <climits>

namespace battle::game::chain {
namespace {

// A histogram of chances as stacked runs: each run of amounts gets its smallest chance, and what
// stands above it is split the same way. Every piece is positive, so no cell can turn negative.
void stack(const std::pair<int, double>* hits, std::size_t count, double base,
           std::vector<Piece>& pieces)
{
    double least = hits[0].second;
    for (std::size_t i = 1; i < count; ++i)
        least = std::min(least, hits[i].second);
    if (least > base)
        pieces.push_back({hits[0].first, hits[count - 1].first, 1, least - base});
    for (std::size_t i = 0; i < count;) {
        std::size_t j = i;
        while (j < count && hits[j].second > least)
            ++j;
        if (j > i)
            stack(hits + i, j - i, least, pieces);
        i = j + 1;
    }
}

// Single amounts of one weight often fall every second or seventh HP (the rolls of a strong
// move): each longest such progression becomes one piece.
void strided(std::vector<Piece>& pieces)
{
    std::vector<Piece> kept, points;
    for (const Piece& piece : pieces)
        (piece.from == piece.to ? points : kept).push_back(piece);
    std::sort(points.begin(), points.end(), [](const Piece& a, const Piece& b) {
        return a.weight != b.weight ? a.weight < b.weight : a.from < b.from;
    });
    std::vector<bool> taken(points.size(), false);
    const auto at = [&](std::size_t from, int amount, double weight) {
        for (std::size_t k = from; k < points.size() && points[k].weight == weight; ++k) {
            if (points[k].from == amount && !taken[k])
                return k;
        }
        return points.size();
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (taken[i])
            continue;
        const Piece& start = points[i];
        Piece best = start;
        for (std::size_t j = i + 1; j < points.size() && points[j].weight == start.weight; ++j) {
            const int stride = points[j].from - start.from;
            int to = start.from;
            while (at(i + 1, to + stride, start.weight) < points.size())
                to += stride;
            if (to > start.from && (to - start.from) / stride > (best.to - best.from) / best.stride)
                best = {start.from, to, stride, start.weight};
        }
        for (int amount = best.from; amount <= best.to; amount += best.stride)
            taken[amount == start.from ? i : at(i + 1, amount, start.weight)] = true;
        kept.push_back(best);
    }
    pieces = std::move(kept);
}

// sums[c - origin] = row[c] + row[c - stride] + … over the row's cells first…last, for every
// place of sums. Running sums are a chain of additions, each waiting for the last: with a stride
// of 1 four cells go in per addition to the chain, so the chain is not what the row waits for.
void runningSums(const double* row, int origin, int first, int last, int stride,
                 std::vector<double>& sums)
{
    const auto begin = static_cast<std::size_t>(first - origin);
    const auto end = static_cast<std::size_t>(last - origin);
    const double* cells = row + first; // cells[i] is sums[begin + i]'s own cell
    std::fill(sums.begin(), sums.begin() + static_cast<std::ptrdiff_t>(begin), 0.0);
    if (stride == 1) {
        double total = 0;
        std::size_t c = begin;
        for (; c + 3 <= end; c += 4) {
            const double* four = cells + (c - begin);
            const double ab = four[0] + four[1];
            sums[c] = total + four[0];
            sums[c + 1] = total + ab;
            sums[c + 2] = total + (ab + four[2]);
            total += ab + (four[2] + four[3]);
            sums[c + 3] = total;
        }
        for (; c <= end; ++c)
            sums[c] = total += cells[c - begin];
        std::fill(sums.begin() + static_cast<std::ptrdiff_t>(end) + 1, sums.end(), total);
        return;
    }
    const auto step = static_cast<std::size_t>(stride);
    for (std::size_t c = begin; c <= end; ++c)
        sums[c] = cells[c - begin] + sums[c - step];
    for (std::size_t c = end + 1; c < sums.size(); ++c)
        sums[c] = sums[c - step];
}

std::vector<AmountGroup> groupsOf(DuelEffect effect, const Use& u)
{
    // What an amount does to a user with more HP than any Pokémon has, so nothing caps it.
    constexpr int ample = 1 << 20;
    const auto change = [&](int amount) { return userHpAfter(effect, ample, amount, 2 * ample); };
    std::vector<AmountGroup> groups;
    std::vector<std::pair<int, double>> members;
    const auto close = [&] {
        for (std::size_t i = 0, j = 0; i < members.size(); i = j) {
            for (j = i + 1; j < members.size() && members[j].first == members[j - 1].first + 1;)
                ++j;
            stack(members.data() + i, j - i, 0.0, groups.back().pieces);
        }
        strided(groups.back().pieces);
        members.clear();
    };
    for (const auto& hit : u.hits) {
        if (groups.empty() || change(groups.back().amount) != change(hit.first)) {
            if (!groups.empty())
                close();
            groups.push_back({hit.first, {}});
        }
        members.push_back(hit);
    }
    if (!groups.empty())
        close();
    return groups;
}

// A row's running sums, one per stride the pieces use, kept over first - widest … last + widest.
class RowSums {
public:
    explicit RowSums(const std::vector<AmountGroup>& groups)
    {
        for (const AmountGroup& group : groups) {
            for (const Piece& piece : group.pieces) {
                m_widest = std::max(m_widest, piece.to - piece.from + piece.stride);
                if (std::find(m_strides.begin(), m_strides.end(), piece.stride) == m_strides.end())
                    m_strides.push_back(piece.stride);
            }
        }
        m_sums.resize(m_strides.size());
    }

    void take(const double* row, int first, int last)
    {
        m_origin = first - 1 - m_widest;
        for (std::size_t k = 0; k < m_strides.size(); ++k) {
            m_sums[k].resize(static_cast<std::size_t>(last + m_widest - m_origin + 1));
            runningSums(row, m_origin, first, last, m_strides[k], m_sums[k]);
        }
    }

    // The row's mass over t + from, t + from + stride, … t + to, for a piece.
    struct Window {
        const double* sums;
        int to, before;
        double operator()(int t) const { return sums[t + to] - sums[t + before]; }
    };
    Window window(const Piece& piece) const
    {
        const auto k = static_cast<std::size_t>(
            std::find(m_strides.begin(), m_strides.end(), piece.stride) - m_strides.begin());
        return {m_sums[k].data(), piece.to - m_origin, piece.from - piece.stride - m_origin};
    }

private:
    int m_widest = 0, m_origin = 0;
    std::vector<int> m_strides;
    std::vector<std::vector<double>> m_sums;
};

// Where each of the user's HPs lo…hi goes per group: by a step, or INT_MIN where it faints.
std::vector<std::vector<int>> stepsOf(const std::vector<AmountGroup>& groups, DuelEffect effect,
                                      int lo, int hi, int maxHp)
{
    std::vector<std::vector<int>> steps;
    for (const AmountGroup& group : groups) {
        std::vector<int>& step = steps.emplace_back();
        for (int hp = lo; hp <= hi; ++hp) {
            const int left = userHpAfter(effect, hp, group.amount, maxHp);
            step.push_back(left == 0 ? INT_MIN : left - hp);
        }
    }
    return steps;
}

} // namespace

void Chain::shiftedHits(int x, const Layer& in, double skipped, double moves, Collection& out,
                        const Branches& branches)
{
    Use& u = use(x, in.aux, 1);
    if (skipped + moves * u.miss > 0)
        layerFor(out, in.aux).addScaled(in, skipped + moves * u.miss);
    knockOuts(x, in, moves, u);
    if (x == 0) {
        userRowHits(x, in, moves, u, out, branches, false);
        return;
    }
    // The foe hits: turned so that its HP runs along the rows, as when mine hits.
    Collection turned, hits;
    Layer& user = layerFor(turned, in.aux, true);
    user.addTurned(in);
    for (std::size_t b = 0; b < branches.count; ++b)
        layerFor(hits, branches.branches[b].first, true);
    userRowHits(x, user, moves, u, hits, branches, true);
    for (Layer& layer : hits)
        layerFor(out, layer.aux).addTurned(layer);
    release(hits);
    release(turned);
}

// The user's HP along the rows, the target's along the columns. Per row, the running sums of its
// cells give any run of amounts in one pass.
BATTLE_WIDE_LOOPS void Chain::userRowHits(int x, const Layer& in, double moves, Use& u, Collection& out,
                        const Branches& branches, bool turned)
{
    const DuelEffect effect = m_side[static_cast<std::size_t>(x)].effect.effect;
    if (u.groups.empty() && !u.hits.empty())
        u.groups = groupsOf(effect, u);
    const int firstRow = in.firstRow();
    const std::vector<std::vector<int>> steps =
        stepsOf(u.groups, effect, firstRow, in.lastRow(),
                m_side[static_cast<std::size_t>(x)].in->fighter.stats.hp);
    for (std::size_t b = 0; b < branches.count; ++b)
        layerFor(out, branches.branches[b].first, turned);
    std::array<Layer*, 2> into{}; // taken once all exist, so none moves after
    for (std::size_t b = 0; b < branches.count; ++b)
        into[b] = &layerFor(out, branches.branches[b].first, turned);

    RowSums sums(u.groups);
    double fainted = 0;
    for (int hpX = firstRow; hpX <= in.lastRow(); ++hpX) {
        const int first = in.first(hpX);
        const int last = in.last(hpX);
        if (first > last)
            continue;
        const double* cells = in.row(hpX);
        sums.take(cells, first, last);
        for (std::size_t g = 0; g < u.groups.size(); ++g) {
            const int step = steps[g][static_cast<std::size_t>(hpX - firstRow)];
            for (const Piece& piece : u.groups[g].pieces) {
                // The target's HP left, t = hpY - amount, is at least 1: a knock-out is not a hit.
                const int low = std::max(1, first - piece.to);
                const int high = last - piece.from;
                if (low > high)
                    continue;
                const RowSums::Window window = sums.window(piece);
                const double chance = moves * piece.weight;
                if (step == INT_MIN) {
                    double lost = 0;
                    for (int t = low; t <= high; ++t)
                        lost += window(t);
                    fainted += chance * lost;
                    continue;
                }
                for (std::size_t b = 0; b < branches.count; ++b) {
                    const double factor = chance * branches.branches[b].second;
                    double* target = into[b]->row(hpX + step);
                    if (piece.from == piece.to) {
                        addRun(target, cells + piece.from, low, high, factor);
                    } else {
                        for (int t = low; t <= high; ++t)
                            target[t] += window(t) * factor;
                    }
                    into[b]->widen(hpX + step, low, high);
                }
            }
        }
    }
    ends(1 - x, fainted);
}

// A knock-out deals exactly the target's HP, whatever the amount: it ends the duel for x, or in a
// draw when the recoil from it faints x too.
BATTLE_WIDE_LOOPS void Chain::knockOuts(int x, const Layer& in, double moves, const Use& u)
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

} // namespace battle::game::chain
