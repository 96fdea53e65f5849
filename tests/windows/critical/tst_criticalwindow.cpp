// SPDX-License-Identifier: MIT
#include "battle/Draw.h"
#include "battle/SpeciesTable.h"
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"
#include "windows/critical/CriticalWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestCriticalWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loading_fills_the_list_in_table_order_and_writes_no_field();
    void window_has_its_caption_size_and_fonts();
    void opens_with_focus_on_the_list_and_tabs_in_order();

    void choosing_a_species_writes_its_base_critical_data();
    void choosing_a_species_writes_its_base_critical();
    void typing_takes_effect_at_each_full_name_on_the_way_data();
    void typing_takes_effect_at_each_full_name_on_the_way();
    void text_naming_no_species_leaves_the_base_critical_data();
    void text_naming_no_species_leaves_the_base_critical();
    void typing_neither_completes_nor_adds_to_the_list();

    void attack_gives_the_verdict_of_the_roll_data();
    void attack_gives_the_verdict_of_the_roll();
    void old_verdict_stays_after_a_species_change();
    void attack_before_any_species_is_reported_after_drawing();
    void credits_show_four_plain_boxes_in_order();
    void reopening_after_close_starts_afresh();

private:
    QComboBox* poke() const { return m_window->findChild<QComboBox*>("poke"); }
    QLineEdit* bc() const { return m_window->findChild<QLineEdit*>("bc"); }
    QLineEdit* text2() const { return m_window->findChild<QLineEdit*>("Text2"); }
    void press(const char* button) const;
    void chooseByArrow(const QString& name) const;
    void scriptRoll(int roll);

    ModalWatchdog m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
    std::unique_ptr<CriticalWindow> m_window;
};

void TestCriticalWindow::init()
{
    m_watchdog.reset();
    m_runtime = std::make_unique<TestRuntime>();
    m_window = std::make_unique<CriticalWindow>(*m_runtime);
    m_window->show();
}

void TestCriticalWindow::cleanup()
{
    m_window.reset();
    m_runtime.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestCriticalWindow::press(const char* button) const
{
    auto* control = m_window->findChild<QPushButton*>(button);
    QVERIFY(control);
    QTest::mouseClick(control, Qt::LeftButton);
}

// Steps onto the item from its neighbour with an arrow key, as a user does on the closed list:
// up from the one below, or down onto the last one.
void TestCriticalWindow::chooseByArrow(const QString& name) const
{
    const int index = poke()->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY(index >= 0);
    const bool last = index == poke()->count() - 1;
    poke()->setCurrentIndex(last ? index - 1 : index + 1);
    QTest::keyClick(poke(), last ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(poke()->currentText(), name);
}

// A draw from the middle of the roll's range; the roll it gives is checked before it is used.
void TestCriticalWindow::scriptRoll(int roll)
{
    const float draw = (static_cast<float>(roll) - 0.5f) / 100.0f;
    QCOMPARE(battle::rollOneToHundred(draw), static_cast<float>(roll));
    m_runtime->scriptDraws({draw});
}

void TestCriticalWindow::loading_fills_the_list_in_table_order_and_writes_no_field()
{
    const auto rows = battle::speciesRows();
    QCOMPARE(poke()->count(), 151);
    for (int index = 0; index < poke()->count(); ++index)
        QCOMPARE(poke()->itemText(index).toStdString(), std::string(rows[index].name));
    QCOMPARE(poke()->currentText(), QString("Select Pokémon"));
    QCOMPARE(bc()->text(), QString("Base Critical"));
    QCOMPARE(text2()->text(), QString());
}

void TestCriticalWindow::window_has_its_caption_size_and_fonts()
{
    QCOMPARE(m_window->objectName(), QString("CH"));
    QCOMPARE(m_window->windowTitle(), QString("Critical "));
    QCOMPARE(m_window->size(), QSize(130, 125));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(m_window->isWindow());
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));
    QVERIFY(bc()->isReadOnly());
    QVERIFY(text2()->isReadOnly());
    QCOMPARE(text2()->font().pointSizeF(), 9.75);
    QCOMPARE(bc()->font().pointSizeF(), 8.25);
    QCOMPARE(m_window->findChild<QPushButton*>("Command1")->text(), QString("Attack!"));
    QCOMPARE(m_window->findChild<QPushButton*>("Command2")->text(), QString("Credits"));
}

