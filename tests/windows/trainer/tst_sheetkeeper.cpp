// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"
#include "support/SaveWriter.h"

#include "battle/sheet/SheetFile.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TrainerSheet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace fixture;
using battle::writeSheetFile;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

// The Teams menu as a player uses it on Trainer 2's sheet.
class TestSheetKeeper : public ProgramTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { stop(); }

    void a_saved_sheet_opens_again_unchanged();
    void a_bad_file_leaves_the_sheet_unchanged_with_one_message();
    void pasted_team_text_fills_the_pages_as_typing_would();
    void the_last_sheets_come_back_after_closing();
    void a_save_the_system_cuts_short_leaves_the_old_file_whole();
    void a_pipe_is_refused_at_once();
    void typing_at_the_next_start_keeps_the_last_runs_sheet();
    void a_second_copy_keeps_no_sheets();
    void a_junk_paste_gives_one_short_message();
    void a_game_save_fills_the_sheet_or_leaves_it_data();
    void a_game_save_fills_the_sheet_or_leaves_it();
    void an_imported_page_goes_to_battle_exactly_data();
    void an_imported_page_goes_to_battle_exactly();

private:
    TrainerSheet* sheet() const { return static_cast<TrainerSheet*>(show("Tab2")); }
    void menu(const char* item) const { step(m_main, item); }

    QWidget* m_main = nullptr;
    QTemporaryDir m_folder;
};

void TestSheetKeeper::init()
{
    start();
    m_main = show("FrmDamage");
}

void TestSheetKeeper::a_saved_sheet_opens_again_unchanged()
{
    battle::SheetRecord filled = sheet()->record();
    filled.trainerName = "Gary \"Oak\" \\ 大木";
    filled.activePage = 5;
    // clang-format off
    filled.pages[4] = {
        "Rhydon", "Rex", "Frozen", "1", "",     "", "",
        "",       "",    "",       {},  "Rock", "", "  burned turn 3\n\nswitch \"out\" \t\n",
        true,     false, "31"};
    // clang-format on
    filled.pages[5].attacks[3] = {"Surf", "12", "15"};
    sheet()->load(filled);
    for (const char* typed : {"Text26_6=Flying", "Text30=Wings", "Text9_4=90"})
        step(sheet(), typed);
    filled.pages[5].type2 = "Flying";
    filled.pages[5].nickname = "Wings";
    filled.pages[3].specialDefense = "90";
    QCOMPARE(text(sheet(), "Tab2"), "Trainer 2 - Gary \"Oak\" \\ 大木");
    QCOMPARE(text(sheet(), "Label1"), "Active: Rex");
    const QString path = m_folder.filePath("team.json");
    runtime().scriptFileChoices({path});
    menu("mnuSave2!");

    sheet()->close();
    runtime().scriptFileChoices({path, QString()});
    menu("mnuOpen2!");
    QVERIFY(sheet()->record() == filled);
    QCOMPARE(text(sheet(), "Label1"), "Active: Rex");
    QCOMPARE(text(sheet(), "TabRow2"), "Pokémon 4|Rex|Wings");
    menu("mnuOpen2!"); // cancelled: nothing happens
    QVERIFY(sheet()->record() == filled);
    QCOMPARE(runtime().fileDialogsShown(), 3);
    QCOMPARE(runtime().messages().size(), 0);
}

void TestSheetKeeper::a_bad_file_leaves_the_sheet_unchanged_with_one_message()
{
    step(sheet(), "Text5_1=Mew");
    const battle::SheetRecord before = sheet()->record();
    const QString path = m_folder.filePath("broken team.json");
    put(path, R"({"format": "battle-tesh-trainer-sheet", "version": 1, "pages": 6})");
    runtime().scriptFileChoices({path, m_folder.filePath("missing.json")});
    menu("mnuOpen2!");
    menu("mnuOpen2!");
    QVERIFY(sheet()->record() == before);
    const QStringList messages = runtime().messageTexts();
    QCOMPARE(messages.size(), 2);
    QVERIFY(messages[0].contains(path) && messages[0].contains("six pages"));
    QVERIFY(messages[1].contains("missing.json"));
}

