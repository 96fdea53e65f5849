// SPDX-License-Identifier: MIT
#include "battle/game/GameData.h"
#include "battle/sheet/SheetFile.h"
#include "battle/sheet/TeamText.h"

#include <QFile>
#include <QTest>

using namespace battle;

namespace {

// A sheet with every field filled, in texts a plain writer would get wrong.
SheetRecord unusualSheet()
{
    SheetRecord sheet;
    sheet.trainerName = "Ash \"the\" \\Champ\\ ";
    sheet.activePage = 4;
    int n = 0;
    for (PageRecord& page : sheet.pages) {
        const std::string tag = std::to_string(++n);
        page = {"Pikachu" + tag,
                "Пика ピカ " + tag,
                "Paralyzed",
                " 35",
                "35 ",
                "55",
                "30",
                "50",
                "51",
                "90",
                {},
                "Electric",
                "",
                "line 1\n  line 2\r\n\ttabbed\x01\n",
                n % 2 == 0,
                n % 3 == 0,
                " " + tag};
        if (n % 2)
            page.training = battle::game::Training{{n, 0, 15, 7}, {0, 65535, n, 300, 1}};
        for (AttackRecord& attack : page.attacks)
            attack = {"Thunder" + tag + "/\\u0041", "", "30"};
    }
    return sheet;
}

} // namespace

class TestTeamFiles : public QObject {
    Q_OBJECT

private slots:
    void a_saved_sheet_reads_back_field_for_field();
    void refused_files_name_their_problem_data();
    void refused_files_name_their_problem();
    void team_text_fills_pages_data();
    void team_text_fills_pages();
    void team_text_reads_as_the_format_means_data();
    void team_text_reads_as_the_format_means();
    void team_text_reports_what_it_cannot_use_and_exports_the_communitys_names();
};

void TestTeamFiles::a_saved_sheet_reads_back_field_for_field()
{
    const SheetRecord sheet = unusualSheet();
    const SheetFileResult read = readSheetFile(writeSheetFile(sheet));
    QVERIFY2(read.sheet.has_value(), read.problem.c_str());
    QVERIFY(*read.sheet == sheet);
    // As Notepad saves it: with a byte-order mark.
    const SheetFileResult marked = readSheetFile("\xEF\xBB\xBF" + writeSheetFile(sheet));
    QVERIFY2(marked.sheet && *marked.sheet == sheet, marked.problem.c_str());
    // Files from an older writer may leave fields out; they read as empty.
    const SheetFileResult sparse = readSheetFile(
        R"({"format": "battle-tesh-trainer-sheet", "version": 1, "pages": [{}, {}, {}, {}, {},)"
        R"( {"notes": "\ud83d\ude00 \u00e9"}]})");
    QVERIFY2(sparse.sheet.has_value(), sparse.problem.c_str());
    QCOMPARE(sparse.sheet->pages[5].notes, std::string("\xF0\x9F\x98\x80 \xC3\xA9"));
    QCOMPARE(sparse.sheet->pages[0].attacks[0].name, std::string());
    QVERIFY(sparse.sheet->pages[0].level.empty() && !sparse.sheet->pages[0].training);
}

