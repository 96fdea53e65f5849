// SPDX-License-Identifier: MIT
#include "battle/AccuracyTable.h"
#include "battle/Draw.h"
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"
#include "windows/accuracy/AccuracyWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestAccuracyWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loading_fills_the_list_in_table_order_and_writes_no_field();
    void window_has_its_caption_size_and_colours();
    void controls_sit_in_their_frames_data();
    void controls_sit_in_their_frames();
    void opens_with_focus_on_work_and_tabs_in_order();

    void fresh_work_shows_the_chance_and_a_verdict_by_the_roll_data();
    void fresh_work_shows_the_chance_and_a_verdict_by_the_roll();
    void base_accuracy_outside_the_rolls_decides_every_press_data();
    void base_accuracy_outside_the_rolls_decides_every_press();
    void a_miss_hides_the_hit_marks_again();
    void base_accuracy_that_is_no_number_is_reported_and_changes_nothing_data();
    void base_accuracy_that_is_no_number_is_reported_and_changes_nothing();

    void plus_accuracy_steps_to_six_and_stays_there();
    void minus_accuracy_on_a_fresh_window_stays_at_zero_and_rewrites_nothing_visible();
    void evasion_multiplier_follows_its_own_table_data();
    void evasion_multiplier_follows_its_own_table();
    void every_press_rewrites_the_multiplier_from_the_counter();
    void counter_rule_bounds_whatever_is_written_data();
    void counter_rule_bounds_whatever_is_written();

    void typed_and_chosen_names_read_their_own_columns_data();
    void typed_and_chosen_names_read_their_own_columns();
    void a_name_takes_effect_on_the_way_to_a_longer_one();
    void text_naming_no_attack_leaves_the_base_accuracy_data();
    void text_naming_no_attack_leaves_the_base_accuracy();
    void typing_neither_completes_nor_adds_to_the_list();
    void adding_items_runs_no_lookup();

    void reopening_after_close_starts_afresh();

private:
    QLineEdit* field(const char* name) const { return m_window->findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) const { return m_window->findChild<QLabel*>(name); }
    QComboBox* moves() const { return m_window->findChild<QComboBox*>("Moves"); }
    void press(const char* button, int times = 1) const;
    void scriptRolls(std::initializer_list<int> rolls);
    bool hitMarksShown() const;
    void chooseByArrow(const QString& name, Qt::Key key) const;

    ModalWatchdog m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
    std::unique_ptr<AccuracyWindow> m_window;
};

void TestAccuracyWindow::init()
{
    m_watchdog.reset();
    m_runtime = std::make_unique<TestRuntime>();
    m_window = std::make_unique<AccuracyWindow>(*m_runtime);
    m_window->show();
}

void TestAccuracyWindow::cleanup()
{
    m_window.reset();
    m_runtime.reset();
    QVERIFY(!m_watchdog.sawDialog());
}

void TestAccuracyWindow::press(const char* button, int times) const
{
    auto* control = m_window->findChild<QPushButton*>(button);
    QVERIFY(control);
    for (int count = 0; count < times; ++count)
        QTest::mouseClick(control, Qt::LeftButton);
}

// A draw from the middle of the roll's range; the roll it gives is checked before it is used.
void TestAccuracyWindow::scriptRolls(std::initializer_list<int> rolls)
{
    for (const int roll : rolls) {
        const float draw = (static_cast<float>(roll) - 0.5f) / 100.0f;
        QCOMPARE(battle::rollOneToHundred(draw), static_cast<float>(roll));
        m_runtime->scriptDraws({draw});
    }
}

bool TestAccuracyWindow::hitMarksShown() const
{
    const bool target = label("b")->isVisibleTo(m_window.get());
    const bool word = label("e")->isVisibleTo(m_window.get());
    if (target != word)
        qWarning("the target picture and BULLSEYE disagree");
    return target && word;
}

// Steps onto the item from its neighbour with an arrow key, as a user does on the closed list.
void TestAccuracyWindow::chooseByArrow(const QString& name, Qt::Key key) const
{
    const int index = moves()->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY(index >= 0);
    moves()->setCurrentIndex(key == Qt::Key_Down ? index - 1 : index + 1);
    QTest::keyClick(moves(), key);
    QCOMPARE(moves()->currentText(), name);
}

