// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "battle/SheetFile.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TrainerSheet.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace fixture;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSheetKeeper : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void each_field_lands_in_its_place_data();
    void each_field_lands_in_its_place();
    void a_saved_sheet_opens_again_unchanged();
    void a_bad_file_leaves_the_sheet_unchanged_with_one_message();
    void pasted_team_text_fills_the_pages_as_typing_would();
    void every_change_is_autosaved_and_restored();
    void a_killed_save_leaves_the_previous_file_whole();

private:
    TrainerSheet& sheet() { return *m_sheet; }
    SheetKeeper& keeper() { return m_sheet->keeper(); }

    std::unique_ptr<TestRuntime> m_runtime;
    std::unique_ptr<TrainerSheet> m_sheet;
    QTemporaryDir m_folder;
};

void TestSheetKeeper::init()
{
    m_runtime = std::make_unique<TestRuntime>();
    m_sheet = std::make_unique<TrainerSheet>(*m_runtime, Trainer::Second);
}

void TestSheetKeeper::cleanup()
{
    m_sheet.reset();
    m_runtime.reset();
}

void TestSheetKeeper::each_field_lands_in_its_place_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("inFile");
    // clang-format off
    QTest::newRow("species")         << "Text5_2"  << QByteArray(R"("species": "typed")");
    QTest::newRow("nickname page 6") << "Text30"   << QByteArray(R"("nickname": "typed")");
    QTest::newRow("status")          << "Combo1_3" << QByteArray(R"("status": "typed")");
    QTest::newRow("HP")              << "Text11_1" << QByteArray(R"("hp": "typed")");
    QTest::newRow("HP maximum")      << "Text12_1" << QByteArray(R"("hpMaximum": "typed")");
    QTest::newRow("Special (Attack)")<< "Text8_4"  << QByteArray(R"("specialAttack": "typed")");
    QTest::newRow("Special (Defense)")<< "Text9_4" << QByteArray(R"("specialDefense": "typed")");
    QTest::newRow("Speed")           << "Text10_5" << QByteArray(R"("speed": "typed")");
    QTest::newRow("attack 3 PP")     << "Text20_1" << QByteArray(R"({"name": "Attack3", "pp": "typed")");
    QTest::newRow("attack 4 maximum")<< "Text24_1" << QByteArray(R"("pp": "", "ppMaximum": "typed")");
    QTest::newRow("type 2")          << "Text26_6" << QByteArray(R"("type2": "typed")");
    QTest::newRow("notes")           << "Text27_2" << QByteArray(R"("notes": "typed")");
    QTest::newRow("trainer name")    << "Text3"    << QByteArray(R"("trainerName": "typed")");
    // clang-format on
}

void TestSheetKeeper::each_field_lands_in_its_place()
{
    QFETCH(QString, control);
    QFETCH(QByteArray, inFile);
    sheet().record(); // every page built
    if (auto* notes = sheet().findChild<QPlainTextEdit*>(control))
        notes->setPlainText(QStringLiteral("typed"));
    else
        write(&sheet(), control, QStringLiteral("typed"));
    keeper().flushAutosave();
    const QByteArray file = contents(SheetKeeper::autosavePath(*m_runtime, 2));
    QVERIFY2(file.contains(inFile), file.constData());
    QCOMPARE(file.count("\"typed\""), 1);
}

void TestSheetKeeper::a_saved_sheet_opens_again_unchanged()
{
    battle::SheetRecord filled = sheet().record();
    filled.trainerName = "Gary \"Oak\" \\ 大木";
    filled.activePage = 5;
    filled.pages[4].nickname = "Rex";
    filled.pages[4].notes = "  burned turn 3\n\nswitch \"out\" \t\n";
    filled.pages[2].status = "Frozen";
    filled.pages[1].leechSeed = true;
    filled.pages[5].attacks[3] = {"Surf", "12", "15"};
    sheet().load(filled);
    QCOMPARE(sheet().windowTitle(), QStringLiteral("Trainer 2 - Gary \"Oak\" \\ 大木"));
    QCOMPARE(text(&sheet(), "Label1"), QStringLiteral("Active: Rex"));

    const QString path = m_folder.filePath("team.json");
    m_runtime->scriptFileChoices({path});
    keeper().saveFileAs();
    QCOMPARE(m_runtime->fileDialogsShown(), 1);

    m_sheet = std::make_unique<TrainerSheet>(*m_runtime, Trainer::Second);
    m_runtime->scriptFileChoices({path, QString()});
    keeper().openFile();
    QVERIFY(sheet().record() == filled);
    QCOMPARE(text(&sheet(), "Label1"), QStringLiteral("Active: Rex"));
    QVERIFY(find<QCheckBox>(&sheet(), "Check1_2")->isChecked());
    keeper().openFile(); // cancelled: nothing happens
    QVERIFY(sheet().record() == filled);
    QCOMPARE(m_runtime->messages().size(), 0);
}

