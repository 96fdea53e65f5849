// SPDX-License-Identifier: MIT
#include "battle/AccuracyTable.h"
#include "battle/SpeciesTable.h"

#include <QtTest>

#include <algorithm>
#include <set>
#include <string>

using namespace battle;

namespace {

template <typename Row> std::size_t distinctNames(std::span<const Row> rows)
{
    std::set<std::string_view> names;
    for (const Row& row : rows)
        names.insert(row.name);
    return names.size();
}

} // namespace

class TestLookupTables : public QObject {
    Q_OBJECT

private slots:
    void accuracy_table_holds_its_values_and_two_differing_columns();
    void species_table_runs_from_slowpoke_12_to_electrode_37();
    void lookup_data();
    void lookup();
};

void TestLookupTables::accuracy_table_holds_its_values_and_two_differing_columns()
{
    QCOMPARE(accuracyRows().size(), std::size_t(165));
    QCOMPARE(distinctNames(accuracyRows()), std::size_t(165));
    QCOMPARE(accuracyRows().front().name, "Absorb");
    QCOMPARE(accuracyRows().back().name, "Wrap");
    std::set<double> values;
    std::set<std::string_view> differing, at74_9;
    for (const AccuracyRow& row : accuracyRows()) {
        values.insert({row.chosen, row.typed});
        if (row.chosen != row.typed)
            differing.insert(row.name);
        if (row.chosen == 74.9 || row.typed == 74.9)
            at74_9.insert(row.name);
    }
    QCOMPARE(values, (std::set<double>{99.6, 94.5, 89.5, 84.4, 79.7, 74.9, 74.6, 69.5, 65.5, 64.5,
                                       59.8, 54.7, 29.7}));
    QCOMPARE(differing, (std::set<std::string_view>{"Smog", "Thunder"}));
    QCOMPARE(at74_9, std::set<std::string_view>{"Egg Bomb"});
}

void TestLookupTables::species_table_runs_from_slowpoke_12_to_electrode_37()
{
    const auto rows = speciesRows();
    QCOMPARE(rows.size(), std::size_t(151));
    QCOMPARE(distinctNames(rows), std::size_t(151));
    QCOMPARE(rows.front().name, "Bulbasaur");
    QCOMPARE(rows.back().name, "Mew");
    const auto byValue = [](const SpeciesRow& a, const SpeciesRow& b) {
        return a.baseCritical < b.baseCritical;
    };
    const auto [lowest, highest] = std::minmax_element(rows.begin(), rows.end(), byValue);
    QCOMPARE(lowest->name, "Slowpoke");
    QCOMPARE(lowest->baseCritical, 12);
    QCOMPARE(highest->name, "Electrode");
    QCOMPARE(highest->baseCritical, 37);
    QCOMPARE(std::count_if(rows.begin(), rows.end(),
                           [](const SpeciesRow& row) {
                               return row.baseCritical == 12 || row.baseCritical == 37;
                           }),
             2);
}

void TestLookupTables::lookup_data()
{
    QTest::addColumn<QString>("table"); // chosen or typed attack, or species
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // -1: no row has that name
    // clang-format off
    QTest::newRow("Smog chosen")                  << "chosen"  << "Smog"          << 69.5;
    QTest::newRow("Smog typed")                   << "typed"   << "Smog"          << 65.5;
    QTest::newRow("Thunder chosen")               << "chosen"  << "Thunder"       << 69.5;
    QTest::newRow("Thunder typed")                << "typed"   << "Thunder"       << 65.5;
    QTest::newRow("Horn Drill")                   << "chosen"  << "Horn Drill"    << 29.7;
    QTest::newRow("Egg Bomb")                     << "chosen"  << "Egg Bomb"      << 74.9;
    QTest::newRow("Double-Edge with hyphen")      << "typed"   << "Double-Edge"   << 99.6;
    QTest::newRow("Metronome, not for damage")    << "chosen"  << "Metronome"     << 99.6;
    QTest::newRow("Acid on the way to Acid Armor") << "typed"  << "Acid"          << 99.6;
    QTest::newRow("move prompt")                  << "chosen"  << "Please select a move" << -1.0;
    QTest::newRow("move in other case")           << "typed"   << "smog"          << -1.0;
    QTest::newRow("move with trailing blank")     << "typed"   << "Smog "         << -1.0;
    QTest::newRow("partial move")                 << "typed"   << "Thunde"        << -1.0;
    QTest::newRow("Bulbasaur")                    << "species" << "Bulbasaur"     << 18.0;
    QTest::newRow("Mew on the way to Mewtwo")     << "species" << "Mew"           << 29.0;
    QTest::newRow("Mewtwo")                       << "species" << "Mewtwo"        << 35.0;
    QTest::newRow("Pidgeot on the way to Pidgeotto") << "species" << "Pidgeot"    << 28.0;
    QTest::newRow("Pidgeotto")                    << "species" << "Pidgeotto"     << 24.0;
    QTest::newRow("NidoranM")                     << "species" << "NidoranM"      << 19.0;
    QTest::newRow("Ninetails as listed")          << "species" << "Ninetails"     << 29.0;
    QTest::newRow("Farfetch'd")                   << "species" << "Farfetch'd"    << 21.0;
    QTest::newRow("Mr. Mime")                     << "species" << "Mr. Mime"      << 27.0;
    QTest::newRow("species in other case")        << "species" << "mew"           << -1.0;
    QTest::newRow("partial species")              << "species" << "Nidoran"       << -1.0;
    QTest::newRow("species with trailing blank")  << "species" << "Mew "          << -1.0;
    QTest::newRow("species prompt")               << "species" << "Select Pokémon" << -1.0;
    QTest::newRow("other spelling")               << "species" << "Ninetales"     << -1.0;
    // clang-format on
}

void TestLookupTables::lookup()
{
    QFETCH(QString, table);
    QFETCH(QString, text);
    QFETCH(double, value);
    const std::string name = text.toStdString();
    std::optional<double> found;
    if (table == "species") {
        if (const std::optional<int> critical = findBaseCritical(name))
            found = *critical;
    } else {
        found =
            findBaseAccuracy(name, table == "typed" ? LookupTrigger::Typed : LookupTrigger::Chosen);
    }
    QCOMPARE(found.value_or(-1), value);
}

QTEST_GUILESS_MAIN(TestLookupTables)
#include "tst_lookuptables.moc"
