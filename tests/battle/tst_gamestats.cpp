// SPDX-License-Identifier: MIT
#include "battle/GameStats.h"

#include <QTest>

using namespace battle::game;

namespace {

Stats statsOf(const char* species, int level, Preset preset)
{
    const Training training = presetTraining(preset).value();
    return computeStats(findSpecies(species)->base, training.dvs, training.statExp, level);
}

QList<int> listOf(const Stats& stats)
{
    return {stats.hp, stats.attack, stats.defense, stats.speed, stats.special};
}

QList<int> listOf(const BattleStats& stats)
{
    return {stats.attack, stats.defense, stats.speed, stats.special};
}

} // namespace

class TestGameStats : public QObject {
    Q_OBJECT

private slots:
    void known_stats_data();
    void known_stats();
    void hp_dv_takes_one_bit_from_each_dv_data();
    void hp_dv_takes_one_bit_from_each_dv();
    void stat_experience_counts_by_its_rounded_up_root_data();
    void stat_experience_counts_by_its_rounded_up_root();
    void stats_stop_at_999();
    void presets_name_themselves_and_custom_sets_nothing();
    void stages_and_conditions_data();
    void stages_and_conditions();
};

void TestGameStats::known_stats_data()
{
    QTest::addColumn<QString>("species");
    QTest::addColumn<int>("level");
    QTest::addColumn<Preset>("preset");
    QTest::addColumn<QList<int>>("stats"); // HP, Attack, Defense, Speed, Special
    // clang-format off
    QTest::newRow("Chansey L100 maximum")      << "Chansey"  << 100 << Preset::Maximum      << QList<int>{703, 108, 108, 198, 308};
    QTest::newRow("Mewtwo L100 maximum")       << "Mewtwo"   << 100 << Preset::Maximum      << QList<int>{415, 318, 278, 358, 406};
    QTest::newRow("Mew L100 maximum")          << "Mew"      << 100 << Preset::Maximum      << QList<int>{403, 298, 298, 298, 298};
    QTest::newRow("Tauros L100 maximum")       << "Tauros"   << 100 << Preset::Maximum      << QList<int>{353, 298, 288, 318, 238};
    QTest::newRow("Snorlax L50 maximum")       << "Snorlax"  <<  50 << Preset::Maximum      << QList<int>{266, 161, 116, 81, 116};
    QTest::newRow("Magikarp L1 maximum")       << "Magikarp" <<   1 << Preset::Maximum      << QList<int>{12, 6, 7, 7, 6};
    QTest::newRow("Alakazam L50 enemy trainer") << "Alakazam" << 50 << Preset::EnemyTrainer << QList<int>{123, 64, 58, 133, 148};
    QTest::newRow("Mew L100 enemy trainer")    << "Mew"      << 100 << Preset::EnemyTrainer << QList<int>{326, 223, 221, 221, 221};
    // clang-format on
}

void TestGameStats::known_stats()
{
    QFETCH(QString, species);
    QFETCH(int, level);
    QFETCH(Preset, preset);
    QTEST(listOf(statsOf(species.toUtf8().constData(), level, preset)), "stats");
}

void TestGameStats::hp_dv_takes_one_bit_from_each_dv_data()
{
    QTest::addColumn<QList<int>>("dvs"); // Attack, Defense, Speed, Special
    QTest::addColumn<int>("hp");
    QTest::newRow("all even") << QList<int>{14, 12, 10, 0} << 0;
    QTest::newRow("defense 4 and special 1") << QList<int>{0, 1, 0, 5} << 5;
    QTest::newRow("attack 8 and speed 2") << QList<int>{9, 8, 3, 8} << 10;
    QTest::newRow("all odd") << QList<int>{15, 15, 15, 15} << 15;
}

void TestGameStats::hp_dv_takes_one_bit_from_each_dv()
{
    QFETCH(QList<int>, dvs);
    QTEST(hpDv({dvs[0], dvs[1], dvs[2], dvs[3]}), "hp");
}

void TestGameStats::stat_experience_counts_by_its_rounded_up_root_data()
{
    QTest::addColumn<int>("statExp");
    QTest::addColumn<int>("bonus");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("two rounds up") << 2 << 2;
    QTest::newRow("square") << 10000 << 100;
    QTest::newRow("just over a square") << 10001 << 101;
    QTest::newRow("255 squared") << 65025 << 255;
    QTest::newRow("above 255 squared stops at 255") << 65026 << 255;
    QTest::newRow("maximum") << maxStatExp << 255;
}

void TestGameStats::stat_experience_counts_by_its_rounded_up_root()
{
    QFETCH(int, statExp);
    QFETCH(int, bonus);
    QCOMPARE(statExpBonus(statExp), bonus);
    // A quarter of it, rounded down, counts towards the stat.
    QCOMPARE(otherStat(100, 0, statExp, 100) - otherStat(100, 0, 0, 100), bonus / 4);
}

void TestGameStats::stats_stop_at_999()
{
    QCOMPARE(otherStat(255, 15, maxStatExp, maxLevel), 608);
    QCOMPARE(otherStat(500, 15, maxStatExp, maxLevel), 999);
    QCOMPARE(hpStat(500, 15, maxStatExp, maxLevel), 999);
    QCOMPARE(hpStat(250, 15, maxStatExp, maxLevel), 703);
}

