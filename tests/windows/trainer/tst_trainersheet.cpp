// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

#include "windows/trainer/TabRow.h"
#include "windows/trainer/TrainerSheet.h"

#include <QAbstractButton>

using namespace fixture;

namespace {

void clickTab(const QWidget* sheet, const char* row, int tab)
{
    auto* tabs = find<TabRow>(sheet, row);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

} // namespace

class TestTrainerSheet : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void behaviour_data();
    // The row's tag names the sheet before its colon.
    void behaviour() { checkRow(QString(QTest::currentDataTag()).section(':', 0, 0)); }
    void two_tab_rows_show_pages_built_once_when_first_shown();
};

void TestTrainerSheet::behaviour_data()
{
    columns();
    const QString idea = "A fellow trainer - initial idea";
    // clang-format off
    row("Tab1: fresh",                          {}, {"Tab1=Trainer 1", "Label1=Active: None", "TabRow1=Pokémon 1|Pokémon 2|Pokémon 3", "TabRow2=Pokémon 4|Pokémon 5|Pokémon 6", "Text13_1=Attack1", "Text22_1=Attack4", "Text6_1=", "Combo1_1=", "Text27_1="});
    row("Tab1: trainer name in the caption",    {"Text3<Ash"}, {"Tab1=Trainer 1 - Ash"});
    row("Tab2: an emptied name leaves it",      {"Text3<Gary", "Text3="}, {"Tab2=Trainer 2"});
    row("Tab2: captions keep what is typed",    {"Text3<&Gary 2 !"}, {"Tab2=Trainer 2 - &Gary 2 !"});
    row("Tab1: credits",                        {"Command1!"}, {}, {"The Battle Tesh team - programming of this version", idea});
    row("Tab2: credits",                        {"Command1!"}, {}, {"The Battle Tesh team - programming", idea});
    row("Tab1: a nickname renames its tab",     {"Text1<Sparky"}, {"TabRow1=Sparky|Pokémon 2|Pokémon 3"});
    row("Tab1: an empty nickname leaves blank", {"Text1<Sparky", "Text1="}, {"TabRow1=|Pokémon 2|Pokémon 3"});
    row("Tab2: the chosen option names it",     {"Text1<Onix", "Option1_1!"}, {"Label1=Active: Onix"});
    row("Tab2: a later rename is not followed", {"Option1_1!", "Text1<Onix"}, {"Label1=Active: "});
    row("Tab1: status changes to choose from",  {"Combo1_1>Sleeping", "Combo1_1>Toxic"}, {"Combo1_1=Toxic"});
    // clang-format on
}

void TestTrainerSheet::two_tab_rows_show_pages_built_once_when_first_shown()
{
    auto* sheet = static_cast<TrainerSheet*>(show("Tab1"));
    QVERIFY(!sheet->findChild<QWidget*>("Text5_5"));
    clickTab(sheet, "TabRow2", 1);
    QCOMPARE(sheet->showingPage(), 5);
    QCOMPARE(find<TabRow>(sheet, "TabRow1")->chosenTab(), -1);
    step(sheet, "Text29<Onix");
    step(sheet, "Option1_5!");
    // Row 1 still remembers its first tab as current; a click on it must choose it all the same.
    clickTab(sheet, "TabRow1", 0);
    QCOMPARE(sheet->showingPage(), 1);
    QCOMPARE(find<TabRow>(sheet, "TabRow2")->chosenTab(), -1);
    // A nickname written to a page in the background renames that page's tab.
    step(sheet, "Text29=Geodude");
    QCOMPARE(text(sheet, "TabRow2"), "Pokémon 4|Geodude|Pokémon 6");
    clickTab(sheet, "TabRow2", 1);
    QCOMPARE(sheet->findChildren<QWidget*>("Text5_5").size(), 1);
    QCOMPARE(text(sheet, "Label1"), "Active: Onix");
    QVERIFY(find<QAbstractButton>(sheet, "Option1_5")->isChecked());
}

QTEST_MAIN(TestTrainerSheet)
#include "tst_trainersheet.moc"
