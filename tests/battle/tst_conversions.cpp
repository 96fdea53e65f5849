// SPDX-License-Identifier: MIT
#include "battle/common/Conversions.h"
#include "battle/common/Draw.h"
#include "battle/common/RandomSequence.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace battle;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void text_to_number_data();
    void text_to_number();
    void number_to_text_data();
    void number_to_text();
    void the_desktop_locale_is_in_force();
    void draws_stay_below_one_and_replay_on_every_start();
};

void TestConversions::text_to_number_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected"); // NaN: no number
    const double none = std::numeric_limits<double>::quiet_NaN();
    // clang-format off
    QTest::newRow("decimal")                    << QByteArray("99.6")     << 99.6;
    QTest::newRow("signs")                      << QByteArray("-2.5")     << -2.5;
    QTest::newRow("leading point")              << QByteArray("+.5")      << 0.5;
    QTest::newRow("capital exponent with sign") << QByteArray("2.5E-1")   << 0.25;
    QTest::newRow("blanks and tabs around")     << QByteArray(" \t42  ")  << 42.0;
    QTest::newRow("largest double")   << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("empty")                      << QByteArray("")         << none;
    QTest::newRow("lone minus")                 << QByteArray("-")        << none;
    QTest::newRow("exponent without digits")    << QByteArray("5e")       << none;
    QTest::newRow("digit then letter")          << QByteArray("5a")       << none;
    QTest::newRow("nan")                        << QByteArray("nan")      << none;
    QTest::newRow("decimal comma")              << QByteArray("1,5")      << none;
    QTest::newRow("beyond range")               << QByteArray("1e999")    << none;
    QTest::newRow("full-width digits")          << QByteArray("１２")     << none;
    // clang-format on
}

void TestConversions::text_to_number()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const std::optional<double> number = textToNumber(text.toStdString());
    QCOMPARE(number.has_value(), !std::isnan(expected));
    if (number)
        QCOMPARE(*number, expected);
}

void TestConversions::number_to_text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    // clang-format off
    QTest::newRow("fifteen digits")           << 643.0 / 6.0 << QByteArray("107.166666666667");
    QTest::newRow("poison of 255")            << 255 * 0.063 << QByteArray("16.065");
    QTest::newRow("whole value has no point") << 120.0       << QByteArray("120");
    QTest::newRow("negative zero")            << -0.0        << QByteArray("0");
    QTest::newRow("large whole")              << 1e20        << QByteArray("1e+20");
    // clang-format on
}

void TestConversions::number_to_text()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(numberToText(value)), expected);
}

// The suite also runs under a comma locale (scripts/test.sh); a locale the machine lacks would
// leave C in force and let every figure pass unchecked.
void TestConversions::the_desktop_locale_is_in_force()
{
    const QByteArray wanted = qgetenv("LC_ALL");
    if (wanted.isEmpty())
        QSKIP("LC_ALL is not set");
    QCOMPARE(QByteArray(std::setlocale(LC_ALL, nullptr)), wanted);
}

void TestConversions::draws_stay_below_one_and_replay_on_every_start()
{
    RandomSequence first;
    RandomSequence second;
    double sum = 0;
    for (int i = 0; i < 200000; ++i) {
        const float draw = first.next();
        QVERIFY(draw >= 0.0f && draw < 1.0f);
        QCOMPARE(second.next(), draw);
        sum += draw;
    }
    QVERIFY(std::abs(sum / 200000 - 0.5) < 0.01);
    // Even the largest draw below 1 rolls no more than 100.
    QCOMPARE(rollOneToHundred(std::nextafter(1.0f, 0.0f)), 100.0f);
    QCOMPARE(rollOneToHundred(0.0f), 1.0f);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
