// SPDX-License-Identifier: MIT
#include "battle/save/SaveFile.h"

#include "support/SaveWriter.h"

#include <QTest>

using namespace battle;
using savewriter::Mon;
using savewriter::mrMime;

namespace {

QByteArray bytes(const std::string& save)
{
    return QByteArray::fromStdString(save);
}
QByteArray redSave()
{
    return bytes(savewriter::redSave());
}
QByteArray yellowSave()
{
    return bytes(savewriter::yellowSave());
}

// The Red save with bytes changed and its checksum made good again.
QByteArray redWith(std::initializer_list<std::pair<std::size_t, int>> edits)
{
    std::string save = redSave().toStdString();
    for (const auto& [at, value] : edits)
        savewriter::put(save, at, value);
    savewriter::putChecksum(save, 0x2598, 0x3523);
    return bytes(save);
}

QString describe(const PageRecord& page)
{
    QStringList attacks;
    for (const AttackRecord& attack : page.attacks)
        attacks << QString::fromStdString(attack.name + " " + attack.pp + "/" + attack.ppMaximum);
    return QString::fromStdString(page.species + "|" + page.nickname + "|" + page.status + "|" +
                                  page.hp + "/" + page.hpMaximum + "|" + page.attack + " " +
                                  page.defense + " " + page.speed + " " + page.specialAttack + " " +
                                  page.specialDefense + "|") +
           attacks.join(", ") +
           QString::fromStdString("|" + page.type1 + "/" + page.type2 + "|" + page.notes);
}

save::SaveFileResult read(const QByteArray& save)
{
    return save::readSaveFile(std::string_view(save.constData(), std::size_t(save.size())));
}

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT

private slots:
    void party_fills_the_sheet_page_by_page_data();
    void party_fills_the_sheet_page_by_page();
    void stats_read_equal_the_games_computation_data();
    void stats_read_equal_the_games_computation();
    void what_is_no_readable_save_is_refused_data();
    void what_is_no_readable_save_is_refused();
    void oddities_are_read_and_noted_data();
    void oddities_are_read_and_noted();
};

void TestSaveFile::party_fills_the_sheet_page_by_page_data()
{
    QTest::addColumn<QByteArray>("save");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("expected");
    const QByteArray red = redSave(), yellow = yellowSave();
    QTest::newRow("Red: paralysed Mr. Mime, PP Ups on three moves")
        << red << 0
        << "Mr. Mime|MR.MIME|Paralyzed|100/113|70 89 119 131 131|Psychic 14/16, Barrier 30/30, "
           "Light Screen 36/36, Reflect 5/28|Psychic/|";
    QTest::newRow("Red: poisoned Nidoran♀, 40 PP with three Ups is 61, an empty slot")
        << red << 1
        << "NidoranF|NIDORAN♀|Poison|30/37|18 19 16 16 16|Growl 61/61, Tackle 35/35, Scratch "
           "20/35, Attack4 /|Poison/|";
    QTest::newRow("Red: fainted Farfetch'd with a ten-letter name")
        << red << 2
        << "Farfetch'd|FARFETCH'D||0/99|71 65 68 67 67|Peck 35/35, Sand Attack 15/15, Leer "
           "30/30, Fury Attack 20/20|Normal/Flying|Fainted";
    QTest::newRow("Red: sleeping Gengar, nickname of signs")
        << red << 3
        << "Gengar|Spo×k:-?!|Sleeping|301/301|188 166 297 333 333|Hypnosis 20/20, Dream Eater "
           "15/15, Night Shade 15/15, Thunderbolt 15/15|Ghost/Poison|";
    QTest::newRow("Red: a page beyond the party is cleared")
        << red << 4 << "|||/|    |Attack1 /, Attack2 /, Attack3 /, Attack4 /|/|";
    QTest::newRow("Yellow: burned Pikachu")
        << yellow << 0
        << "Pikachu|PIKACHU|Burned|50/57|39 26 58 37 37|Thundershock 42/42, Growl 40/40, Quick "
           "Attack 30/30, Thunder Wave 20/20|Electric/|";
    QTest::newRow("Yellow: frozen Jynx")
        << yellow << 1
        << "Jynx|JYNX|Frozen|115/115|55 50 89 94 94|Ice Punch 15/15, Lovely Kiss 10/10, Attack3 "
           "/, Attack4 /|Ice/Psychic|";
    QTest::newRow("Yellow: the page after the party is cleared")
        << yellow << 2 << "|||/|    |Attack1 /, Attack2 /, Attack3 /, Attack4 /|/|";
}

