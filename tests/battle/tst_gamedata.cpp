// SPDX-License-Identifier: MIT
#include "battle/AccuracyTable.h"
#include "battle/AttackTable.h"
#include "battle/GameData.h"
#include "battle/SpeciesTable.h"

#include <QTest>

#include <set>

using namespace battle::game;

namespace {

QString typesOf(const Species& species)
{
    QString text = QString::fromUtf8(typeName(species.type1));
    if (species.type2)
        text += "/" + QString::fromUtf8(typeName(*species.type2));
    return text;
}

} // namespace

class TestGameData : public QObject {
    Q_OBJECT

private slots:
    void counts_and_numbering_are_the_games();
    void species_facts_data();
    void species_facts();
    void move_facts_data();
    void move_facts();
    void type_chart_keeps_the_gen_1_quirks_data();
    void type_chart_keeps_the_gen_1_quirks();
    void every_program_name_maps_and_spells_back();
    void loose_names_find_their_entry_data();
    void loose_names_find_their_entry();
};

void TestGameData::counts_and_numbering_are_the_games()
{
    QCOMPARE(allSpecies().size(), std::size_t(151));
    QCOMPARE(allMoves().size(), std::size_t(165));
    std::set<Type> types;
    for (std::size_t i = 0; i < allSpecies().size(); ++i) {
        QCOMPARE(allSpecies()[i].number, int(i) + 1);
        types.insert(allSpecies()[i].type1);
    }
    for (std::size_t i = 0; i < allMoves().size(); ++i) {
        QCOMPARE(allMoves()[i].number, int(i) + 1);
        types.insert(allMoves()[i].type);
    }
    QCOMPARE(types.size(), std::size_t(15));
    for (const Type type : types)
        QCOMPARE(typeFromName(typeName(type)), type);
    QCOMPARE(allMoves().back().name, "Struggle");
    QVERIFY(!typeFromName("Steel") && !typeFromName("Evil") && !typeFromName("fire"));
}

void TestGameData::species_facts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QList<int>>("base"); // HP, Attack, Defense, Speed, Special
    // clang-format off
    QTest::newRow("Magnemite is pure Electric") << "Magnemite" <<  81 << "Electric"      << QList<int>{25, 35, 70, 45, 95};
    QTest::newRow("Clefairy is pure Normal")    << "Clefairy"  <<  35 << "Normal"        << QList<int>{70, 45, 48, 35, 60};
    QTest::newRow("Gengar is Ghost/Poison")     << "Gengar"    <<  94 << "Ghost/Poison"  << QList<int>{60, 65, 60, 110, 130};
    QTest::newRow("Chansey's HP")               << "Chansey"   << 113 << "Normal"        << QList<int>{250, 5, 5, 50, 105};
    QTest::newRow("Snorlax")                    << "Snorlax"   << 143 << "Normal"        << QList<int>{160, 110, 65, 30, 65};
    QTest::newRow("Mewtwo")                     << "Mewtwo"    << 150 << "Psychic"       << QList<int>{106, 110, 90, 130, 154};
    QTest::newRow("Mew is all 100")             << "Mew"       << 151 << "Psychic"       << QList<int>{100, 100, 100, 100, 100};
    QTest::newRow("Nidoran-F")                  << "Nidoran-F" <<  29 << "Poison"        << QList<int>{55, 47, 52, 41, 40};
    // clang-format on
}

void TestGameData::species_facts()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, types);
    QFETCH(QList<int>, base);
    const Species* species = findSpecies(name.toStdString());
    QVERIFY(species);
    QCOMPARE(species->number, number);
    QCOMPARE(typesOf(*species), types);
    const BaseStats& stats = species->base;
    QCOMPARE((QList<int>{stats.hp, stats.attack, stats.defense, stats.speed, stats.special}), base);
}