void TestCriticalWindow::opens_with_focus_on_the_list_and_tabs_in_order()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), poke());

    QStringList visited;
    for (int step = 0; step < 5; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"bc", "Command1", "Text2", "Command2", "poke"}));
}

void TestCriticalWindow::choosing_a_species_writes_its_base_critical_data()
{
    QTest::addColumn<QString>("species");
    QTest::addColumn<QString>("value");

    QTest::newRow("first of the list") << "Bulbasaur"
                                       << "18";
    QTest::newRow("highest value") << "Electrode"
                                   << "37";
    QTest::newRow("lowest value") << "Slowpoke"
                                  << "12";
    QTest::newRow("name with a quote") << "Farfetch'd"
                                       << "21";
}

void TestCriticalWindow::choosing_a_species_writes_its_base_critical()
{
    QFETCH(QString, species);
    QFETCH(QString, value);

    chooseByArrow(species);
    QCOMPARE(bc()->text(), value);
    QCOMPARE(text2()->text(), QString());
}

void TestCriticalWindow::typing_takes_effect_at_each_full_name_on_the_way_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("afterEachLetter");

    const QString none = "Base Critical";
    QTest::newRow("Mew on the way to Mewtwo")
        << "Mewtwo" << QStringList{none, none, "29", "29", "29", "35"};
    QTest::newRow("Pidgeot on the way to Pidgeotto")
        << "Pidgeotto" << QStringList{none, none, none, none, none, none, "28", "28", "24"};
}

void TestCriticalWindow::typing_takes_effect_at_each_full_name_on_the_way()
{
    QFETCH(QString, name);
    QFETCH(QStringList, afterEachLetter);

    poke()->setEditText(QString());
    QStringList seen;
    for (const QChar letter : name) {
        QTest::keyClicks(poke()->lineEdit(), QString(letter));
        seen << bc()->text();
    }
    QCOMPARE(seen, afterEachLetter);
}

void TestCriticalWindow::text_naming_no_species_leaves_the_base_critical_data()
{
    QTest::addColumn<QString>("already");
    QTest::addColumn<QString>("typed");

    QTest::newRow("other case") << ""
                                << "mew";
    QTest::newRow("partial name") << ""
                                  << "Nidoran";
    QTest::newRow("full name and a blank") << "Mew"
                                           << " ";
    QTest::newRow("the prompt") << "Select Pokémo"
                                << "n";
}

void TestCriticalWindow::text_naming_no_species_leaves_the_base_critical()
{
    QFETCH(QString, already);
    QFETCH(QString, typed);

    chooseByArrow("Slowpoke");
    poke()->setEditText(already);
    QTest::keyClicks(poke()->lineEdit(), typed);
    QCOMPARE(poke()->currentText(), already + typed);
    QCOMPARE(bc()->text(), QString("12"));
    QVERIFY(m_runtime->messages().isEmpty());
}

void TestCriticalWindow::typing_neither_completes_nor_adds_to_the_list()
{
    poke()->setEditText(QString());
    QTest::keyClicks(poke()->lineEdit(), "Pika");
    QTest::keyClick(poke()->lineEdit(), Qt::Key_Return);
    QCOMPARE(poke()->currentText(), QString("Pika"));
    QCOMPARE(poke()->count(), 151);
    QCOMPARE(bc()->text(), QString("Base Critical"));
}

void TestCriticalWindow::attack_gives_the_verdict_of_the_roll_data()
{
    QTest::addColumn<QString>("species");
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("Electrode at its value") << "Electrode" << 37 << "Critical Hit!";
    QTest::newRow("Electrode one above") << "Electrode" << 38 << "Normal Damage.";
    QTest::newRow("Slowpoke at its value") << "Slowpoke" << 12 << "Critical Hit!";
    QTest::newRow("Slowpoke one above") << "Slowpoke" << 13 << "Normal Damage.";
    QTest::newRow("100 is never critical") << "Electrode" << 100 << "Normal Damage.";
    QTest::newRow("1 is always critical") << "Slowpoke" << 1 << "Critical Hit!";
}

