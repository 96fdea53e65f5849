// SPDX-License-Identifier: MIT
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"
#include "windows/trainer/TabRow.h"
#include "windows/trainer/TrainerSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Trainer)

namespace {

const QString nicknameFields[] = {"Text1", "Text2", "Text4", "Text28", "Text29", "Text30"};

QString onPage(const char* name, int page)
{
    return QStringLiteral("%1_%2").arg(name).arg(page);
}

template <typename T> T* find(const QWidget* sheet, const QString& name)
{
    T* found = sheet->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QLineEdit* nicknameOf(const QWidget* sheet, int page)
{
    return find<QLineEdit>(sheet, nicknameFields[page - 1]);
}

void clearByKeyboard(QLineEdit* field)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
}

void chooseActive(TrainerSheet& sheet, int page)
{
    sheet.showPage(page);
    QTest::mouseClick(find<QRadioButton>(&sheet, onPage("Option1", page)), Qt::LeftButton);
}

QString activeLabel(const QWidget* sheet)
{
    return find<QLabel>(sheet, "Label1")->text();
}

void clickTab(TabRow* row, int tab)
{
    QTest::mouseClick(row, Qt::LeftButton, {}, row->tabRect(tab).center());
}

// A page's controls are built when the page first shows: look at every page once, ending on
// the first.
void showEveryPage(TrainerSheet& sheet)
{
    for (int page = TrainerSheet::pageCount; page >= 1; --page)
        sheet.showPage(page);
}

} // namespace

class TestTrainerSheet : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fresh_sheet_shows_the_initial_texts_on_page_1_data();
    void fresh_sheet_shows_the_initial_texts_on_page_1();
    void only_the_showing_page_controls_are_visible();
    void later_pages_are_built_once_when_first_shown();
    void page_controls_stand_where_the_layout_puts_them();
    void tabs_stand_in_two_rows_of_three_that_fit_the_width();
    void every_status_list_holds_the_six_entries_in_order();
    void typed_status_is_kept_but_never_added_to_the_list();
    void nickname_renames_its_tab_and_an_empty_one_leaves_it_blank_data();
    void nickname_renames_its_tab_and_an_empty_one_leaves_it_blank();
    void nickname_written_elsewhere_renames_the_showing_tab();
    void active_option_shows_the_page_nickname_data();
    void active_option_shows_the_page_nickname();
    void active_by_keyboard_on_another_page_clears_the_first_choice();
    void renaming_the_active_pokemon_keeps_the_label_until_chosen_again();
    void choosing_a_tab_in_row_2_leaves_row_1_with_none_chosen();
    void fields_keep_their_values_across_tab_switches();
    void trainer_name_shows_in_the_window_caption_data();
    void trainer_name_shows_in_the_window_caption();
    void credits_show_two_plain_boxes_in_order_data();
    void credits_show_two_plain_boxes_in_order();
    void focus_on_opening_data();
    void focus_on_opening();
    void the_two_sheets_keep_separate_entries();
    void showing_the_sheets_again_keeps_the_same_filled_instances();
    void a_closed_sheet_reopens_fresh();

private:
    void registerSheets();

    std::unique_ptr<TestRuntime> m_runtime;
    ModalWatchdog m_watchdog;
};

void TestTrainerSheet::init()
{
    m_runtime = std::make_unique<TestRuntime>();
    m_watchdog.reset();
}