void TestGameData::move_facts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("accuracy"); // -1: never misses
    QTest::addColumn<int>("pp");
    QTest::addColumn<bool>("highCritical");
    QTest::addColumn<FixedDamage>("fixed");
    QTest::addColumn<int>("fixedAmount");
    QTest::addColumn<MultiHit>("hits");
    // clang-format off
    QTest::newRow("Pound")           << "Pound"        << "Normal"   <<  40 << 100 << 35 << false << FixedDamage::None     <<  0 << MultiHit::Once;
    QTest::newRow("Swift never misses") << "Swift"     << "Normal"   <<  60 <<  -1 << 20 << false << FixedDamage::None     <<  0 << MultiHit::Once;
    QTest::newRow("Karate Chop is Normal, high critical") << "Karate Chop" << "Normal" << 50 << 100 << 25 << true << FixedDamage::None << 0 << MultiHit::Once;
    QTest::newRow("Crabhammer")      << "Crabhammer"   << "Water"    <<  90 <<  85 << 10 << true  << FixedDamage::None     <<  0 << MultiHit::Once;
    QTest::newRow("Seismic Toss")    << "Seismic Toss" << "Fighting" <<   0 << 100 << 20 << false << FixedDamage::Level    <<  0 << MultiHit::Once;
    QTest::newRow("Sonic Boom 20")   << "Sonic Boom"   << "Normal"   <<   0 <<  90 << 20 << false << FixedDamage::Constant << 20 << MultiHit::Once;
    QTest::newRow("Dragon Rage 40")  << "Dragon Rage"  << "Dragon"   <<   0 << 100 << 10 << false << FixedDamage::Constant << 40 << MultiHit::Once;
    QTest::newRow("Super Fang")      << "Super Fang"   << "Normal"   <<   0 <<  90 << 10 << false << FixedDamage::HalfHp   <<  0 << MultiHit::Once;
    QTest::newRow("Psywave")         << "Psywave"      << "Psychic"  <<   0 <<  80 << 15 << false << FixedDamage::Psywave  <<  0 << MultiHit::Once;
    QTest::newRow("Horn Drill")      << "Horn Drill"   << "Normal"   <<   0 <<  30 <<  5 << false << FixedDamage::OneHitKo <<  0 << MultiHit::Once;
    QTest::newRow("Counter")         << "Counter"      << "Fighting" <<   0 << 100 << 20 << false << FixedDamage::None     <<  0 << MultiHit::Once;
    QTest::newRow("Bide is Normal")  << "Bide"         << "Normal"   <<   0 <<  -1 << 10 << false << FixedDamage::None     <<  0 << MultiHit::Once;
    QTest::newRow("Twineedle twice") << "Twineedle"    << "Bug"      <<  25 << 100 << 20 << false << FixedDamage::None     <<  0 << MultiHit::Twice;
    QTest::newRow("Bonemerang")      << "Bonemerang"   << "Ground"   <<  50 <<  90 << 10 << false << FixedDamage::None     <<  0 << MultiHit::Twice;
    QTest::newRow("Double Slap")     << "Double Slap"  << "Normal"   <<  15 <<  85 << 10 << false << FixedDamage::None     <<  0 << MultiHit::TwoToFive;
    QTest::newRow("Spike Cannon")    << "Spike Cannon" << "Normal"   <<  20 << 100 << 15 << false << FixedDamage::None     <<  0 << MultiHit::TwoToFive;
    QTest::newRow("Struggle")        << "Struggle"     << "Normal"   <<  50 << 100 << 10 << false << FixedDamage::None     <<  0 << MultiHit::Once;
    // clang-format on
}

void TestGameData::move_facts()
{
    QFETCH(QString, name);
    const Move* move = findMove(name.toStdString());
    QVERIFY(move);
    QTEST(QString::fromUtf8(typeName(move->type)), "type");
    QTEST(move->power, "power");
    QTEST(move->accuracy.value_or(-1), "accuracy");
    QTEST(move->pp, "pp");
    QTEST(move->highCritical, "highCritical");
    QTEST(move->fixed, "fixed");
    QTEST(move->fixedAmount, "fixedAmount");
    QTEST(move->hits, "hits");
}

void TestGameData::type_chart_keeps_the_gen_1_quirks_data()
{
    QTest::addColumn<QString>("attacking");
    QTest::addColumn<QString>("defending");
    QTest::addColumn<int>("tenths");
    // clang-format off
    QTest::newRow("ghost vs psychic is 0")    << "Ghost"    << "Psychic" <<  0;
    QTest::newRow("bug vs poison is 2")       << "Bug"      << "Poison"  << 20;
    QTest::newRow("poison vs bug is 2")       << "Poison"   << "Bug"     << 20;
    QTest::newRow("ice vs fire is 1")         << "Ice"      << "Fire"    << 10;
    QTest::newRow("fire vs ice is 2")         << "Fire"     << "Ice"     << 20;
    QTest::newRow("normal vs ghost is 0")     << "Normal"   << "Ghost"   <<  0;
    QTest::newRow("electric vs ground is 0")  << "Electric" << "Ground"  <<  0;
    QTest::newRow("ground vs flying is 0")    << "Ground"   << "Flying"  <<  0;
    QTest::newRow("dragon vs dragon is 2")    << "Dragon"   << "Dragon"  << 20;
    QTest::newRow("psychic vs psychic is .5") << "Psychic"  << "Psychic" <<  5;
    QTest::newRow("grass vs bug is .5")       << "Grass"    << "Bug"     <<  5;
    QTest::newRow("unnamed pair is 1")        << "Normal"   << "Fire"    << 10;
    // clang-format on
}