void TestAccuracyWindow::loading_fills_the_list_in_table_order_and_writes_no_field()
{
    const auto rows = battle::accuracyRows();
    QCOMPARE(moves()->count(), 165);
    for (int index = 0; index < moves()->count(); ++index)
        QCOMPARE(moves()->itemText(index).toStdString(), std::string(rows[index].name));
    QCOMPARE(moves()->currentText(), QString("Please select a move"));
    QCOMPARE(field("basement")->text(), QString("99.6"));
    QCOMPARE(field("accuracy")->text(), QString("1"));
    QCOMPARE(field("accurcount")->text(), QString("0"));
    QCOMPARE(field("evade")->text(), QString("1"));
    QCOMPARE(field("evadecount")->text(), QString("0"));
    QCOMPARE(field("Chance")->text(), QString());
    QCOMPARE(label("HM")->text(), QString());
    QVERIFY(label("b")->isHidden());
    QVERIFY(label("e")->isHidden());
    QCOMPARE(m_runtime->drawsUsed(), 0);
}

void TestAccuracyWindow::window_has_its_caption_size_and_colours()
{
    QCOMPARE(m_window->objectName(), QString("Acc"));
    QCOMPARE(m_window->windowTitle(), QString("Accuracy Tesh"));
    QCOMPARE(m_window->size(), QSize(346, 282));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(m_window->isWindow());
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));

    QCOMPARE(label("Label2")->text(),
             QString("Base accuracy (it is not suggested you change this  yourself!)"));
    QCOMPARE(label("Label7")->text(), QString("Accuracy  changer"));
    QVERIFY(!label("Label5")->text().isEmpty());

    for (const char* name : {"accuracy", "accurcount", "evade", "evadecount", "Chance"})
        QVERIFY2(field(name)->isReadOnly(), name);
    QVERIFY(!field("basement")->isReadOnly());

    const QPalette chance = field("Chance")->palette();
    QCOMPARE(chance.color(QPalette::Text), QColor(255, 128, 0));
    QCOMPARE(chance.color(QPalette::Base), QColor(Qt::white));

    const QFont verdict = label("HM")->font();
    QCOMPARE(verdict.family(), QString("Arial"));
    QVERIFY(verdict.bold());
    QCOMPARE(verdict.pointSizeF(), 8.25);
    QCOMPARE(label("HM")->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(label("HM")->autoFillBackground());
    QCOMPARE(label("e")->text(), QString("BULLSEYE"));
    QCOMPARE(label("e")->font().pointSizeF(), 9.75);
    QCOMPARE(label("b")->pixmap().size(), QSize(32, 32));
}

void TestAccuracyWindow::controls_sit_in_their_frames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("inWindow");

    QTest::newRow("Moves in the input frame") << "Moves"
                                              << "Frame3" << QRect(24, 24, 137, 21);
    QTest::newRow("accurcount in the accuracy group") << "accurcount"
                                                      << "Frame4" << QRect(112, 176, 65, 19);
    QTest::newRow("evadecount in the evasion group") << "evadecount"
                                                     << "Frame5" << QRect(112, 256, 65, 19);
    QTest::newRow("HM in the output frame") << "HM"
                                            << "Frame2" << QRect(224, 88, 73, 17);
    QTest::newRow("target on the window") << "b"
                                          << "Acc" << QRect(248, 168, 32, 32);
    QTest::newRow("acknowledgement on the window") << "Label5"
                                                   << "Acc" << QRect(192, 240, 153, 41);
}

void TestAccuracyWindow::controls_sit_in_their_frames()
{
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QRect, inWindow);

    auto* control = m_window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), frame);
    QCOMPARE(QRect(control->mapTo(m_window.get(), QPoint(0, 0)), control->size()), inWindow);
}

void TestAccuracyWindow::opens_with_focus_on_work_and_tabs_in_order()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Work"));

    QStringList visited;
    for (int step = 0; step < 12; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        if (qobject_cast<QComboBox*>(focused->parentWidget()))
            focused = focused->parentWidget();
        visited << focused->objectName();
    }
    QCOMPARE(visited,
             QStringList({"Chance", "Moves", "basement", "accuracy", "plusaccur", "minusaccur",
                          "accurcount", "evade", "plusevade", "minusevade", "evadecount", "Work"}));
}

