// SPDX-License-Identifier: MIT
#include "battle/TypeChart.h"

#include <QTest>

#include <set>

using namespace battle;

class TestTypeChart : public QObject {
    Q_OBJECT

private slots:
    void list_holds_seventeen_types_once();
    void effectiveness_data();
    void effectiveness();
    void every_factor_is_one_of_the_four_values();
};

void TestTypeChart::list_holds_seventeen_types_once()
{
    const std::set<std::string_view> distinct(typeListOrder.begin(), typeListOrder.end());
    QCOMPARE(distinct.size(), std::size_t(17));
    QCOMPARE(typeListOrder.front(), std::string_view("Fire"));
    QCOMPARE(typeListOrder.back(), std::string_view("Steel"));
}

void TestTypeChart::effectiveness_data()
{
    QTest::addColumn<QString>("attacking");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second"); // "-": the placeholder, which names no type
    QTest::addColumn<double>("multiplier");
    // clang-format off
    // The pairs that are easy to get wrong.
    QTest::newRow("water vs dragon is 2")             << "Water"    << "Dragon"  << "-"        << 2.0;
    QTest::newRow("grass vs bug is 1")                << "Grass"    << "Bug"     << "-"        << 1.0;
    QTest::newRow("bug vs poison is 0.5")             << "Bug"      << "Poison"  << "-"        << 0.5;
    QTest::newRow("poison vs bug is 1")               << "Poison"   << "Bug"     << "-"        << 1.0;
    QTest::newRow("ghost vs psychic is 2")            << "Ghost"    << "Psychic" << "-"        << 2.0;
    QTest::newRow("ice vs fire is 0.5")               << "Ice"      << "Fire"    << "-"        << 0.5;
    // Every pair with no effect.
    QTest::newRow("normal vs ghost is 0")             << "Normal"   << "Ghost"   << "-"        << 0.0;
    QTest::newRow("electric vs ground is 0")          << "Electric" << "Ground"  << "-"        << 0.0;
    QTest::newRow("fighting vs ghost is 0")           << "Fighting" << "Ghost"   << "-"        << 0.0;
    QTest::newRow("poison vs steel is 0")             << "Poison"   << "Steel"   << "-"        << 0.0;
    QTest::newRow("ground vs flying is 0")            << "Ground"   << "Flying"  << "-"        << 0.0;
    QTest::newRow("psychic vs evil is 0")             << "Psychic"  << "Evil"    << "-"        << 0.0;
    QTest::newRow("ghost vs normal is 0")             << "Ghost"    << "Normal"  << "-"        << 0.0;
    // The later types' rows.
    QTest::newRow("fighting vs evil is 2")            << "Fighting" << "Evil"    << "-"        << 2.0;
    QTest::newRow("dragon vs steel is 0.5")           << "Dragon"   << "Steel"   << "-"        << 0.5;
    QTest::newRow("steel vs electric is 0.5")         << "Steel"    << "Electric" << "-"       << 0.5;
    QTest::newRow("unnamed pair is 1")                << "Normal"   << "Fire"    << "-"        << 1.0;
    // Both defending types count.
    QTest::newRow("fire vs grass/steel")              << "Fire"     << "Grass"   << "Steel"    << 4.0;
    QTest::newRow("fire vs grass/grass counts twice") << "Fire"     << "Grass"   << "Grass"    << 4.0;
    QTest::newRow("grass vs fire/fire counts twice")  << "Grass"    << "Fire"    << "Fire"     << 0.25;
    QTest::newRow("evil vs ghost/psychic")            << "Evil"     << "Ghost"   << "Psychic"  << 4.0;
    QTest::newRow("zero wins over two")               << "Electric" << "Water"   << "Ground"   << 0.0;
    QTest::newRow("zero as the second type")          << "Psychic"  << "Fighting" << "Evil"    << 0.0;
    // Texts match exactly; anything else names no type.
    QTest::newRow("lower-case attacker")              << "fire"     << "Grass"   << "Steel"    << 1.0;
    QTest::newRow("lower-case defender")              << "Normal"   << "ghost"   << "-"        << 1.0;
    QTest::newRow("trailing blank on defender")       << "Normal"   << "Ghost "  << "-"        << 1.0;
    QTest::newRow("placeholder attack type")          << "-"        << "Ghost"   << "Steel"    << 1.0;
    QTest::newRow("empty attack type")                << ""         << "Grass"   << "Grass"    << 1.0;
    // clang-format on
}

void TestTypeChart::effectiveness()
{
    QFETCH(QString, attacking);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, multiplier);
    const auto text = [](const QString& type) {
        return type == "-" ? std::string("Select Type") : type.toStdString();
    };
    QCOMPARE(battle::effectiveness(text(attacking), text(first), text(second)), multiplier);
}

void TestTypeChart::every_factor_is_one_of_the_four_values()
{
    int doubled = 0, halved = 0, none = 0;
    for (std::string_view attacking : typeListOrder) {
        for (std::string_view defending : typeListOrder) {
            const double factor = typeFactor(attacking, defending);
            QVERIFY(factor == 2 || factor == 0.5 || factor == 0 || factor == 1);
            doubled += factor == 2;
            halved += factor == 0.5;
            none += factor == 0;
        }
    }
    // A misspelt type in the chart would silently drop its pair from these counts.
    QCOMPARE(doubled, 47);
    QCOMPARE(halved, 55);
    QCOMPARE(none, 7);
}

QTEST_GUILESS_MAIN(TestTypeChart)
#include "tst_typechart.moc"
