// SPDX-License-Identifier: MIT
#include "battle/AccuracyTable.h"
#include "battle/AttackTable.h"
#include "battle/GameData.h"
#include "battle/SpeciesTable.h"

#include <QTest>

#include <set>

using namespace battle::game;

namespace {

QString name(Type type)
{
    return QString::fromUtf8(typeName(type));
}

// "number type[/type] HP/Attack/Defense/Speed/Special"
QString factsOf(const Species& species)
{
    const BaseStats& base = species.base;
    return QString("%1 %2%3 %4/%5/%6/%7/%8")
        .arg(species.number)
        .arg(name(species.type1), species.type2 ? "/" + name(*species.type2) : "")
        .arg(base.hp)
        .arg(base.attack)
        .arg(base.defense)
        .arg(base.speed)
        .arg(base.special);
}

// "type power accuracy (- never misses) PP [high critical] [fixed damage kind amount] hits"
QString factsOf(const Move& move)
{
    static const char* fixedKinds[] = {"", "level", "constant", "half HP", "psywave", "KO"};
    static const char* hitKinds[] = {"once", "twice", "2-5"};
    QString facts = QString("%1 %2 %3 %4").arg(name(move.type)).arg(move.power);
    facts = facts.arg(move.accuracy ? QString::number(*move.accuracy) : "-").arg(move.pp);
    if (move.highCritical)
        facts += " high critical";
    if (move.fixed != FixedDamage::None)
        facts += QString(" %1 %2").arg(fixedKinds[int(move.fixed)]).arg(move.fixedAmount);
    return facts + " " + hitKinds[int(move.hits)];
}

} // namespace

class TestGameData : public QObject {
    Q_OBJECT

private slots:
    void counts_and_numbering_are_the_games();
    void known_facts_data();
    void known_facts();
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
    QVERIFY(!typeFromName("Steel") && !typeFromName("Evil") && !typeFromName("fire"));
}

void TestGameData::known_facts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("facts");
    // clang-format off
    QTest::newRow("Magnemite is pure Electric") << "Magnemite"    << "81 Electric 25/35/70/45/95";
    QTest::newRow("Clefairy is pure Normal")    << "Clefairy"     << "35 Normal 70/45/48/35/60";
    QTest::newRow("Gengar")                     << "Gengar"       << "94 Ghost/Poison 60/65/60/110/130";
    QTest::newRow("Chansey")                    << "Chansey"      << "113 Normal 250/5/5/50/105";
    QTest::newRow("Mewtwo")                     << "Mewtwo"       << "150 Psychic 106/110/90/130/154";
    QTest::newRow("Mew is all 100")             << "Mew"          << "151 Psychic 100/100/100/100/100";
    QTest::newRow("Swift never misses")         << "Swift"        << "Normal 60 - 20 once";
    QTest::newRow("Karate Chop is Normal")      << "Karate Chop"  << "Normal 50 100 25 high critical once";
    QTest::newRow("Crabhammer")                 << "Crabhammer"   << "Water 90 85 10 high critical once";
    QTest::newRow("Seismic Toss")               << "Seismic Toss" << "Fighting 0 100 20 level 0 once";
    QTest::newRow("Sonic Boom")                 << "Sonic Boom"   << "Normal 0 90 20 constant 20 once";
    QTest::newRow("Dragon Rage")                << "Dragon Rage"  << "Dragon 0 100 10 constant 40 once";
    QTest::newRow("Super Fang")                 << "Super Fang"   << "Normal 0 90 10 half HP 0 once";
    QTest::newRow("Psywave")                    << "Psywave"      << "Psychic 0 80 15 psywave 0 once";
    QTest::newRow("Horn Drill")                 << "Horn Drill"   << "Normal 0 30 5 KO 0 once";
    QTest::newRow("Counter has no power")       << "Counter"      << "Fighting 0 100 20 once";
    QTest::newRow("Bide is Normal")             << "Bide"         << "Normal 0 - 10 once";
    QTest::newRow("Twineedle")                  << "Twineedle"    << "Bug 25 100 20 twice";
    QTest::newRow("Double Slap")                << "Double Slap"  << "Normal 15 85 10 2-5";
    QTest::newRow("Struggle is the last")       << "Struggle"     << "Normal 50 100 10 once";
    // clang-format on
}

void TestGameData::known_facts()
{
    QFETCH(QString, name);
    const std::string text = name.toStdString();
    const Species* species = findSpecies(text);
    const Move* move = findMove(text);
    QVERIFY(species || move);
    QTEST(species ? factsOf(*species) : factsOf(*move), "facts");
    if (move)
        QCOMPARE(move, &allMoves()[std::size_t(move->number - 1)]);
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
    QTest::newRow("normal vs ghost is 0")     << "Normal"   << "Ghost"   <<  0;
    QTest::newRow("electric vs ground is 0")  << "Electric" << "Ground"  <<  0;
    QTest::newRow("dragon vs dragon is 2")    << "Dragon"   << "Dragon"  << 20;
    QTest::newRow("psychic vs psychic is .5") << "Psychic"  << "Psychic" <<  5;
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
    const QStringList special{"Fire", "Water", "Grass", "Electric", "Psychic", "Ice", "Dragon"};
    QCOMPARE(isSpecialType(*from), special.contains(attacking));
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
    QTest::addColumn<QString>("found"); // a species, else a move; empty: neither
    // clang-format off
    QTest::newRow("female sign")        << "Nidoran♀"      << "Nidoran-F";
    QTest::newRow("male sign, blank")   << "nidoran ♂"     << "Nidoran-M";
    QTest::newRow("program spelling")   << "NidoranM"      << "Nidoran-M";
    QTest::newRow("plain apostrophe")   << "farfetch'd"    << "Farfetch’d";
    QTest::newRow("no full stop")       << "MR MIME"       << "Mr. Mime";
    QTest::newRow("one word")           << "thundershock"  << "Thunder Shock";
    QTest::newRow("old Hi Jump Kick")   << "hi jump kick"  << "High Jump Kick";
    QTest::newRow("old Vicegrip")       << "ViceGrip"      << "Vise Grip";
    QTest::newRow("hyphen dropped")     << "self destruct" << "Self-Destruct";
    QTest::newRow("nidoran alone")      << "Nidoran"       << "";
    QTest::newRow("punctuation only")   << " .-' "         << "";
    // clang-format on
}

void TestGameData::loose_names_find_their_entry()
{
    QFETCH(QString, text);
    const Species* species = findSpeciesLoosely(text.toStdString());
    const Move* move = findMoveLoosely(text.toStdString());
    QTEST(QString::fromUtf8(species ? species->name : move ? move->name : ""), "found");
    // No two entries share a loose name.
    for (const Species& entry : allSpecies())
        QCOMPARE(findSpeciesLoosely(entry.name), &entry);
    for (const Move& entry : allMoves())
        QCOMPARE(findMoveLoosely(entry.name), &entry);
}

QTEST_GUILESS_MAIN(TestGameData)
#include "tst_gamedata.moc"