void TestTrainerSheet::cleanup()
{
    m_runtime.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestTrainerSheet::registerSheets()
{
    m_runtime->registerWindow("Tab1",
                              [this] { return new TrainerSheet(*m_runtime, Trainer::First); });
    m_runtime->registerWindow("Tab2",
                              [this] { return new TrainerSheet(*m_runtime, Trainer::Second); });
}

void TestTrainerSheet::fresh_sheet_shows_the_initial_texts_on_page_1_data()
{
    QTest::addColumn<Trainer>("trainer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first trainer") << Trainer::First << "Tab1"
                                   << "Trainer 1";
    QTest::newRow("second trainer") << Trainer::Second << "Tab2"
                                    << "Trainer 2";
}

void TestTrainerSheet::fresh_sheet_shows_the_initial_texts_on_page_1()
{
    QFETCH(Trainer, trainer);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    TrainerSheet sheet(*m_runtime, trainer);

    QCOMPARE(sheet.objectName(), name);
    QCOMPARE(sheet.windowTitle(), caption);
    QCOMPARE(sheet.size(), QSize(307, 416));
    QCOMPARE(sheet.minimumSize(), sheet.maximumSize());
    QVERIFY(sheet.windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(sheet.showingPage(), 1);
    QCOMPARE(activeLabel(&sheet), QString("Active: None"));
    QCOMPARE(find<QPushButton>(&sheet, "Command1")->text(), QString("Credits"));
    QCOMPARE(find<QLabel>(&sheet, "Label3")->text(), QString("Trainer Name"));

    const QStringList attackNames = {"Attack1", "Attack2", "Attack3", "Attack4"};
    for (int page = 1; page <= TrainerSheet::pageCount; ++page) {
        sheet.showPage(page);
        QCOMPARE(sheet.tabCaption(page), QString("Pokémon %1").arg(page));
        const QStringList attacks = {
            find<QLineEdit>(&sheet, onPage("Text13", page))->text(),
            find<QLineEdit>(&sheet, onPage("Text16", page))->text(),
            find<QLineEdit>(&sheet, onPage("Text19", page))->text(),
            find<QLineEdit>(&sheet, onPage("Text22", page))->text(),
        };
        QCOMPARE(attacks, attackNames);
        QCOMPARE(find<QComboBox>(&sheet, onPage("Combo1", page))->currentText(), QString());
        QCOMPARE(find<QPlainTextEdit>(&sheet, onPage("Text27", page))->toPlainText(), QString());
    }

    // Only the attack names hold text; every other field starts empty.
    int fieldCount = 0;
    int filled = 0;
    for (const QLineEdit* field : sheet.findChildren<QLineEdit*>()) {
        if (qobject_cast<const QComboBox*>(field->parentWidget()))
            continue;
        ++fieldCount;
        filled += field->text().isEmpty() ? 0 : 1;
    }
    QCOMPARE(fieldCount, 6 * (22 + 1) + 1); // page fields and nickname, and the trainer name
    QCOMPARE(filled, 6 * 4);

    const auto checks = sheet.findChildren<QCheckBox*>();
    QCOMPARE(checks.size(), 12);
    for (const QCheckBox* check : checks) {
        QVERIFY2(check->checkState() == Qt::Unchecked, qPrintable(check->objectName()));
        QVERIFY2(!check->isTristate(), qPrintable(check->objectName()));
    }
    const auto options = sheet.findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 6);
    for (const QRadioButton* option : options)
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
}

void TestTrainerSheet::only_the_showing_page_controls_are_visible()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    showEveryPage(sheet);
    for (int showing : {1, 4, 6}) {
        sheet.showPage(showing);
        QCOMPARE(sheet.showingPage(), showing);
        for (int page = 1; page <= TrainerSheet::pageCount; ++page) {
            const bool visible = page == showing;
            QCOMPARE(find<QWidget>(&sheet, onPage("Text5", page))->isVisible(), visible);
            QCOMPARE(find<QWidget>(&sheet, onPage("Label24", page))->isVisible(), visible);
            QCOMPARE(nicknameOf(&sheet, page)->isVisible(), visible);
        }
        // The window's own controls show on every page, the button in front of the pages.
        auto* credits = find<QPushButton>(&sheet, "Command1");
        QCOMPARE(sheet.childAt(credits->geometry().center()), credits);
        QVERIFY(find<QLineEdit>(&sheet, "Text3")->isVisible());
        QVERIFY(find<QLabel>(&sheet, "Label1")->isVisible());
    }
}

void TestTrainerSheet::later_pages_are_built_once_when_first_shown()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    QVERIFY(sheet.findChild<QWidget*>("Text5_1"));
    QVERIFY(!sheet.findChild<QWidget*>("Text5_4"));

    clickTab(find<TabRow>(&sheet, "TabRow2"), 0);
    QCOMPARE(sheet.showingPage(), 4);
    QVERIFY(find<QWidget>(&sheet, "Text5_4")->isVisible());
    QCOMPARE(find<QLineEdit>(&sheet, "Text13_4")->text(), QString("Attack1"));
    QCOMPARE(find<QComboBox>(&sheet, "Combo1_4")->count(), 6);
    QTest::keyClicks(nicknameOf(&sheet, 4), "Onix");
    QCOMPARE(sheet.tabCaption(4), QString("Onix"));

    // Coming back to a page keeps what was typed there and builds nothing twice.
    sheet.showPage(1);
    sheet.showPage(4);
    QCOMPARE(nicknameOf(&sheet, 4)->text(), QString("Onix"));
    QCOMPARE(sheet.findChildren<QWidget*>("Text5_4").size(), 1);
    QCOMPARE(sheet.findChildren<QRadioButton*>().size(), 2);
}

