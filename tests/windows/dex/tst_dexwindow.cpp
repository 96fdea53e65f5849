// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "app/Startup.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

using namespace fixture;

// The Pokédex as the program wires it: opened from the main window's menu, writing into it.
class TestDexWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_once_with_the_defaults_and_afresh_after_closing();
    void figures_follow_every_change_and_an_unknown_species_empties_them();
    void presets_write_their_values_and_own_values_make_it_custom();
    void values_outside_their_ranges_cannot_be_typed_data();
    void values_outside_their_ranges_cannot_be_typed();
    void use_buttons_write_the_main_window_as_typing_would_data();
    void use_buttons_write_the_main_window_as_typing_would();
    void works_from_the_keyboard_alone();

private:
    QWidget* openDex();
    QSpinBox* spin(const char* name) const { return find<QSpinBox>(m_dex, name); }
    QStringList texts(const QStringList& names) const;

    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
    QWidget* m_main = nullptr;
    QWidget* m_dex = nullptr;
};

void TestDexWindow::init()
{
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_runtime = std::make_unique<TestRuntime>();
    registerWindows(*m_runtime);
    m_main = m_runtime->showWindow("FrmDamage");
    m_dex = openDex();
}

void TestDexWindow::cleanup()
{
    // Every figure written passed the main window's own checks.
    QCOMPARE(m_runtime->messageTexts(), QStringList());
    m_runtime.reset();
    QVERIFY(!m_watchdog->sawDialog());
}

QWidget* TestDexWindow::openDex()
{
    find<QAction>(m_main, "mnuDex")->trigger();
    return m_runtime->openWindow("Dex");
}

QStringList TestDexWindow::texts(const QStringList& names) const
{
    QStringList shown;
    for (const QString& name : names) {
        if (auto* box = qobject_cast<QSpinBox*>(find(m_dex, name)))
            shown << box->text();
        else
            shown << text(m_dex, name);
    }
    return shown;
}

const QStringList statOutputs{"Types",   "StatHp",    "StatAtk",   "StatDef",   "StatSpd",
                              "StatSpc", "BattleAtk", "BattleDef", "BattleSpd", "BattleSpc"};

void TestDexWindow::opens_once_with_the_defaults_and_afresh_after_closing()
{
    for (int opening = 0; opening < 2; ++opening) {
        QVERIFY(m_dex && m_dex->isWindow() && !m_dex->parentWidget());
        QCOMPARE(m_dex->windowTitle(), "Pokédex");
        QCOMPARE(texts({"Species", "Level", "Preset", "DvAtk", "DvSpc", "DvHp", "ExpHp", "ExpSpc",
                        "StageAtk", "StageSpc"}),
                 QStringList({"", "50", "Maximum", "15", "15", "15", "65535", "65535", "0", "0"}));
        QCOMPARE(texts(statOutputs), QStringList(statOutputs.size(), QString()));
        for (const char* box : {"Burned", "Paralyzed", "Reflect", "LightScreen"})
            QVERIFY(!find<QCheckBox>(m_dex, box)->isChecked());
        QVERIFY(!find(m_dex, "UseAttacker")->isEnabled() &&
                !find(m_dex, "UseDefender")->isEnabled());
        QCOMPARE(openDex(), m_dex); // the menu brings the open one forward
        write(m_dex, {"Species=Mew"});
        spin("StageAtk")->setValue(2);
        m_dex->close();
        QVERIFY(!m_runtime->openWindow("Dex"));
        m_dex = openDex();
    }
}

void TestDexWindow::figures_follow_every_change_and_an_unknown_species_empties_them()
{
    write(m_dex, {"Species=Chansey"});
    QCOMPARE(texts(statOutputs),
             QStringList({"Normal", "356", "56", "56", "101", "156", "56", "56", "101", "156"}));
    spin("Level")->setValue(100);
    QCOMPARE(texts({"StatHp", "StatSpc"}), QStringList({"703", "308"}));
    // Stages and conditions change only the battle figures.
    spin("StageSpc")->stepDown();
    find<QCheckBox>(m_dex, "Paralyzed")->click();
    find<QCheckBox>(m_dex, "Reflect")->click();
    QCOMPARE(texts({"StatDef", "StatSpd", "StatSpc", "BattleDef", "BattleSpd", "BattleSpc"}),
             QStringList({"108", "198", "308", "216", "49", "203"}));
    choose(find<QComboBox>(m_dex, "Species"), "Magnemite");
    QCOMPARE(text(m_dex, "Types"), "Electric");
    write(m_dex, {"Species=gengar"}); // team text's spellings are known too
    QCOMPARE(text(m_dex, "Types"), "Ghost / Poison");
    QVERIFY(find(m_dex, "UseAttacker")->isEnabled() && find(m_dex, "UseDefender")->isEnabled());
    retype(find<QComboBox>(m_dex, "Species"), "Missingno");
    QCOMPARE(texts(statOutputs), QStringList(statOutputs.size(), QString()));
    QVERIFY(!find(m_dex, "UseAttacker")->isEnabled() && !find(m_dex, "UseDefender")->isEnabled());
    QCOMPARE(text(m_dex, "DvHp"), "15"); // it needs no species
}

