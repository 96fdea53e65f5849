// SPDX-License-Identifier: MIT
#include "battle/classic/AttackTable.h"
#include "battle/classic/Rolls.h"

#include <QTest>

#include <cmath>
#include <string>

using namespace battle;

namespace {

// Hands out a fixed list of draws (then 0) and counts every draw taken, so a test can tell
// exactly how many numbers a roll used.
struct ScriptedDraws {
    std::vector<float> script;
    int used = 0;

    battle::DrawSource source()
    {
        return [this] { return used < int(script.size()) ? script[used++] : (++used, 0.0f); };
    }
};

// A draw in the middle of the range that rolls the given whole number from 1 to 100.
float drawForRoll(int roll)
{
    return (static_cast<float>(roll) - 0.5f) / 100.0f;
}

QString shown(const std::optional<std::string>& text)
{
    return QString::fromStdString(text.value_or("<nothing>"));
}

} // namespace

// The rolls, and everything else that draws.
class TestRolls : public QObject {
    Q_OBJECT

private slots:
    void counters_data();
    void counters();
    void every_roll_decides_as_the_chance_says();
    void attack_choice_writes_data();
    void attack_choice_writes();
};

// What the rule writes when the counter's text changes, the multipliers it selects, and a press
// of + from it: the step written, the count the rule leaves and the accuracy multiplier.
void TestRolls::counters_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<QStringList>("plus");
    const QString none = "<nothing>";
    // clang-format off
    QTest::newRow("-1 falls to 0")               << "-1"  << QStringList{"0", none, none}          << QStringList{"0", "0", "1"};
    QTest::newRow("fraction below 1 falls to 0") << "0.5" << QStringList{"0", none, none}          << QStringList{"1.5", "1.5", none};
    QTest::newRow("0 is rewritten, reads 1")     << "0"   << QStringList{"0", "1", "1"}            << QStringList{"1", "1", "0.674"};
    QTest::newRow("blanks around 0")             << " 0 " << QStringList{"0", "1", "1"}            << QStringList{"1", "1", "0.674"};
    QTest::newRow("1 stays")                     << "1"   << QStringList{none, "0.674", "0.659"}   << QStringList{"2", "2", "0.533"};
    QTest::newRow("3 stays")                     << "3"   << QStringList{none, "0.427", "0.442"}   << QStringList{"4", "4", "0.404"};
    QTest::newRow("6 is shared")                 << "6"   << QStringList{none, "0.284", "0.284"}   << QStringList{"7", "6", "0.284"};
    QTest::newRow("fraction inside stays")       << "2.5" << QStringList{none, none, none}         << QStringList{"3.5", "3.5", none};
    QTest::newRow("just above 6 falls to 6")     << "6.5" << QStringList{"6", none, none}          << QStringList{"7.5", "6", "0.284"};
    QTest::newRow("no number writes nothing")    << "abc" << QStringList{none, none, none}         << QStringList{none, "abc", none};
    // clang-format on
}

void TestRolls::counters()
{
    QFETCH(QString, counter);
    QFETCH(QStringList, read);
    QFETCH(QStringList, plus);
    const std::string text = counter.toStdString();
    QCOMPARE(QStringList({shown(counterRuleWrite(text)),
                          shown(multiplierText(text, MultiplierTable::Accuracy)),
                          shown(multiplierText(text, MultiplierTable::Evasion))}),
             read);
    const CounterPress press = pressCounter(text, +1, MultiplierTable::Accuracy);
    QCOMPARE(QStringList({shown(press.step), QString::fromStdString(press.settled),
                          shown(press.multiplier)}),
             plus);
}

// Each verdict draws once, before it reads its text.
void TestRolls::every_roll_decides_as_the_chance_says()
{
    const std::pair<const char*, int> highestHit[] = {
        {"99.6", 99}, {"67.1304", 67}, {"100", 100}, {"0.5", 0}};
    for (int roll = 1; roll <= 100; ++roll) {
        const DrawSource draw = [roll] { return drawForRoll(roll); };
        // A whole chance of c succeeds on exactly c rolls of the hundred, a fraction rounds up.
        for (int chance = 0; chance <= 100; ++chance)
            QCOMPARE(statusVerdict(std::to_string(chance), draw) == "YES", roll <= chance);
        QCOMPARE(statusVerdict("30.5", draw) == "YES", roll <= 31);
        QCOMPARE(criticalVerdict("37", draw) == "Critical Hit!", roll <= 37);
        for (const auto& [base, highest] : highestHit)
            QCOMPARE(hitDecision("1", base, "1", draw)->hit, roll <= highest);
    }
    QCOMPARE(criticalVerdict("37", [] { return std::nextafter(0.37f, 0.0f); }), "Critical Hit!");
    QCOMPARE(criticalVerdict("37", [] { return 0.37f; }), "Normal Damage.");
    QCOMPARE(rollOneToHundred(std::nextafter(1.0f, 0.0f)), 100.0f);
    ScriptedDraws texts{{0.5f, 0.5f}};
    QVERIFY(!statusVerdict("abc", texts.source()) &&
            !criticalVerdict("Base Critical", texts.source()));
    QCOMPARE(texts.used, 2);
    // A base that is no number decides nothing and draws nothing.
    ScriptedDraws unused;
    QVERIFY(!hitDecision("1", "", "1", unused.source()));
    QCOMPARE(unused.used, 0);
}