void TestTrainerSheet::page_controls_stand_where_the_layout_puts_them()
{
    TrainerSheet sheet(*m_runtime, Trainer::Second);
    showEveryPage(sheet);
    const QWidget* container = find<QWidget>(&sheet, "SSTab1");
    QCOMPARE(container->geometry(), QRect(0, 0, 307, 385));
    const auto placeOf = [container](const QWidget* control) {
        return QRect(control->mapTo(container, QPoint(0, 0)), control->size());
    };
    QCOMPARE(placeOf(find<QWidget>(&sheet, "Label7_1")), QRect(16, 48, 97, 17));
    QCOMPARE(placeOf(find<QWidget>(&sheet, "Text28")), QRect(120, 72, 81, 19));
    QCOMPARE(placeOf(find<QWidget>(&sheet, "Text27_3")), QRect(208, 144, 81, 81));
    QCOMPARE(placeOf(find<QWidget>(&sheet, "Text26_6")), QRect(168, 360, 65, 19));
    QCOMPARE(find<QWidget>(&sheet, "Command1")->geometry(), QRect(208, 232, 81, 25));
    QCOMPARE(find<QWidget>(&sheet, "Text3")->geometry(), QRect(88, 392, 97, 19));
}

void TestTrainerSheet::tabs_stand_in_two_rows_of_three_that_fit_the_width()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    const auto* row1 = find<TabRow>(&sheet, "TabRow1");
    const auto* row2 = find<TabRow>(&sheet, "TabRow2");
    QCOMPARE(row1->count(), 3);
    QCOMPARE(row2->count(), 3);
    QCOMPARE(row1->geometry().bottom() + 1, row2->geometry().top());
    // The first row of controls starts below both rows.
    QVERIFY(row2->geometry().bottom() <
            find<QWidget>(&sheet, "Text5_1")->mapTo(&sheet, QPoint()).y());
    for (const TabRow* row : {row1, row2}) {
        QCOMPARE(row->width(), sheet.width());
        for (int tab = 0; tab < 3; ++tab) {
            const QRect place = row->tabRect(tab);
            QVERIFY(row->rect().contains(place));
            QVERIFY(place.width() > row->fontMetrics().horizontalAdvance(row->tabText(tab)) + 8);
        }
    }
}

void TestTrainerSheet::every_status_list_holds_the_six_entries_in_order()
{
    TrainerSheet sheet(*m_runtime, Trainer::Second);
    const QStringList expected = {"Sleeping", "Poison", "Paralyzed", "Burned", "Frozen", "Toxic"};
    for (int page = 1; page <= TrainerSheet::pageCount; ++page) {
        sheet.showPage(page);
        const auto* combo = find<QComboBox>(&sheet, onPage("Combo1", page));
        QStringList items;
        for (int item = 0; item < combo->count(); ++item)
            items.append(combo->itemText(item));
        QCOMPARE(items, expected);
    }
}

void TestTrainerSheet::typed_status_is_kept_but_never_added_to_the_list()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    showEveryPage(sheet);
    sheet.showPage(3);
    auto* combo = find<QComboBox>(&sheet, "Combo1_3");
    QTest::keyClicks(combo, "Confused and Toxic");
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(combo->count(), 6);
    QCOMPARE(combo->currentText(), QString("Confused and Toxic"));
    QCOMPARE(find<QComboBox>(&sheet, "Combo1_2")->currentText(), QString());
}

void TestTrainerSheet::nickname_renames_its_tab_and_an_empty_one_leaves_it_blank_data()
{
    QTest::addColumn<int>("page");
    for (int page = 1; page <= TrainerSheet::pageCount; ++page)
        QTest::addRow("page %d, field %s", page, qPrintable(nicknameFields[page - 1])) << page;
}

