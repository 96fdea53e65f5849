// SPDX-License-Identifier: MIT
#include "ScriptedDraws.h"
#include "battle/GameTurn.h"
#include "support/TurnReference.h"

#include <QtTest>

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

TurnInputs turn(const QString& attacker, int attackerLevel, const QString& defender,
                int defenderLevel, const QString& move)
{
    TurnInputs inputs{.attacker = fighter(attacker, attackerLevel),
                      .defender = fighter(defender, defenderLevel),
                      .move = findMove(move.toStdString())};
    inputs.defenderHp = inputs.defender.stats.hp;
    return inputs;
}

QString joined(const std::vector<int>& rolls)
{
    return QString::fromStdString(rollsText(rolls));
}

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using Chances = QList<double>;

} // namespace

class TestGameTurn : public QObject {
    Q_OBJECT

private slots:
    void rolls_match_the_reference_data();
    void rolls_match_the_reference();
    void hit_chance_data();
    void hit_chance();
    void critical_chance_data();
    void critical_chance();
    void ko_odds_data();
    void ko_odds();
    void ko_odds_weigh_critical_hits_and_strikes_data();
    void ko_odds_weigh_critical_hits_and_strikes();
    void rolled_turn_data();
    void rolled_turn();
    void texts();
};

void TestGameTurn::rolls_match_the_reference_data()
{
    QTest::addColumn<TurnCase>("c");
    for (const TurnCase& c : readTurnReference())
        QTest::newRow(qPrintable(c.line.section('|', 0, 10))) << c;
}

void TestGameTurn::rolls_match_the_reference()
{
    QFETCH(TurnCase, c);
    TurnInputs inputs{.attacker = fighter(c.attacker, c.attackerLevel, c.attackerPreset),
                      .defender = fighter(c.defender, c.defenderLevel, c.defenderPreset),
                      .move = findMove(c.move.toStdString()),
                      .attackerStage = c.attackerStage,
                      .defenderStage = c.defenderStage,
                      .burned = c.burned,
                      .screen = c.screen};
    QVERIFY(inputs.move);
    inputs.defenderHp = inputs.defender.stats.hp;
    const TurnFigures figures = computeTurn(inputs);
    if (c.normalRolls != "-")
        QCOMPARE(joined(figures.normalRolls), c.normalRolls);
    QCOMPARE(joined(figures.criticalRolls), c.criticalRolls);
}

void TestGameTurn::hit_chance_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("accuracyStage");
    QTest::addColumn<int>("evasionStage");
    QTest::addColumn<bool>("attackerFaster");
    QTest::addColumn<int>("in256");
    // clang-format off
    QTest::newRow("100 % misses 1 in 256")                << "Pound"        <<  0 <<  0 << true  << 255;
    QTest::newRow("Swift never misses")                   << "Swift"        << -6 <<  6 << true  << 256;
    QTest::newRow("70 % floors 178.5")                    << "Thunder"      <<  0 <<  0 << true  << 178;
    QTest::newRow("accuracy +1 stops at 255")             << "Pound"        <<  1 <<  0 << true  << 255;
    QTest::newRow("evasion +1 is accuracy's -1")          << "Pound"        <<  0 <<  1 << true  << 168;
    QTest::newRow("accuracy -6 quarters")                 << "Pound"        << -6 <<  0 << true  << 63;
    QTest::newRow("+6 and +6 clamp only at the end")      << "Pound"        <<  6 <<  6 << true  << 255;
    QTest::newRow("both against 30 % floor twice")        << "Fissure"      << -6 <<  6 << true  << 4;
    QTest::newRow("one-hit KO from the faster side")      << "Fissure"      <<  0 <<  0 << true  << 76;
    QTest::newRow("one-hit KO misses a faster defender")  << "Horn Drill"   <<  6 <<  0 << false << 0;
    // clang-format on
}

