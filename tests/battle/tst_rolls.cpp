// SPDX-License-Identifier: MIT
#include "ScriptedDraws.h"
#include "battle/Rolls.h"
#include "battle/SpeciesTable.h"

#include <QtTest>

#include <array>
#include <map>
#include <string>
#include <vector>

using namespace battle;

namespace {

QString shown(const std::optional<std::string>& text)
{
    return text ? QString::fromStdString(*text) : QStringLiteral("<nothing>");
}

// A counter field as the accuracy window holds it: every change of its text runs the counter
// rule, and a write of the text it already holds is no change.
class CounterField {
public:
    void write(const std::string& text)
    {
        if (text == m_text)
            return;
        m_text = text;
        if (const auto ruled = counterRuleWrite(m_text))
            write(*ruled);
    }

    // One press of a plus or minus button: step the counter, then read it for the multiplier.
    std::optional<std::string> press(int delta, MultiplierTable table)
    {
        if (const auto stepped = counterStepWrite(m_text, delta))
            write(*stepped);
        return multiplierText(m_text, table);
    }

    const std::string& text() const { return m_text; }

private:
    std::string m_text = "0";
};

} // namespace

class TestRolls : public QObject {
    Q_OBJECT

private slots:
    void draws_for_rolls_roll_what_they_say();
    void status_verdict_data();
    void status_verdict();
    void status_verdict_yes_share_equals_whole_chance();
    void verdicts_draw_before_reading_the_text();
    void critical_verdict_at_electrode_boundary_data();
    void critical_verdict_at_electrode_boundary();
    void critical_verdict_roll_1_and_100_for_every_species();
    void counter_rule_data();
    void counter_rule();
    void counter_steps_and_multipliers_data();
    void counter_steps_and_multipliers();
    void multiplier_needs_a_whole_counter();
    void hit_chance_text_data();
    void hit_chance_text();
    void hit_decision_hits_rolls_up_to_the_chance();
    void hit_decision_without_number_does_not_draw();
};

void TestRolls::draws_for_rolls_roll_what_they_say()
{
    for (int roll = 1; roll <= 100; ++roll)
        QCOMPARE(rollOneToHundred(drawForRoll(roll)), float(roll));
}

void TestRolls::status_verdict_data()
{
    QTest::addColumn<QString>("succ");
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("0 at roll 1") << "0" << 1 << "NO";
    QTest::newRow("100 at roll 100") << "100" << 100 << "YES";
    QTest::newRow("150 at roll 100") << "150" << 100 << "YES";
    QTest::newRow("-5 at roll 1") << "-5" << 1 << "NO";
    QTest::newRow("30.5 at roll 31") << "30.5" << 31 << "YES";
    QTest::newRow("30.5 at roll 32") << "30.5" << 32 << "NO";
    QTest::newRow("0.5 at roll 1") << "0.5" << 1 << "YES";
    QTest::newRow("0.5 at roll 2") << "0.5" << 2 << "NO";
}

void TestRolls::status_verdict()
{
    QFETCH(QString, succ);
    QFETCH(int, roll);
    QFETCH(QString, verdict);

    ScriptedDraws script({drawForRoll(roll)});
    QCOMPARE(shown(statusVerdict(succ.toStdString(), script.source())), verdict);
    QCOMPARE(script.used(), 1);
}

void TestRolls::status_verdict_yes_share_equals_whole_chance()
{
    for (int chance = 0; chance <= 100; ++chance) {
        int yes = 0;
        for (int roll = 1; roll <= 100; ++roll) {
            ScriptedDraws script({drawForRoll(roll)});
            if (statusVerdict(std::to_string(chance), script.source()) == "YES")
                ++yes;
        }
        QCOMPARE(yes, chance);
    }
}

void TestRolls::verdicts_draw_before_reading_the_text()
{
    for (const char* text : {"abc", "", "-", "Base Critical"}) {
        ScriptedDraws script({0.5f, 0.5f});
        QCOMPARE(statusVerdict(text, script.source()), std::nullopt);
        QCOMPARE(criticalVerdict(text, script.source()), std::nullopt);
        QCOMPARE(script.used(), 2);
    }
}

void TestRolls::critical_verdict_at_electrode_boundary_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("0.36f rolls 37") << 0.36f << 37 << "Critical Hit!";
    QTest::newRow("just below 0.37f rolls 37")
        << std::nextafter(0.37f, 0.0f) << 37 << "Critical Hit!";
    QTest::newRow("0.37f rolls 38") << 0.37f << 38 << "Normal Damage.";
}

void TestRolls::critical_verdict_at_electrode_boundary()
{
    QFETCH(float, draw);
    QFETCH(int, roll);
    QFETCH(QString, verdict);

    QCOMPARE(rollOneToHundred(draw), float(roll));
    const std::string electrode = std::to_string(*findBaseCritical("Electrode"));
    ScriptedDraws script({draw});
    QCOMPARE(shown(criticalVerdict(electrode, script.source())), verdict);
    QCOMPARE(script.used(), 1);
}

void TestRolls::critical_verdict_roll_1_and_100_for_every_species()
{
    for (const SpeciesRow& row : speciesRows()) {
        const std::string value = std::to_string(row.baseCritical);
        ScriptedDraws script({0.0f, 0.9999999f});
        QCOMPARE(shown(criticalVerdict(value, script.source())), QString("Critical Hit!"));
        QCOMPARE(shown(criticalVerdict(value, script.source())), QString("Normal Damage."));
    }
}

