// SPDX-License-Identifier: MIT
#include "battle/game/GameTurn.h"
#include "support/TurnReference.h"

#include <QTest>

#include <cmath>

using namespace battle::game;

namespace {

Fighter fighter(const QString& name, int level, const QString& preset = "Maximum")
{
    const Species* species = findSpecies(name.toStdString());
    const auto training = presetTraining(presetFromName(preset.toStdString()).value());
    if (!species || !training)
        qFatal("no species %s or preset %s", qPrintable(name), qPrintable(preset));
    return {species, level, computeStats(species->base, training->dvs, training->statExp, level)};
}

// Both on the maximum preset, the defender at full HP.
TurnInputs turn(const QString& attacker, int attackerLevel, const QString& defender,
                int defenderLevel, const QString& move)
{
    TurnInputs inputs{.attacker = fighter(attacker, attackerLevel),
                      .defender = fighter(defender, defenderLevel),
                      .move = findMove(move.toStdString())};
    if (!inputs.move)
        qFatal("no move %s", qPrintable(move));
    inputs.defenderHp = inputs.defender.stats.hp;
    return inputs;
}

using Chances = QList<double>;

} // namespace

class TestGameTurn : public QObject {
    Q_OBJECT

private slots:
    void rolls_match_the_reference_data();
    void rolls_match_the_reference();
    void game_rules_data();
    void game_rules();
    void one_hit_ko_compares_battle_speeds_data();
    void one_hit_ko_compares_battle_speeds();
    void chances_are_never_rounded_to_certainty_data();
    void chances_are_never_rounded_to_certainty();
    void hit_and_critical_chances_data();
    void hit_and_critical_chances();
    void ko_odds_data();
    void ko_odds();
    void rolled_turn_data();
    void rolled_turn();
};

void TestGameTurn::rolls_match_the_reference_data()
{
    QTest::addColumn<TurnCase>("c");
    for (const TurnCase& c : readTurnReference())
        QTest::newRow(qPrintable(c.tag)) << c;
}

void TestGameTurn::rolls_match_the_reference()
{
    QFETCH(TurnCase, c);
    const TurnInputs inputs{
        .attacker = fighter(c.attacker, c.attackerLevel.toInt(), c.attackerPreset),
        .defender = fighter(c.defender, c.defenderLevel.toInt(), c.defenderPreset),
        .move = findMove(c.move.toStdString()),
        .attackerStage = c.attackerStage.toInt(),
        .defenderStage = c.defenderStage.toInt(),
        .burned = c.burned,
        .screen = c.screen};
    QVERIFY(inputs.move);
    const TurnFigures figures = computeTurn(inputs);
    if (c.normalRolls != "-")
        QCOMPARE(QString::fromStdString(hitText(figures, false)), c.normalRolls);
    QCOMPARE(QString::fromStdString(hitText(figures, true)), c.criticalRolls);
}