void TestAccuracyWindow::fresh_work_shows_the_chance_and_a_verdict_by_the_roll_data()
{
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("lowest roll hits") << 1 << "HIT";
    QTest::newRow("99 still hits 99.6") << 99 << "HIT";
    QTest::newRow("100 misses 99.6") << 100 << "MISS";
}

void TestAccuracyWindow::fresh_work_shows_the_chance_and_a_verdict_by_the_roll()
{
    QFETCH(int, roll);
    QFETCH(QString, verdict);

    scriptRolls({roll});
    press("Work");
    QCOMPARE(field("Chance")->text(), QString("99.6"));
    QCOMPARE(label("HM")->text(), verdict);
    QCOMPARE(hitMarksShown(), verdict == "HIT");
    QCOMPARE(m_runtime->drawsUsed(), 1);
}

void TestAccuracyWindow::base_accuracy_outside_the_rolls_decides_every_press_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("100 always hits") << "100"
                                     << "HIT";
    QTest::newRow("0.5 always misses") << "0.5"
                                       << "MISS";
}

void TestAccuracyWindow::base_accuracy_outside_the_rolls_decides_every_press()
{
    QFETCH(QString, base);
    QFETCH(QString, verdict);

    field("basement")->setText(base);
    for (const int roll : {1, 2, 50, 99, 100}) {
        scriptRolls({roll});
        press("Work");
        QCOMPARE(field("Chance")->text(), base);
        QVERIFY2(label("HM")->text() == verdict, qPrintable(QString("roll %1").arg(roll)));
    }
    QCOMPARE(m_runtime->drawsUsed(), 5);
}

void TestAccuracyWindow::a_miss_hides_the_hit_marks_again()
{
    scriptRolls({1, 100});
    press("Work");
    QCOMPARE(label("HM")->text(), QString("HIT"));
    QVERIFY(hitMarksShown());
    QVERIFY(label("b")->isVisible());

    press("Work");
    QCOMPARE(label("HM")->text(), QString("MISS"));
    QVERIFY(label("b")->isHidden());
    QVERIFY(label("e")->isHidden());
}

void TestAccuracyWindow::base_accuracy_that_is_no_number_is_reported_and_changes_nothing_data()
{
    QTest::addColumn<QString>("base");

    QTest::newRow("empty") << "";
    QTest::newRow("lone minus sign") << "-";
    QTest::newRow("letters") << "abc";
}

void TestAccuracyWindow::base_accuracy_that_is_no_number_is_reported_and_changes_nothing()
{
    QFETCH(QString, base);

    scriptRolls({1});
    press("Work");
    QVERIFY(hitMarksShown());

    field("basement")->setText(base);
    press("Work");
    QCOMPARE(m_runtime->messageTexts(), QStringList{"Enter the base accuracy as a number."});
    const TestRuntime::Message& message = m_runtime->messages().first();
    QCOMPARE(message.style, Runtime::MessageStyle::Plain);
    QCOMPARE(message.title, QString("Battle Tesh"));
    QCOMPARE(message.over, m_window.get());
    QCOMPARE(field("Chance")->text(), QString("99.6"));
    QCOMPARE(label("HM")->text(), QString("HIT"));
    QVERIFY(hitMarksShown());
    QCOMPARE(field("basement")->text(), base);
    QCOMPARE(m_runtime->drawsUsed(), 1);
}

void TestAccuracyWindow::plus_accuracy_steps_to_six_and_stays_there()
{
    const QStringList counters{"1", "2", "3", "4", "5", "6", "6"};
    const QStringList multipliers{"0.674", "0.533", "0.427", "0.404", "0.329", "0.284", "0.284"};
    for (int step = 0; step < counters.size(); ++step) {
        press("plusaccur");
        QCOMPARE(field("accurcount")->text(), counters[step]);
        QCOMPARE(field("accuracy")->text(), multipliers[step]);
    }
    QCOMPARE(field("evade")->text(), QString("1"));
    QCOMPARE(field("evadecount")->text(), QString("0"));
}