void TestTeamFiles::refused_files_name_their_problem_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("problem");
    const QByteArray ours = R"({"format": "battle-tesh-trainer-sheet", "version": 1, "pages": )";
    const QByteArray pages = R"([{}, {}, {"confused": false}, {}, {}, {}]})";
    // clang-format off
    QTest::newRow("empty")            << QByteArray()                                   << "well-formed";
    QTest::newRow("cut short")        << ours + "[{}, {"                               << "line 1, column 70: syntax error while parsing object key - unexpected end of input";
    QTest::newRow("twin keys")        << ours + R"([{"hp": "1", "hp": "2"}, {}, {}, {}, {}, {}]})" << "names \"hp\" twice";
    QTest::newRow("over-long field")  << ours + R"([{"status": ")" + QByteArray(32768, 's') + R"("}, {}, {}, {}, {}, {}]})" << "pages[1].status\" is longer";
    QTest::newRow("trailing comma")   << ours + R"([{}, {}, {}, {}, {}, {},]})"         << "well-formed";
    QTest::newRow("not UTF-8")        << ours + R"([{"notes": ")" + "\xE9" + R"("}, {}, {}, {}, {}, {}]})" << "UTF-8";
    QTest::newRow("lone surrogate")   << ours + R"([{"notes": "\ud83d"}, {}, {}, {}, {}, {}]})" << "surrogate";
    QTest::newRow("control character") << ours + "[{\"notes\": \"a\tb\"}, {}, {}, {}, {}, {}]}" << "control character";
    QTest::newRow("deep nesting")     << QByteArray(100000, '[')                        << "nested";
    QTest::newRow("another program")  << QByteArray(R"({"format": "other", "version": 1})") << "not a Battle Tesh";
    QTest::newRow("no format")        << QByteArray("[1, 2]")                           << "not a Battle Tesh";
    QTest::newRow("newer version")    << QByteArray(ours).replace("1,", "3,") + pages   << "newer version";
    QTest::newRow("version as text")  << QByteArray(ours).replace("1,", "\"1\",") + pages << "version";
    QTest::newRow("seven pages")      << ours + R"([{}, {}, {}, {}, {}, {}, {}]})"      << "six pages";
    QTest::newRow("page not object")  << ours + R"([{}, 3, {}, {}, {}, {}]})"          << "pages[2]";
    QTest::newRow("text as number")   << ours + R"([{}, {"notes": 5}, {}, {}, {}, {}]})" << "pages[2].notes";
    QTest::newRow("flag as text")     << ours + QByteArray(pages).replace("false", "\"no\"") << "pages[3].confused";
    QTest::newRow("attack as list")   << ours + R"([{"attacks": [{}, [], {}, {}]}, {}, {}, {}, {}, {}]})" << "pages[1].attacks[2]";
    QTest::newRow("active page 7")    << QByteArray(ours).replace("1,", "1, \"activePage\": 7,") + pages << "activePage";
    QTest::newRow("DV 16")            << ours + R"([{"dvs": {"attack": 16, "defense": 0, "speed": 0, "special": 0}, "statExp": {}}, {}, {}, {}, {}, {}]})" << "pages[1].dvs.attack\" should be a whole number from 0 to 15";
    QTest::newRow("DVs alone")        << ours + R"([{}, {"dvs": {"attack": 1, "defense": 0, "speed": 0, "special": 0}}, {}, {}, {}, {}]})" << "pages[2].statExp.hp";
    QTest::newRow("over 1 MiB")       << QByteArray(static_cast<int>(sheetFileLimit) + 1, ' ') << "1 MiB";
    // clang-format on
}

void TestTeamFiles::refused_files_name_their_problem()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, problem);
    const SheetFileResult read = readSheetFile(std::string_view(file.constData(), file.size()));
    QVERIFY(!read.sheet.has_value());
    QVERIFY2(QString::fromStdString(read.problem).contains(problem), read.problem.c_str());
}

void TestTeamFiles::team_text_fills_pages_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("page"); // species (nickname) types: attacks with PP [stats]
    // Stats as the games show them at level 100 with the best DVs and stat experience.
    // clang-format off
    QTest::newRow("bare species") << QByteArray("Snorlax\n- Body Slam\n- Earthquake\n- Hyper Beam\n- Self-Destruct\n")
        << "Snorlax () Normal/: Body Slam 15, Earthquake 10, Hyper Beam 5, Selfdestruct 5 [523 318 228 158 228]";
    QTest::newRow("team builder export")
        << QByteArray("=== [gen1ou] Kanto ===\r\n\r\nSparky (Starmie) @ Leftovers  \r\nAbility: No Ability\r\n"
                      "EVs: 252 HP / 252 Atk / 252 Def / 252 SpA / 252 Spe\r\nSerious Nature\r\n"
                      "- Thunderbolt\r\n- Psychic\r\n- Recover\r\n- Thunder Wave\r\n\r\n\r\nChansey\n- Soft-Boiled\n")
        << "Starmie (Sparky) Water/Psychic: Thunderbolt 15, Psychic 10, Recover 20, Thunder Wave 20 [323 248 268 328 298]";
    QTest::newRow("gender, level, EVs and IVs") << QByteArray("Tauros (M)\nLevel: 100\nEVs: 0 HP\nIVs: 0 Atk / 20 Spe\n- Blizzard\n")
        << "Tauros () Normal/: Blizzard 5, Attack2 , Attack3 , Attack4  [270 205 225 245 175]";
    QTest::newRow("the program's spellings") << QByteArray("Nini (NidoranF)\n- Doubleslap\n- Poisonpowder\n")
        << "NidoranF (Nini) Poison/: Doubleslap 10, Poisonpowder 35, Attack3 , Attack4 ";
    QTest::newRow("community spellings") << QByteArray("Nidoran-F (F) @ Item\n- Double Slap\n- Poison Powder\n")
        << "NidoranF () Poison/: Doubleslap 10, Poisonpowder 35, Attack3 , Attack4 ";
    // clang-format on
}

