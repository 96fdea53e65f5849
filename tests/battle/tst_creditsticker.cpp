// SPDX-License-Identifier: MIT
#include "battle/CreditsTicker.h"

#include <QTest>

#include <string>

class TestCreditsTicker : public QObject {
    Q_OBJECT

private slots:
    void each_caption_leads_to_its_next_line_data();
    void each_caption_leads_to_its_next_line();
    void eight_lines_each_name_a_role_after_a_spaced_hyphen();
    void the_plans_line_reads_exactly();
};

void TestCreditsTicker::each_caption_leads_to_its_next_line_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("next");
    const auto line = [](int number) {
        return QString::fromUtf8(battle::creditLines.at(number - 1));
    };
    QTest::newRow("empty caption starts at line 1") << QString() << line(1);
    for (int k = 1; k <= 7; ++k)
        QTest::addRow("line %d moves to line %d", k, k + 1) << line(k) << line(k + 1);
    QTest::newRow("line 8 wraps to line 1") << line(8) << line(1);
    QTest::newRow("a caption that is no line stays") << QString("Hello") << QString("Hello");
    QTest::newRow("line 1 with a trailing blank is no line")
        << line(1) + QLatin1Char(' ') << line(1) + QLatin1Char(' ');
}

void TestCreditsTicker::each_caption_leads_to_its_next_line()
{
    QFETCH(QString, current);
    QFETCH(QString, next);
    QCOMPARE(QString::fromStdString(battle::nextCreditLine(current.toStdString())), next);
}

void TestCreditsTicker::eight_lines_each_name_a_role_after_a_spaced_hyphen()
{
    for (std::string_view line : battle::creditLines) {
        QVERIFY2(line.find(" - ") != std::string_view::npos, line.data());
        QVERIFY(line.find(" - ") > 0);
    }
    QVERIFY(battle::creditLines.back().find("2000") != std::string_view::npos);
}

void TestCreditsTicker::the_plans_line_reads_exactly()
{
    QCOMPARE(QString::fromUtf8(battle::creditLines.at(6)),
             QString("Things to be added later - Greatly Changed Stat Support, Combination of CH "
                     "Finder, Accuracy, and Main Window, Integrated Notes and Status Changer, "
                     "Metronome"));
}

QTEST_GUILESS_MAIN(TestCreditsTicker)
#include "tst_creditsticker.moc"