void TestAccuracyWindow::
    minus_accuracy_on_a_fresh_window_stays_at_zero_and_rewrites_nothing_visible()
{
    QSignalSpy counterChanges(field("accurcount"), &QLineEdit::textChanged);
    QSignalSpy multiplierChanges(field("accuracy"), &QLineEdit::textChanged);
    press("minusaccur");
    QCOMPARE(field("accurcount")->text(), QString("0"));
    QCOMPARE(field("accuracy")->text(), QString("1"));
    // "-1" is written, and the rule turns it back into "0"; "1" again is no change at all.
    // (The spy, connected after the window, sees the nested "0" before the outer "-1".)
    QCOMPARE(counterChanges.count(), 2);
    QCOMPARE(counterChanges.at(1).at(0).toString(), QString("-1"));
    QCOMPARE(multiplierChanges.count(), 0);
}

void TestAccuracyWindow::evasion_multiplier_follows_its_own_table_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("evade");

    QTest::newRow("one increaser") << 1 << "0.659";
    QTest::newRow("two increasers") << 2 << "0.5";
    QTest::newRow("three increasers") << 3 << "0.442";
    QTest::newRow("four increasers, as accuracy") << 4 << "0.404";
}

void TestAccuracyWindow::evasion_multiplier_follows_its_own_table()
{
    QFETCH(int, presses);
    QFETCH(QString, evade);

    press("plusevade", presses);
    QCOMPARE(field("evadecount")->text(), QString::number(presses));
    QCOMPARE(field("evade")->text(), evade);
    QCOMPARE(field("accuracy")->text(), QString("1"));

    press("minusevade", presses);
    QCOMPARE(field("evadecount")->text(), QString("0"));
    QCOMPARE(field("evade")->text(), QString("1"));
}

void TestAccuracyWindow::every_press_rewrites_the_multiplier_from_the_counter()
{
    press("plusaccur", 6);
    field("accuracy")->setText("stale");
    press("plusaccur");
    QCOMPARE(field("accuracy")->text(), QString("0.284"));

    field("evade")->setText("stale");
    press("minusevade");
    QCOMPARE(field("evade")->text(), QString("1"));
}

void TestAccuracyWindow::counter_rule_bounds_whatever_is_written_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("kept");

    QTest::newRow("above six") << "9"
                               << "6";
    QTest::newRow("just above six") << "6.5"
                                    << "6";
    QTest::newRow("negative") << "-2"
                              << "0";
    QTest::newRow("fraction below one") << "0.5"
                                        << "0";
    QTest::newRow("within range") << "3"
                                  << "3";
    QTest::newRow("fraction within range") << "2.5"
                                           << "2.5";
}

void TestAccuracyWindow::counter_rule_bounds_whatever_is_written()
{
    QFETCH(QString, written);
    QFETCH(QString, kept);

    for (const char* counter : {"accurcount", "evadecount"}) {
        field(counter)->setText(written);
        QCOMPARE(field(counter)->text(), kept);
    }
}

void TestAccuracyWindow::typed_and_chosen_names_read_their_own_columns_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("base");

    QTest::newRow("Smog typed") << "Smog" << true << "65.5";
    QTest::newRow("Smog chosen") << "Smog" << false << "69.5";
    QTest::newRow("Thunder typed") << "Thunder" << true << "65.5";
    QTest::newRow("Thunder chosen") << "Thunder" << false << "69.5";
    QTest::newRow("Fissure typed") << "Fissure" << true << "29.7";
    QTest::newRow("Egg Bomb chosen") << "Egg Bomb" << false << "74.9";
    QTest::newRow("Swift chosen") << "Swift" << false << "99.6";
}

void TestAccuracyWindow::typed_and_chosen_names_read_their_own_columns()
{
    QFETCH(QString, name);
    QFETCH(bool, typed);
    QFETCH(QString, base);

    field("basement")->setText("0");
    if (typed) {
        moves()->setEditText(QString());
        QTest::keyClicks(moves()->lineEdit(), name);
    } else {
        chooseByArrow(name, Qt::Key_Down);
    }
    QCOMPARE(field("basement")->text(), base);
}