void TestRolls::counter_rule_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("written");

    // clang-format off
    QTest::newRow("-1 falls to 0")                           << "-1"  << "0";
    QTest::newRow("fraction below 1 falls to 0")             << "0.5" << "0";
    QTest::newRow("0 is written again, which is no change")  << "0"   << "0";
    QTest::newRow("1 stays")                                 << "1"   << "<nothing>";
    QTest::newRow("3 stays")                                 << "3"   << "<nothing>";
    QTest::newRow("fraction inside stays")                   << "2.5" << "<nothing>";
    QTest::newRow("6 stays")                                 << "6"   << "<nothing>";
    QTest::newRow("just above 6 falls to 6")                 << "6.5" << "6";
    QTest::newRow("7 falls to 6")                            << "7"   << "6";
    QTest::newRow("no number writes nothing")                << "abc" << "<nothing>";
    // clang-format on
}

void TestRolls::counter_rule()
{
    QFETCH(QString, counter);
    QFETCH(QString, written);
    QCOMPARE(shown(counterRuleWrite(counter.toStdString())), written);
}

void TestRolls::counter_steps_and_multipliers_data()
{
    QTest::addColumn<bool>("evasion");
    QTest::addColumn<QList<int>>("presses");
    QTest::addColumn<QStringList>("counters");
    QTest::addColumn<QStringList>("multipliers");

    QTest::newRow("accuracy up seven times stops at 6")
        << false << QList<int>{1, 1, 1, 1, 1, 1, 1}
        << QStringList{"1", "2", "3", "4", "5", "6", "6"}
        << QStringList{"0.674", "0.533", "0.427", "0.404", "0.329", "0.284", "0.284"};
    QTest::newRow("evasion up seven times stops at 6")
        << true << QList<int>{1, 1, 1, 1, 1, 1, 1} << QStringList{"1", "2", "3", "4", "5", "6", "6"}
        << QStringList{"0.659", "0.5", "0.442", "0.404", "0.329", "0.284", "0.284"};
    QTest::newRow("accuracy down from 0 stays 0 and rewrites 1")
        << false << QList<int>{-1} << QStringList{"0"} << QStringList{"1"};
    QTest::newRow("evasion up and back down")
        << true << QList<int>{1, 1, -1, -1, -1} << QStringList{"1", "2", "1", "0", "0"}
        << QStringList{"0.659", "0.5", "0.659", "1", "1"};
}

void TestRolls::counter_steps_and_multipliers()
{
    QFETCH(bool, evasion);
    QFETCH(QList<int>, presses);
    QFETCH(QStringList, counters);
    QFETCH(QStringList, multipliers);

    const MultiplierTable table = evasion ? MultiplierTable::Evasion : MultiplierTable::Accuracy;
    CounterField field;
    for (int i = 0; i < presses.size(); ++i) {
        const QString multiplier = shown(field.press(presses[i], table));
        QCOMPARE(QString::fromStdString(field.text()), counters[i]);
        QCOMPARE(multiplier, multipliers[i]);
    }
}

void TestRolls::multiplier_needs_a_whole_counter()
{
    for (auto table : {MultiplierTable::Accuracy, MultiplierTable::Evasion}) {
        QCOMPARE(multiplierText("2.5", table), std::nullopt);
        QCOMPARE(multiplierText("7", table), std::nullopt);
        QCOMPARE(multiplierText("", table), std::nullopt);
        QCOMPARE(shown(multiplierText(" 0 ", table)), QString("1"));
    }
    QCOMPARE(counterStepWrite("x", 1), std::nullopt);
}

void TestRolls::hit_chance_text_data()
{
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("evade");
    QTest::addColumn<QString>("chance");

    // clang-format off
    QTest::newRow("fresh window")           << "1"     << "99.6" << "1"     << "99.6";
    QTest::newRow("one accuracy decreaser") << "0.674" << "99.6" << "1"     << "67.1304";
    QTest::newRow("six evade increasers")   << "1"     << "99.6" << "0.284" << "28.2864";
    QTest::newRow("six of each")            << "0.284" << "99.6" << "0.284" << "8.0333376";
    // clang-format on
}

void TestRolls::hit_chance_text()
{
    QFETCH(QString, accuracy);
    QFETCH(QString, base);
    QFETCH(QString, evade);
    QFETCH(QString, chance);

    ScriptedDraws script({0.0f});
    const auto decision = hitDecision(accuracy.toStdString(), base.toStdString(),
                                      evade.toStdString(), script.source());
    QVERIFY(decision);
    QCOMPARE(QString::fromStdString(decision->chanceText), chance);
    QVERIFY(decision->hit);
    QCOMPARE(script.used(), 1);
}

void TestRolls::hit_decision_hits_rolls_up_to_the_chance()
{
    const std::map<std::string, int> highestHit{
        {"99.6", 99}, {"67.1304", 67}, {"100", 100}, {"0.5", 0}};
    for (const auto& [base, highest] : highestHit) {
        for (int roll = 1; roll <= 100; ++roll) {
            ScriptedDraws script({drawForRoll(roll)});
            const auto decision = hitDecision("1", base, "1", script.source());
            QVERIFY(decision);
            QCOMPARE(decision->hit, roll <= highest);
        }
    }
}

void TestRolls::hit_decision_without_number_does_not_draw()
{
    const std::vector<std::array<const char*, 3>> inputs{
        {"1", "", "1"}, {"1", "-", "1"}, {"1", "abc", "1"}, {"", "99.6", "1"}, {"1", "99.6", ""}};
    for (const auto& [accuracy, base, evade] : inputs) {
        ScriptedDraws script({0.0f});
        QVERIFY(!hitDecision(accuracy, base, evade, script.source()));
        QCOMPARE(script.used(), 0);
    }
}

QTEST_GUILESS_MAIN(TestRolls)
#include "tst_rolls.moc"