// Derived by hand from the games' rules where the peer calculator departs from them: each comment
// gives the stats (Maximum preset), the damage before the random factor and the rows of the
// games' matchup list (by number) in the order they apply; a critical hit doubles the level.
void TestGameTurn::game_rules_data()
{
    QTest::addColumn<QString>("attacker");
    QTest::addColumn<int>("attackerLevel");
    QTest::addColumn<QString>("defender");
    QTest::addColumn<int>("defenderLevel");
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("normal"); // lowest–highest roll
    QTest::addColumn<QString>("critical");
    // clang-format off
    // Spc 161 on Spc 151: 69 (same type); row 25 x2 = 138, row 79 x0.5 = 69. Critical 130: 260, 130.
    QTest::newRow("weakness row first: Electric on Dragonite") << "Jolteon"   <<  50 << "Dragonite"  <<  50 << "Thunderbolt" << "58–69"     << "110–130";
    // Atk 139 on Def 111: 55 (same type); row 44 x0.5 = 27, row 46 x2 = 54. Critical 105: 52, 104.
    QTest::newRow("resistance row first: Poison on Venomoth") << "Arbok"      <<  51 << "Venomoth"   <<  50 << "Sludge"      << "45–54"     << "88–104";
    // Atk 163 on Def 86: 93 (same type); row 38 x0.5 = 46, row 41 x2 = 92. Critical 175: 87, 174.
    QTest::newRow("resistance row first: Fighting on Jynx")   << "Machamp"    <<  45 << "Jynx"       <<  50 << "Submission"  << "78–92"     << "148–174";
    // Spc 136 on Spc 101: 37 (same type); row 1 x2 = 74. Critical 70: 140.
    QTest::newRow("single type: Water on Charmander")         << "Blastoise"  <<  50 << "Charmander" <<  50 << "Water Gun"   << "62–74"     << "119–140";
    // Spc 161 on Spc 151: 69; row 5 x2 = 138, row 25 x2 = 276. Critical 130: 260, 520.
    QTest::newRow("two weaknesses: Electric on Gyarados")     << "Jolteon"    <<  50 << "Gyarados"   <<  50 << "Thunderbolt" << "234–276"   << "442–520";
    // Atk 198, Def 288: both / 4 = 49 and 72, then Defense halved = 36: 196. Critical 381.
    QTest::newRow("Explosion halves after quartering 288")    << "Electrode"  << 100 << "Tauros"     << 100 << "Explosion"   << "166–196"   << "324–381";
    // Atk 101, Def 146 halved = 73: 105. Critical 199.
    QTest::newRow("Explosion below 256 halves at once")       << "Electrode"  <<  50 << "Tauros"     <<  50 << "Explosion"   << "89–105"    << "169–199";
    // Spc 9 on Spc 178: 3 (same type), critical 3 too; row 28 x0.5 = 1, row 30 x0.5 = 0.
    QTest::newRow("two resistances take 3 to nothing")        << "Bulbasaur"  <<   2 << "Zubat"      << 100 << "Absorb"      << "No effect" << "No effect";
    // Spc 161 on Spc 106: 97; row 24 x0 = 0.
    QTest::newRow("an immune defender")                       << "Jolteon"    <<  50 << "Golem"      <<  50 << "Thunderbolt" << "No effect" << "No effect";
    // clang-format on
}

void TestGameTurn::game_rules()
{
    QFETCH(QString, attacker);
    QFETCH(int, attackerLevel);
    QFETCH(QString, defender);
    QFETCH(int, defenderLevel);
    QFETCH(QString, move);
    QFETCH(QString, normal);
    const TurnInputs inputs = turn(attacker, attackerLevel, defender, defenderLevel, move);
    const TurnFigures figures = computeTurn(inputs);
    const auto span = [](const std::vector<int>& rolls) {
        return rolls.empty() ? QString::fromUtf8(noEffectText)
                             : QString("%1–%2").arg(rolls.front()).arg(rolls.back());
    };
    QCOMPARE(span(figures.normalRolls), normal);
    QTEST(span(figures.criticalRolls), "critical");
    // A hit the types bring to nothing is a miss: no KO, and a roll that tells so.
    const bool none = normal == QString::fromUtf8(noEffectText);
    QCOMPARE(figures.koWithin[3] == 0, none);
    const TurnOutcome hit = rollTurn(inputs, figures, [] { return 0.0f; }); // hits, critical
    QCOMPARE(hit.result == Result::NoEffect, none);
    QCOMPARE(outcomeText(hit) == noEffectText, none);
}

void TestGameTurn::one_hit_ko_compares_battle_speeds_data()
{
    QTest::addColumn<QString>("attacker");
    QTest::addColumn<int>("attackerStage");
    QTest::addColumn<bool>("attackerParalyzed");
    QTest::addColumn<int>("defenderStage");
    QTest::addColumn<bool>("defenderParalyzed");
    QTest::addColumn<int>("hitIn256"); // 30 % is 76
    // Level 50, Maximum: Slowpoke's Speed is 81, Electrode's 191.
    // clang-format off
    QTest::newRow("Electrode outruns Slowpoke")        << "Electrode" <<  0 << false <<  0 << false << 76;
    QTest::newRow("not at -6: 191 x 25 % is 47")       << "Electrode" << -6 << false <<  0 << false << 0;
    QTest::newRow("nor paralyzed: 191 / 4 is 47")      << "Electrode" <<  0 << true  <<  0 << false << 0;
    QTest::newRow("Slowpoke at +6: 324 against 191")   << "Slowpoke"  <<  6 << false <<  0 << false << 76;
    QTest::newRow("or against a paralyzed 47")         << "Slowpoke"  <<  0 << false <<  0 << true  << 76;
    QTest::newRow("but not a paralyzed +6: 764 / 4")   << "Slowpoke"  <<  0 << false <<  6 << true  << 0;
    // clang-format on
}