void TestSheetKeeper::pasted_team_text_fills_the_pages_as_typing_would()
{
    step(sheet(), "Text3=Blue");
    sheet()->showPage(4);
    step(sheet(), "Text6_4=left from before");
    runtime().setClipboardText("Zappy (Jolteon) @ Leftovers\nLevel: 50\n- Thunderbolt\n"
                               "- Pin Missile\n- Hidden Power [Ice]\n\nAlakazam\n- Psychic\n");
    menu("mnuImport2!");
    const QStringList shown = {
        "Text5_1=Jolteon",      "Text1=Zappy", "TabRow1=Zappy|Pokémon 2|Pokémon 3",
        "Text13_1=Thunderbolt", "Text15_1=15", "Text16_1=Pin Missile",
        "Text25_1=Electric",    "Text6_4=",    "Tab2=Trainer 2 - Blue"};
    for (const QString& entry : shown)
        QCOMPARE(entry.section('=', 0, 0) + '=' + text(sheet(), entry.section('=', 0, 0)), entry);
    QCOMPARE(runtime().messageTexts(),
             QStringList{"These lines could not be used:\n- Hidden Power [Ice]"});

    const battle::SheetRecord before = sheet()->record();
    runtime().setClipboardText("   \n");
    menu("mnuImport2!");
    QVERIFY(sheet()->record() == before);
    QCOMPARE(runtime().messages().size(), 2);

    menu("mnuExport2!");
    QCOMPARE(
        runtime().clipboardHistory(),
        QStringList{
            "Zappy (Jolteon)\nLevel: 50\n- Thunderbolt\n- Pin Missile\n\nAlakazam\n- Psychic\n"});
}

void TestSheetKeeper::the_last_sheets_come_back_after_closing()
{
    QStringList menus;
    for (const QAction* each : static_cast<QMainWindow*>(m_main)->menuBar()->actions())
        menus << each->text();
    QCOMPARE(menus, QStringList({"Exit", "Submenus", "&Teams", "Edit"}));
    menu("mnuRestore!");
    QCOMPARE(runtime().messageTexts(), QStringList{"No sheet has been kept yet."});
    step(sheet(), "Text5_1=Lapras");
    sheet()->showPage(3);
    step(sheet(), "Option1_3!");
    sheet()->close(); // closing keeps the last change even before the autosave's delay is over
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(text(sheet(), "Text5_1"), ""); // a sheet opened anew starts fresh
    menu("mnuRestore!");
    QCOMPARE(text(sheet(), "Text5_1"), "Lapras");
    QCOMPARE(text(sheet(), "Label1"), "Active: ");
    QVERIFY(!runtime().openWindow(WindowId::Trainer1));
    QCOMPARE(runtime().messages().size(), 1);
}

// The child saves with the system refusing to let any file grow past a few kilobytes.
void TestSheetKeeper::a_save_the_system_cuts_short_leaves_the_old_file_whole()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.json");
    const QByteArray old = "{}\n";
    put(path, old);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--save-limited", path});
    QVERIFY(child.waitForFinished(60000));
    const QString said = QString::fromUtf8(child.readAllStandardOutput());
    // The system's own reason, in the desktop's language.
    const QString tooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));
    QVERIFY2(said.startsWith("Could not save " + path) && said.contains(tooLarge),
             qPrintable(said));
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.json"});
}

void TestSheetKeeper::a_pipe_is_refused_at_once()
{
    const QString pipe = m_folder.filePath("pipe.json");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    runtime().scriptFileChoices({pipe});
    QElapsedTimer took;
    took.start();
    menu("mnuOpen2!");
    QVERIFY(took.elapsed() < 1000);
    QCOMPARE(runtime().messages().size(), 1);
    QVERIFY(runtime().messageTexts()[0].endsWith("It is not a regular file."));
}

void TestSheetKeeper::typing_at_the_next_start_keeps_the_last_runs_sheet()
{
    battle::SheetRecord last;
    last.pages[0].species = "Mew";
    put(SheetKeeper::autosavePath(runtime(), 2), QByteArray::fromStdString(writeSheetFile(last)));
    step(sheet(), "Text3=A");
    sheet()->keeper().flushAutosave();
    menu("mnuRestore!");
    QCOMPARE(text(sheet(), "Text5_1"), "Mew");
    QCOMPARE(text(sheet(), "Text3"), "");
    QCOMPARE(runtime().messages().size(), 0);
}