void TestDexWindow::presets_write_their_values_and_own_values_make_it_custom()
{
    write(m_dex, {"Species=Alakazam"});
    spin("Level")->setValue(50);
    choose(find<QComboBox>(m_dex, "Preset"), "Enemy trainer");
    const QStringList training{"DvHp", "DvAtk", "DvDef", "DvSpd", "DvSpc", "ExpHp", "ExpSpc"};
    QCOMPARE(texts(training), QStringList({"8", "9", "8", "8", "8", "0", "0"}));
    QCOMPARE(texts({"StatHp", "StatAtk", "StatSpc"}), QStringList({"123", "64", "148"}));
    QTest::keyClick(spin("DvAtk"), Qt::Key_Up);
    QCOMPARE(text(m_dex, "Preset"), "Custom");
    QCOMPARE(texts(training), QStringList({"0", "10", "8", "8", "8", "0", "0"}));
    QCOMPARE(text(m_dex, "StatAtk"), "65");
    choose(find<QComboBox>(m_dex, "Preset"), "Custom"); // sets nothing
    QCOMPARE(spin("DvAtk")->text(), "10");
    retype(find<QComboBox>(m_dex, "Preset"), "Maximum");
    QCOMPARE(texts(training), QStringList({"15", "15", "15", "15", "15", "65535", "65535"}));
}

void TestDexWindow::values_outside_their_ranges_cannot_be_typed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("DV past 15") << "DvSpd"
                                << "16"
                                << "1";
    QTest::newRow("stat experience past 65535") << "ExpDef"
                                                << "65536"
                                                << "6553";
    QTest::newRow("level past 100") << "Level"
                                    << "101"
                                    << "10";
    QTest::newRow("stage past +6 keeps the old") << "StageDef"
                                                 << "7"
                                                 << "0";
    QTest::newRow("stage past -6") << "StageDef"
                                   << "-7"
                                   << "-";
    QTest::newRow("letters keep the old") << "DvSpd"
                                          << "x"
                                          << "15";
}

void TestDexWindow::values_outside_their_ranges_cannot_be_typed()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    spin(qPrintable(box))->selectAll();
    QTest::keyClicks(spin(qPrintable(box)), typed);
    QTEST(spin(qPrintable(box))->text(), "shown");
}

void TestDexWindow::use_buttons_write_the_main_window_as_typing_would_data()
{
    QTest::addColumn<QString>("attack"); // chosen in the main window first; empty: none
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("written"); // the main window's fields, in order
    QTest::addColumn<QStringList>("figures");
    const QStringList attacker{"attack", "level", "poke1", "poke12"};
    const QStringList defender{"defense", "DHP", "poke2", "poke22"};
    // Mewtwo, level 100, maximum, burned, under Reflect and Light Screen; Attack +1, Special -1.
    QTest::newRow("attacker: burned Attack")
        << ""
        << "UseAttacker" << attacker << QStringList{"238", "100", "Psychic", "Select Type"};
    QTest::newRow("attacker of a physical attack")
        << "Slash"
        << "UseAttacker" << attacker << QStringList{"238", "100", "Psychic", "Select Type"};
    QTest::newRow("attacker: Special, no screen")
        << "Psychic"
        << "UseAttacker" << attacker << QStringList{"267", "100", "Psychic", "Select Type"};
    QTest::newRow("defender: Defense under Reflect")
        << ""
        << "UseDefender" << defender << QStringList{"556", "415", "Psychic", "Select Type"};
    QTest::newRow("defender: Special under Light Screen")
        << "Ice Beam"
        << "UseDefender" << defender << QStringList{"534", "415", "Psychic", "Select Type"};
}

void TestDexWindow::use_buttons_write_the_main_window_as_typing_would()
{
    QFETCH(QString, attack);
    QFETCH(QString, button);
    QFETCH(QStringList, written);
    if (!attack.isEmpty())
        choose(find<QComboBox>(m_main, "c1"), attack);
    // Left from a dual-typed species, the second type goes back to the list's own text.
    write(m_main, {"poke12=Flying", "poke22=Flying"});
    write(m_dex, {"Species=Mewtwo"});
    spin("Level")->setValue(100);
    spin("StageAtk")->setValue(1);
    spin("StageSpc")->setValue(-1);
    for (const char* box : {"Burned", "Reflect", "LightScreen"})
        find<QCheckBox>(m_dex, box)->click();
    click(m_dex, button);
    QStringList shown;
    for (const QString& field : written)
        shown << text(m_main, field);
    QTEST(shown, "figures");
    // The Defense field's own handler ran: it lets Work be pressed.
    QCOMPARE(find(m_main, "Work")->isEnabled(), button == "UseDefender");
}

void TestDexWindow::works_from_the_keyboard_alone()
{
    showActive(m_dex);
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    QCOMPARE(QApplication::focusWidget(), find<QComboBox>(m_dex, "Species"));
    QTest::keyClicks(QApplication::focusWidget(), "Gengar");
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), spin("Level"));
    QTest::keyClicks(QApplication::focusWidget(), "4"); // over the whole value, selected on Tab
    press(Qt::Key_G, Qt::AltModifier);
    press(Qt::Key_Up);
    press(Qt::Key_B, Qt::AltModifier); // access keys click a moment later, as a mouse does
    QTRY_COMPARE(text(m_dex, "BattleAtk"), "9");
    QCOMPARE(texts({"Level", "StageAtk", "StatAtk"}), QStringList({"4", "1", "13"}));
    press(Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(text(m_main, "attack"), "9");
    QCOMPARE(QStringList({text(m_main, "level"), text(m_main, "poke12")}),
             QStringList({"4", "Poison"}));
}

QTEST_MAIN(TestDexWindow)
#include "tst_dexwindow.moc"