void TestGameStats::presets_name_themselves_and_custom_sets_nothing()
{
    QStringList names;
    for (const Preset preset : allPresets) {
        names << QString::fromUtf8(presetName(preset));
        QCOMPARE(presetFromName(presetName(preset)), preset);
    }
    QCOMPARE(names, QStringList({"Maximum", "Enemy trainer", "Custom"}));
    QVERIFY(!presetTraining(Preset::Custom));
    QVERIFY(!presetFromName("maximum"));
    const StatExp none = presetTraining(Preset::EnemyTrainer)->statExp;
    QCOMPARE(none.hp + none.attack + none.defense + none.speed + none.special, 0);
}

void TestGameStats::stages_and_conditions_data()
{
    QTest::addColumn<QList<int>>("stats"); // Attack, Defense, Speed, Special
    QTest::addColumn<QList<int>>("stages");
    QTest::addColumn<QList<bool>>("conditions"); // burned, paralyzed, Reflect, Light Screen
    QTest::addColumn<QList<int>>("battle");
    const QList<bool> none{false, false, false, false};
    // clang-format off
    QTest::newRow("stage 0 keeps")           << QList<int>{318, 278, 358, 406} << QList<int>{0, 0, 0, 0}     << none << QList<int>{318, 278, 358, 406};
    QTest::newRow("+1 +2 +4 +5")             << QList<int>{100, 100, 100, 101} << QList<int>{1, 2, 4, 5}     << none << QList<int>{150, 200, 300, 353};
    QTest::newRow("-1 -2 -3 -4")             << QList<int>{100, 100, 100, 100} << QList<int>{-1, -2, -3, -4} << none << QList<int>{66, 50, 40, 33};
    QTest::newRow("-5 -6 +3 +6")             << QList<int>{100, 100, 100, 100} << QList<int>{-5, -6, 3, 6}   << none << QList<int>{28, 25, 250, 400};
    QTest::newRow("beyond ±6 counts as ±6")  << QList<int>{100, 100, 100, 100} << QList<int>{7, -7, 12, -12} << none << QList<int>{400, 25, 400, 25};
    QTest::newRow("raised past 999 stops")   << QList<int>{406, 300, 999, 500} << QList<int>{6, 6, 1, 2}     << none << QList<int>{999, 999, 999, 999};
    QTest::newRow("lowered to 0 keeps 1")    << QList<int>{3, 1, 2, 1}         << QList<int>{-6, -6, -6, -1} << none << QList<int>{1, 1, 1, 1};
    QTest::newRow("burn halves Attack")      << QList<int>{101, 100, 100, 100} << QList<int>{0, 0, 0, 0}     << QList<bool>{true, false, false, false} << QList<int>{50, 100, 100, 100};
    QTest::newRow("paralysis quarters Speed") << QList<int>{100, 100, 318, 100} << QList<int>{0, 0, 0, 0}    << QList<bool>{false, true, false, false} << QList<int>{100, 100, 79, 100};
    QTest::newRow("Reflect doubles Defense") << QList<int>{100, 278, 100, 100} << QList<int>{0, 0, 0, 0}     << QList<bool>{false, false, true, false} << QList<int>{100, 556, 100, 100};
    QTest::newRow("Light Screen doubles Special") << QList<int>{100, 100, 100, 406} << QList<int>{0, 0, 0, 0} << QList<bool>{false, false, false, true} << QList<int>{100, 100, 100, 812};
    QTest::newRow("stage before burn")       << QList<int>{100, 100, 100, 100} << QList<int>{2, 0, 0, 0}     << QList<bool>{true, false, false, false} << QList<int>{100, 100, 100, 100};
    QTest::newRow("screens stop at 999")     << QList<int>{100, 600, 100, 406} << QList<int>{0, 0, 0, 1}     << QList<bool>{false, false, true, true}  << QList<int>{100, 999, 100, 999};
    QTest::newRow("halving 1 keeps 1")       << QList<int>{1, 100, 3, 100}     << QList<int>{0, 0, 0, 0}     << QList<bool>{true, true, false, false}  << QList<int>{1, 100, 1, 100};
    // clang-format on
}

void TestGameStats::stages_and_conditions()
{
    QFETCH(QList<int>, stats);
    QFETCH(QList<int>, stages);
    QFETCH(QList<bool>, conditions);
    const Stats base{0, stats[0], stats[1], stats[2], stats[3]};
    const Conditions given{conditions[0], conditions[1], conditions[2], conditions[3]};
    const Stages stage{stages[0], stages[1], stages[2], stages[3]};
    QTEST(listOf(battleStats(base, stage, given)), "battle");
    // An attacker's figures leave the screens out and keep the rest.
    const BattleStats attacking = battleStats(base, stage, whenAttacking(given));
    const BattleStats unscreened = battleStats(base, stage, {given.burned, given.paralyzed});
    QCOMPARE(attacking, unscreened);
}

QTEST_GUILESS_MAIN(TestGameStats)
#include "tst_gamestats.moc"
