// SPDX-License-Identifier: MIT
#pragma once

// The duel as a Markov chain over both HPs and everything else that matters between turns. Only
// Duel.cpp and its parts include this: the chain's forms, not rules anyone else should call.

#include "battle/game/Duel.h"
#include "battle/game/DuelMoves.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

// The grid's hot loops are long runs of multiply-adds: they are built twice, plain and for AVX2
// with FMA, and the processor's own picks one when the program loads.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define BATTLE_WIDE_LOOPS __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define BATTLE_WIDE_LOOPS
#endif

namespace battle::game::chain {

inline constexpr int fullParalysisIn256 = 63;
inline constexpr int speedTieIn256 = 128;
inline constexpr int residualShare = 16;
// Cells below this are left out; their sum is far below the 1e-9 the outcomes must add up to.
inline constexpr double negligible = 1e-18;

// Everything but the HPs, packed: each side's status (3 bits), badly-poisoned count (8 bits)
// and whether it must recharge (1 bit).
using Aux = std::uint32_t;
inline Status statusOf(Aux aux, int side)
{
    return static_cast<Status>(aux >> (3 * side) & 7u);
}
inline Aux withStatus(Aux aux, int side, Status status)
{
    return (aux & ~(7u << (3 * side))) | static_cast<Aux>(status) << (3 * side);
}
inline int toxicCountOf(Aux aux, int side)
{
    return static_cast<int>(aux >> (6 + 8 * side) & 255u);
}
inline Aux withToxicCount(Aux aux, int side, int count)
{
    return (aux & ~(255u << (6 + 8 * side))) | static_cast<Aux>(std::min(count, 255))
                                                   << (6 + 8 * side);
}
inline bool mustRecharge(Aux aux, int side)
{
    return aux >> (22 + side) & 1u;
}
inline Aux withRecharge(Aux aux, int side, bool recharge)
{
    return (aux & ~(1u << (22 + side))) | static_cast<Aux>(recharge) << (22 + side);
}
inline bool hasResidual(Status status)
{
    return status == Status::Burned || status == Status::Poisoned ||
           status == Status::BadlyPoisoned;
}

// The user's HP after a hit that dealt `dealt`: recoil, drain (up to its maximum), or Explosion.
int userHpAfter(DuelEffect effect, int hp, int dealt, int maxHp);

inline double sum(const double* cells, int from, int to)
{
    double total = 0;
    for (int i = from; i <= to; ++i)
        total += cells[i];
    return total;
}

// into[i] += from[i] × factor over first…last: the inner loop of every turn, left plain so the
// compiler vectorises it.
inline void addRun(double* into, const double* from, int first, int last, double factor)
{
    for (int i = first; i <= last; ++i)
        into[i] += from[i] * factor;
}

// Probability mass over both HPs for one Aux: row = mine's HP, column = the foe's. Each row keeps
// the span of columns that may hold mass; a duel's mass lies in a narrow band across the box, and
// a turn walks only the band.
class Layer {
public:
    Aux aux = 0;

    Layer(Aux aux, int rows, int columns, std::vector<double>&& storage);
    double* row(int r) { return m_mass.data() + static_cast<std::size_t>(r) * m_columns; }
    const double* row(int r) const
    {
        return m_mass.data() + static_cast<std::size_t>(r) * m_columns;
    }
    int firstRow() const { return m_firstRow; }
    int lastRow() const { return m_lastRow; }
    int first(int r) const { return m_first[static_cast<std::size_t>(r)]; }
    int last(int r) const { return m_last[static_cast<std::size_t>(r)]; }
    // The lowest and highest columns that may hold mass in any row.
    std::array<int, 2> columnRange() const;

