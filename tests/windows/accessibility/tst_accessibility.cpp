// SPDX-License-Identifier: MIT
#include "support/ModalWatchdog.h"

#include "runtime/TestRuntime.h"
#include "windows/accuracy/AccuracyWindow.h"
#include "windows/critical/CriticalWindow.h"
#include "windows/damage/DamageWindow.h"
#include "windows/trainer/TrainerSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include <map>
#include <memory>

namespace {

enum class Window { Damage, Accuracy, Critical, FirstSheet, SecondSheet };

std::unique_ptr<QWidget> makeWindow(Window window, Runtime& runtime)
{
    switch (window) {
    case Window::Damage:
        return std::make_unique<DamageWindow>(runtime);
    case Window::Accuracy:
        return std::make_unique<AccuracyWindow>(runtime);
    case Window::Critical:
        return std::make_unique<CriticalWindow>(runtime);
    case Window::FirstSheet:
        return std::make_unique<TrainerSheet>(runtime, Trainer::First);
    case Window::SecondSheet:
        return std::make_unique<TrainerSheet>(runtime, Trainer::Second);
    }
    return nullptr;
}

// A control the user can reach: a field, a list (or the edit part of one), a button or a tab row.
bool isInput(const QWidget* widget)
{
    // The scroll and extension buttons of tab rows and menu bars are never shown here.
    if (qobject_cast<QTabBar*>(widget->parentWidget()) || widget->objectName().startsWith("qt_"))
        return false;
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QTabBar*>(widget);
}

// The trainer sheet page that holds the widget ("Page_3"), or an empty text for the window's own.
QString pageOf(const QWidget* widget)
{
    for (const QWidget* up = widget; up; up = up->parentWidget()) {
        if (up->objectName().startsWith("Page_"))
            return up->objectName();
    }
    return {};
}

// A trainer sheet builds a page's controls when the page first shows: look at every page once.
void showEveryPage(QWidget* window)
{
    if (auto* sheet = qobject_cast<TrainerSheet*>(window)) {
        for (int page = TrainerSheet::pageCount; page >= 1; --page)
            sheet->showPage(page);
    }
}

void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void pressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void type(const QString& text)
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Presses Tab (or Shift+Tab) until the named control has the focus; a window's chain is shorter
// than the limit, so a control that is not in it is never reached.
void tabTo(const QString& name, bool backwards = false)
{
    for (int step = 0; step < 50 && focusName() != name; ++step) {
        if (backwards)
            press(Qt::Key_Backtab, Qt::ShiftModifier);
        else
            pressTab();
    }
    QCOMPARE(focusName(), name);
}

// "objectName=accessible name" for each control the Tab key reaches from the focus, the focus
// included.
QStringList walkTabChain(int steps)
{
    QStringList walked;
    for (int step = 0; step < steps; ++step) {
        if (step > 0)
            pressTab();
        const QWidget* focus = QApplication::focusWidget();
        walked.append(focus ? focus->objectName() + "=" + focus->accessibleName() : "(none)");
    }
    return walked;
}

template <typename T> T* child(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tab_walks_the_main_window_announcing_each_control();
    void every_control_has_a_name_of_its_own_data();
    void every_control_has_a_name_of_its_own();
    void labels_point_at_the_field_beside_them_data();
    void labels_point_at_the_field_beside_them();
    void damage_is_computed_from_the_keyboard_alone();
    void status_changer_answers_from_the_keyboard_alone();
    void accuracy_finder_runs_from_the_keyboard_alone();
    void critical_finder_runs_from_the_keyboard_alone();
    void sheet_tab_chain_reads_the_showing_page_in_order();
    void sheet_pages_switch_from_the_keyboard();
    void every_active_option_stays_reachable_after_a_choice();

private:
    std::unique_ptr<TestRuntime> m_runtime;
    ModalWatchdog m_watchdog;
};

void TestAccessibility::init()
{
    m_runtime = std::make_unique<TestRuntime>();
    m_watchdog.reset();
}

void TestAccessibility::cleanup()
{
    m_runtime.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestAccessibility::tab_walks_the_main_window_announcing_each_control()
{
    DamageWindow window(*m_runtime);
    // Work takes the focus only once the Defense stat has changed.
    child<QLineEdit>(&window, "defense")->setText("1");
    showActive(&window);
    QCOMPARE(focusName(), QString("attack"));
    const QStringList expected{
        "attack=Pokémon's Attack Stat",
        "poke1=Attacker's Type 1",
        "poke12=Attacker's Type 2",
        "level=Pokémon Level",
        "basepower=Base Damage",
        "attack1=Attack type",
        "Work=Work",
        "defense=Pokémon's Defense Stat",
        "poke2=Defender's Type 1",
        "poke22=Defender's Type 2",
        "c1=Select attack",
        "DHP=Pokémon HP (for Poison, optional)",
        "Command1=Info",
        "succ=Chance of succ.",
        "Work2=Status Changer Work",
        "damagedealt=Damage Dealt Normal",
        "critical=Damage Dealt Critical",
        "poison=Damage Dealt Poison",
        "Text1=Notes",
        "attack=Pokémon's Attack Stat", // and round again
    };
    QCOMPARE(walkTabChain(int(expected.size())), expected);
}

void TestAccessibility::every_control_has_a_name_of_its_own_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("main window") << Window::Damage;
    QTest::newRow("accuracy finder") << Window::Accuracy;
    QTest::newRow("critical hit finder") << Window::Critical;
    QTest::newRow("first trainer sheet") << Window::FirstSheet;
    QTest::newRow("second trainer sheet") << Window::SecondSheet;
}

void TestAccessibility::every_control_has_a_name_of_its_own()
{
    QFETCH(Window, window);
    const std::unique_ptr<QWidget> built = makeWindow(window, *m_runtime);
    showEveryPage(built.get());
    // name -> controls, per page; the window's own controls count on every page.
    std::map<QString, std::map<QString, QStringList>> namesByPage;
    QStringList windowInputs;
    int inputs = 0;
    for (QWidget* widget : built->findChildren<QWidget*>()) {
        if (!isInput(widget))
            continue;
        ++inputs;
        const QString name = widget->accessibleName();
        QVERIFY2(!name.isEmpty(),
                 qPrintable(QString("%1 (%2 in %3) has no accessible name")
                                .arg(widget->objectName(), widget->metaObject()->className(),
                                     widget->parentWidget()->objectName())));
        if (auto* list = qobject_cast<QComboBox*>(widget->parentWidget())) {
            // The edit part of a list speaks for the list while the user types in it.
            QCOMPARE(name, list->accessibleName());
            continue;
        }
        const QString page = pageOf(widget);
        namesByPage[page][name].append(widget->objectName());
        if (page.isEmpty())
            windowInputs.append(name);
    }
    QVERIFY(inputs >= 5);
    for (auto& [page, names] : namesByPage) {
        if (!page.isEmpty()) {
            for (const QString& name : windowInputs)
                names[name].append("window");
        }
        for (const auto& [name, controls] : names)
            QVERIFY2(controls.size() == 1,
                     qPrintable(page + ": " + controls.join(", ") + " share \"" + name + "\""));
    }
}

void TestAccessibility::labels_point_at_the_field_beside_them_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field");
    QTest::newRow("attack stat") << Window::Damage << "Label1"
                                 << "attack";
    QTest::newRow("level") << Window::Damage << "Label4"
                           << "level";
    QTest::newRow("defense stat") << Window::Damage << "Label6"
                                  << "defense";
    QTest::newRow("defender hp") << Window::Damage << "Label15"
                                 << "DHP";
    QTest::newRow("attack list") << Window::Damage << "Label14"
                                 << "c1";
    QTest::newRow("normal damage") << Window::Damage << "label0012243"
                                   << "damagedealt";
    QTest::newRow("chance of success") << Window::Damage << "Label9"
                                       << "succ";
    QTest::newRow("base accuracy") << Window::Accuracy << "Label2"
                                   << "basement";
    QTest::newRow("accuracy counter") << Window::Accuracy << "Label3"
                                      << "accurcount";
    QTest::newRow("evasion multiplier") << Window::Accuracy << "Label8"
                                        << "evade";
    QTest::newRow("chance to hit") << Window::Accuracy << "Label6"
                                   << "Chance";
    QTest::newRow("species on page 1") << Window::FirstSheet << "Label7_1"
                                       << "Text5_1";
    QTest::newRow("nickname on page 4") << Window::FirstSheet << "Label6_4"
                                        << "Text28";
    QTest::newRow("attack 3 pp on page 6") << Window::SecondSheet << "Label20_6"
                                           << "Text20_6";
    QTest::newRow("trainer name") << Window::SecondSheet << "Label3"
                                  << "Text3";
}