void TestTrainerSheet::nickname_renames_its_tab_and_an_empty_one_leaves_it_blank()
{
    QFETCH(int, page);
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    sheet.showPage(page);
    QLineEdit* nickname = nicknameOf(&sheet, page);
    QTest::keyClicks(nickname, "Pikachu");
    QCOMPARE(sheet.tabCaption(page), QString("Pikachu"));
    clearByKeyboard(nickname);
    QCOMPARE(nickname->text(), QString());
    QCOMPARE(sheet.tabCaption(page), QString());
    for (int other = 1; other <= TrainerSheet::pageCount; ++other) {
        if (other != page)
            QCOMPARE(sheet.tabCaption(other), QString("Pokémon %1").arg(other));
    }
}

void TestTrainerSheet::nickname_written_elsewhere_renames_the_showing_tab()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.showPage(3);
    QLineEdit* onix = nicknameOf(&sheet, 3);
    QTest::keyClicks(onix, "Onix");
    sheet.showPage(4);
    onix->setText("Onix"); // the same text is no change
    QCOMPARE(sheet.tabCaption(4), QString("Pokémon 4"));
    onix->setText("Steelix");
    QCOMPARE(sheet.tabCaption(4), QString("Steelix"));
    QCOMPARE(sheet.tabCaption(3), QString("Onix"));
}

void TestTrainerSheet::active_option_shows_the_page_nickname_data()
{
    QTest::addColumn<QString>("nickname");
    QTest::addColumn<QString>("label");
    QTest::newRow("named") << "Onix"
                           << "Active: Onix";
    QTest::newRow("no nickname keeps the blank") << ""
                                                 << "Active: ";
}

void TestTrainerSheet::active_option_shows_the_page_nickname()
{
    QFETCH(QString, nickname);
    QFETCH(QString, label);
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    sheet.showPage(2);
    QTest::keyClicks(nicknameOf(&sheet, 2), nickname);
    chooseActive(sheet, 2);
    QVERIFY(find<QRadioButton>(&sheet, "Option1_2")->isChecked());
    QCOMPARE(activeLabel(&sheet), label);
}

void TestTrainerSheet::active_by_keyboard_on_another_page_clears_the_first_choice()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    sheet.showPage(2);
    QTest::keyClicks(nicknameOf(&sheet, 2), "Onix");
    chooseActive(sheet, 2);
    sheet.showPage(5);
    QTest::keyClicks(nicknameOf(&sheet, 5), "Mew");
    QCOMPARE(activeLabel(&sheet), QString("Active: Onix"));
    auto* option = find<QRadioButton>(&sheet, "Option1_5");
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Space);
    QCOMPARE(activeLabel(&sheet), QString("Active: Mew"));
    showEveryPage(sheet);
    for (int page = 1; page <= TrainerSheet::pageCount; ++page)
        QCOMPARE(find<QRadioButton>(&sheet, onPage("Option1", page))->isChecked(), page == 5);
}

void TestTrainerSheet::renaming_the_active_pokemon_keeps_the_label_until_chosen_again()
{
    TrainerSheet sheet(*m_runtime, Trainer::Second);
    sheet.show();
    sheet.showPage(2);
    QLineEdit* nickname = nicknameOf(&sheet, 2);
    QTest::keyClicks(nickname, "Onix");
    chooseActive(sheet, 2);
    clearByKeyboard(nickname);
    QTest::keyClicks(nickname, "Rocky");
    QCOMPARE(activeLabel(&sheet), QString("Active: Onix"));
    chooseActive(sheet, 2);
    QCOMPARE(activeLabel(&sheet), QString("Active: Rocky"));
}

void TestTrainerSheet::choosing_a_tab_in_row_2_leaves_row_1_with_none_chosen()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    auto* row1 = find<TabRow>(&sheet, "TabRow1");
    auto* row2 = find<TabRow>(&sheet, "TabRow2");
    QCOMPARE(row1->chosenTab(), 0);
    QCOMPARE(row2->chosenTab(), -1);

    clickTab(row2, 1);
    QCOMPARE(sheet.showingPage(), 5);
    QCOMPARE(row1->chosenTab(), -1);
    QCOMPARE(row2->chosenTab(), 1);
    QVERIFY(find<QWidget>(&sheet, "Text5_5")->isVisible());
    QVERIFY(!find<QWidget>(&sheet, "Text5_1")->isVisible());

    // Row 1 still remembers its first tab as current; a click on it must choose it all the same.
    clickTab(row1, 0);
    QCOMPARE(sheet.showingPage(), 1);
    QCOMPARE(row1->chosenTab(), 0);
    QCOMPARE(row2->chosenTab(), -1);

    clickTab(row1, 2);
    QCOMPARE(sheet.showingPage(), 3);
    QTest::keyClick(row1, Qt::Key_Left);
    QCOMPARE(sheet.showingPage(), 2);
}