void TestGameTurn::hit_chance()
{
    QFETCH(QString, move);
    QFETCH(int, accuracyStage);
    QFETCH(int, evasionStage);
    QFETCH(bool, attackerFaster);
    QFETCH(int, in256);
    // Electrode outruns Slowpoke at any level here.
    TurnInputs inputs = attackerFaster ? turn("Electrode", 50, "Slowpoke", 50, move)
                                       : turn("Slowpoke", 50, "Electrode", 50, move);
    inputs.accuracyStage = accuracyStage;
    inputs.evasionStage = evasionStage;
    QCOMPARE(hitChanceIn256(inputs), in256);
}

void TestGameTurn::critical_chance_data()
{
    QTest::addColumn<QString>("species");
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("in256");
    // clang-format off
    QTest::newRow("Persian, ordinary move")          << "Persian"   << "Scratch"      << 57;
    QTest::newRow("Persian, Slash stops at 255")     << "Persian"   << "Slash"        << 255;
    QTest::newRow("Slowpoke halves an odd 15")       << "Slowpoke"  << "Pound"        << 7;
    QTest::newRow("Slowpoke, Crabhammer eightfold")  << "Slowpoke"  << "Crabhammer"   << 56;
    QTest::newRow("Electrode, Karate Chop")          << "Electrode" << "Karate Chop"  << 255;
    QTest::newRow("fixed damage has none")           << "Persian"   << "Seismic Toss" << 0;
    QTest::newRow("no power, none")                  << "Persian"   << "Growl"        << 0;
    // clang-format on
}

void TestGameTurn::critical_chance()
{
    QFETCH(QString, species);
    QFETCH(QString, move);
    QFETCH(int, in256);
    QCOMPARE(
        criticalChanceIn256(*findSpecies(species.toStdString()), *findMove(move.toStdString())),
        in256);
}

void TestGameTurn::ko_odds_data()
{
    QTest::addColumn<QString>("attacker");
    QTest::addColumn<QString>("defender");
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("hp");
    QTest::addColumn<QString>("rolls");
    QTest::addColumn<Chances>("within");
    const double sonic = 229 / 256.0, miss = 1 - sonic;
    const double fang = 229 / 256.0, psywave = 204 / 256.0, fissure = 76 / 256.0;
    const auto atLeastTwo = [](double h, int n) {
        return 1 - std::pow(1 - h, n) - n * h * std::pow(1 - h, n - 1);
    };
    // clang-format off
    QTest::newRow("Sonic Boom faints 20 HP on its first hit")
        << "Electrode" << "Slowpoke" << "Sonic Boom" << 20 << "20"
        << Chances{sonic, 1 - miss * miss, 1 - std::pow(miss, 3), 1 - std::pow(miss, 4)};
    QTest::newRow("Sonic Boom needs two hits for 21 HP")
        << "Electrode" << "Slowpoke" << "Sonic Boom" << 21 << "20"
        << Chances{0, sonic * sonic, atLeastTwo(sonic, 3), atLeastTwo(sonic, 4)};
    QTest::newRow("Super Fang halves 5 HP to 3, 2, 1, then none")
        << "Raticate"  << "Slowpoke" << "Super Fang" << 5 << "2"
        << Chances{0, 0, 0, std::pow(fang, 4)};
    QTest::newRow("Super Fang takes the last HP")
        << "Raticate"  << "Slowpoke" << "Super Fang" << 1 << "1" << Chances{fang, -1, -1, -1};
    QTest::newRow("Psywave at level 10 rolls 1 to 14")
        << "Abra"      << "Slowpoke" << "Psywave" << 14 << "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14"
        << Chances{psywave / 14, -1, -1, -1};
    QTest::newRow("Fissure takes whatever is left")
        << "Electrode" << "Slowpoke" << "Fissure" << 137 << "137"
        << Chances{fissure, 1 - std::pow(1 - fissure, 2), 1 - std::pow(1 - fissure, 3), 1 - std::pow(1 - fissure, 4)};
    QTest::newRow("Fissure never reaches the faster defender")
        << "Slowpoke"  << "Electrode" << "Fissure" << 50 << "50" << Chances{0, 0, 0, 0};
    QTest::newRow("Thunderbolt leaves a Ground type untouched")
        << "Electrode" << "Golem"    << "Thunderbolt" << 1 << "0" << Chances{0, 0, 0, 0};
    QTest::newRow("Seismic Toss hits a Ghost all the same")
        << "Electrode" << "Gengar"   << "Seismic Toss" << 10 << "10"
        << Chances{255 / 256.0, -1, -1, -1};
    // clang-format on
}