void TestTeamFiles::team_text_fills_pages()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, page);
    const TeamImport team = readTeamText(text.toStdString());
    QVERIFY(!team.pages.empty() && !team.moreThanSix && team.unusedLines.empty());
    const PageRecord& p = team.pages.front();
    std::string seen = p.species + " (" + p.nickname + ") " + p.type1 + "/" + p.type2 + ":";
    for (const AttackRecord& attack : p.attacks) {
        seen += (&attack == &p.attacks[0] ? " " : ", ") + attack.name + " " + attack.pp;
        QCOMPARE(attack.ppMaximum, attack.pp);
    }
    if (page.endsWith(']'))
        seen += " [" + p.hp + " " + p.attack + " " + p.defense + " " + p.speed + " " +
                p.specialAttack + "]";
    QCOMPARE(QString::fromStdString(seen), page);
    QCOMPARE(p.hpMaximum, p.hp);
    QCOMPARE(p.specialDefense, p.specialAttack);
}

// The expected parses come from the format's own reader (tools/teamref).
void TestTeamFiles::team_text_reads_as_the_format_means_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("parse"); // species, nickname, level, EVs, IVs, moves
    QFile file(QStringLiteral(TEAM_REFERENCE));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).chopped(1).split('\t');
        if (!f[0].startsWith('#'))
            QTest::newRow(qPrintable(f[0]))
                << QString(f[0]).replace("\\n", "\n").replace("\\ufeff", QChar(0xFEFF)) << f.mid(1);
    }
}

void TestTeamFiles::team_text_reads_as_the_format_means()
{
    QFETCH(QString, text);
    QFETCH(QStringList, parse);
    const TeamImport team = readTeamText(text.toStdString());
    QCOMPARE(team.pages.size(), std::size_t(1));
    const PageRecord& page = team.pages[0];
    const battle::game::Species* species = battle::game::speciesForProgramName(page.species);
    QVERIFY(species);
    QCOMPARE(QString::fromUtf8(species->name), parse[0]);
    // The sheet drops a nickname that only repeats the species.
    QCOMPARE(QString::fromStdString(page.nickname), parse[1] == parse[0] ? "" : parse[1]);
    // The same Pokémon with every figure the format read written out reads the same.
    QString spelled = parse[0] + "\nLevel: " + parse[2] + "\n";
    for (const auto& [key, values] : {std::pair{"EVs: ", parse[3]}, std::pair{"IVs: ", parse[4]}}) {
        const QStringList v = values.split(' ');
        if (v.size() == 5)
            spelled += QString("%1%2 HP / %3 Atk / %4 Def / %5 SpA / %6 Spe\n")
                           .arg(key, v[0], v[1], v[2], v[3], v[4]);
    }
    for (const QString& move : parse[5].split(';'))
        spelled += "- " + move + "\n";
    const PageRecord written = readTeamText(spelled.toStdString()).pages.at(0);
    const auto figures = [](const PageRecord& p) {
        std::string seen =
            p.hp + " " + p.attack + " " + p.defense + " " + p.speed + " " + p.specialAttack;
        for (const AttackRecord& attack : p.attacks)
            seen += ", " + attack.name;
        return QString::fromStdString(seen);
    };
    QCOMPARE(figures(page), figures(written));
}