void TestCriticalWindow::attack_gives_the_verdict_of_the_roll()
{
    QFETCH(QString, species);
    QFETCH(int, roll);
    QFETCH(QString, verdict);

    chooseByArrow(species);
    scriptRoll(roll);
    press("Command1");
    QCOMPARE(text2()->text(), verdict);
    QCOMPARE(m_runtime->drawsUsed(), 1);
    QVERIFY(m_runtime->messages().isEmpty());
}

void TestCriticalWindow::old_verdict_stays_after_a_species_change()
{
    chooseByArrow("Electrode");
    scriptRoll(30);
    press("Command1");
    QCOMPARE(text2()->text(), QString("Critical Hit!"));

    chooseByArrow("Slowpoke");
    QCOMPARE(bc()->text(), QString("12"));
    QCOMPARE(text2()->text(), QString("Critical Hit!"));

    scriptRoll(30);
    press("Command1");
    QCOMPARE(text2()->text(), QString("Normal Damage."));
}

void TestCriticalWindow::attack_before_any_species_is_reported_after_drawing()
{
    press("Command1");
    QCOMPARE(m_runtime->messageTexts(), QStringList{"Choose a Pokémon first."});
    const TestRuntime::Message& message = m_runtime->messages().first();
    QCOMPARE(message.style, Runtime::MessageStyle::Plain);
    QCOMPARE(message.title, QString("Battle Tesh"));
    QCOMPARE(message.over, m_window.get());
    QCOMPARE(text2()->text(), QString());
    QCOMPARE(bc()->text(), QString("Base Critical"));
    QCOMPARE(m_runtime->drawsUsed(), 1);
}

void TestCriticalWindow::credits_show_four_plain_boxes_in_order()
{
    chooseByArrow("Mew");
    press("Command2");
    const QStringList texts = m_runtime->messageTexts();
    QCOMPARE(texts.size(), 4);
    const QStringList roles{"information", "initial programming", "beta testing", "GUI editor"};
    for (int box = 0; box < texts.size(); ++box) {
        const QStringList parts = texts[box].split(" - ");
        QCOMPARE(parts.size(), 2);
        QVERIFY(!parts[0].trimmed().isEmpty());
        QCOMPARE(parts[1], roles[box]);
        const TestRuntime::Message& message = m_runtime->messages().at(box);
        QCOMPARE(message.style, Runtime::MessageStyle::Plain);
        QCOMPARE(message.title, QString("Battle Tesh"));
        QCOMPARE(message.over, m_window.get());
    }
    QCOMPARE(bc()->text(), QString("29"));
    QCOMPARE(m_runtime->drawsUsed(), 0);
}

void TestCriticalWindow::reopening_after_close_starts_afresh()
{
    m_runtime->registerWindow("CH", [this] { return new CriticalWindow(*m_runtime); });
    QWidget* first = m_runtime->showWindow("CH");
    QVERIFY(first);
    auto* firstPoke = first->findChild<QComboBox*>("poke");
    firstPoke->setEditText(QString());
    QTest::keyClicks(firstPoke->lineEdit(), "Onix");
    scriptRoll(1);
    QTest::mouseClick(first->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(first->findChild<QLineEdit*>("Text2")->text(), QString("Critical Hit!"));
    QCOMPARE(m_runtime->showWindow("CH"), first);
    QCOMPARE(first->findChild<QLineEdit*>("bc")->text(), QString("23"));

    first->close();
    QWidget* second = m_runtime->showWindow("CH");
    QVERIFY(second != first);
    QCOMPARE(second->findChild<QComboBox*>("poke")->currentText(), QString("Select Pokémon"));
    QCOMPARE(second->findChild<QLineEdit*>("bc")->text(), QString("Base Critical"));
    QCOMPARE(second->findChild<QLineEdit*>("Text2")->text(), QString());
}

QTEST_MAIN(TestCriticalWindow)
#include "tst_criticalwindow.moc"
