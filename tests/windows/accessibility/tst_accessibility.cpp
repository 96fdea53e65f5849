// SPDX-License-Identifier: MIT
#include "support/ProgramFixture.h"

#include "windows/trainer/TrainerSheet.h"

using namespace fixture;

namespace {

void press(QKeyCombination keys)
{
    QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// A control the user can reach, but not the tab rows' scroll buttons nor Qt's own parts, such as
// a list's drop-down once it has been built.
bool isInput(const QWidget* widget)
{
    return widget->focusPolicy() != Qt::NoFocus && !widget->objectName().startsWith("qt_") &&
           !qobject_cast<QTabBar*>(widget->parentWidget()) &&
           widget->window()->windowType() != Qt::Popup;
}

} // namespace

class TestAccessibility : public ProgramTest {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void tab_walks_each_window_in_order_data();
    void tab_walks_each_window_in_order();
    void every_control_has_a_name_of_its_own_data();
    void every_control_has_a_name_of_its_own();
    void alt_w_presses_work();
    void sheet_pages_switch_from_the_keyboard();
};

// From the control that has the focus when the window opens, once round the chain.
void TestAccessibility::tab_walks_each_window_in_order_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("chain");
    QStringList page2;
    for (const int field :
         {11, 12, 6, 27, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 0, 25, 26})
        page2 << (field ? QString("Text%1_2").arg(field)
                        : "Level_2"); // the level after the attacks
    // Work takes the focus once the Defense stat has changed; a click on the middle of the first
    // tab row shows page 2, whose controls join the chain.
    QTest::newRow("main window")
        << "FrmDamage" << QStringList{"defense=1"}
        << "attack poke1 poke12 level basepower attack1 Work defense poke2 poke22 c1 DHP Command1 "
           "succ Work2 damagedealt critical poison Text1 attack";
    QTest::newRow("accuracy finder")
        << "Acc" << QStringList{}
        << "Work Chance Moves basement accuracy plusaccur minusaccur accurcount evade plusevade "
           "minusevade evadecount Work";
    QTest::newRow("critical hit finder")
        << "CH" << QStringList{} << "poke bc Command1 Text2 Command2 poke";
    QTest::newRow("trainer sheet, page 2")
        << "Tab1" << QStringList{"TabRow1!"}
        << "TabRow1 TabRow2 Text5_2 Check1_2 Text2 Check2_2 Combo1_2 Option1_2 " + page2.join(' ') +
               " Command1 Text3 TabRow1";
    QTest::newRow("second trainer sheet") << "Tab2" << QStringList{} << "Text3 TabRow1";
}

void TestAccessibility::tab_walks_each_window_in_order()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QString, chain);
    QWidget* opened = show(window);
    showActive(opened);
    for (const QString& each : steps)
        step(opened, each);
    QStringList walked{focusName()};
    while (walked.size() < chain.count(' ') + 1) {
        press(Qt::Key_Tab);
        walked << focusName();
    }
    QCOMPARE(walked.join(' '), chain);
}

void TestAccessibility::every_control_has_a_name_of_its_own_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"FrmDamage", "Acc", "CH", "Tab1", "Tab2", "Dex", "Turn", "Duel"})
        QTest::newRow(window) << window;
}

// Unique within the window; a sheet's later pages repeat the first page's names.
void TestAccessibility::every_control_has_a_name_of_its_own()
{
    QFETCH(QString, window);
    QStringList names;
    for (const QWidget* widget : show(window)->findChildren<QWidget*>()) {
        if (!isInput(widget))
            continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        if (auto* list = qobject_cast<QComboBox*>(widget->parentWidget()))
            QCOMPARE(widget->accessibleName(), list->accessibleName()); // the edit part speaks
        else
            names << widget->accessibleName();
    }
    for (const QString& name : names)
        QVERIFY2(names.count(name) == 1, qPrintable(window + " repeats " + name));
}

void TestAccessibility::alt_w_presses_work()
{
    QWidget* window = show("FrmDamage");
    showActive(window);
    step(window, "defense=90");
    // The access key clicks the way a mouse press does: pressed, then released a moment later.
    press(Qt::ALT | Qt::Key_W);
    QTRY_COMPARE(runtime().messageTexts(), QStringList{"Level of Pokémon required!"});
}

void TestAccessibility::sheet_pages_switch_from_the_keyboard()
{
    auto* sheet = static_cast<TrainerSheet*>(show("Tab2"));
    showActive(sheet);
    // Ctrl+Tab and Ctrl+PgDown step forward round all six pages, Ctrl+Shift+Tab and Ctrl+PgUp
    // back, and the focus stays put. On a tab row that shows none chosen, Space or Enter chooses
    // the tab the focus marks (the one last shown from that row) and the arrows step from it.
    const std::tuple<QKeyCombination, int, const char*> steps[] = {
        {Qt::CTRL | Qt::Key_Tab, 2, "Text3"},
        {Qt::CTRL | Qt::Key_PageDown, 3, "Text3"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 2, "Text3"},
        {Qt::CTRL | Qt::Key_PageUp, 1, "Text3"},
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
        press(keys);
        QCOMPARE(QString("page %1, %2").arg(sheet->showingPage()).arg(focusName()),
                 QString("page %1, %2").arg(page).arg(focus));
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
