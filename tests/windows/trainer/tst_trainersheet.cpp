// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "windows/trainer/TabRow.h"
#include "windows/trainer/TrainerSheet.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace fixture;

namespace {

const QString nicknameFields[] = {"Text1", "Text2", "Text4", "Text28", "Text29", "Text30"};

QString onPage(const char* name, int page)
{
    return QStringLiteral("%1_%2").arg(name).arg(page);
}

QLineEdit* nicknameOf(const QWidget* sheet, int page)
{
    return find<QLineEdit>(sheet, nicknameFields[page - 1]);
}

void chooseActive(TrainerSheet* sheet, int page)
{
    sheet->showPage(page);
    QTest::mouseClick(find(sheet, onPage("Option1", page)), Qt::LeftButton);
}

// What a glance at the sheet tells: caption, showing page, first tab, active label, first Attack.
QStringList seen(const TrainerSheet* sheet)
{
    return {sheet->windowTitle(), QString::number(sheet->showingPage()), sheet->tabCaption(1),
            text(sheet, "Label1"), text(sheet, "Text6_1")};
}

void clickTab(const QWidget* sheet, const char* row, int tab)
{
    auto* tabs = find<TabRow>(sheet, row);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

} // namespace

class TestTrainerSheet : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sheets_data();
    void sheets();
    void two_tab_rows_show_pages_built_once_when_first_shown();
    void each_nickname_renames_its_tab_and_an_empty_one_leaves_it_blank();
    void active_label_follows_the_chosen_option_not_later_renames();
    void sheets_keep_their_own_entries();

private:
    TrainerSheet* show(const char* name) const
    {
        return static_cast<TrainerSheet*>(m_runtime->showWindow(name));
    }

    std::unique_ptr<TestRuntime> m_runtime;
    ModalWatchdog m_watchdog;
};

void TestTrainerSheet::init()
{
    m_watchdog.reset();
    m_runtime = std::make_unique<TestRuntime>();
    m_runtime->registerWindow("Tab1",
                              [this] { return new TrainerSheet(*m_runtime, Trainer::First); });
    m_runtime->registerWindow("Tab2",
                              [this] { return new TrainerSheet(*m_runtime, Trainer::Second); });
}

void TestTrainerSheet::cleanup()
{
    m_runtime.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestTrainerSheet::sheets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("credit");
    // clang-format off
    QTest::newRow("first trainer")  << "Tab1" << "Trainer 1" << "TabRow1" << "The Battle Tesh team - programming of this version";
    QTest::newRow("second trainer") << "Tab2" << "Trainer 2" << "Text3"   << "The Battle Tesh team - programming";
    // clang-format on
}

// Fresh, a sheet shows only the attack names; its trainer's name captions it, its credits name it.
void TestTrainerSheet::sheets()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, focused);
    QFETCH(QString, credit);
    TrainerSheet* sheet = show(qPrintable(name));
    QCOMPARE(seen(sheet), QStringList({caption, "1", "Pokémon 1", "Active: None", ""}));
    QCOMPARE(sheet->focusWidget()->objectName(), focused);
    QCOMPARE(sheet->size(), QSize(307, 416));
    QCOMPARE(sheet->minimumSize(), sheet->maximumSize());
    QCOMPARE(find(sheet, "Text3")->geometry(), QRect(88, 392, 97, 19));

    for (int page = TrainerSheet::pageCount; page >= 1; --page) {
        sheet->showPage(page);
        QCOMPARE(sheet->tabCaption(page), QString("Pokémon %1").arg(page));
        const auto* status = find<QComboBox>(sheet, onPage("Combo1", page));
        QCOMPARE(items(status),
                 QStringList({"Sleeping", "Poison", "Paralyzed", "Burned", "Frozen", "Toxic"}));
        QCOMPARE(status->currentText(), "");
        QCOMPARE(text(sheet, onPage("Text27", page)), "");
    }
    QStringList filled;
    for (const QLineEdit* field : sheet->findChildren<QLineEdit*>()) {
        if (!field->text().isEmpty())
            filled << field->text();
    }
    QCOMPARE(filled.size(), 6 * 4);
    filled.removeDuplicates();
    QCOMPARE(filled, QStringList({"Attack1", "Attack2", "Attack3", "Attack4"}));
    for (const QCheckBox* check : sheet->findChildren<QCheckBox*>())
        QVERIFY(!check->isChecked() && !check->isTristate());
    for (const QRadioButton* option : sheet->findChildren<QRadioButton*>())
        QVERIFY(!option->isChecked());

    QTest::keyClicks(find(sheet, "Text3"), "Ash");
    QCOMPARE(sheet->windowTitle(), caption + " - Ash");
    find<QLineEdit>(sheet, "Text3")->clear();
    QCOMPARE(sheet->windowTitle(), caption);
    QTest::keyClicks(find(sheet, "Text3"), "&Gary 2 !");
    QCOMPARE(sheet->windowTitle(), caption + " - &Gary 2 !");
    QTest::mouseClick(find(sheet, "Command1"), Qt::LeftButton);
    QCOMPARE(m_runtime->messageTexts(), QStringList({credit, "A fellow trainer - initial idea"}));
    QVERIFY(messagesOver(*m_runtime, sheet));
}

