// SPDX-License-Identifier: MIT
#include "battle/AccuracyTable.h"
#include "battle/Conversions.h"

#include <QtTest>

#include <set>
#include <string>

using namespace battle;

class TestAccuracyTable : public QObject {
    Q_OBJECT

private slots:
    void table_has_165_unique_names_from_absorb_to_wrap();
    void only_the_known_accuracies_occur();
    void columns_differ_only_for_smog_and_thunder();
    void egg_bomb_alone_has_74_9();
    void every_value_is_written_with_one_decimal();
    void lookup_data();
    void lookup();
};

void TestAccuracyTable::table_has_165_unique_names_from_absorb_to_wrap()
{
    const auto rows = accuracyRows();
    QCOMPARE(rows.size(), std::size_t(165));
    QCOMPARE(rows.front().name, std::string_view("Absorb"));
    QCOMPARE(rows.back().name, std::string_view("Wrap"));
    std::set<std::string_view> names;
    for (const AccuracyRow& row : rows)
        QVERIFY2(names.insert(row.name).second, std::string(row.name).c_str());
}

void TestAccuracyTable::only_the_known_accuracies_occur()
{
    std::set<double> values;
    for (const AccuracyRow& row : accuracyRows()) {
        values.insert(row.chosen);
        values.insert(row.typed);
    }
    const std::set<double> expected{99.6, 94.5, 89.5, 84.4, 79.7, 74.9, 74.6,
                                    69.5, 65.5, 64.5, 59.8, 54.7, 29.7};
    QCOMPARE(values, expected);
}

void TestAccuracyTable::columns_differ_only_for_smog_and_thunder()
{
    std::set<std::string_view> differing;
    for (const AccuracyRow& row : accuracyRows()) {
        if (row.chosen != row.typed)
            differing.insert(row.name);
    }
    QCOMPARE(differing, (std::set<std::string_view>{"Smog", "Thunder"}));
}

void TestAccuracyTable::egg_bomb_alone_has_74_9()
{
    std::set<std::string_view> rows;
    for (const AccuracyRow& row : accuracyRows()) {
        if (row.chosen == 74.9)
            rows.insert(row.name);
    }
    QCOMPARE(rows, std::set<std::string_view>{"Egg Bomb"});
}

void TestAccuracyTable::every_value_is_written_with_one_decimal()
{
    for (const AccuracyRow& row : accuracyRows()) {
        for (double value : {row.chosen, row.typed}) {
            const std::string text = numberToText(value);
            QVERIFY2(text.size() == 4 && text[2] == '.', text.c_str());
        }
    }
}

void TestAccuracyTable::lookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("accuracy");

    QTest::newRow("Smog chosen") << "Smog" << false << true << 69.5;
    QTest::newRow("Smog typed") << "Smog" << true << true << 65.5;
    QTest::newRow("Thunder chosen") << "Thunder" << false << true << 69.5;
    QTest::newRow("Thunder typed") << "Thunder" << true << true << 65.5;
    QTest::newRow("Fissure") << "Fissure" << false << true << 29.7;
    QTest::newRow("Horn Drill") << "Horn Drill" << false << true << 29.7;
    QTest::newRow("Swift") << "Swift" << false << true << 99.6;
    QTest::newRow("Egg Bomb") << "Egg Bomb" << false << true << 74.9;
    QTest::newRow("Double-Edge with hyphen") << "Double-Edge" << true << true << 99.6;
    QTest::newRow("Pay Day") << "Pay Day" << false << true << 99.6;
    QTest::newRow("Metronome, not in the damage list") << "Metronome" << false << true << 99.6;
    QTest::newRow("Acid on the way to Acid Armor") << "Acid" << true << true << 99.6;
    QTest::newRow("placeholder") << "Please select a move" << false << false << 0.0;
    QTest::newRow("other case") << "smog" << true << false << 0.0;
    QTest::newRow("trailing blank") << "Smog " << true << false << 0.0;
    QTest::newRow("partial name") << "Thunde" << true << false << 0.0;
    QTest::newRow("empty") << "" << true << false << 0.0;
}

void TestAccuracyTable::lookup()
{
    QFETCH(QString, text);
    QFETCH(bool, typed);
    QFETCH(bool, found);
    QFETCH(double, accuracy);

    const auto result =
        findBaseAccuracy(text.toStdString(), typed ? LookupTrigger::Typed : LookupTrigger::Chosen);
    QCOMPARE(result.has_value(), found);
    if (found)
        QCOMPARE(*result, accuracy);
}

QTEST_GUILESS_MAIN(TestAccuracyTable)
#include "tst_accuracytable.moc"
