// SPDX-License-Identifier: MIT
#include "WindowFixture.h"

#include "battle/AccuracyTable.h"
#include "windows/accuracy/AccuracyWindow.h"

#include <QSignalSpy>

using namespace fixture;

class TestAccuracyWindow : public WindowTest<AccuracyWindow> {
    Q_OBJECT

private slots:
    void init()
    {
        open();
        window()->show();
    }
    void cleanup() { close(); }

    void loading_fills_the_list_and_writes_no_field();
    void work_decides_by_the_roll_data();
    void work_decides_by_the_roll();
    void minus_accuracy_on_a_fresh_window_rewrites_nothing_visible();
    void counters_data();
    void counters();
    void typed_and_chosen_names_read_their_own_columns();
    void a_name_takes_effect_on_the_way_to_a_longer_one();
    void text_naming_no_attack_leaves_the_base_accuracy();
    void adding_items_runs_no_lookup();

private:
    QComboBox* moves() const { return find<QComboBox>(window(), "Moves"); }
    QStringList texts(const QStringList& names) const
    {
        QStringList shown;
        for (const QString& name : names)
            shown << text(window(), name);
        return shown;
    }
    // Accuracy multiplier and counter, then evasion's.
    QStringList counterTexts() const
    {
        return texts({"accuracy", "accurcount", "evade", "evadecount"});
    }
    // The verdict, with "+marks" when the target picture and BULLSEYE show.
    QString verdict() const
    {
        const bool target = find(window(), "b")->isVisibleTo(window());
        const bool word = find(window(), "e")->isVisibleTo(window());
        return text(window(), "HM") + (target ? "+target" : "") + (word ? "+word" : "");
    }
};

void TestAccuracyWindow::loading_fills_the_list_and_writes_no_field()
{
    QStringList names;
    for (const battle::AccuracyRow& row : battle::accuracyRows())
        names << QString::fromUtf8(row.name);
    QCOMPARE(items(moves()), names);
    QCOMPARE(text(window(), "Moves"), "Please select a move");
    QCOMPARE(counterTexts(), QStringList({"1", "0", "1", "0"}));
    QCOMPARE(texts({"basement", "Chance"}), QStringList({"99.6", ""}));
    QCOMPARE(verdict(), "");
    QCOMPARE(window()->windowTitle(), "Accuracy Tesh");
    QCOMPARE(window()->size(), QSize(346, 282));
    QCOMPARE(window()->minimumSize(), window()->maximumSize());
    QCOMPARE(find(window(), "Label5")->geometry(), QRect(192, 240, 153, 41));
}

// Each row follows a first press that hits on the fresh window, so a miss must hide the marks.
void TestAccuracyWindow::work_decides_by_the_roll_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("chance");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("message");
    const QString hit = "HIT+target+word";
    const QString notNumber = "Enter the base accuracy as a number.";
    // clang-format off
    QTest::newRow("fresh 99.6 hits on 99")   << "99.6" << 99  << "99.6" << hit    << "";
    QTest::newRow("fresh 99.6 misses on 100") << "99.6" << 100 << "99.6" << "MISS" << "";
    QTest::newRow("100 hits on 100")         << "100"  << 100 << "100"  << hit    << "";
    QTest::newRow("0.5 misses on 1")         << "0.5"  << 1   << "0.5"  << "MISS" << "";
    QTest::newRow("empty base changes nothing") << ""  << 100 << "99.6" << hit    << notNumber;
    QTest::newRow("minus alone changes nothing") << "-" << 100 << "99.6" << hit   << notNumber;
    QTest::newRow("letters change nothing")  << "abc"  << 100 << "99.6" << hit    << notNumber;
    // clang-format on
}

