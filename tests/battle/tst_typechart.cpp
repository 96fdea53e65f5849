// SPDX-License-Identifier: MIT
#include "battle/TypeChart.h"

#include <QTest>

using namespace battle;

class TestTypeChart : public QObject {
    Q_OBJECT

private slots:
    void list_order_holds_all_seventeen_types_once();
    void single_factors_data();
    void single_factors();
    void effectiveness_data();
    void effectiveness();
    void every_factor_is_one_of_the_four_values();
};

void TestTypeChart::list_order_holds_all_seventeen_types_once()
{
    QCOMPARE(typeListOrder.size(), std::size_t(17));
    QCOMPARE(typeListOrder.front(), std::string_view("Fire"));
    QCOMPARE(typeListOrder[6], std::string_view("Normal"));
    QCOMPARE(typeListOrder.back(), std::string_view("Steel"));
    for (std::size_t i = 0; i < typeListOrder.size(); ++i)
        for (std::size_t j = i + 1; j < typeListOrder.size(); ++j)
            QVERIFY(typeListOrder[i] != typeListOrder[j]);
}

void TestTypeChart::single_factors_data()
{
    QTest::addColumn<QString>("attacking");
    QTest::addColumn<QString>("defending");
    QTest::addColumn<double>("factor");
    // The six pairs that are easy to get wrong.
    QTest::newRow("water vs dragon is 2") << "Water"
                                          << "Dragon" << 2.0;
    QTest::newRow("grass vs bug is 1") << "Grass"
                                       << "Bug" << 1.0;
    QTest::newRow("bug vs poison is 0.5") << "Bug"
                                          << "Poison" << 0.5;
    QTest::newRow("poison vs bug is 1") << "Poison"
                                        << "Bug" << 1.0;
    QTest::newRow("ghost vs psychic is 2") << "Ghost"
                                           << "Psychic" << 2.0;
    QTest::newRow("ice vs fire is 0.5") << "Ice"
                                        << "Fire" << 0.5;
    // One of each kind per row of the chart.
    QTest::newRow("normal vs ghost is 0") << "Normal"
                                          << "Ghost" << 0.0;
    QTest::newRow("fire vs steel is 2") << "Fire"
                                        << "Steel" << 2.0;
    QTest::newRow("electric vs ground is 0") << "Electric"
                                             << "Ground" << 0.0;
    QTest::newRow("fighting vs evil is 2") << "Fighting"
                                           << "Evil" << 2.0;
    QTest::newRow("fighting vs ghost is 0") << "Fighting"
                                            << "Ghost" << 0.0;
    QTest::newRow("poison vs steel is 0") << "Poison"
                                          << "Steel" << 0.0;
    QTest::newRow("ground vs flying is 0") << "Ground"
                                           << "Flying" << 0.0;
    QTest::newRow("psychic vs evil is 0") << "Psychic"
                                          << "Evil" << 0.0;
    QTest::newRow("ghost vs normal is 0") << "Ghost"
                                          << "Normal" << 0.0;
    QTest::newRow("bug vs evil is 2") << "Bug"
                                      << "Evil" << 2.0;
    QTest::newRow("dragon vs steel is 0.5") << "Dragon"
                                            << "Steel" << 0.5;
    QTest::newRow("evil vs evil is 0.5") << "Evil"
                                         << "Evil" << 0.5;
    QTest::newRow("steel vs electric is 0.5") << "Steel"
                                              << "Electric" << 0.5;
    QTest::newRow("unnamed pair is 1") << "Normal"
                                       << "Fire" << 1.0;
    QTest::newRow("lower-case attacker names no type") << "fire"
                                                       << "Grass" << 1.0;
    QTest::newRow("lower-case defender names no type") << "Normal"
                                                       << "ghost" << 1.0;
    QTest::newRow("placeholder attacker") << "Select Type"
                                          << "Ghost" << 1.0;
    QTest::newRow("empty attacker") << ""
                                    << "Ghost" << 1.0;
    QTest::newRow("trailing blank names no type") << "Normal"
                                                  << "Ghost " << 1.0;
}

void TestTypeChart::single_factors()
{
    QFETCH(QString, attacking);
    QFETCH(QString, defending);
    QFETCH(double, factor);
    QCOMPARE(typeFactor(attacking.toStdString(), defending.toStdString()), factor);
}

void TestTypeChart::effectiveness_data()
{
    QTest::addColumn<QString>("attacking");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<double>("multiplier");
    QTest::newRow("fire vs grass/placeholder") << "Fire"
                                               << "Grass"
                                               << "Select Type" << 2.0;
    QTest::newRow("fire vs grass/steel") << "Fire"
                                         << "Grass"
                                         << "Steel" << 4.0;
    QTest::newRow("fire vs grass/grass counts twice") << "Fire"
                                                      << "Grass"
                                                      << "Grass" << 4.0;
    QTest::newRow("grass vs fire/fire counts twice") << "Grass"
                                                     << "Fire"
                                                     << "Fire" << 0.25;
    QTest::newRow("fire vs water/rock") << "Fire"
                                        << "Water"
                                        << "Rock" << 0.25;
    QTest::newRow("normal vs ghost/anything") << "Normal"
                                              << "Ghost"
                                              << "Rock" << 0.0;
    QTest::newRow("zero wins over four") << "Electric"
                                         << "Water"
                                         << "Ground" << 0.0;
    QTest::newRow("evil vs ghost/psychic") << "Evil"
                                           << "Ghost"
                                           << "Psychic" << 4.0;
    QTest::newRow("psychic vs evil/fighting") << "Psychic"
                                              << "Evil"
                                              << "Fighting" << 0.0;
    QTest::newRow("dragon vs dragon/dragon") << "Dragon"
                                             << "Dragon"
                                             << "Dragon" << 4.0;
    QTest::newRow("water vs dragon/dragon") << "Water"
                                            << "Dragon"
                                            << "Dragon" << 4.0;
    QTest::newRow("placeholder attack type") << "Select Type"
                                             << "Ghost"
                                             << "Steel" << 1.0;
    QTest::newRow("empty attack type") << ""
                                       << "Grass"
                                       << "Grass" << 1.0;
    QTest::newRow("lower-case attack type") << "fire"
                                            << "Grass"
                                            << "Steel" << 1.0;
}

void TestTypeChart::effectiveness()
{
    QFETCH(QString, attacking);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(double, multiplier);
    QCOMPARE(
        battle::effectiveness(attacking.toStdString(), first.toStdString(), second.toStdString()),
        multiplier);
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
    // The chart names 47 pairs at 2, 55 at 0.5 and 7 at 0.
    QCOMPARE(doubled, 47);
    QCOMPARE(halved, 55);
    QCOMPARE(none, 7);
}

QTEST_GUILESS_MAIN(TestTypeChart)
#include "tst_typechart.moc"
