// SPDX-License-Identifier: MIT
#include "battle/Conversions.h"
#include "battle/Draw.h"
#include "battle/RandomSequence.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

using namespace battle;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void text_to_number_data();
    void text_to_number();
    void the_desktop_locale_is_in_force();
    void number_to_text_data();
    void number_to_text();
    void whole_part_rounds_down_and_texts_sort_by_code();
    void draws_stay_below_one_and_replay_on_every_start();
};

void TestConversions::text_to_number_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("expected");
    const double largest = std::numeric_limits<double>::max();
    // clang-format off
    QTest::newRow("whole")                      << QByteArray("120")      << true  << 120.0;
    QTest::newRow("decimal")                    << QByteArray("99.6")     << true  << 99.6;
    QTest::newRow("plus sign")                  << QByteArray("+5")       << true  << 5.0;
    QTest::newRow("minus sign")                 << QByteArray("-2.5")     << true  << -2.5;
    QTest::newRow("leading point")              << QByteArray(".5")       << true  << 0.5;
    QTest::newRow("trailing point")             << QByteArray("5.")       << true  << 5.0;
    QTest::newRow("exponent")                   << QByteArray("1e3")      << true  << 1000.0;
    QTest::newRow("capital exponent with sign") << QByteArray("2.5E-1")   << true  << 0.25;
    QTest::newRow("blanks around")              << QByteArray("  42  ")   << true  << 42.0;
    QTest::newRow("tab before")                 << QByteArray("\t7")      << true  << 7.0;
    QTest::newRow("largest double")  << QByteArray("1.7976931348623157e308") << true << largest;
    QTest::newRow("empty")                      << QByteArray("")         << false << 0.0;
    QTest::newRow("one blank")                  << QByteArray(" ")        << false << 0.0;
    QTest::newRow("lone minus")                 << QByteArray("-")        << false << 0.0;
    QTest::newRow("exponent without digits")    << QByteArray("5e")       << false << 0.0;
    QTest::newRow("letters")                    << QByteArray("abc")      << false << 0.0;
    QTest::newRow("digit then letter")          << QByteArray("5a")       << false << 0.0;
    QTest::newRow("inf")                        << QByteArray("inf")      << false << 0.0;
    QTest::newRow("nan")                        << QByteArray("nan")      << false << 0.0;
    QTest::newRow("hexadecimal")                << QByteArray("0x10")     << false << 0.0;
    QTest::newRow("decimal comma")              << QByteArray("1,5")      << false << 0.0;
    QTest::newRow("beyond range")               << QByteArray("1e999")    << false << 0.0;
    QTest::newRow("two signs")                  << QByteArray("--5")      << false << 0.0;
    QTest::newRow("blank inside")               << QByteArray("1 2")      << false << 0.0;
    QTest::newRow("full-width digits")          << QByteArray("１２")     << false << 0.0;
    QTest::newRow("two points")                 << QByteArray("1.2.3")    << false << 0.0;
    // clang-format on
}

void TestConversions::text_to_number()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, isNumber);
    QFETCH(double, expected);
    const std::optional<double> number = textToNumber(text.toStdString());
    QCOMPARE(number.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*number, expected);
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

void TestConversions::number_to_text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    // clang-format off
    QTest::newRow("fifteen digits")           << 643.0 / 6.0 << QByteArray("107.166666666667");
    QTest::newRow("poison of 255")            << 255 * 0.063 << QByteArray("16.065");
    QTest::newRow("whole value has no point") << 120.0       << QByteArray("120");
    QTest::newRow("negative zero")            << -0.0        << QByteArray("0");
    QTest::newRow("negative")                 << -3.5        << QByteArray("-3.5");
    QTest::newRow("16-bit whole")             << -32768.0    << QByteArray("-32768");
    // clang-format on
}

void TestConversions::number_to_text()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(numberToText(value)), expected);
}

void TestConversions::whole_part_rounds_down_and_texts_sort_by_code()
{
    QCOMPARE(wholePart(2.7), 2.0);
    QCOMPARE(wholePart(-2.3), -3.0);
    QVERIFY(compareTexts("Z", "a") < 0);
    QVERIFY(compareTexts("Mew", "Mewtwo") < 0);
    QVERIFY(compareTexts("za", "z") > 0);
    QCOMPARE(compareTexts("Smog", "Smog"), 0);
    QVERIFY(compareTexts("\xC3\xA9", "z") > 0); // é sorts after every ASCII letter
}

void TestConversions::draws_stay_below_one_and_replay_on_every_start()
{
    RandomSequence first;
    RandomSequence second;
    std::vector<float> firstDraws;
    double sum = 0;
    for (int i = 0; i < 200000; ++i) {
        const float draw = first.next();
        QVERIFY(draw >= 0.0f && draw < 1.0f);
        QCOMPARE(second.next(), draw);
        sum += draw;
        if (i < 10)
            firstDraws.push_back(draw);
    }
    QVERIFY(std::abs(sum / 200000 - 0.5) < 0.01);
    RandomSequence restarted;
    for (float draw : firstDraws)
        QCOMPARE(restarted.next(), draw);
    // Even the largest draw below 1 rolls no more than 100.
    QCOMPARE(rollOneToHundred(std::nextafter(1.0f, 0.0f)), 100.0f);
    QCOMPARE(rollOneToHundred(0.0f), 1.0f);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