void TestAccuracyWindow::work_decides_by_the_roll()
{
    QFETCH(QString, base);
    QFETCH(int, roll);
    QFETCH(QString, chance);
    QFETCH(QString, verdict);
    QFETCH(QString, message);
    scriptRolls(runtime(), {1, roll});
    click(window(), "Work");
    QCOMPARE(this->verdict(), "HIT+target+word");
    write(window(), "basement", base);
    click(window(), "Work");
    QCOMPARE(text(window(), "Chance"), chance);
    QCOMPARE(this->verdict(), verdict);
    QCOMPARE(text(window(), "basement"), base);
    QCOMPARE(runtime().messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(runtime().drawsUsed(), message.isEmpty() ? 2 : 1);
    if (!message.isEmpty())
        QCOMPARE(runtime().messages().first().style, Runtime::MessageStyle::Plain);
}

void TestAccuracyWindow::minus_accuracy_on_a_fresh_window_rewrites_nothing_visible()
{
    QSignalSpy counterChanges(find<QLineEdit>(window(), "accurcount"), &QLineEdit::textChanged);
    QSignalSpy multiplierChanges(find<QLineEdit>(window(), "accuracy"), &QLineEdit::textChanged);
    click(window(), "minusaccur");
    QCOMPARE(counterTexts(), QStringList({"1", "0", "1", "0"}));
    // "-1" is written and the rule turns it back into "0" (the spy, connected after the window,
    // sees the nested "0" first); "1" again is no change at all.
    QCOMPARE(counterChanges.count(), 2);
    QCOMPARE(counterChanges.at(1).at(0).toString(), "-1");
    QCOMPARE(multiplierChanges.count(), 0);
}

// Counters written first, then one press (or none); shows each multiplier with its counter.
void TestAccuracyWindow::counters_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown");
    // clang-format off
    QTest::newRow("accuracy 0 to 1")            << QStringList{"accurcount=0"} << "plusaccur"  << QStringList{"0.674", "1", "1", "0"};
    QTest::newRow("accuracy 1 to 2")            << QStringList{"accurcount=1"} << "plusaccur"  << QStringList{"0.533", "2", "1", "0"};
    QTest::newRow("accuracy 2 to 3")            << QStringList{"accurcount=2"} << "plusaccur"  << QStringList{"0.427", "3", "1", "0"};
    QTest::newRow("accuracy 3 to 4")            << QStringList{"accurcount=3"} << "plusaccur"  << QStringList{"0.404", "4", "1", "0"};
    QTest::newRow("accuracy 4 to 5")            << QStringList{"accurcount=4"} << "plusaccur"  << QStringList{"0.329", "5", "1", "0"};
    QTest::newRow("accuracy 5 to 6")            << QStringList{"accurcount=5"} << "plusaccur"  << QStringList{"0.284", "6", "1", "0"};
    QTest::newRow("accuracy stays at 6")        << QStringList{"accurcount=6"} << "plusaccur"  << QStringList{"0.284", "6", "1", "0"};
    QTest::newRow("evasion 1 to 2")             << QStringList{"evadecount=1"} << "plusevade"  << QStringList{"1", "0", "0.5", "2"};
    QTest::newRow("evasion rewrites stale")     << QStringList{"evadecount=2", "evade=stale"} << "plusevade" << QStringList{"1", "0", "0.442", "3"};
    QTest::newRow("evasion 1 down to 0")        << QStringList{"evadecount=1"} << "minusevade" << QStringList{"1", "0", "1", "0"};
    QTest::newRow("evasion stays at 0")         << QStringList{"evadecount=0"} << "minusevade" << QStringList{"1", "0", "1", "0"};
    QTest::newRow("written 9 falls to 6")       << QStringList{"accurcount=9", "evadecount=9"}     << "" << QStringList{"1", "6", "1", "6"};
    QTest::newRow("written -2 rises to 0")      << QStringList{"accurcount=-2", "evadecount=-2"}   << "" << QStringList{"1", "0", "1", "0"};
    QTest::newRow("written fraction stays")     << QStringList{"accurcount=2.5", "evadecount=2.5"} << "" << QStringList{"1", "2.5", "1", "2.5"};
    // clang-format on
}

void TestAccuracyWindow::counters()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    write(window(), entries);
    if (!button.isEmpty())
        click(window(), button);
    QCOMPARE(counterTexts(), shown);
}

void TestAccuracyWindow::typed_and_chosen_names_read_their_own_columns()
{
    retype(moves(), "Smog");
    QCOMPARE(text(window(), "basement"), "65.5");
    QTest::keyClick(moves()->lineEdit(), Qt::Key_Return); // Enter on typed text is no choice
    QCOMPARE(text(window(), "basement"), "65.5");
    QCOMPARE(moves()->count(), 165);
    choose(moves(), "Smog");
    QCOMPARE(text(window(), "basement"), "69.5");
    choose(moves(), "Egg Bomb");
    QCOMPARE(text(window(), "basement"), "74.9");
}

void TestAccuracyWindow::a_name_takes_effect_on_the_way_to_a_longer_one()
{
    QStringList seen;
    moves()->setEditText(QString());
    for (const QChar letter : QString("Acid Armor")) {
        write(window(), "basement", "0");
        QTest::keyClicks(moves()->lineEdit(), QString(letter));
        seen << text(window(), "basement");
    }
    QCOMPARE(seen, QStringList({"0", "0", "0", "99.6", "0", "0", "0", "0", "0", "99.6"}));
}

void TestAccuracyWindow::text_naming_no_attack_leaves_the_base_accuracy()
{
    write(window(), "basement", "42");
    const std::pair<QString, QString> texts[] = {
        {"", "smog"}, {"Smog", " "}, {"", "Thunde"}, {"Please select a mov", "e"}};
    for (const auto& [already, typed] : texts) {
        moves()->setEditText(already);
        QTest::keyClicks(moves()->lineEdit(), typed);
        QCOMPARE(text(window(), "Moves"), already + typed);
        QCOMPARE(text(window(), "basement"), "42");
    }
    QVERIFY(runtime().messages().isEmpty());
}

void TestAccuracyWindow::adding_items_runs_no_lookup()
{
    moves()->clear();
    write(window(), "basement", "42");
    moves()->addItem("Smog"); // the first item of an empty list becomes the current one
    moves()->addItem("Thunder");
    QCOMPARE(text(window(), "basement"), "42");
}

QTEST_MAIN(TestAccuracyWindow)
#include "tst_accuracywindow.moc"