void TestGameTurn::one_hit_ko_compares_battle_speeds()
{
    QFETCH(QString, attacker);
    TurnInputs inputs = turn(attacker, 50, attacker == "Slowpoke" ? "Electrode" : "Slowpoke", 50,
                             attacker == "Slowpoke" ? "Horn Drill" : "Fissure");
    QFETCH(int, attackerStage);
    QFETCH(bool, attackerParalyzed);
    QFETCH(int, defenderStage);
    QFETCH(bool, defenderParalyzed);
    inputs.attackerSpeedStage = attackerStage;
    inputs.attackerParalyzed = attackerParalyzed;
    inputs.defenderSpeedStage = defenderStage;
    inputs.defenderParalyzed = defenderParalyzed;
    QTEST(computeTurn(inputs).hitIn256, "hitIn256");
}

void TestGameTurn::chances_are_never_rounded_to_certainty_data()
{
    QTest::addColumn<int>("in256"); // -1: the chance below
    QTest::addColumn<double>("chance");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("255 in 256 with its fraction") << 255 << 0.0     << "99.6 % (255/256)";
    QTest::newRow("1 in 256")                     << 1   << 0.0     << "0.4 % (1/256)";
    QTest::newRow("never")                        << 0   << 0.0     << "0.0 %";
    QTest::newRow("Swift's 256 is certain")       << 256 << 0.0     << "100.0 %";
    QTest::newRow("just short of certain")        << -1  << 0.99951 << "> 99.9 %";
    QTest::newRow("just above nothing")           << -1  << 0.00049 << "< 0.1 %";
    QTest::newRow("rounds as ever in between")    << -1  << 0.99949 << "99.9 %";
    QTest::newRow("certain")                      << -1  << 1.0     << "100.0 %";
    QTest::newRow("impossible")                   << -1  << 0.0     << "0.0 %";
    // clang-format on
}

void TestGameTurn::chances_are_never_rounded_to_certainty()
{
    QFETCH(int, in256);
    QFETCH(double, chance);
    QTEST(QString::fromStdString(in256 >= 0 ? chanceText(in256) : probabilityText(chance)), "text");
}

void TestGameTurn::hit_and_critical_chances_data()
{
    QTest::addColumn<QString>("attacker");
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("accuracyStage");
    QTest::addColumn<int>("evasionStage");
    QTest::addColumn<QString>("in256"); // to hit, then for a critical hit
    // clang-format off
    QTest::newRow("100 % misses 1 in 256, Persian")   << "Persian"   << "Scratch"      <<  0 << 0 << "255 57";
    QTest::newRow("Persian, Slash stops at 255")      << "Persian"   << "Slash"        <<  0 << 0 << "255 255";
    QTest::newRow("Slowpoke halves an odd 15")        << "Slowpoke"  << "Pound"        <<  0 << 0 << "255 7";
    QTest::newRow("Slowpoke, Crabhammer eightfold")   << "Slowpoke"  << "Crabhammer"   <<  0 << 0 << "216 56";
    QTest::newRow("fixed damage has no critical hit") << "Persian"   << "Seismic Toss" <<  0 << 0 << "255 0";
    QTest::newRow("nor has no power")                 << "Persian"   << "Growl"        <<  0 << 0 << "255 0";
    QTest::newRow("Swift never misses")               << "Electrode" << "Swift"        << -6 << 6 << "256 70";
    QTest::newRow("70 % floors 178.5")                << "Electrode" << "Thunder"      <<  0 << 0 << "178 70";
    QTest::newRow("accuracy +1 stops at 255")         << "Electrode" << "Pound"        <<  1 << 0 << "255 70";
    QTest::newRow("evasion +1 is accuracy's -1")      << "Electrode" << "Pound"        <<  0 << 1 << "168 70";
    QTest::newRow("accuracy -6 quarters")             << "Electrode" << "Pound"        << -6 << 0 << "63 70";
    QTest::newRow("+6 and +6 clamp only at the end")  << "Electrode" << "Pound"        <<  6 << 6 << "255 70";
    QTest::newRow("both against 30 % floor twice")    << "Electrode" << "Fissure"      << -6 << 6 << "4 0";
    QTest::newRow("one-hit KO from the faster side")  << "Electrode" << "Fissure"      <<  0 << 0 << "76 0";
    QTest::newRow("one-hit KO misses a faster one")   << "Slowpoke"  << "Horn Drill"   <<  6 << 0 << "0 0";
    // clang-format on
}