void TestAccuracyWindow::a_name_takes_effect_on_the_way_to_a_longer_one()
{
    field("basement")->setText("0");
    moves()->setEditText(QString());
    QTest::keyClicks(moves()->lineEdit(), "Aci");
    QCOMPARE(field("basement")->text(), QString("0"));
    QTest::keyClicks(moves()->lineEdit(), "d");
    QCOMPARE(moves()->currentText(), QString("Acid"));
    QCOMPARE(field("basement")->text(), QString("99.6"));

    field("basement")->setText("0");
    QTest::keyClicks(moves()->lineEdit(), " Armo");
    QCOMPARE(field("basement")->text(), QString("0"));
    QTest::keyClicks(moves()->lineEdit(), "r");
    QCOMPARE(field("basement")->text(), QString("99.6"));
}

void TestAccuracyWindow::text_naming_no_attack_leaves_the_base_accuracy_data()
{
    QTest::addColumn<QString>("already");
    QTest::addColumn<QString>("typed");

    QTest::newRow("other case") << ""
                                << "smog";
    QTest::newRow("trailing blank") << "Smog"
                                    << " ";
    QTest::newRow("partial name") << ""
                                  << "Thunde";
    QTest::newRow("the prompt") << "Please select a mov"
                                << "e";
}

void TestAccuracyWindow::text_naming_no_attack_leaves_the_base_accuracy()
{
    QFETCH(QString, already);
    QFETCH(QString, typed);

    field("basement")->setText("42");
    moves()->setEditText(already);
    QTest::keyClicks(moves()->lineEdit(), typed);
    QCOMPARE(moves()->currentText(), already + typed);
    QCOMPARE(field("basement")->text(), QString("42"));
    QVERIFY(m_runtime->messages().isEmpty());
}

void TestAccuracyWindow::typing_neither_completes_nor_adds_to_the_list()
{
    moves()->setEditText(QString());
    QTest::keyClicks(moves()->lineEdit(), "Smo");
    QCOMPARE(moves()->currentText(), QString("Smo"));
    QTest::keyClick(moves()->lineEdit(), Qt::Key_Return);
    QCOMPARE(moves()->currentText(), QString("Smo"));
    QCOMPARE(moves()->count(), 165);
    QCOMPARE(field("basement")->text(), QString("99.6"));

    // Enter on a typed name is no choice from the list: the typed column stays.
    QTest::keyClicks(moves()->lineEdit(), "g");
    QTest::keyClick(moves()->lineEdit(), Qt::Key_Return);
    QCOMPARE(field("basement")->text(), QString("65.5"));
    QCOMPARE(moves()->count(), 165);
}

void TestAccuracyWindow::adding_items_runs_no_lookup()
{
    moves()->clear();
    field("basement")->setText("42");
    moves()->addItem("Smog"); // the first item of an empty list becomes the current one
    moves()->addItem("Thunder");
    QCOMPARE(field("basement")->text(), QString("42"));
}

void TestAccuracyWindow::reopening_after_close_starts_afresh()
{
    m_runtime->registerWindow("Acc", [this] { return new AccuracyWindow(*m_runtime); });
    QWidget* first = m_runtime->showWindow("Acc");
    QVERIFY(first);
    first->findChild<QLineEdit*>("basement")->setText("12");
    QTest::mouseClick(first->findChild<QPushButton*>("plusevade"), Qt::LeftButton);
    QCOMPARE(m_runtime->showWindow("Acc"), first);
    QCOMPARE(first->findChild<QLineEdit*>("evadecount")->text(), QString("1"));

    first->close();
    QWidget* second = m_runtime->showWindow("Acc");
    QVERIFY(second != first);
    QCOMPARE(second->findChild<QLineEdit*>("basement")->text(), QString("99.6"));
    QCOMPARE(second->findChild<QLineEdit*>("evadecount")->text(), QString("0"));
    QCOMPARE(second->findChild<QLineEdit*>("evade")->text(), QString("1"));
    QCOMPARE(second->findChild<QComboBox*>("Moves")->currentText(),
             QString("Please select a move"));
}

QTEST_MAIN(TestAccuracyWindow)
#include "tst_accuracywindow.moc"
