// SPDX-License-Identifier: MIT
#include "battle/CreditsTicker.h"

#include <QTest>

class TestCreditsTicker : public QObject {
    Q_OBJECT

private slots:
    void each_caption_leads_to_its_next_line_data();
    void each_caption_leads_to_its_next_line();
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
    QTest::newRow("line 1 with a trailing blank is no line") << line(1) + ' ' << line(1) + ' ';
}

void TestCreditsTicker::each_caption_leads_to_its_next_line()
{
    QFETCH(QString, current);
    QFETCH(QString, next);
    QCOMPARE(QString::fromStdString(battle::nextCreditLine(current.toStdString())), next);
}

QTEST_GUILESS_MAIN(TestCreditsTicker)
#include "tst_creditsticker.moc"