void TestTrainerSheet::fields_keep_their_values_across_tab_switches()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    sheet.show();
    QTest::keyClicks(find<QLineEdit>(&sheet, "Text5_1"), "Pikachu");
    auto* notes = find<QPlainTextEdit>(&sheet, "Text27_1");
    QTest::keyClicks(notes, "Holds a berry");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, "fast");
    QTest::mouseClick(find<QCheckBox>(&sheet, "Check1_1"), Qt::LeftButton);
    sheet.showPage(4);
    QTest::keyClicks(find<QLineEdit>(&sheet, "Text14_4"), "15");
    QTest::keyClicks(find<QComboBox>(&sheet, "Combo1_4"), "Frozen");
    QTest::mouseClick(find<QCheckBox>(&sheet, "Check2_4"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>(&sheet, "Check1_4"), Qt::LeftButton);

    for (int page : {6, 1, 4, 2})
        sheet.showPage(page);
    QCOMPARE(find<QLineEdit>(&sheet, "Text5_1")->text(), QString("Pikachu"));
    QCOMPARE(notes->toPlainText(), QString("Holds a berry\nfast"));
    QVERIFY(find<QCheckBox>(&sheet, "Check1_1")->isChecked());
    QCOMPARE(find<QLineEdit>(&sheet, "Text14_4")->text(), QString("15"));
    QCOMPARE(find<QComboBox>(&sheet, "Combo1_4")->currentText(), QString("Frozen"));
    QVERIFY(find<QCheckBox>(&sheet, "Check2_4")->isChecked());
    // Two states only: one click ticks, not greys.
    QCOMPARE(find<QCheckBox>(&sheet, "Check1_4")->checkState(), Qt::Checked);
    QVERIFY(!find<QCheckBox>(&sheet, "Check2_1")->isChecked());
    QCOMPARE(find<QLineEdit>(&sheet, "Text5_4")->text(), QString());
}

void TestTrainerSheet::trainer_name_shows_in_the_window_caption_data()
{
    QTest::addColumn<Trainer>("trainer");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first trainer") << Trainer::First << "Trainer 1";
    QTest::newRow("second trainer") << Trainer::Second << "Trainer 2";
}

void TestTrainerSheet::trainer_name_shows_in_the_window_caption()
{
    QFETCH(Trainer, trainer);
    QFETCH(QString, caption);
    TrainerSheet sheet(*m_runtime, trainer);
    sheet.show();
    auto* name = find<QLineEdit>(&sheet, "Text3");
    QTest::keyClicks(name, "Ash");
    QCOMPARE(sheet.windowTitle(), caption + " - Ash");
    clearByKeyboard(name);
    QCOMPARE(sheet.windowTitle(), caption);
    QTest::keyClicks(name, "&Gary 2 !");
    QCOMPARE(name->text(), QString("&Gary 2 !"));
    QCOMPARE(sheet.windowTitle(), caption + " - &Gary 2 !");
    QVERIFY(sheet.isVisible());
    QVERIFY(m_runtime->messages().isEmpty());
}

void TestTrainerSheet::credits_show_two_plain_boxes_in_order_data()
{
    QTest::addColumn<Trainer>("trainer");
    QTest::addColumn<QString>("first");
    QTest::newRow("first trainer")
        << Trainer::First << "The Battle Tesh team - programming of this version";
    QTest::newRow("second trainer") << Trainer::Second << "The Battle Tesh team - programming";
}

void TestTrainerSheet::credits_show_two_plain_boxes_in_order()
{
    QFETCH(Trainer, trainer);
    QFETCH(QString, first);
    TrainerSheet sheet(*m_runtime, trainer);
    sheet.show();
    sheet.showPage(6);
    QTest::mouseClick(find<QPushButton>(&sheet, "Command1"), Qt::LeftButton);
    QCOMPARE(m_runtime->messageTexts(),
             QStringList({first, QString("A fellow trainer - initial idea")}));
    for (const TestRuntime::Message& message : m_runtime->messages()) {
        QCOMPARE(message.style, Runtime::MessageStyle::Plain);
        QCOMPARE(message.over, &sheet);
    }
    QCOMPARE(sheet.showingPage(), 6);
    QCOMPARE(activeLabel(&sheet), QString("Active: None"));
}