void TestTeamFiles::team_text_reports_what_it_cannot_use_and_exports_the_communitys_names()
{
    std::string seven;
    for (const char* species : {"Mew", "Abra", "Onix", "Jynx", "Muk", "Ekans", "Ditto"})
        seven += std::string(species) + "\n- Psychic\n\n";
    const TeamImport crowded = readTeamText(seven);
    QCOMPARE(crowded.pages.size(), std::size_t(6));
    QVERIFY(crowded.moreThanSix);
    QCOMPARE(crowded.pages.back().species, std::string("Ekans"));

    const TeamImport odd = readTeamText("Missingno\n- Water Gun\n\nGengar\nLevel: 101\n- Hypnosis\n"
                                        "- Shadow Ball\n- Night Shade\n- Explosion\n- Thunderbolt\n"
                                        "- Mega Drain\nNonsense here\n");
    QCOMPARE(odd.pages.size(), std::size_t(1));
    QCOMPARE(odd.pages[0].attacks[2].name, std::string("Explosion"));
    const std::vector<std::string> unused{"Missingno",     "- Water Gun",  "Level: 101",
                                          "- Shadow Ball", "- Mega Drain", "Nonsense here"};
    QVERIFY(odd.unusedLines == unused);
    QVERIFY(readTeamText(" \n\n\t\n").pages.empty());
    const std::string longName = std::string(fieldLengthLimit + 1, 'n') + " (Mew)";
    QVERIFY(readTeamText(longName).unusedLines == std::vector{longName});

    // Exported in the community's names, and read back.
    SheetRecord sheet;
    sheet.pages[1].species = "Mr. Mime";
    sheet.pages[1].nickname = "Mimic";
    sheet.pages[1].attacks = {{{"Thundershock", "", ""},
                               {"Attack2", "", ""},
                               {"Vicegrip", "", ""},
                               {"Sonicboom", "", ""}}};
    sheet.pages[3].species = " Ninetails ";
    sheet.pages[3].nickname = "Ninetales";
    sheet.pages[4].nickname = "no species, no page";
    QCOMPARE(writeTeamText(sheet), std::string("Mimic (Mr. Mime)\n- Thunder Shock\n- Vise Grip\n"
                                               "- Sonic Boom\n\nNinetales\n"));
    const TeamImport back = readTeamText(writeTeamText(sheet));
    QCOMPARE(back.pages.size(), std::size_t(2));
    QCOMPARE(back.pages[0].attacks[1].name, std::string("Vicegrip"));
    QCOMPARE(back.pages[1].species, std::string("Ninetails"));
    QCOMPARE(writeTeamText(SheetRecord{}), std::string());

    // A level below 100 goes out with its "Level:" line and comes back at that level: the Level
    // field's, or without one the level the stats match.
    SheetRecord pasted;
    pasted.pages[0] = readTeamText("Pikachu\nLevel: 50\n- Surf\n").pages.at(0);
    pasted.pages[2] = readTeamText("Raichu\n- Surf\n").pages.at(0);
    QCOMPARE(pasted.pages[0].level, "50");
    QCOMPARE(writeTeamText(pasted), std::string("Pikachu\nLevel: 50\n- Surf\n\nRaichu\n- Surf\n"));
    QCOMPARE(readTeamText(writeTeamText(pasted)).pages.at(0).hp, pasted.pages[0].hp);
    pasted.pages[0].level.clear();
    pasted.pages[2].level = " 7";
    QCOMPARE(writeTeamText(pasted),
             std::string("Pikachu\nLevel: 50\n- Surf\n\nRaichu\nLevel: 7\n- Surf\n"));
    pasted.pages[0] = readTeamText("Zap @ Home (Zapdos) @ Magnet\n").pages.at(0);
    QCOMPARE(readTeamText(writeTeamText(pasted)).pages.at(0).nickname, "Zap @ Home");
}

QTEST_GUILESS_MAIN(TestTeamFiles)
#include "tst_teamfiles.moc"