void TestSheetKeeper::a_bad_file_leaves_the_sheet_unchanged_with_one_message()
{
    write(&sheet(), "Text5_1", QStringLiteral("Mew"));
    const battle::SheetRecord before = sheet().record();
    const QString path = m_folder.filePath("broken team.json");
    put(path, R"({"format": "battle-tesh-trainer-sheet", "version": 1, "pages": 6})");
    m_runtime->scriptFileChoices({path, m_folder.filePath("missing.json")});
    keeper().openFile();
    keeper().openFile();
    QVERIFY(sheet().record() == before);
    QCOMPARE(m_runtime->messages().size(), 2);
    QVERIFY(m_runtime->messageTexts()[0].contains(QDir::toNativeSeparators(path)));
    QVERIFY(m_runtime->messageTexts()[0].contains("six pages"));
    QVERIFY(m_runtime->messageTexts()[1].contains("missing.json"));
}

void TestSheetKeeper::pasted_team_text_fills_the_pages_as_typing_would()
{
    write(&sheet(), "Text3", QStringLiteral("Blue"));
    sheet().showPage(4);
    write(&sheet(), "Text6_4", QStringLiteral("left from before"));
    m_runtime->setClipboardText("Zappy (Jolteon) @ Leftovers\nLevel: 50\n- Thunderbolt\n- Pin Missile\n"
                                "- Hidden Power [Ice]\n\nAlakazam\n- Psychic\n");
    keeper().pasteTeamText();
    QCOMPARE(text(&sheet(), "Text5_1"), QStringLiteral("Jolteon"));
    QCOMPARE(text(&sheet(), "Text1"), QStringLiteral("Zappy"));
    QCOMPARE(sheet().tabCaption(1), QStringLiteral("Zappy"));
    QCOMPARE(text(&sheet(), "Text13_1"), QStringLiteral("Thunderbolt"));
    QCOMPARE(text(&sheet(), "Text15_1"), QStringLiteral("15"));
    QCOMPARE(text(&sheet(), "Text16_1"), QStringLiteral("Pin Missile"));
    QCOMPARE(text(&sheet(), "Text25_1"), QStringLiteral("Electric"));
    QCOMPARE(text(&sheet(), "Text5_2"), QStringLiteral("Alakazam"));
    QCOMPARE(text(&sheet(), "Text6_4"), QString()); // a pasted team replaces the last one
    QCOMPARE(sheet().windowTitle(), QStringLiteral("Trainer 2 - Blue"));
    QCOMPARE(m_runtime->messageTexts(),
             QStringList{"These lines could not be used:\n- Hidden Power [Ice]"});

    const battle::SheetRecord before = sheet().record();
    m_runtime->clearMessages();
    m_runtime->setClipboardText("   \n");
    keeper().pasteTeamText();
    QVERIFY(sheet().record() == before);
    QCOMPARE(m_runtime->messages().size(), 1);

    keeper().copyTeamText();
    QCOMPARE(m_runtime->clipboardHistory(),
             QStringList{"Zappy (Jolteon)\n- Thunderbolt\n- Pin Missile\n\nAlakazam\n- Psychic\n"});
}

void TestSheetKeeper::every_change_is_autosaved_and_restored()
{
    QVERIFY(!QFile::exists(SheetKeeper::autosavePath(*m_runtime, 2)));
    write(&sheet(), "Text5_1", QStringLiteral("Lapras"));
    sheet().showPage(3);
    QTest::mouseClick(find(&sheet(), "Option1_3"), Qt::LeftButton);
    // Closing keeps the last change even before the autosave's delay is over.
    m_sheet.reset();
    m_sheet = std::make_unique<TrainerSheet>(*m_runtime, Trainer::Second);
    QCOMPARE(text(&sheet(), "Text5_1"), QString()); // a new sheet starts fresh
    QVERIFY(keeper().restoreAutosave());
    QCOMPARE(text(&sheet(), "Text5_1"), QStringLiteral("Lapras"));
    QVERIFY(find<QRadioButton>(&sheet(), "Option1_3")->isChecked());
    QCOMPARE(m_runtime->messages().size(), 0);

    TestRuntime elsewhere;
    TrainerSheet first(elsewhere, Trainer::First);
    QVERIFY(!first.keeper().restoreAutosave());
}

// The child writes a large sheet and is killed mid-write; the parent checks the file it replaced.
void TestSheetKeeper::a_killed_save_leaves_the_previous_file_whole()
{
    const QString path = m_folder.filePath("kept.json");
    const QByteArray previous = QByteArray::fromStdString(battle::writeSheetFile({}));
    put(path, previous);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--save-slowly", path});
    QVERIFY(child.waitForReadyRead(10000)); // it is about to write
    QTRY_VERIFY_WITH_TIMEOUT(QDir(m_folder.path()).entryList(QDir::Files).size() > 1, 10000);
    child.kill();
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(contents(path), previous);
}

int main(int argc, char* argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--save-slowly") {
        std::fputs("writing\n", stdout);
        std::fflush(stdout);
        QString problem;
        // Far more than a real sheet, so the write is still going on when the kill comes.
        return Runtime::writeFile(QString::fromLocal8Bit(argv[2]), QByteArray(1 << 30, 'x'),
                                  problem) ? 0 : 1;
    }
    QApplication app(argc, argv);
    TestSheetKeeper test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sheetkeeper.moc"