    // Row r may now hold mass from column `from` to `to`.
    void widen(int r, int from, int to);
    void add(int mine, int foe, double p)
    {
        row(mine)[foe] += p;
        widen(mine, foe, foe);
    }
    void addScaled(const Layer& from, double weight);
    // Adds `from` with its rows and columns swapped.
    void addTurned(const Layer& from);
    // Drops the cells below `below` at each row's ends, so spans keep to where the mass is.
    void trim(double below);
    double total() const;
    long cells() const; // within the spans
    // Moves rows from `from` on into a layer of their own, built on `storage`.
    Layer splitOff(int from, std::vector<double>&& storage);
    // Zeroes what it held and gives up its storage for the next layer.
    std::vector<double> release();

private:
    std::vector<double> m_mass;
    std::size_t m_columns = 0;
    std::vector<int> m_first, m_last; // per row; empty while first > last
    int m_firstRow = 0, m_lastRow = -1;
};

// Amounts from, from + stride, … to, each dealt with `weight`.
struct Piece {
    int from = 0, to = 0, stride = 1;
    double weight = 0;
};

// Amounts that change the user's HP alike: none, or the same recoil or drain.
struct AmountGroup {
    int amount = 0; // any of them, to ask what it does to the user
    std::vector<Piece> pieces;
};

// One use as amounts dealt (uncapped) with their chances; amount 0 is a miss.
struct Use {
    bool ready = false;
    double miss = 0;
    std::vector<std::pair<int, double>> hits; // ascending amounts
    std::vector<double> knockedFrom;          // the chance of hits[i] and all above it
    std::vector<AmountGroup> groups;          // the hits as pieces, once the grid needs them
};

class Chain {
public:
    // Plain: the grid alone, even where products would do, and a speed tie's two orders each
    // cell by cell. Both ways must agree, which is how the tests hold each to the other.
    enum class Forms { Fitting, Plain };
    Chain(const DuelInputs& in, std::stop_token stop, Forms forms = Forms::Fitting);
    DuelResult run();

    // A chain for a second thread: the same sides, its own layers' storage and tallies.
    struct Helper {};
    Chain(const Chain& main, Helper)
        : m_stop(main.m_stop), m_forms(main.m_forms), m_side(main.m_side)
    {
    }

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
    std::vector<std::pair<int, double>> orders(Aux aux) const;

    int speedOf(int side, Aux aux) const;
    Use& use(int x, Aux aux, int hpTarget);
    Use buildUse(int x, Aux aux, int hpTarget) const;
    void ends(int winner, double p);

    // The grid of both HPs: any duel.
    // A layer of the collection; `turned` ones have the foe's HP along the rows.
    Layer& layerFor(Collection& collection, Aux aux, bool turned = false);
    void merge(Collection& out, Layer&& layer);
    void release(Collection& collection);
    void act(int x, const Layer& in, double weight, Collection& out);
    void hitsByCell(int x, const Layer& in, double moves, Collection& out,
                    const Branches& branches);
    void shiftedHits(int x, const Layer& in, double skipped, double moves, Collection& out,
                     const Branches& branches);
    void userRowHits(int x, const Layer& in, double moves, Use& u, Collection& out,
                     const Branches& branches, bool turned);
    void knockOuts(int x, const Layer& in, double moves, const Use& u);
    void residual(int x, Collection&& in, Collection& out);
    void turnFrom(const Layer& layer, int order, double chance, Collection& next);
    // A speed tie on a layer whose Aux can no longer change (DuelTies.cpp).
    bool settled(Aux aux) const;
    void tiedTurn(const Layer& layer, double mineFirst, Collection& next);
    void otherOrderEnds(const Layer& layer, int c, double weight);
    // A layer's turn in one order, or in both (bothOrders, with the chance mine moves first).
    using Part = std::tuple<const Layer*, int, double>;
    static constexpr int bothOrders = 2;
    void part(const Part& part, Collection& next);
    void halve(Collection& current, long cells);
    std::vector<Part> partsOf(const Collection& current) const;
    std::vector<bool> helperShare(const std::vector<Part>& parts) const;
    void gridTurns(Collection& current, int& turn, DuelResult& result);

    // While neither move changes its user's HP, each side's HP changes independently of the
    // other's within one Aux, so the mass keeps the form weight × (mine's HPs) × (foe's HPs) and
    // a turn costs the sum of the HPs rather than their product.
    struct Product {
        Aux aux = 0;
        double weight = 0;
        // Never rescaled: a side that goes through the same steps in two products (in either
        // order; a residual only moves cells) stays the same to the bit, which compact() needs.
        std::array<std::vector<double>, 2> hp;
    };
    using Products = std::vector<Product>;
    void emit(Products& out, Aux aux, double weight, const Product& from, int y,
              std::vector<double>&& hpY);
    double spread(int x, Aux aux, const std::vector<double>& target, double skip,
                  std::vector<double>& same, std::vector<double>& hit);
    void actProduct(int x, const Product& in, double weight, Products& out);
    void residualProduct(int x, Products& products);
    void compact(Products& products, std::size_t side);
    void toLayers(const Products& products, Collection& out);
    void productTurns(Aux start, Collection& current, int& turn, DuelResult& result);

    void record(DuelResult& result) const;

    std::stop_token m_stop;
    Forms m_forms = Forms::Fitting;
    std::array<Side, 2> m_side;
    std::vector<std::vector<double>> m_free;
    std::vector<double> m_running; // otherOrderEnds' running sums, kept for the next turn
    double m_won = 0, m_lost = 0, m_drawn = 0;
};

} // namespace battle::game::chain