void TestSheetKeeper::a_second_copy_keeps_no_sheets()
{
    QVERIFY(runtime().holdsDataFolder()); // as the first copy does when it starts
    TestRuntime second;
    second.useDataFolder(runtime().dataFolder());
    TrainerSheet copy(second, Trainer::First);
    for (const char* typed : {"Text3=A", "Text3=AB"}) {
        step(&copy, typed);
        copy.keeper().flushAutosave();
    }
    QCOMPARE(second.messages().size(), 1);
    QVERIFY(second.messageTexts()[0].startsWith("Another copy of Battle Tesh is running"));
    QVERIFY(!QFileInfo::exists(SheetKeeper::autosavePath(runtime(), 1)));
}

void TestSheetKeeper::a_junk_paste_gives_one_short_message()
{
    QString junk;
    for (const char* species : {"Mew", "Abra", "Onix", "Jynx", "Muk", "Ekans", "Ditto"})
        junk += QString(species) + "\n\n";
    for (int line = 0; line < 1000; ++line)
        junk += QString(100, 'j') + '\n';
    runtime().setClipboardText(junk);
    menu("mnuImport2!");
    QCOMPARE(runtime().messages().size(), 1);
    const QStringList lines = runtime().messageTexts()[0].split('\n');
    QVERIFY(lines[0].contains("more than six") && lines.size() < 25);
    QCOMPARE(lines.last(), "… and 980 more");
    for (const QString& line : lines)
        QVERIFY(line.size() <= 81);
}

void TestSheetKeeper::a_game_save_fills_the_sheet_or_leaves_it_data()
{
    QTest::addColumn<QByteArray>("save");   // null: no such file
    QTest::addColumn<QStringList>("shown"); // empty: refused, the sheet unchanged
    QTest::addColumn<QString>("message");   // the one message, if any
    using namespace savewriter;
    std::string seven = redSave(), damaged = redSave();
    put(seven, 0x2F2C, 7);
    putChecksum(seven, 0x2598, 0x3523);
    damaged[0x2F60] = '\x01';
    Mon odd = jynx;
    odd.level = 101;
    const auto bytes = [](const std::string& save) { return QByteArray::fromStdString(save); };
    // clang-format off
    QTest::newRow("Red") << bytes(redSave()) << QStringList{
        "Tab2=Trainer 2 - Red♂", "Text5_1=Mr. Mime", "Text1=MR.MIME", "Combo1_1=Paralyzed", "Level_1=50",
        "Text11_1=100", "Text12_1=113", "Text6_1=70", "Text7_1=89", "Text8_1=131", "Text9_1=131",
        "Text10_1=119", "Text13_1=Psychic", "Text14_1=14", "Text15_1=16", "Text25_1=Psychic",
        "Text11_3=0", "Text27_3=Fainted", "Text26_3=Flying", "Level_4=100", "Label1=Active: MR.MIME",
        "Text5_5=", "Text6_5=", "Text13_5=Attack1", "Level_5="} << "";
    QTest::newRow("Yellow") << bytes(yellowSave()) << QStringList{
        "Text3=ASH", "Text5_1=Pikachu", "Combo1_1=Burned", "Text2=JYNX", "Level_2=40",
        "Text26_2=Psychic", "Text5_3=", "Text6_5="} << "";
    QTest::newRow("odd level") << bytes(englishSave("RED", {odd})) << QStringList{"Text5_1=Jynx", "Level_1=101"} << "level 101 is outside";
    QTest::newRow("wrong size")   << QByteArray("RED")         << QStringList() << "it has 3 bytes";
    QTest::newRow("blank")        << QByteArray(0x8000, '\xFF') << QStringList() << "blank";
    QTest::newRow("checksum")     << bytes(damaged)            << QStringList() << "the game itself would not load it";
    QTest::newRow("Japanese")     << bytes(japaneseSave())     << QStringList() << "Japanese";
    QTest::newRow("seven")        << bytes(seven)              << QStringList() << "at most six";
    QTest::newRow("unreadable")   << QByteArray()              << QStringList() << "game.sav";
    // clang-format on
}