void TestTrainerSheet::focus_on_opening_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focused");
    QTest::newRow("first trainer on the tab strip") << "Tab1"
                                                    << "TabRow1";
    QTest::newRow("second trainer on the trainer name") << "Tab2"
                                                        << "Text3";
}

void TestTrainerSheet::focus_on_opening()
{
    QFETCH(QString, window);
    QFETCH(QString, focused);
    registerSheets();
    QWidget* sheet = m_runtime->showWindow(window);
    QVERIFY(sheet->focusWidget());
    QCOMPARE(sheet->focusWidget()->objectName(), focused);
}

void TestTrainerSheet::the_two_sheets_keep_separate_entries()
{
    TrainerSheet first(*m_runtime, Trainer::First);
    TrainerSheet second(*m_runtime, Trainer::Second);
    first.show();
    second.show();
    QTest::keyClicks(find<QLineEdit>(&first, "Text3"), "Ash");
    QTest::keyClicks(nicknameOf(&first, 1), "Sparky");
    QTest::keyClicks(find<QLineEdit>(&first, "Text6_1"), "55");
    chooseActive(first, 1);

    QCOMPARE(first.tabCaption(1), QString("Sparky"));
    QCOMPARE(activeLabel(&first), QString("Active: Sparky"));
    QCOMPARE(second.tabCaption(1), QString("Pokémon 1"));
    QCOMPARE(activeLabel(&second), QString("Active: None"));
    QCOMPARE(second.windowTitle(), QString("Trainer 2"));
    QCOMPARE(nicknameOf(&second, 1)->text(), QString());
    QCOMPARE(find<QLineEdit>(&second, "Text6_1")->text(), QString());
    QVERIFY(!find<QRadioButton>(&second, "Option1_1")->isChecked());
}

void TestTrainerSheet::showing_the_sheets_again_keeps_the_same_filled_instances()
{
    registerSheets();
    auto* first = static_cast<TrainerSheet*>(m_runtime->showWindow("Tab1"));
    auto* second = static_cast<TrainerSheet*>(m_runtime->showWindow("Tab2"));
    first->showPage(3);
    QTest::keyClicks(nicknameOf(first, 3), "Onix");
    chooseActive(*first, 3);
    QTest::keyClicks(find<QLineEdit>(second, "Text9_1"), "80");

    QCOMPARE(m_runtime->showWindow("Tab1"), static_cast<QWidget*>(first));
    QCOMPARE(m_runtime->showWindow("Tab2"), static_cast<QWidget*>(second));
    QCOMPARE(first->showingPage(), 3);
    QCOMPARE(first->tabCaption(3), QString("Onix"));
    QCOMPARE(activeLabel(first), QString("Active: Onix"));
    QCOMPARE(find<QLineEdit>(second, "Text9_1")->text(), QString("80"));
}

void TestTrainerSheet::a_closed_sheet_reopens_fresh()
{
    registerSheets();
    QPointer<QWidget> old = m_runtime->showWindow("Tab1");
    auto* first = static_cast<TrainerSheet*>(old.data());
    first->showPage(2);
    QTest::keyClicks(nicknameOf(first, 2), "Onix");
    chooseActive(*first, 2);
    QTest::keyClicks(find<QLineEdit>(first, "Text3"), "Ash");
    first->close();

    auto* reopened = static_cast<TrainerSheet*>(m_runtime->showWindow("Tab1"));
    QVERIFY(reopened != old.data());
    QCOMPARE(reopened->showingPage(), 1);
    QCOMPARE(reopened->tabCaption(2), QString("Pokémon 2"));
    QCOMPARE(activeLabel(reopened), QString("Active: None"));
    QCOMPARE(reopened->windowTitle(), QString("Trainer 1"));
    reopened->showPage(2);
    QCOMPARE(nicknameOf(reopened, 2)->text(), QString());
    QVERIFY(!find<QRadioButton>(reopened, "Option1_2")->isChecked());
    QTRY_VERIFY(old.isNull());
}

QTEST_MAIN(TestTrainerSheet)
#include "tst_trainersheet.moc"