void TestAccessibility::labels_point_at_the_field_beside_them()
{
    QFETCH(Window, window);
    QFETCH(QString, label);
    QFETCH(QString, field);
    const std::unique_ptr<QWidget> built = makeWindow(window, *m_runtime);
    showEveryPage(built.get());
    const QLabel* caption = built->findChild<QLabel*>(label);
    QVERIFY(caption);
    QVERIFY(caption->buddy());
    QCOMPARE(caption->buddy()->objectName(), field);
}

void TestAccessibility::damage_is_computed_from_the_keyboard_alone()
{
    DamageWindow window(*m_runtime);
    showActive(&window);
    type("100"); // Attack stat
    pressTab();
    press(Qt::Key_Down); // attacker's first type: Fire
    pressTab();
    pressTab(); // the second type stays unset
    type("50"); // level
    pressTab();
    type("80"); // base damage
    pressTab();
    press(Qt::Key_Down); // attack type: Fire
    pressTab();          // Work is still disabled, so the Defense stat comes next
    QCOMPARE(focusName(), QString("defense"));
    type("90");
    pressTab();
    for (int item = 0; item < 3; ++item)
        press(Qt::Key_Down); // defender's first type: Fire, Water, Grass
    pressTab();
    pressTab();
    pressTab();
    QCOMPARE(focusName(), QString("DHP"));
    type("200");
    // The access key clicks the way a mouse press does: pressed, then released a moment later.
    press(Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(child<QLineEdit>(&window, "damagedealt")->text(), QString("107"));

    QCOMPARE(child<QComboBox>(&window, "poke1")->currentText(), QString("Fire"));
    QCOMPARE(child<QComboBox>(&window, "poke2")->currentText(), QString("Grass"));
    QCOMPARE(child<QLineEdit>(&window, "critical")->text(), QString("216"));
    QCOMPARE(child<QLineEdit>(&window, "poison")->text(), QString("12.6"));
    QVERIFY(m_runtime->messages().isEmpty());

    // Tabbing back to Work and pressing Space computes again from the changed level.
    tabTo("level", true);
    type("25"); // a field the Tab key reaches has its whole text selected
    QCOMPARE(child<QLineEdit>(&window, "level")->text(), QString("25"));
    tabTo("Work");
    press(Qt::Key_Space);
    QCOMPARE(child<QLineEdit>(&window, "damagedealt")->text(), QString("55"));
}

void TestAccessibility::status_changer_answers_from_the_keyboard_alone()
{
    DamageWindow window(*m_runtime);
    showActive(&window);
    child<QLineEdit>(&window, "DHP")->setFocus();
    pressTab();
    QCOMPARE(focusName(), QString("Command1"));
    pressTab();
    type("30");
    pressTab();
    QCOMPARE(focusName(), QString("Work2"));
    m_runtime->scriptDraws({0.25f, 0.95f});
    press(Qt::Key_Space);
    QCOMPARE(child<QLabel>(&window, "YN")->text(), QString("YES"));
    press(Qt::Key_Space);
    QCOMPARE(child<QLabel>(&window, "YN")->text(), QString("NO"));
    QCOMPARE(m_runtime->drawsUsed(), 2);
}

void TestAccessibility::accuracy_finder_runs_from_the_keyboard_alone()
{
    AccuracyWindow window(*m_runtime);
    showActive(&window);
    QCOMPARE(focusName(), QString("Work"));
    m_runtime->scriptDraws({0.5f, 0.5f});
    press(Qt::Key_Space);
    QCOMPARE(child<QLineEdit>(&window, "Chance")->text(), QString("99.6"));
    QCOMPARE(child<QLabel>(&window, "HM")->text(), QString("HIT"));

    // One accuracy decreaser, then Work again by going round the tab chain.
    tabTo("plusaccur");
    press(Qt::Key_Space);
    QCOMPARE(child<QLineEdit>(&window, "accurcount")->text(), QString("1"));
    QCOMPARE(child<QLineEdit>(&window, "accuracy")->text(), QString("0.674"));
    tabTo("Work");
    press(Qt::Key_Space);
    QCOMPARE(child<QLineEdit>(&window, "Chance")->text(), QString("67.1304"));
    QCOMPARE(child<QLabel>(&window, "HM")->text(), QString("HIT"));
    QCOMPARE(m_runtime->drawsUsed(), 2);
}

void TestAccessibility::critical_finder_runs_from_the_keyboard_alone()
{
    CriticalWindow window(*m_runtime);
    showActive(&window);
    QCOMPARE(focusName(), QString("poke"));
    press(Qt::Key_A, Qt::ControlModifier); // over the "Select Pokémon" placeholder
    type("Electrode");
    QCOMPARE(child<QComboBox>(&window, "poke")->currentText(), QString("Electrode"));
    QCOMPARE(child<QLineEdit>(&window, "bc")->text(), QString("37"));
    pressTab();
    pressTab();
    QCOMPARE(focusName(), QString("Command1"));
    m_runtime->scriptDraws({0.36f});
    press(Qt::Key_Space);
    QCOMPARE(child<QLineEdit>(&window, "Text2")->text(), QString("Critical Hit!"));
}

void TestAccessibility::sheet_tab_chain_reads_the_showing_page_in_order()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    showActive(&sheet);
    QCOMPARE(focusName(), QString("TabRow1"));
    press(Qt::Key_Right);
    QCOMPARE(sheet.showingPage(), 2);
    const QStringList expected{
        "TabRow1=Pokémon 1 to 3",
        "TabRow2=Pokémon 4 to 6",
        "Text5_2=Pokémon Species",
        "Check1_2=Leech Seed",
        "Text2=Pokémon Nickname",
        "Check2_2=Confused",
        "Combo1_2=Status Changes",
        "Option1_2=Active",
        "Text11_2=HP",
        "Text12_2=HP maximum",
        "Text6_2=Attack",
        "Text27_2=Miscellaneous",
        "Text7_2=Defense",
        "Text8_2=Special (Attack)",
        "Text9_2=Special (Defense)",
        "Text10_2=Speed",
        "Text13_2=Attack 1 name",
        "Text14_2=Attack 1 PP",
        "Text15_2=Attack 1 PP maximum",
        "Text16_2=Attack 2 name",
        "Text17_2=Attack 2 PP",
        "Text18_2=Attack 2 PP maximum",
        "Text19_2=Attack 3 name",
        "Text20_2=Attack 3 PP",
        "Text21_2=Attack 3 PP maximum",
        "Text22_2=Attack 4 name",
        "Text23_2=Attack 4 PP",
        "Text24_2=Attack 4 PP maximum",
        "Text25_2=Type 1",
        "Text26_2=Type 2",
        "Command1=Credits",
        "Text3=Trainer Name",
        "TabRow1=Pokémon 1 to 3",
    };
    QCOMPARE(walkTabChain(int(expected.size())), expected);
}