void TestSheetKeeper::a_game_save_fills_the_sheet_or_leaves_it()
{
    QFETCH(QByteArray, save);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);
    sheet()->showPage(5);
    step(sheet(), "Text6_5=left from before");
    const battle::SheetRecord before = sheet()->record();
    const QString path = m_folder.filePath("game.sav");
    QFile::remove(path);
    if (!save.isNull())
        put(path, save);
    runtime().scriptFileChoices({path});
    menu("mnuSaveFile2!");
    QCOMPARE(runtime().messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(runtime().messageTexts()[0].contains(message),
                 qPrintable(runtime().messageTexts()[0]));
    if (shown.isEmpty()) {
        QVERIFY(sheet()->record() == before);
        return;
    }
    for (const QString& entry : shown)
        QCOMPARE(entry.section('=', 0, 0) + '=' + text(sheet(), entry.section('=', 0, 0)), entry);
    // The autosave follows, with the DVs and stat experience no field shows.
    sheet()->keeper().flushAutosave();
    const QByteArray kept = contents(SheetKeeper::autosavePath(runtime(), 2));
    const battle::SheetFileResult read = battle::readSheetFile(kept.toStdString());
    QVERIFY(read.sheet && *read.sheet == sheet()->record() && read.sheet->pages[0].training);
}

// Mr. Mime (level 50, Special 131) uses Psychic on Gengar (level 100, Special 333, 301 HP), as
// the game figures it: both Specials over 255, so both quartered, 32 and 83; (22 × 32 × 90 ÷ 83)
// ÷ 50 + 2 = 17, × 1.5 for the same type = 25, × 2 on Poison = 50; the lowest roll 50 × 217 ÷ 255
// = 42. The Maximum preset would give Mr. Mime a Special of 152 and 51–60.
// With no HP on its page, Mr. Mime's follows its maximum: base HP 40, the HP DV the low bits of
// DVs 12, 10, 14 and 15, that is 1, stat experience 10000 giving √10000 ÷ 4 = 25:
// ⌊(2 × (40 + 1) + 25) × 50 ÷ 100⌋ + 50 + 10 = 113, as the save has it (Maximum: 146).
void TestSheetKeeper::an_imported_page_goes_to_battle_exactly_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps"); // on the sheet; "Window/" ones on that window
    QTest::addColumn<QStringList>("shown");
    // clang-format off
    QTest::newRow("Battle Turn") << "Turn"
        << QStringList{"UseAttacker_1!", "UseDefender_4!", "Turn/Move>Psychic"}
        << QStringList{"AttackerSpecies=Mr. Mime", "AttackerLevel=50", "AttackerPreset=Custom", "DefenderSpecies=Gengar", "DefenderLevel=100", "DefenderPreset=Custom", "DefenderHp=301", "Range=42–50 (14.0–16.6 %)"};
    // Another species on the page: its DVs are no longer known, nor Custom what they were.
    QTest::newRow("Battle Turn, another species") << "Turn"
        << QStringList{"UseAttacker_1!", "Text5_1=Mew", "UseAttacker_1!"} << QStringList{"AttackerPreset=Maximum"};
    QTest::newRow("the Duel") << "Duel"
        << QStringList{"Text11_1=", "UseAttacker_1!", "UseDefender_4!"}
        << QStringList{"MineSpecies=Mr. Mime", "MineLevel=50", "MinePreset=Custom", "MineHp=113", "FoeSpecies=Gengar", "FoeLevel=100", "FoePreset=Custom", "FoeHp=301"};
    QTest::newRow("the Duel, another species at another level") << "Duel"
        << QStringList{"UseAttacker_1!", "Text5_1=Mew", "Level_1=70", "UseAttacker_1!"}
        << QStringList{"MineSpecies=Mew", "MineLevel=70", "MinePreset=Maximum", "MineHp=100"};
    // clang-format on
}

void TestSheetKeeper::an_imported_page_goes_to_battle_exactly()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    put(m_folder.filePath("red.sav"), QByteArray::fromStdString(savewriter::redSave()));
    runtime().scriptFileChoices({m_folder.filePath("red.sav")});
    menu("mnuSaveFile2!");
    menu(window == "Turn" ? "mnuTurn!" : "mnuDuel!");
    QWidget* battle = show(window);
    sheet()->showPage(4);
    for (const QString& each : steps)
        step(each.startsWith(window + '/') ? battle : sheet(), each.section('/', -1));
    for (const QString& entry : shown)
        QCOMPARE(entry.section('=', 0, 0) + '=' + text(battle, entry.section('=', 0, 0)), entry);
}

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--save-limited") {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{2048, 2048};
        setrlimit(RLIMIT_FSIZE, &limit);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        TestRuntime runtime;
        TrainerSheet sheet(runtime, Trainer::Second);
        sheet.keeper().saveTo(QString::fromLocal8Bit(argv[2]));
        std::fputs(runtime.messageTexts().join('\n').toUtf8().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    TestSheetKeeper test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sheetkeeper.moc"
