// SPDX-License-Identifier: MIT
// The chain's set-up and its turns: what each use deals, the order of a turn, and the two forms
// the mass takes (DuelProducts.cpp while both HPs move independently, DuelGrid.cpp after).
#include "battle/game/DuelChain.h"

#include <map>

namespace battle::game::chain {
namespace {

bool isType(const Species& species, Type type)
{
    return species.type1 == type || species.type2 == type;
}

} // namespace

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

Chain::Chain(const DuelInputs& in, std::stop_token stop, Forms forms)
    : m_stop(std::move(stop)), m_forms(forms)
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

Use& Chain::use(int x, Aux aux, int hpTarget)
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

void Chain::ends(int winner, double p)
{
    (winner == 0 ? m_won : winner == 1 ? m_lost : m_drawn) += p;
}

void Chain::record(DuelResult& result) const
{
    result.wonBy.push_back(m_won);
    result.lostBy.push_back(m_lost);
    result.drawnBy.push_back(m_drawn);
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

// Who moves first, with its chance: Quick Attack, then the Speeds in battle, then a fresh tie draw.
std::vector<std::pair<int, double>> Chain::orders(Aux aux) const
{
    if (m_side[0].quick != m_side[1].quick)
        return {{m_side[0].quick ? 0 : 1, 1.0}};
    const int mine = speedOf(0, aux);
    const int foe = speedOf(1, aux);
    if (mine != foe)
        return {{mine > foe ? 0 : 1, 1.0}};
    const double tie = speedTieIn256 / double(byteOutcomes);
    return {{0, tie}, {1, 1 - tie}};
}

DuelResult Chain::run()
{
    DuelResult result;
    const int hpMine = m_side[0].in->hp;
    const int hpFoe = m_side[1].in->hp;
    const Aux start = withStatus(withStatus(0, 0, m_side[0].in->status), 1, m_side[1].in->status);
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

    Collection current;
    int turn = 0;
    const auto selfEffect = [](const Side& side) {
        const DuelEffect e = side.effect.effect;
        return e == DuelEffect::QuarterRecoil || e == DuelEffect::HalfRecoil ||
               e == DuelEffect::Drain;
    };
    if (m_forms == Forms::Fitting && !selfEffect(m_side[0]) && !selfEffect(m_side[1]))
        productTurns(start, current, turn, result);
    else
        layerFor(current, start).add(hpMine, hpFoe, 1.0);
    gridTurns(current, turn, result);
    for (const Layer& layer : current)
        result.undecided += layer.total();
    result.won = m_won;
    result.lost = m_lost;
    result.drawn = m_drawn;
    return result;
}

} // namespace battle::game::chain