void TestSaveFile::party_fills_the_sheet_page_by_page()
{
    QFETCH(QByteArray, save);
    QFETCH(int, page);
    QFETCH(QString, expected);
    const save::SaveFileResult result = read(save);
    QVERIFY2(result.party, result.problem.c_str());
    QVERIFY(result.party->notes.empty());
    const save::SheetFill fill = save::sheetFromParty(*result.party);
    QCOMPARE(describe(fill.sheet.pages[std::size_t(page)]), expected);
    QCOMPARE(fill.sheet.pages[std::size_t(page)].training.has_value(), !expected.startsWith(u'|'));
    QCOMPARE(fill.sheet.activePage, 1);
    const bool yellow = save == yellowSave();
    QCOMPARE(result.party->yellow, yellow);
    QCOMPARE(QString::fromStdString(fill.sheet.trainerName), yellow ? "ASH" : "Red♂");
}

void TestSaveFile::stats_read_equal_the_games_computation_data()
{
    QTest::addColumn<QByteArray>("save");
    QTest::addColumn<int>("page");
    for (int page = 0; page < 4; ++page)
        QTest::addRow("Red, page %d", page + 1) << redSave() << page;
    for (int page = 0; page < 2; ++page)
        QTest::addRow("Yellow, page %d", page + 1) << yellowSave() << page;
}

// What a page hands on (level, DVs, stat experience) must give the game's figures again.
void TestSaveFile::stats_read_equal_the_games_computation()
{
    QFETCH(QByteArray, save);
    QFETCH(int, page);
    const save::SaveFileResult result = read(save);
    QVERIFY(result.party);
    const save::SheetFill fill = save::sheetFromParty(*result.party);
    const PageRecord& sheetPage = fill.sheet.pages[std::size_t(page)];
    const game::Training& training = *sheetPage.training;
    const game::Species* species = game::speciesForProgramName(sheetPage.species);
    QVERIFY(species);
    const game::Stats stats = game::computeStats(species->base, training.dvs, training.statExp,
                                                 std::stoi(sheetPage.level));
    const game::Stats stored{std::stoi(sheetPage.hpMaximum), std::stoi(sheetPage.attack),
                             std::stoi(sheetPage.defense), std::stoi(sheetPage.speed),
                             std::stoi(sheetPage.specialAttack)};
    QCOMPARE(stats, stored);
}

void TestSaveFile::what_is_no_readable_save_is_refused_data()
{
    QTest::addColumn<QByteArray>("save");
    QTest::addColumn<QString>("problem"); // empty: read, with this many Pokémon
    QTest::addColumn<int>("count");
    const QByteArray red = redSave();
    QTest::newRow("empty file") << QByteArray() << "it has 0 bytes" << 0;
    QTest::newRow("one byte short") << red.left(0x7FFF) << "it has 32767 bytes" << 0;
    QTest::newRow("one byte over") << red + '\0' << "it has 32769 bytes" << 0;
    QTest::newRow("44-byte clock footer") << red + QByteArray(44, 'x') << "" << 4;
    QTest::newRow("48-byte clock footer") << red + QByteArray(48, 'x') << "" << 4;
    QTest::newRow("all 0x00") << QByteArray(0x8000, '\0') << "blank" << 0;
    QTest::newRow("all 0xFF") << QByteArray(0x8000, '\xFF') << "blank" << 0;
    QByteArray damaged = red;
    damaged[0x2F60] = '\x01';
    QTest::newRow("a changed byte") << damaged << "the game itself would not load it" << 0;
    QTest::newRow("Japanese save") << bytes(savewriter::japaneseSave()) << "Japanese" << 0;
    QTest::newRow("seven in the party") << redWith({{0x2F2C, 7}}) << "at most six" << 0;
    QTest::newRow("list without its end") << redWith({{0x2F31, 0x54}}) << "broken" << 0;
    QTest::newRow("list ended early") << redWith({{0x2F2E, 0xFF}}) << "broken" << 0;
    QTest::newRow("no Pokémon yet") << bytes(savewriter::englishSave("RED", {})) << "" << 0;
}