void TestRolls::attack_choice_writes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QStringList>("sets"); // power, type, notes, normal, critical, class
    const QString dragonRage = "notes=This attack deals exactly 40 damage.";
    const QString disable = "notes=Attack number 1of the enemy is disabled";
    const QString bide = "notes=Lasts for %1 rounds.  Damage paid back is double recieved.";
    const QString barrage = "notes=Lasts for %1 rounds";
    // A four-way count compares a fresh draw with 0.24, 0.49 and 0.74 in turn, a two-way one
    // draw with 0.49, all in single precision.
    const float above24 = std::nextafter(0.24f, 1.0f);
    const float above49 = std::nextafter(0.49f, 1.0f);
    const float above74 = std::nextafter(0.74f, 1.0f);
    const QList<float> lastCount{above24, above49, above74};
    // clang-format off
    QTest::newRow("Absorb: no notes")           << "Absorb"      << QList<float>{}      << QStringList{"power=20", "type=Grass", "notes=", "class=Special"};
    QTest::newRow("Blizzard: type, no class")   << "Blizzard"    << QList<float>{}      << QStringList{"power=120", "type=Ice", "notes=", "class="};
    QTest::newRow("Horn Drill: class, no type") << "Horn Drill"  << QList<float>{}      << QStringList{"notes=Other Pokemon faints.", "class=Physical"};
    QTest::newRow("Poison Gas: power 0")        << "Poison Gas"  << QList<float>{}      << QStringList{"power=0", "type=Poison", "notes=Poisons other pokemon", "class=Physical"};
    QTest::newRow("Dragon Rage: fixed figures") << "Dragon Rage" << QList<float>{}      << QStringList{dragonRage, "normal=40", "critical=80", "class="};
    QTest::newRow("Disable: 0.24f, first count")  << "Disable"     << QList<float>{0.24f}                   << QStringList{disable, "class="};
    QTest::newRow("Barrage: second draw anew")     << "Barrage"     << QList<float>{above24, 0.3f}           << QStringList{"power=15", "type=Normal", barrage.arg(3), "class=Physical"};
    QTest::newRow("Barrage: 0.49f on the second")  << "Barrage"     << QList<float>{above24, 0.49f}          << QStringList{"power=15", "type=Normal", barrage.arg(3), "class=Physical"};
    QTest::newRow("Barrage: 0.74f on the third")   << "Barrage"     << QList<float>{above24, above49, 0.74f} << QStringList{"power=15", "type=Normal", barrage.arg(4), "class=Physical"};
    QTest::newRow("Double Kick: last count")       << "Double Kick" << lastCount                             << QStringList{"power=30", "type=Fighting", "notes=Pokemon attacks 5 times this round", "class=Physical"};
    QTest::newRow("Bide: 0.49f, first count")      << "Bide"        << QList<float>{0.49f}                   << QStringList{"type=Normal", bide.arg(2), "class=Physical"};
    QTest::newRow("Bide: above 0.49f, second")     << "Bide"        << QList<float>{above49}                 << QStringList{"type=Normal", bide.arg(3), "class=Physical"};
    QTest::newRow("unknown key")                << "Metronome"   << QList<float>{}      << QStringList{"notes=", "class="};
    QTest::newRow("other case is unknown")      << "absorb"      << QList<float>{}      << QStringList{"notes=", "class="};
    QTest::newRow("trailing blank is unknown")  << "Absorb "     << QList<float>{}      << QStringList{"notes=", "class="};
    // clang-format on
}

// A choice draws only for a templated count, all of its draws.
void TestRolls::attack_choice_writes()
{
    QFETCH(QString, key);
    QFETCH(QList<float>, draws);
    QFETCH(QStringList, sets);
    ScriptedDraws script{{draws.begin(), draws.end()}};
    const AttackChoice choice = chooseAttack(key.toStdString(), script.source());
    const auto text = [](std::string_view value) { return QString::fromUtf8(value); };
    QStringList made;
    if (choice.basePower)
        made << "power=" + QString::number(*choice.basePower);
    if (choice.type)
        made << "type=" + text(*choice.type);
    made << "notes=" + text(choice.notes);
    if (choice.fixedNormal)
        made << "normal=" + text(*choice.fixedNormal);
    if (choice.fixedCritical)
        made << "critical=" + text(*choice.fixedCritical);
    made << "class=" + text(damageClassName(choice.damageClass));
    QCOMPARE(made, sets);
    QCOMPARE(script.used, draws.size());
}

QTEST_GUILESS_MAIN(TestRolls)
#include "tst_rolls.moc"
