// SPDX-License-Identifier: MIT
#include "battle/classic/AttackTable.h"

#include "battle/common/Lookup.h"

namespace battle {
namespace {

// Single-precision thresholds: the draw is compared with them as the generator gives it.
constexpr float firstThreshold = 0.24f;
constexpr float secondThreshold = 0.49f;
constexpr float thirdThreshold = 0.74f;

constexpr std::array<std::string_view, 4> twoToFive{"2", "3", "4", "5"};
constexpr std::array<std::string_view, 4> oneToFour{"1", "2", "3", "4"};
constexpr std::array<std::string_view, 4> twoOrThree{"2", "3"};
constexpr std::array<std::string_view, 4> threeOrFour{"3", "4"};

constexpr std::optional<int> none;
constexpr DamageClass physical = DamageClass::Physical;
constexpr DamageClass special = DamageClass::Special;
constexpr DamageClass noClass = DamageClass::None;
constexpr std::optional<AttackNotes> noNotes;

constexpr std::optional<AttackNotes> fixed(std::string_view text)
{
    return AttackNotes{text, DrawKind::None, {}, {}};
}

constexpr std::optional<AttackNotes> fourWay(std::string_view prefix,
                                             const std::array<std::string_view, 4>& values,
                                             std::string_view suffix)
{
    return AttackNotes{prefix, DrawKind::FourWay, values, suffix};
}

constexpr std::optional<AttackNotes> twoWay(std::string_view prefix,
                                            const std::array<std::string_view, 4>& values,
                                            std::string_view suffix)
{
    return AttackNotes{prefix, DrawKind::TwoWay, values, suffix};
}

// Key, type, class, base power, notes[, Dragon Rage's damage and critical texts].
// clang-format off
constexpr std::array<AttackRow, 163> rows{{
    {"Absorb",        "Grass",    special,    20,   noNotes},
    {"Acid",          "Poison",   physical,   40,   fixed("10% chance of lowering Defense of enemy")},
    {"Acid Armor",    "",         noClass,    none, fixed("Greatly Increases This Pokemon's Defense.  It can be used for a total of 3 times for this Pokemon.")},
    {"Agility",       "",         noClass,    none, fixed("Greatly Increases This Pokemon's Speed.  It can be used for a total of 3 times for this Pokemon.")},
    {"Amnesia",       "",         noClass,    none, fixed("Greatly Increases This Pokemon's Special.  It can be used for a total of 3 times for this Pokemon.")},
    {"Aurora Beam",   "Ice",      special,    65,   fixed("10% chance of lowering Attack of enemy")},
    {"Barrage",       "Normal",   physical,   15,   fourWay("Lasts for ", twoToFive, " rounds")},
    {"Barrier",       "",         noClass,    none, fixed("Greatly Increases This Pokemon's Defense.  It can be used for a total of 3 times for this Pokemon.")},
    {"Bide",          "Normal",   physical,   none, twoWay("Lasts for ", twoOrThree, " rounds.  Damage paid back is double recieved.")},
    {"Bind",          "Normal",   physical,   15,   fourWay("Lasts for ", twoToFive, " rounds.  Other Pokemon cannot attack.")},
    {"Bite",          "Normal",   physical,   60,   fixed("10% chance of other Pokemon flinching if this pokemon wins initiative.")},
    {"Blizzard",      "Ice",      noClass,    120,  noNotes},
    {"Body Slam",     "Normal",   noClass,    85,   noNotes},
    {"Bone Club",     "Ground",   physical,   65,   fixed("10% chance of other Pokemon flinching if this pokemon wins initiative.")},
    {"Bonemerang",    "Ground",   physical,   50,   fixed("Damages twice in one turn")},
    {"Bubble",        "Water",    special,    20,   fixed("10% Chance of lowering speed of enemy")},
    {"Bubblebeam",    "Water",    special,    65,   fixed("10% Chance of lowering speed of enemy")},
    {"Clamp",         "Water",    special,    35,   fourWay("Lasts for ", twoToFive, " rounds.  Other Pokemon cannot attack.  Clamp uses 1 PP per round.  Other trainer can switch pokemon but Clamp continues.")},
    {"Comet Punch",   "Normal",   physical,   18,   fourWay("Attacks ", twoToFive, " times this round")},
    {"Confuse Ray",   "",         noClass,    none, fixed("Confuses enemy")},
    {"Confusion",     "Psychic",  special,    50,   fixed("10% Chance of Confusing Enemy")},
    {"Constrict",     "Normal",   physical,   10,   fixed("10% Chance of lowering enemy's speed")},
    {"Conversion",    "",         noClass,    none, fixed("Porygon's Type becomes the enemy's")},
    {"Counter",       "Fighting", physical,   none, fixed("The active pokemon loses one turn then pays back damage recieved double.  Only physical attacks can be countered.")},
    {"Crabhammer",    "Water",    special,    90,   noNotes},
    {"Cut",           "Normal",   physical,   50,   noNotes},
    {"Defense Curl",  "",         noClass,    none, fixed("Increases this pokemon's Defense.  This attack can be used 6 times (MAX) for this pokemon.")},
    {"Dig",           "Ground",   physical,   60,   fixed("Current Pokemon Digs.  Takes no damage until it attacks next turn (Unless attacked by Swift).")},
    {"Disable",       "",         noClass,    none, fourWay("Attack number ", oneToFour, "of the enemy is disabled")},
    {"Dizzy Punch",   "Normal",   physical,   70,   noNotes},
    {"Double-Edge",   "Normal",   physical,   100,  fixed("This pokemon recieves 25% of the damage dealt to the other.")},
    {"Double Kick",   "Fighting", physical,   30,   fourWay("Pokemon attacks ", twoToFive, " times this round")},
    {"Doubleslap",    "Normal",   physical,   15,   fourWay("Pokemon attacks ", twoToFive, " times this round")},
    {"Double Team",   "",         noClass,    none, fixed("This Pokemon's Evade rises.")},
    {"Dragon Rage",   "",         noClass,    none, fixed("This attack deals exactly 40 damage."), "40", "80"},
    {"Dream Eater",   "Psychic",  special,    100,  fixed("Damage dealt to other Pokemon is restored to this one.  This only works against sleeping Pokes.")},
    {"Drill Peck",    "Flying",   physical,   80,   noNotes},
    {"Earthquake",    "Ground",   physical,   100,  noNotes},
    {"Egg Bomb",      "Normal",   physical,   100,  noNotes},
    {"Ember",         "Fire",     special,    40,   fixed("10% Chance of burning Enemy")},
    {"Explosion",     "Normal",   physical,   170,  fixed("This Pokemon faints upon using this")},
    {"Fire Blast",    "Fire",     special,    120,  fixed("20% Chance of burning other pokemon.")},
    {"Fire Punch",    "Fire",     special,    75,   fixed("10% Chance of burning other pokemon.")},
    {"Fire Spin",     "Fire",     special,    15,   fourWay("Pokemon attacks for ", twoToFive, " rounds.  The enemy cannot attack until Fire Spin is over.")},
    {"Fissure",       "",         noClass,    none, fixed("Other Pokemon Faints")},
    {"Flamethrower",  "Fire",     special,    95,   fixed("10% Chance of burning other pokemon.")},
    {"Flash",         "",         noClass,    none, fixed("Other pokemon's Accuracy fell.  This attack can work on that pokemon a total of 6 times (MAX).")},
    {"Fly",           "Flying",   physical,   70,   fixed("Pokemon Flys up into air this turn and attacks next turn.  It cannot be attacked by anything except Swift while flying.")},
    {"Focus Energy",  "",         noClass,    none, fixed("This pokemon loses all chances of Critical hits unless is is considerably faster than the other.")},
    {"Fury Attack",   "Normal",   physical,   15,   fourWay("Pokemon attacks ", twoToFive, " times this round")},
    {"Fury Swipes",   "Normal",   physical,   18,   fourWay("Pokemon attacks ", twoToFive, " times this round")},
    {"Glare",         "",         noClass,    none, fixed("Other Pokemon is Paralyzed")},
    {"Growl",         "",         noClass,    none, fixed("Lowers Other Pokemon's Attack.  This works 6 times on this pokemon, (MAX)")},
    {"Growth",        "",         noClass,    none, fixed("Raises this pokemon's Attack.  This works 6 times on this pokemon, (MAX)")},
    {"Guillotine",    "",         noClass,    none, fixed("Other Pokemon faints")},
    {"Gust",          "Normal",   physical,   40,   noNotes},
    {"Harden",        "",         noClass,    none, fixed("Raises this pokemon's Defense.  This can be used on this pokemon for 6 times (MAX).")},
    {"Haze",          "",         noClass,    none, fixed("Removes all stat changes.  Removes status changes (Burnt, Poison, etc.) from enemy.")},
    {"Headbutt",      "Normal",   physical,   70,   fixed("30% chance of other Pokemon flinching if this pokemon wins initiative.")},
    {"Hi Jump Kick",  "Fighting", physical,   85,   fixed("If this pokemon misses, it recieves 1/8 the amount of damage that would have been dealt to the other pokemon.")},
    {"Horn Attack",   "Normal",   noClass,    65,   noNotes},
    {"Horn Drill",    "",         physical,   none, fixed("Other Pokemon faints.")},
    {"Hydro Pump",    "Water",    special,    120,  noNotes},
    {"Hyper Beam",    "Normal",   physical,   150,  fixed("This pokemon must lose the next turn recharging.")},
    {"Hyper Fang",    "Normal",   physical,   80,   fixed("10% chance of other Pokemon flinching if this pokemon wins initiative.")},
    {"Hypnosis",      "",         noClass,    none, fixed("Other pokemon falls asleep.")},
    {"Ice Beam",      "Ice",      special,    95,   fixed("10% chance of freezing other pokemon.")},
    {"Ice Punch",     "Ice",      special,    75,   fixed("10% chance of freezing other pokemon.")},
    {"Jump Kick",     "Fighting", physical,   70,   fixed("If it misses, this pokemon recieves 1/8 the damage that would have been dealt to the other pokemon.")},
    {"Karate Chop",   "Normal",   physical,   50,   noNotes},
    {"Kinesis",       "",         noClass,    none, fixed("Lowers the other pokemon's accuracy.  This can be used on it a total of 6 times. (MAX)")},
    {"Leech Life",    "Bug",      physical,   20,   fixed("50% of the damage dealt is healed on this pokemon.")},
    {"Leech Seed",    "",         noClass,    none, fixed("Each subsequent round, the enemy loses 6.3% of its HP, restoring that much to this pokemon.  This can be removed with Haze.  Grass pokemon are not affected.")},
    {"Leer",          "",         noClass,    none, fixed("Lowers the other pokemon's defense.  This can be used on it a total of 6 times. (MAX)")},
    {"Lick",          "Ghost",    physical,   20,   fixed("30% chance of paralyzing pokemon.")},
    {"Light Screen",  "",         noClass,    none, fixed("Reduces damage from special attacks by 50%")},
    {"Lovely Kiss",   "",         noClass,    none, fixed("Other Pokemon put to sleep")},
    {"Low Kick",      "Fighting", physical,   50,   fixed("10% chance of other Pokemon flinching if this pokemon wins initiative.")},
    {"Meditate",      "",         noClass,    none, fixed("Raises this pokemon's attack.  This can be used on it for a total of 6 times. (MAX)")},
    {"Mega Drain",    "Grass",    special,    40,   fixed("50% of the damage done to the other pokemon is healed on this one.")},
    {"Mega Kick",     "Normal",   physical,   120,  noNotes},
    {"Mega Punch",    "Normal",   physical,   80,   noNotes},
    {"Mimic",         "",         noClass,    none, fourWay("Replace this attack with the enemy's attack number ", oneToFour, ".  That attack should have the number of Mimics left as its remaining HP.")},
    {"Minimize",      "",         noClass,    none, fixed("This pokemon's evade has increased.  This can be used a total of 6 times.  (MAX)")},
    {"Mirror Move",   "",         noClass,    none, fixed("This pokemon attacks using the last attack used by the other pokemon as if it was used normally (With regards to Attack type/Pokemon Type benefits, etc.)")},
    {"Mist",          "",         noClass,    none, fixed("This pokemon cannot be affected by stat changing attacks (Such as Leer, etc.).  It can still be affected by status changes (Sleep, etc.).")},
    {"Night Shade",   "",         noClass,    none, fixed("Damages one HP for each level of the attacker. (e.g. L15, 15 HP, etc.)")},
    {"Pay Day",       "Normal",   physical,   40,   noNotes},
    {"Peck",          "Flying",   physical,   35,   noNotes},
    {"Petal Dance",   "Grass",    special,    70,   twoWay("This attack lasts for ", threeOrFour, " rounds, unless it hurts itself in confusion.  This trainer cannot do anything until the attack is over.  After it is, this pokemon becomes confused.")},
    {"Pin Missile",   "Bug",      physical,   14,   fourWay("Pokemon attacks ", twoToFive, " times this round")},
    {"Poison Gas",    "Poison",   physical,   0,    fixed("Poisons other pokemon")},
    {"Poison Sting",  "Poison",   physical,   15,   fixed("20% chance of poisoning enemy")},
    {"Poisonpowder",  "Poison",   physical,   0,    fixed("Poisons other Pokemon")},
    {"Pound",         "Normal",   physical,   40,   noNotes},
    {"Psybeam",       "Psychic",  special,    65,   fixed("10% chance of confusing other pokemon")},
    {"Psychic",       "Psychic",  special,    90,   fixed("10% chance of lowering other pokemon's special")},
    {"Quick Attack",  "Normal",   physical,   40,   fixed("Pokemon that Quick Attacks goes first, unless both do.  If both pokemon Quick Attack, order is determined normally.")},
    {"Rage",          "Normal",   physical,   20,   fixed("This attack continues for the rest of the battle for this pokemon, unless it does no damage on the first turn.  The trainer cannot do anything else.  Each time this pokemon is damaged, it raises its attack.  This can happen a total of 6 times. (MAX)")},
    {"Razor Leaf",    "Grass",    special,    55,   noNotes},
    {"Razor Wind",    "Normal",   physical,   80,   fixed("This pokemon creates a whirlwind this round and attacks with it next round.")},
    {"Recover",       "",         noClass,    none, fixed("Recovers up to 50% of its max HP")},
    {"Reflect",       "",         noClass,    none, fixed("Reduces damage from physical attacks by 50%")},
    {"Rest",          "",         noClass,    none, fixed("This pokemon automatically falls asleep for 3 turns. (One for falling asleep, one for staying asleep, the last for waking up)  This recovers all HP and can only be used when HP is less than max.")},
    {"Roar",          "",         noClass,    none, fixed("Scares wild pokes away, does nothing in trainer battles.")},
    {"Rock Slide",    "Rock",     physical,   75,   noNotes},
    {"Rock Throw",    "Rock",     physical,   50,   noNotes},
    {"Rolling Kick",  "Fighting", physical,   60,   fixed("30% chance of other Pokemon flinching if this pokemon wins initiative.")},
    {"Sand Attack",   "",         noClass,    none, fixed("Decreases other pokemon's accuracy.  This can only be used a total of 6 times on this poke. (MAX)")},
    {"Scratch",       "Normal",   physical,   40,   noNotes},
    {"Screech",       "",         noClass,    none, fixed("Greatly decreases other pokemon's defense.  This can be used a total of 3 times on that pokemon. (MAX)")},
    {"Seismic Toss",  "",         noClass,    none, fixed("Damages one HP for each level of the attacker. (e.g. L15, 15 HP, etc.)")},
    {"Selfdestruct",  "Normal",   physical,   130,  fixed("This pokemon faints.")},
    {"Sharpen",       "",         noClass,    none, fixed("Increases this pokemon's attack.  This can only be used a total of 6 times on this poke. (MAX)")},
    {"Sing",          "",         noClass,    none, fixed("Other pokemon falls asleep.")},
    {"Skull Bash",    "Normal",   physical,   100,  fixed("This pokemon lowers it's head the first round, and attacks the next")},
    {"Sky Attack",    "Flying",   physical,   140,  fixed("This pokemon glows the first round, and attacks the next round.")},
    {"Slam",          "Normal",   physical,   80,   noNotes},
    {"Slash",         "Normal",   physical,   70,   noNotes},
    {"Sleep Powder",  "",         noClass,    none, fixed("Other pokemon falls asleep")},
    {"Sludge",        "Poison",   physical,   65,   fixed("40% Chance of poisoning other pokemon")},
    {"Smog",          "Poison",   physical,   20,   noNotes},
    {"Smokescreen",   "",         noClass,    none, fixed("Decreases other pokemon's accuracy.  This can only be used a total of 6 times on this poke. (MAX)")},
    {"Softboiled",    "",         noClass,    none, fixed("Increases HP by 50% of the Max.")},
    {"Solar Beam",    "Grass",    special,    120,  fixed("This pokemon takes in sunlight the first turn and attacks on the next.")},
    {"Sonicboom",     "",         noClass,    none, fixed("Deals exactly 20 Damage")},
    {"Spike Cannon",  "Normal",   physical,   20,   fourWay("Pokemon attacks ", twoToFive, " times this round")},
    {"Splash",        "",         noClass,    none, fixed("This does absolutely nothing.")},
    {"Spore",         "",         noClass,    none, fixed("Other pokemon falls asleep")},
    {"Stomp",         "Normal",   physical,   65,   fixed("30% chance of other Pokemon flinching if this pokemon wins initiative.")},
    {"Strength",      "Normal",   physical,   80,   noNotes},
    {"String Shot",   "",         noClass,    none, fixed("Decreases other pokemon's speed.  This can only be used a total of 6 times on this poke. (MAX)")},
    {"Struggle",      "Normal",   physical,   50,   fixed("This pokemon recieves 25% of the damage done to the other.")},
    {"Stun Spore",    "",         noClass,    none, fixed("Other pokemon is paralyzed.")},
    {"Submission",    "Fighting", physical,   80,   fixed("This pokemon recieves 25% of the damage done to the other.")},
    {"Substitute",    "",         noClass,    none, fixed("This pokemon creates a substitute and loses 25% of its HP.  The sub has a max HP of that 25%.  This pokemon may still attack.  Once the Sub's HP has run out, it breaks.")},
    {"Super Fang",    "",         noClass,    none, fixed("Damages for half of the other pokemon's remaining HP.")},
    {"Supersonic",    "",         noClass,    none, fixed("Other pokemon becomes confused")},
    {"Surf",          "Water",    special,    95,   noNotes},
    {"Swift",         "Normal",   physical,   60,   fixed("The accuracy is ALWAYS 99.6%, even against flyers and diggers.")},
    {"Swords Dance",  "",         noClass,    none, fixed("Greatly increases this pokemon's attack.  This can be used a total of 3 times on that pokemon. (MAX)")},
    {"Tackle",        "Normal",   physical,   35,   noNotes},
    {"Tail Whip",     "",         noClass,    none, fixed("Decreases other pokemon's defense.  This can only be used a total of 6 times on this poke. (MAX)")},
    {"Take Down",     "Normal",   physical,   90,   fixed("This pokemon recieves 25% of the damage done to the other.")},
    {"Teleport",      "",         noClass,    none, fixed("Runs away from wild pokes.  Does nothing in trainer battles.")},
    {"Thrash",        "Normal",   physical,   90,   twoWay("This attack lasts for ", threeOrFour, " rounds, unless it hurts itself in confusion.  This trainer cannot do anything until the attack is over.  After it is, this pokemon becomes confused.")},
    {"Thunder",       "Electric", special,    120,  fixed("10% chance of paralyzing other pokemon")},
    {"Thunderbolt",   "Electric", special,    95,   noNotes},
    {"Thunder Punch", "Electric", special,    75,   fixed("10% chance of paralyzing other pokemon")},
    {"Thundershock",  "Electric", special,    40,   fixed("10% chance of paralyzing other pokemon")},
    {"Thunder Wave",  "",         noClass,    none, fixed("Other pokemon is paralyzed.")},
    {"Toxic",         "Poison",   physical,   0,    fixed("Other pokemon is badly poisoned.  It loses the HP in the poison box the next round, twice that in the following round, and thrice in the following round, etc.")},
    {"Transform",     "",         noClass,    none, fixed("This pokemon transforms into the other.  It gains all the same stats as the other except for HP, and all of the transformed moves have 5 PP left.  The accuracy is ALWAYS 99.6%, even against flyers and diggers.")},
    {"Tri Attack",    "Normal",   physical,   80,   noNotes},
    {"Twineedle",     "Bug",      physical,   20,   fixed("This pokemon attacks twice this round.")},
    {"Vicegrip",      "Normal",   physical,   55,   noNotes},
    {"Vine Whip",     "Grass",    special,    35,   noNotes},
    {"Water Gun",     "Water",    special,    40,   noNotes},
    {"Waterfall",     "Water",    special,    80,   noNotes},
    {"Whirlwind",     "",         noClass,    none, fixed("Scares wild pokes away, does nothing in trainer battles.")},
    {"Wing Attack",   "Flying",   physical,   60,   noNotes},
    {"Withdraw",      "",         noClass,    none, fixed("Increases this pokemon's attack.  This can only be used a total of 6 times on this poke. (MAX)")},
    {"Wrap",          "Normal",   physical,   15,   fourWay("Pokemon attacks for ", twoToFive, " rounds.  The other pokemon cannot move while this attack is still attacking.  Ghosts will be rendered immovable with this attack, but they will not be damaged.")},
}};
// clang-format on

} // namespace

std::span<const AttackRow> attackRows()
{
    return rows;
}

const AttackRow* findAttack(std::string_view key)
{
    return findByName(attackRows(), key, &AttackRow::key);
}

std::string drawFourWay(const std::array<std::string_view, 4>& values, const DrawSource& draw)
{
    // Each comparison takes its own draw, so later values need more draws.
    if (draw() <= firstThreshold)
        return std::string(values[0]);
    if (draw() <= secondThreshold)
        return std::string(values[1]);
    if (draw() <= thirdThreshold)
        return std::string(values[2]);
    return std::string(values[3]);
}

std::string drawTwoWay(const std::array<std::string_view, 2>& values, const DrawSource& draw)
{
    return std::string(draw() <= secondThreshold ? values[0] : values[1]);
}

std::string fillNotes(const AttackNotes& notes, const DrawSource& draw)
{
    std::string count;
    switch (notes.draw) {
    case DrawKind::FourWay:
        count = drawFourWay(notes.values, draw);
        break;
    case DrawKind::TwoWay:
        count = drawTwoWay({notes.values[0], notes.values[1]}, draw);
        break;
    case DrawKind::None:
        break;
    }
    // No blank is added around the count: the texts carry their own.
    return std::string(notes.prefix) + count + std::string(notes.suffix);
}

std::string_view damageClassName(DamageClass damageClass)
{
    switch (damageClass) {
    case DamageClass::Physical:
        return "Physical";
    case DamageClass::Special:
        return "Special";
    case DamageClass::None:
        break;
    }
    return {};
}

AttackChoice chooseAttack(std::string_view key, const DrawSource& draw)
{
    AttackChoice choice;
    const AttackRow* row = findAttack(key);
    if (!row)
        return choice;
    choice.basePower = row->basePower;
    if (!row->type.empty())
        choice.type = std::string(row->type);
    choice.damageClass = row->damageClass;
    if (row->notes)
        choice.notes = fillNotes(*row->notes, draw);
    if (!row->damageDealt.empty())
        choice.fixedNormal = std::string(row->damageDealt);
    if (!row->critical.empty())
        choice.fixedCritical = std::string(row->critical);
    return choice;
}

} // namespace battle