// Against Slowpoke, or Electrode for Slowpoke: Electrode outruns it at any level.
void TestGameTurn::hit_and_critical_chances()
{
    QFETCH(QString, attacker);
    QFETCH(QString, move);
    TurnInputs inputs =
        turn(attacker, 50, attacker == "Slowpoke" ? "Electrode" : "Slowpoke", 50, move);
    QFETCH(int, accuracyStage);
    QFETCH(int, evasionStage);
    inputs.accuracyStage = accuracyStage;
    inputs.evasionStage = evasionStage;
    const TurnFigures figures = computeTurn(inputs);
    QTEST(QString("%1 %2").arg(figures.hitIn256).arg(figures.criticalIn256), "in256");
}

void TestGameTurn::ko_odds_data()
{
    QTest::addColumn<QString>("attacker");
    QTest::addColumn<QString>("defender");
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("hp");
    QTest::addColumn<QString>("range");
    QTest::addColumn<Chances>("within"); // 1, 2, 3, 4 uses; -1: unchecked
    const double sonic = 229 / 256.0, fang = 229 / 256.0;
    const double psywave = 204 / 256.0, fissure = 76 / 256.0, sure = 255 / 256.0;
    const double swipes = 204 / 256.0, ordinary = 57 / 256.0;
    const auto atLeastTwo = [](double h, int n) {
        return 1 - std::pow(1 - h, n) - n * h * std::pow(1 - h, n - 1);
    };
    const auto once = [](double h) {
        return Chances{h, 1 - std::pow(1 - h, 2), 1 - std::pow(1 - h, 3), 1 - std::pow(1 - h, 4)};
    };
    // clang-format off
    QTest::newRow("Sonic Boom faints 20 HP on its first hit")  << "Electrode" << "Slowpoke" << "Sonic Boom"   << 20  << "20 (100.0 %)" << once(sonic);
    QTest::newRow("Sonic Boom needs two hits for 21 HP")       << "Electrode" << "Slowpoke" << "Sonic Boom"   << 21  << "20 (95.2 %)" << Chances{0, sonic * sonic, atLeastTwo(sonic, 3), atLeastTwo(sonic, 4)};
    QTest::newRow("Super Fang halves 5 HP to 3, 2, 1, then 0") << "Raticate"  << "Slowpoke" << "Super Fang"   << 5   << "2 (40.0 %)" << Chances{0, 0, 0, std::pow(fang, 4)};
    QTest::newRow("Super Fang takes the last HP")              << "Raticate"  << "Slowpoke" << "Super Fang"   << 1   << "1 (100.0 %)" << Chances{fang, -1, -1, -1};
    QTest::newRow("Psywave at level 10 rolls 1 to 14")         << "Abra"      << "Slowpoke" << "Psywave"      << 14  << "1–14 (7.1–100.0 %)" << Chances{psywave / 14, -1, -1, -1};
    QTest::newRow("Fissure takes whatever is left")            << "Electrode" << "Slowpoke" << "Fissure"      << 137 << "137 (100.0 %)" << once(fissure);
    QTest::newRow("Fissure never reaches a faster defender")   << "Slowpoke"  << "Electrode" << "Fissure"     << 50  << "50 (100.0 %)" << Chances{0, 0, 0, 0};
    QTest::newRow("Thunderbolt leaves Ground untouched")       << "Electrode" << "Golem"    << "Thunderbolt"  << 1   << "No effect" << Chances{0, 0, 0, 0};
    QTest::newRow("Seismic Toss hits a Ghost all the same")    << "Electrode" << "Gengar"   << "Seismic Toss" << 10  << "10 (100.0 %)" << Chances{sure, -1, -1, -1};
    // One HP above the most that ordinary strikes deal; critical hits, or a third strike, pass it.
    QTest::newRow("Slash needs its critical hit")              << "Persian"   << "Chansey"  << "Slash"        << 26  << "21–25 (80.8–96.2 %)" << Chances{sure * sure, -1, -1, -1};
    QTest::newRow("Fury Swipes needs 3 strikes or a critical") << "Persian"   << "Chansey"  << "Fury Swipes"  << 19  << "14–45 (73.7–236.8 %)" << Chances{swipes * ((1 - ordinary) * 5 / 8 + ordinary), -1, -1, -1};
    // clang-format on
}