// Levels 10 on both sides; -1 leaves a chance unchecked.
void TestGameTurn::ko_odds()
{
    QFETCH(QString, attacker);
    QFETCH(QString, defender);
    QFETCH(QString, move);
    QFETCH(int, hp);
    QFETCH(QString, rolls);
    QFETCH(Chances, within);
    TurnInputs inputs = turn(attacker, 10, defender, 10, move);
    inputs.defenderHp = hp;
    const TurnFigures figures = computeTurn(inputs);
    QCOMPARE(joined(figures.normalRolls), rolls);
    for (int n = 0; n < 4; ++n) {
        if (within[n] >= 0)
            QVERIFY2(std::abs(figures.koWithin[n] - within[n]) < 1e-12,
                     qPrintable(QString::number(n + 1)));
    }
}

void TestGameTurn::ko_odds_weigh_critical_hits_and_strikes_data()
{
    QTest::addColumn<QString>("move");
    QTest::addColumn<int>("strikesBelowHp");
    QTest::addColumn<double>("koInOne");
    const double slash = 255 / 256.0, swipes = 204 / 256.0, ordinary = 57 / 256.0;
    // HP one above what that many normal strikes can reach; critical hits pass it.
    QTest::newRow("Slash needs its critical hit") << "Slash" << 1 << slash * slash;
    QTest::newRow("Fury Swipes needs three strikes or a critical hit")
        << "Fury Swipes" << 2 << swipes * ((1 - ordinary) * 5 / 8 + ordinary);
}

void TestGameTurn::ko_odds_weigh_critical_hits_and_strikes()
{
    QFETCH(QString, move);
    QFETCH(int, strikesBelowHp);
    QFETCH(double, koInOne);
    TurnInputs inputs = turn("Persian", 100, "Snorlax", 100, move);
    const TurnFigures full = computeTurn(inputs);
    inputs.defenderHp = full.normalRolls.back() * strikesBelowHp + 1;
    QVERIFY(inputs.defenderHp <= full.normalRolls.front() * (strikesBelowHp + 1));
    QVERIFY(inputs.defenderHp <= full.criticalRolls.front() * full.minStrikes);
    QVERIFY(std::abs(computeTurn(inputs).koWithin[0] - koInOne) < 1e-12);
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
    QFETCH(QString, outcome);
    const TurnInputs inputs = turn("Meowth", 53, "Rapidash", 74, move);
    ScriptedDraws script({draws.begin(), draws.end()});
    const TurnOutcome rolled = rollTurn(inputs, computeTurn(inputs), script.source());
    QCOMPARE(QString::fromStdString(outcomeText(rolled)), outcome);
    QCOMPARE(script.used(), drawsPerTurn);
}

void TestGameTurn::texts()
{
    QCOMPARE(q(chanceText(255)), "99.6 %");
    QCOMPARE(q(chanceText(16)), "6.3 %"); // 6.25: halves round up
    QCOMPARE(q(chanceText(byteOutcomes)), "100.0 %");
    TurnInputs inputs = turn("Electrode", 10, "Slowpoke", 10, "Sonic Boom");
    inputs.defenderHp = 20;
    QCOMPARE(q(koText(computeTurn(inputs))), "1: 89.5 %, 2: 98.9 %, 3: 99.9 %, 4: 100.0 %");
    QCOMPARE(q(rangeText(computeTurn(inputs), 80)), "20 (25.0 %)");
    inputs = turn("Meowth", 53, "Rapidash", 74, "Fury Attack");
    QCOMPARE(q(rangeText(computeTurn(inputs), 70)), "10–35 (14.3–50.0 %)");
    inputs.move = findMove("Growl");
    QCOMPARE(q(rangeText(computeTurn(inputs), 70)), q(noDamageText));
    QCOMPARE(q(koText(computeTurn(inputs))), "");
}

QTEST_GUILESS_MAIN(TestGameTurn)
#include "tst_gameturn.moc"