void TestSaveFile::what_is_no_readable_save_is_refused()
{
    QFETCH(QByteArray, save);
    QFETCH(QString, problem);
    QFETCH(int, count);
    const save::SaveFileResult result = read(save);
    QCOMPARE(result.party.has_value(), problem.isEmpty());
    QVERIFY2(QString::fromStdString(result.problem).contains(problem), result.problem.c_str());
    if (result.party) {
        QCOMPARE(int(result.party->pokemon.size()), count);
        QCOMPARE(save::sheetFromParty(*result.party).sheet.activePage, count ? 1 : 0);
    }
}

void TestSaveFile::oddities_are_read_and_noted_data()
{
    QTest::addColumn<QByteArray>("save");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("species"); // of the first page
    constexpr std::size_t first = 0x2F34;
    const QString mime = QStringLiteral("Mr. Mime");
    // clang-format off
    QTest::newRow("MissingNo.")             << redWith({{first, 0x1F}, {0x2F2D, 0x1F}}) << "0x1F is a glitch"              << "";
    QTest::newRow("list, Pokémon disagree") << redWith({{0x2F2D, 0x2B}})         << "names the species index 0x2B"  << mime;
    QTest::newRow("level 0")                << redWith({{first + 0x21, 0}})      << "level 0 is outside"            << mime;
    QTest::newRow("level 101")              << redWith({{first + 0x21, 101}})    << "level 101 is outside"          << mime;
    QTest::newRow("HP above maximum")       << redWith({{first + 1, 1}})         << "356 HP is above the maximum 113" << mime;
    QTest::newRow("move 166")               << redWith({{first + 8, 166}})       << "unknown number 166"            << mime;
    QTest::newRow("poisoned and paralysed") << redWith({{first + 4, 0x48}})      << "no single condition"           << mime;
    QTest::newRow("Bird type")              << redWith({{first + 5, 0x06}})      << "0x06 names no type"            << mime;
    QTest::newRow("PP above maximum")       << redWith({{first + 0x1D, 0xFF}})   << "Psychic has 63 PP"             << mime;
    QTest::newRow("unknown character")      << redWith({{0x307F, 0x30}})         << "cannot show (0x30)"            << mime;
    QTest::newRow("0x00 ends a name")       << redWith({{0x307F, 0x00}})         << "ends with 0x00"                << mime;
    // clang-format on
    Mon unended = mrMime;
    unended.nickname = "MRMIMEMIMES";
    QTest::newRow("nickname without end mark")
        << bytes(savewriter::englishSave("RED", {unended})) << "all 11 characters" << mime;
}

void TestSaveFile::oddities_are_read_and_noted()
{
    QFETCH(QByteArray, save);
    QFETCH(QString, note);
    QFETCH(QString, species);
    const save::SaveFileResult result = read(save);
    QVERIFY2(result.party, result.problem.c_str());
    QCOMPARE(int(result.party->notes.size()), 1);
    QVERIFY2(QString::fromStdString(result.party->notes.front()).contains(note),
             result.party->notes.front().c_str());
    QCOMPARE(QString::fromStdString(save::sheetFromParty(*result.party).sheet.pages[0].species),
             species);
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