// Level 10 on both sides.
void TestGameTurn::ko_odds()
{
    QFETCH(QString, attacker);
    QFETCH(QString, defender);
    QFETCH(QString, move);
    QFETCH(Chances, within);
    TurnInputs inputs = turn(attacker, 10, defender, 10, move);
    QFETCH(int, hp);
    inputs.defenderHp = hp;
    const TurnFigures figures = computeTurn(inputs);
    QTEST(QString::fromStdString(rangeText(figures, hp)), "range");
    for (int n = 0; n < 4; ++n)
        QVERIFY2(within[n] < 0 || std::abs(figures.koWithin[n] - within[n]) < 1e-12,
                 qPrintable(QString::number(n + 1)));
}

void TestGameTurn::rolled_turn_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("outcome");
    const float last = std::nextafter(1.0f, 0.0f);
    // Fury Attack: 85 % is 216 in 256, Meowth's critical hit 45 in 256; rolls 5…7, critical 11…13.
    // clang-format off
    QTest::newRow("the hit chance's own draw misses") << "Fury Attack"  << QList<float>{216 / 256.0f, 0, 0, 0}   << "Missed";
    QTest::newRow("lowest roll, two strikes")         << "Fury Attack"  << QList<float>{215 / 256.0f, 45 / 256.0f, 0, 0} << "Hit 2 times: 10 damage";
    QTest::newRow("third eighth is three strikes")    << "Fury Attack"  << QList<float>{0, 0.5f, 0, 3 / 8.0f}    << "Hit 3 times: 15 damage";
    QTest::newRow("seventh eighth is four strikes")   << "Fury Attack"  << QList<float>{0, 0.5f, last, 6 / 8.0f} << "Hit 4 times: 28 damage";
    QTest::newRow("critical, highest roll, five")     << "Fury Attack"  << QList<float>{0, 44 / 256.0f, last, last} << "Critical hit 5 times: 65 damage";
    QTest::newRow("fixed damage")                     << "Seismic Toss" << QList<float>{0, 0, last, last}       << "Hit: 53 damage";
    QTest::newRow("no damage")                        << "Growl"        << QList<float>{0, 0, 0, 0}             << "Hit";
    // clang-format on
}

void TestGameTurn::rolled_turn()
{
    QFETCH(QString, move);
    QFETCH(QList<float>, draws);
    const TurnInputs inputs = turn("Meowth", 53, "Rapidash", 74, move);
    int used = 0;
    const battle::DrawSource draw = [&] {
        return used < draws.size() ? draws[used++] : (++used, 0.0f);
    };
    QTEST(QString::fromStdString(outcomeText(rollTurn(inputs, computeTurn(inputs), draw))),
          "outcome");
    QCOMPARE(used, drawsPerTurn);
}

QTEST_GUILESS_MAIN(TestGameTurn)
#include "tst_gameturn.moc"
