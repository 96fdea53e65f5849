// SPDX-License-Identifier: MIT
#include "battle/SpeciesTable.h"

#include <QtTest>

#include <algorithm>
#include <set>
#include <string>

using namespace battle;

class TestSpeciesTable : public QObject {
    Q_OBJECT

private slots:
    void table_has_151_unique_species_from_bulbasaur_to_mew();
    void lowest_is_slowpoke_and_highest_is_electrode();
    void lookup_data();
    void lookup();
};

void TestSpeciesTable::table_has_151_unique_species_from_bulbasaur_to_mew()
{
    const auto rows = speciesRows();
    QCOMPARE(rows.size(), std::size_t(151));
    QCOMPARE(rows.front().name, std::string_view("Bulbasaur"));
    QCOMPARE(rows.back().name, std::string_view("Mew"));
    std::set<std::string_view> names;
    for (const SpeciesRow& row : rows)
        QVERIFY2(names.insert(row.name).second, std::string(row.name).c_str());
}

void TestSpeciesTable::lowest_is_slowpoke_and_highest_is_electrode()
{
    const auto rows = speciesRows();
    const auto [lowest, highest] =
        std::minmax_element(rows.begin(), rows.end(), [](const SpeciesRow& a, const SpeciesRow& b) {
            return a.baseCritical < b.baseCritical;
        });
    QCOMPARE(lowest->name, std::string_view("Slowpoke"));
    QCOMPARE(lowest->baseCritical, 12);
    QCOMPARE(highest->name, std::string_view("Electrode"));
    QCOMPARE(highest->baseCritical, 37);
    const auto atExtremes = std::count_if(rows.begin(), rows.end(), [](const SpeciesRow& row) {
        return row.baseCritical == 12 || row.baseCritical == 37;
    });
    QCOMPARE(atExtremes, 2);
}

void TestSpeciesTable::lookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("baseCritical");

    QTest::newRow("Bulbasaur") << "Bulbasaur" << true << 18;
    QTest::newRow("Electrode") << "Electrode" << true << 37;
    QTest::newRow("Slowpoke") << "Slowpoke" << true << 12;
    QTest::newRow("Mew on the way to Mewtwo") << "Mew" << true << 29;
    QTest::newRow("Mewtwo") << "Mewtwo" << true << 35;
    QTest::newRow("Pidgeot on the way to Pidgeotto") << "Pidgeot" << true << 28;
    QTest::newRow("Pidgeotto") << "Pidgeotto" << true << 24;
    QTest::newRow("NidoranF") << "NidoranF" << true << 18;
    QTest::newRow("NidoranM") << "NidoranM" << true << 19;
    QTest::newRow("Ninetails as listed") << "Ninetails" << true << 29;
    QTest::newRow("Farfetch'd") << "Farfetch'd" << true << 21;
    QTest::newRow("Mr. Mime") << "Mr. Mime" << true << 27;
    QTest::newRow("other case") << "mew" << false << 0;
    QTest::newRow("partial name") << "Nidoran" << false << 0;
    QTest::newRow("trailing blank") << "Mew " << false << 0;
    QTest::newRow("placeholder") << QString::fromUtf8("Select Pokémon") << false << 0;
    QTest::newRow("other spelling") << "Ninetales" << false << 0;
}

void TestSpeciesTable::lookup()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(int, baseCritical);

    const std::optional<int> result = findBaseCritical(text.toStdString());
    QCOMPARE(result.has_value(), found);
    if (found)
        QCOMPARE(*result, baseCritical);
}

QTEST_GUILESS_MAIN(TestSpeciesTable)
#include "tst_speciestable.moc"
