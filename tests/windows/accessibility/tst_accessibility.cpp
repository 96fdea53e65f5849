// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "windows/accuracy/AccuracyWindow.h"
#include "windows/critical/CriticalWindow.h"
#include "windows/damage/DamageWindow.h"
#include "windows/dex/DexWindow.h"
#include "windows/trainer/TrainerSheet.h"
#include "windows/turn/TurnWindow.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QTabBar>

#include <memory>

using namespace fixture;

namespace {

// A control the user can reach: a field, a list (or the edit part of one), a button or a tab row.
bool isInput(const QWidget* widget)
{
    // The scroll and extension buttons of tab rows and menu bars are never shown here.
    if (qobject_cast<QTabBar*>(widget->parentWidget()) || widget->objectName().startsWith("qt_"))
        return false;
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QTabBar*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
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

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Presses Tab until the named control has the focus; a window's chain is shorter
// than the limit, so a control that is not in it is never reached.
void tabTo(const QString& name)
{
    for (int step = 0; step < 50 && focusName() != name; ++step)
        press(Qt::Key_Tab);
    QCOMPARE(focusName(), name);
}

// The controls the Tab key reaches from the focus, the focus included, with what a screen reader
// announces ("objectName=accessible name") or their names alone.
QStringList walkTabChain(int steps, bool announced)
{
    QStringList walked;
    for (int step = 0; step < steps; ++step) {
        if (step > 0)
            press(Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        walked << focusName() + (announced && focus ? "=" + focus->accessibleName() : "");
    }
    return walked;
}

// A fresh tool window by the name the program knows it by.
std::unique_ptr<QWidget> build(Runtime& runtime, const QString& name)
{
    if (name == "Acc")
        return std::make_unique<AccuracyWindow>(runtime);
    if (name == "CH")
        return std::make_unique<CriticalWindow>(runtime);
    if (name == "Dex")
        return std::make_unique<DexWindow>(runtime);
    if (name == "Turn")
        return std::make_unique<TurnWindow>(runtime);
    return std::make_unique<TrainerSheet>(runtime,
                                          name == "Tab1" ? Trainer::First : Trainer::Second);
}

} // namespace

// The main window is opened for every test; the others open what they need beside it.
class TestAccessibility : public WindowTest<DamageWindow> {
    Q_OBJECT

private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void tab_walks_the_main_window_announcing_each_control();
    void every_control_has_a_name_of_its_own_data();
    void every_control_has_a_name_of_its_own();
    void damage_is_computed_from_the_keyboard_alone();
    void accuracy_finder_runs_from_the_keyboard_alone();
    void sheet_tab_chain_reads_a_later_page_and_every_option();
    void sheet_pages_switch_from_the_keyboard();
};

void TestAccessibility::tab_walks_the_main_window_announcing_each_control()
{
    write(window(), "defense", "1"); // Work takes the focus only once the Defense stat has changed
    showActive(window());
    // clang-format off
    const QStringList expected{
        "attack=Pokémon's Attack Stat",   "poke1=Attacker's Type 1",         "poke12=Attacker's Type 2",
        "level=Pokémon Level",            "basepower=Base Damage",           "attack1=Attack type",
        "Work=Work",                      "defense=Pokémon's Defense Stat",  "poke2=Defender's Type 1",
        "poke22=Defender's Type 2",       "c1=Select attack",                "DHP=Pokémon HP (for Poison, optional)",
        "Command1=Info",                  "succ=Chance of succ.",            "Work2=Status Changer Work",
        "damagedealt=Damage Dealt Normal", "critical=Damage Dealt Critical", "poison=Damage Dealt Poison",
        "Text1=Notes",                    "attack=Pokémon's Attack Stat"}; // and round again
    // clang-format on
    QCOMPARE(walkTabChain(int(expected.size()), true), expected);
}

void TestAccessibility::every_control_has_a_name_of_its_own_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("main window") << "FrmDamage";
    QTest::newRow("accuracy finder") << "Acc";
    QTest::newRow("critical hit finder") << "CH";
    QTest::newRow("first trainer sheet") << "Tab1";
    QTest::newRow("second trainer sheet") << "Tab2";
    QTest::newRow("pokédex") << "Dex";
    QTest::newRow("battle turn") << "Turn";
}

void TestAccessibility::every_control_has_a_name_of_its_own()
{
    QFETCH(QString, name);
    const std::unique_ptr<QWidget> tool = name == "FrmDamage" ? nullptr : build(runtime(), name);
    QWidget* built = tool ? tool.get() : window();
    showActive(built);
    if (auto* sheet = qobject_cast<TrainerSheet*>(built)) {
        for (int page = TrainerSheet::pageCount; page >= 1; --page)
            sheet->showPage(page); // each page is built when it first shows
    }
    QMap<QString, QStringList> names; // by page; "" holds the window's own controls
    for (QWidget* widget : built->findChildren<QWidget*>()) {
        if (!isInput(widget))
            continue;
        const QString name = widget->accessibleName();
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName() + " in " +
                                             widget->parentWidget()->objectName() + " is unnamed"));
        if (auto* list = qobject_cast<QComboBox*>(widget->parentWidget()))
            QCOMPARE(name, list->accessibleName()); // the edit part speaks for its list
        else
            names[pageOf(widget)] << name;
    }
    QVERIFY(names.value("").size() >= 3);
    for (const QString& page : names.keys()) {
        // A page shows together with the window's own controls.
        const QStringList shown = names[page] + (page.isEmpty() ? QStringList() : names[""]);
        for (const QString& name : shown)
            QVERIFY2(shown.count(name) == 1, qPrintable(page + " repeats \"" + name + "\""));
    }
}