void TestGameData::type_chart_keeps_the_gen_1_quirks()
{
    QFETCH(QString, attacking);
    QFETCH(QString, defending);
    const auto from = typeFromName(attacking.toStdString());
    const auto to = typeFromName(defending.toStdString());
    QVERIFY(from && to);
    QTEST(typeEffectTenths(*from, *to), "tenths");
    // Gen 1 splits physical and special by type.
    QCOMPARE(isSpecialType(*from),
             QStringList({"Fire", "Water", "Grass", "Electric", "Psychic", "Ice", "Dragon"})
                 .contains(attacking));
}

void TestGameData::every_program_name_maps_and_spells_back()
{
    std::set<const Species*> species;
    for (const battle::SpeciesRow& row : battle::speciesRows()) {
        const Species* found = speciesForProgramName(row.name);
        QVERIFY2(found, row.name.data());
        QCOMPARE(programNameOf(*found), row.name);
        species.insert(found);
    }
    QCOMPARE(species.size(), std::size_t(151));
    std::set<const Move*> moves;
    for (const battle::AccuracyRow& row : battle::accuracyRows()) {
        QVERIFY2(moveForProgramName(row.name), row.name.data());
        moves.insert(moveForProgramName(row.name));
    }
    QCOMPARE(moves.size(), std::size_t(165));
    for (const battle::AttackRow& row : battle::attackRows())
        QCOMPARE(programNameOf(*moveForProgramName(row.key)), row.key);
    // The main window's attack list lacks these two.
    QCOMPARE(programNameOf(*findMove("Metronome")), "");
    QCOMPARE(programNameOf(*findMove("Psywave")), "");
    QCOMPARE(speciesForProgramName("Ninetails")->name, "Ninetales");
    QCOMPARE(moveForProgramName("Hi Jump Kick")->name, "High Jump Kick");
    QVERIFY(!speciesForProgramName("Select Pokémon") && !moveForProgramName("ninetails"));
}

void TestGameData::loose_names_find_their_entry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("species"); // empty: none
    QTest::addColumn<QString>("move");
    // clang-format off
    QTest::newRow("dex spelling")          << "Nidoran-F"    << "Nidoran-F"  << "";
    QTest::newRow("female sign")           << "Nidoran♀"     << "Nidoran-F"  << "";
    QTest::newRow("male sign")             << "nidoran ♂"    << "Nidoran-M"  << "";
    QTest::newRow("program spelling")      << "NidoranM"     << "Nidoran-M"  << "";
    QTest::newRow("plain apostrophe")      << "farfetch'd"   << "Farfetch’d" << "";
    QTest::newRow("no full stop")          << "MR MIME"      << "Mr. Mime"   << "";
    QTest::newRow("old Ninetails")         << "ninetails"    << "Ninetales"  << "";
    QTest::newRow("one word")              << "thundershock" << ""           << "Thunder Shock";
    QTest::newRow("old Hi Jump Kick")      << "hi jump kick" << ""           << "High Jump Kick";
    QTest::newRow("old Vicegrip")          << "ViceGrip"     << ""           << "Vise Grip";
    QTest::newRow("hyphen dropped")        << "self destruct" << ""          << "Self-Destruct";
    QTest::newRow("psychic is both")       << "psychic"      << ""           << "Psychic";
    QTest::newRow("nidoran alone")         << "Nidoran"      << ""           << "";
    QTest::newRow("punctuation only")      << " .-' "        << ""           << "";
    QTest::newRow("half a name")           << "thunder sh"   << ""           << "";
    // clang-format on
}

void TestGameData::loose_names_find_their_entry()
{
    QFETCH(QString, text);
    const Species* species = findSpeciesLoosely(text.toStdString());
    const Move* move = findMoveLoosely(text.toStdString());
    QTEST(species ? QString::fromUtf8(species->name) : QString(), "species");
    QTEST(move ? QString::fromUtf8(move->name) : QString(), "move");
    // No two entries share a loose name.
    for (const Species& entry : allSpecies())
        QCOMPARE(findSpeciesLoosely(entry.name), &entry);
    for (const Move& entry : allMoves())
        QCOMPARE(findMoveLoosely(entry.name), &entry);
}

QTEST_GUILESS_MAIN(TestGameData)
#include "tst_gamedata.moc"