void TestAccessibility::sheet_pages_switch_from_the_keyboard()
{
    TrainerSheet sheet(*m_runtime, Trainer::Second);
    showActive(&sheet);
    QCOMPARE(focusName(), QString("Text3"));

    // Ctrl+Tab and Ctrl+PgDown step forward through all six pages and round; Ctrl+Shift+Tab
    // and Ctrl+PgUp step back.
    const std::pair<QKeyCombination, int> steps[] = {
        {Qt::CTRL | Qt::Key_Tab, 2},
        {Qt::CTRL | Qt::Key_PageDown, 3},
        {Qt::CTRL | Qt::Key_PageDown, 4},
        {Qt::CTRL | Qt::Key_PageUp, 3},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 2},
        {Qt::CTRL | Qt::Key_PageUp, 1},
        {Qt::CTRL | Qt::Key_PageUp, 6},
        {Qt::CTRL | Qt::Key_Tab, 1},
    };
    for (const auto& [keys, page] : steps) {
        press(keys.key(), keys.keyboardModifiers());
        QCOMPARE(sheet.showingPage(), page);
    }
    QCOMPARE(focusName(), QString("Text3")); // the window's own field keeps it

    // On a row that shows none chosen, Space chooses the tab the focus marks (here the one last
    // shown from that row) and the arrows step from it.
    tabTo("TabRow2");
    press(Qt::Key_Space);
    QCOMPARE(sheet.showingPage(), 6);
    press(Qt::Key_Left);
    QCOMPARE(sheet.showingPage(), 5);
    press(Qt::Key_Left);
    QCOMPARE(sheet.showingPage(), 4);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QString("TabRow1"));
    press(Qt::Key_Right);
    QCOMPARE(sheet.showingPage(), 2);
    pressTab();
    press(Qt::Key_Return);
    QCOMPARE(sheet.showingPage(), 4);

    // A nickname typed on the page that a key brought up renames that page's tab.
    pressTab();
    pressTab();
    pressTab();
    QCOMPARE(focusName(), QString("Text28"));
    type("Onix");
    QCOMPARE(sheet.tabCaption(4), QString("Onix"));

    // From a field of the page, the focus moves along onto the next page.
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(sheet.showingPage(), 5);
    QCOMPARE(pageOf(QApplication::focusWidget()), QString("Page_5"));
    // The notes box takes Tab for the focus, never Ctrl+Tab.
    tabTo("Text27_5");
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(sheet.showingPage(), 6);
    QVERIFY(sheet.findChild<QPlainTextEdit*>("Text27_5")->toPlainText().isEmpty());
}

void TestAccessibility::every_active_option_stays_reachable_after_a_choice()
{
    TrainerSheet sheet(*m_runtime, Trainer::First);
    showActive(&sheet);
    QLabel* active = child<QLabel>(&sheet, "Label1");
    for (const int page : {3, 1}) {
        sheet.showPage(page);
        child<QWidget>(&sheet, "TabRow1")->setFocus();
        const QString option = QString("Option1_%1").arg(page);
        tabTo(option);
        press(Qt::Key_Space);
        QCOMPARE(active->text(), QString("Active: "));
        QVERIFY(sheet.findChild<QAbstractButton*>(option)->isChecked());
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