void TestAccessibility::damage_is_computed_from_the_keyboard_alone()
{
    showActive(window());
    const std::pair<const char*, const char*> entries[] = {
        {"attack", "100"},   {"poke1", "Fire"}, {"level", "50"},    {"basepower", "80"},
        {"attack1", "Fire"}, {"defense", "90"}, {"poke2", "Grass"}, {"DHP", "200"}};
    for (const auto& [field, entry] : entries) {
        tabTo(field);
        // A closed list steps through its items with the arrow keys.
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        for (int item = 0; list && item < list->count() && list->currentText() != entry; ++item)
            press(Qt::Key_Down);
        if (!list)
            QTest::keyClicks(QApplication::focusWidget(), entry);
    }
    // The access key clicks the way a mouse press does: pressed, then released a moment later.
    press(Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(text(window(), "damagedealt"), "107");
    QCOMPARE(QStringList({text(window(), "critical"), text(window(), "poison")}),
             QStringList({"216", "12.6"}));
    QVERIFY(runtime().messages().isEmpty());
}

void TestAccessibility::accuracy_finder_runs_from_the_keyboard_alone()
{
    AccuracyWindow accuracy(runtime());
    showActive(&accuracy);
    QCOMPARE(focusName(), "Work");
    runtime().scriptDraws({0.5f, 0.5f});
    press(Qt::Key_Space);
    QCOMPARE(text(&accuracy, "HM"), "HIT");
    tabTo("plusaccur"); // one accuracy decreaser, then Work again round the tab chain
    press(Qt::Key_Space);
    QCOMPARE(text(&accuracy, "accuracy"), "0.674");
    tabTo("Work");
    press(Qt::Key_Space);
    QCOMPARE(text(&accuracy, "Chance"), "67.1304");
    QCOMPARE(runtime().drawsUsed(), 2);
}

void TestAccessibility::sheet_tab_chain_reads_a_later_page_and_every_option()
{
    TrainerSheet sheet(runtime(), Trainer::First);
    showActive(&sheet);
    QCOMPARE(focusName(), "TabRow1");
    press(Qt::Key_Right); // page 2 is built now, and the window's own controls follow it
    QCOMPARE(sheet.showingPage(), 2);
    QStringList expected{"TabRow1", "TabRow2",  "Text5_2",  "Check1_2",
                         "Text2",   "Check2_2", "Combo1_2", "Option1_2"};
    for (int field :
         {11, 12, 6, 27, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26})
        expected << QString("Text%1_2").arg(field);
    expected += QStringList{"Command1", "Text3", "TabRow1"};
    QCOMPARE(walkTabChain(int(expected.size()), false), expected);

    // A chosen option must not hide the other pages' options from the Tab key.
    tabTo("Option1_2");
    press(Qt::Key_Space);
    QCOMPARE(text(&sheet, "Label1"), "Active: ");
    sheet.showPage(1);
    find(&sheet, "TabRow1")->setFocus();
    tabTo("Option1_1");
}

void TestAccessibility::sheet_pages_switch_from_the_keyboard()
{
    TrainerSheet sheet(runtime(), Trainer::Second);
    showActive(&sheet);
    QCOMPARE(focusName(), "Text3");
    // Ctrl+Tab and Ctrl+PgDown step forward round all six pages, Ctrl+Shift+Tab and Ctrl+PgUp
    // back, and the focus stays put. On a tab row that shows none chosen, Space or Enter chooses
    // the tab the focus marks (the one last shown from that row) and the arrows step from it.
    const std::tuple<QKeyCombination, int, const char*> steps[] = {
        {Qt::CTRL | Qt::Key_Tab, 2, "Text3"},
        {Qt::CTRL | Qt::Key_PageDown, 3, "Text3"},
        {Qt::CTRL | Qt::Key_PageUp, 2, "Text3"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 1, "Text3"},
        {Qt::CTRL | Qt::Key_PageUp, 6, "Text3"},
        {Qt::CTRL | Qt::Key_Tab, 1, "Text3"},
        {Qt::Key_Tab, 1, "TabRow1"},
        {Qt::Key_Tab, 1, "TabRow2"},
        {Qt::Key_Space, 6, "TabRow2"},
        {Qt::Key_Left, 5, "TabRow2"},
        {Qt::SHIFT | Qt::Key_Backtab, 5, "TabRow1"},
        {Qt::Key_Right, 2, "TabRow1"},
        {Qt::Key_Tab, 2, "TabRow2"},
        {Qt::Key_Return, 5, "TabRow2"},
    };
    for (const auto& [keys, page, focus] : steps) {
        press(keys.key(), keys.keyboardModifiers());
        QCOMPARE(QString("page %1, %2").arg(sheet.showingPage()).arg(focusName()),
                 QString("page %1, %2").arg(page).arg(focus));
    }
    // From a field of the page, the focus moves along onto the next page; the notes box takes
    // Tab for the focus, never Ctrl+Tab.
    tabTo("Text27_5");
    press(Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(sheet.showingPage(), 6);
    QCOMPARE(pageOf(QApplication::focusWidget()), "Page_6");
    QCOMPARE(text(&sheet, "Text27_5"), "");
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
