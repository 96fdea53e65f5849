// SPDX-License-Identifier: MIT
#include "ScriptedDraws.h"
#include "battle/Rolls.h"

#include <QtTest>

#include <cmath>
#include <string>

using namespace battle;

static QString shown(const std::optional<std::string>& text)
{
    return QString::fromStdString(text.value_or("<nothing>"));
}

class TestRolls : public QObject {
    Q_OBJECT

private slots:
    void verdicts_data();
    void verdicts();
    void counters_data();
    void counters();
    void hit_decision_data();
    void hit_decision();
    void every_roll_decides_as_the_chance_says();
};

void TestRolls::verdicts_data()
{
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("draw");
    QTest::addColumn<QString>("verdict");
    const float below37 = std::nextafter(0.37f, 0.0f);
    const float largest = std::nextafter(1.0f, 0.0f);
    // clang-format off
    QTest::newRow("status 150 at roll 100")        << false << "150"   << drawForRoll(100) << "YES";
    QTest::newRow("status -5 at roll 1")           << false << "-5"    << drawForRoll(1)   << "NO";
    QTest::newRow("status 30.5 at roll 31")        << false << "30.5"  << drawForRoll(31)  << "YES";
    QTest::newRow("status 30.5 at roll 32")        << false << "30.5"  << drawForRoll(32)  << "NO";
    QTest::newRow("status 0.5 at roll 1")          << false << "0.5"   << drawForRoll(1)   << "YES";
    QTest::newRow("status 0.5 at roll 2")          << false << "0.5"   << drawForRoll(2)   << "NO";
    QTest::newRow("status letters still draw")     << false << "abc"   << 0.5f             << "<nothing>";
    QTest::newRow("Electrode, 0.36f rolls 37")     << true  << "37"    << 0.36f            << "Critical Hit!";
    QTest::newRow("Electrode, below 0.37f is 37")  << true  << "37"    << below37          << "Critical Hit!";
    QTest::newRow("Electrode, 0.37f rolls 38")     << true  << "37"    << 0.37f            << "Normal Damage.";
    QTest::newRow("Slowpoke, roll 1 is critical")  << true  << "12"    << 0.0f             << "Critical Hit!";
    QTest::newRow("Electrode, roll 100 is normal") << true  << "37"    << largest          << "Normal Damage.";
    QTest::newRow("critical prompt still draws")   << true  << "Base Critical" << 0.5f     << "<nothing>";
    // clang-format on
}

// One draw every time, taken before the text is read.
void TestRolls::verdicts()
{
    QFETCH(bool, critical);
    QFETCH(QString, text);
    QFETCH(float, draw);
    QFETCH(QString, verdict);
    ScriptedDraws script({draw});
    const std::string read = text.toStdString();
    const auto result =
        critical ? criticalVerdict(read, script.source()) : statusVerdict(read, script.source());
    QCOMPARE(shown(result), verdict);
    QCOMPARE(script.used(), 1);
}

void TestRolls::counters_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("ruleWrites");
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<QString>("evasion");
    // clang-format off
    QTest::newRow("-1 falls to 0")               << "-1"  << "0"         << "<nothing>" << "<nothing>";
    QTest::newRow("fraction below 1 falls to 0") << "0.5" << "0"         << "<nothing>" << "<nothing>";
    QTest::newRow("0 is rewritten, reads 1")     << "0"   << "0"         << "1"         << "1";
    QTest::newRow("blanks around 0")             << " 0 " << "0"         << "1"         << "1";
    QTest::newRow("1 stays")                     << "1"   << "<nothing>" << "0.674"     << "0.659";
    QTest::newRow("2 stays")                     << "2"   << "<nothing>" << "0.533"     << "0.5";
    QTest::newRow("3 stays")                     << "3"   << "<nothing>" << "0.427"     << "0.442";
    QTest::newRow("4 is shared")                 << "4"   << "<nothing>" << "0.404"     << "0.404";
    QTest::newRow("6 is shared")                 << "6"   << "<nothing>" << "0.284"     << "0.284";
    QTest::newRow("fraction inside stays")       << "2.5" << "<nothing>" << "<nothing>" << "<nothing>";
    QTest::newRow("just above 6 falls to 6")     << "6.5" << "6"         << "<nothing>" << "<nothing>";
    QTest::newRow("no number writes nothing")    << "abc" << "<nothing>" << "<nothing>" << "<nothing>";
    // clang-format on
}

void TestRolls::counters()
{
    QFETCH(QString, counter);
    QFETCH(QString, ruleWrites);
    QFETCH(QString, accuracy);
    QFETCH(QString, evasion);
    const std::string text = counter.toStdString();
    QCOMPARE(shown(counterRuleWrite(text)), ruleWrites);
    QCOMPARE(shown(multiplierText(text, MultiplierTable::Accuracy)), accuracy);
    QCOMPARE(shown(multiplierText(text, MultiplierTable::Evasion)), evasion);
}

void TestRolls::hit_decision_data()
{
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("evade");
    QTest::addColumn<QString>("chance");
    QTest::addColumn<int>("drawsUsed");
    // clang-format off
    QTest::newRow("fresh window")           << "1"     << "99.6" << "1"     << "99.6"      << 1;
    QTest::newRow("one accuracy decreaser") << "0.674" << "99.6" << "1"     << "67.1304"   << 1;
    QTest::newRow("six evade increasers")   << "1"     << "99.6" << "0.284" << "28.2864"   << 1;
    QTest::newRow("six of each")            << "0.284" << "99.6" << "0.284" << "8.0333376" << 1;
    QTest::newRow("empty base: no draw")    << "1"     << ""     << "1"     << "<nothing>" << 0;
    QTest::newRow("letters: no draw")       << "1"     << "abc"  << "1"     << "<nothing>" << 0;
    QTest::newRow("empty evade: no draw")   << "1"     << "99.6" << ""      << "<nothing>" << 0;
    // clang-format on
}

void TestRolls::hit_decision()
{
    QFETCH(QString, accuracy);
    QFETCH(QString, base);
    QFETCH(QString, evade);
    QFETCH(QString, chance);
    QFETCH(int, drawsUsed);
    ScriptedDraws script({0.0f});
    const auto decision = battle::hitDecision(accuracy.toStdString(), base.toStdString(),
                                              evade.toStdString(), script.source());
    QCOMPARE(shown(decision ? std::optional(decision->chanceText) : std::nullopt), chance);
    QCOMPARE(script.used(), drawsUsed);
}

void TestRolls::every_roll_decides_as_the_chance_says()
{
    const std::pair<const char*, int> highestHit[] = {
        {"99.6", 99}, {"67.1304", 67}, {"100", 100}, {"0.5", 0}};
    for (int roll = 1; roll <= 100; ++roll) {
        const DrawSource draw = [roll] { return drawForRoll(roll); };
        // A whole chance of c succeeds on exactly c rolls of the hundred.
        for (int chance = 0; chance <= 100; ++chance)
            QCOMPARE(statusVerdict(std::to_string(chance), draw) == "YES", roll <= chance);
        for (const auto& [base, highest] : highestHit)
            QCOMPARE(hitDecision("1", base, "1", draw)->hit, roll <= highest);
    }
}

QTEST_GUILESS_MAIN(TestRolls)
#include "tst_rolls.moc"