void TestTrainerSheet::two_tab_rows_show_pages_built_once_when_first_shown()
{
    TrainerSheet* sheet = show("Tab1");
    auto* row1 = find<TabRow>(sheet, "TabRow1");
    auto* row2 = find<TabRow>(sheet, "TabRow2");
    QCOMPARE(QList<int>({int(row1->count()), int(row2->count())}), QList<int>({3, 3}));
    QCOMPARE(row1->geometry().bottom() + 1, row2->geometry().top());
    QCOMPARE(QList<int>({row1->chosenTab(), row2->chosenTab()}), QList<int>({0, -1}));
    QVERIFY(find(sheet, "Text5_1")->isVisible());
    QVERIFY(!sheet->findChild<QWidget*>("Text5_5"));

    clickTab(sheet, "TabRow2", 1);
    QCOMPARE(sheet->showingPage(), 5);
    QCOMPARE(QList<int>({row1->chosenTab(), row2->chosenTab()}), QList<int>({-1, 1}));
    QVERIFY(find(sheet, "Text5_5")->isVisible());
    QVERIFY(!find(sheet, "Text5_1")->isVisible());
    QTest::keyClicks(nicknameOf(sheet, 5), "Onix");

    // Row 1 still remembers its first tab as current; a click on it must choose it all the same.
    clickTab(sheet, "TabRow1", 0);
    QCOMPARE(sheet->showingPage(), 1);
    QCOMPARE(QList<int>({row1->chosenTab(), row2->chosenTab()}), QList<int>({0, -1}));
    clickTab(sheet, "TabRow2", 1);
    QCOMPARE(nicknameOf(sheet, 5)->text(), "Onix");
    QCOMPARE(sheet->findChildren<QWidget*>("Text5_5").size(), 1);
    QCOMPARE(sheet->findChildren<QRadioButton*>().size(), 2);
}

void TestTrainerSheet::each_nickname_renames_its_tab_and_an_empty_one_leaves_it_blank()
{
    TrainerSheet* sheet = show("Tab1");
    for (int page = 1; page <= TrainerSheet::pageCount; ++page) {
        sheet->showPage(page);
        QTest::keyClicks(nicknameOf(sheet, page), "Pikachu");
        QCOMPARE(sheet->tabCaption(page), "Pikachu");
        if (page % 2)
            nicknameOf(sheet, page)->clear();
    }
    QStringList captions;
    for (int page = 1; page <= TrainerSheet::pageCount; ++page)
        captions << sheet->tabCaption(page);
    QCOMPARE(captions, QStringList({"", "Pikachu", "", "Pikachu", "", "Pikachu"}));
}

void TestTrainerSheet::active_label_follows_the_chosen_option_not_later_renames()
{
    TrainerSheet* sheet = show("Tab2");
    chooseActive(sheet, 2); // no nickname: the label keeps its blank
    QCOMPARE(text(sheet, "Label1"), "Active: ");
    QTest::keyClicks(nicknameOf(sheet, 2), "Onix");
    QCOMPARE(text(sheet, "Label1"), "Active: ");
    chooseActive(sheet, 2);
    QCOMPARE(text(sheet, "Label1"), "Active: Onix");

    sheet->showPage(5);
    QTest::keyClicks(nicknameOf(sheet, 5), "Mew");
    chooseActive(sheet, 5);
    QCOMPARE(text(sheet, "Label1"), "Active: Mew");
    QVERIFY(!find<QRadioButton>(sheet, "Option1_2")->isChecked());
}

void TestTrainerSheet::sheets_keep_their_own_entries()
{
    TrainerSheet* first = show("Tab1");
    TrainerSheet* second = show("Tab2");
    QTest::keyClicks(find(first, "Text3"), "Ash");
    QTest::keyClicks(nicknameOf(first, 1), "Sparky");
    QTest::keyClicks(find(first, "Text6_1"), "55");
    chooseActive(first, 1);
    first->showPage(3);
    QTest::keyClicks(find(second, "Text9_1"), "80");
    const QStringList filled{"Trainer 1 - Ash", "3", "Sparky", "Active: Sparky", "55"};
    QCOMPARE(seen(first), filled);
    QCOMPARE(seen(second), QStringList({"Trainer 2", "1", "Pokémon 1", "Active: None", ""}));
}

QTEST_MAIN(TestTrainerSheet)
#include "tst_trainersheet.moc"
