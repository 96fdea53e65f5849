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
    void accepted_texts_give_their_number_data();
    void accepted_texts_give_their_number();
    void rejected_texts_are_no_number_data();
    void rejected_texts_are_no_number();
    void reading_ignores_a_comma_decimal_locale();
    void number_to_text_data();
    void number_to_text();
    void whole_part_rounds_down_data();
    void whole_part_rounds_down();
    void texts_sort_by_character_code();
    void draws_stay_below_one_and_replay_on_every_start();
    void the_largest_draw_still_rolls_one_hundred();
};

void TestConversions::accepted_texts_give_their_number_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << QByteArray("120") << 120.0;
    QTest::newRow("decimal") << QByteArray("99.6") << 99.6;
    QTest::newRow("plus sign") << QByteArray("+5") << 5.0;
    QTest::newRow("minus sign") << QByteArray("-2.5") << -2.5;
    QTest::newRow("leading point") << QByteArray(".5") << 0.5;
    QTest::newRow("trailing point") << QByteArray("5.") << 5.0;
    QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
    QTest::newRow("capital exponent with sign") << QByteArray("2.5E-1") << 0.25;
    QTest::newRow("blanks around") << QByteArray("  42  ") << 42.0;
    QTest::newRow("tab before") << QByteArray("\t7") << 7.0;
    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
}

void TestConversions::accepted_texts_give_their_number()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const std::optional<double> number = textToNumber(text.toStdString());
    QVERIFY(number.has_value());
    QCOMPARE(*number, expected);
}

void TestConversions::rejected_texts_are_no_number_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("one blank") << QByteArray(" ");
    QTest::newRow("two blanks") << QByteArray("  ");
    QTest::newRow("lone minus") << QByteArray("-");
    QTest::newRow("lone plus") << QByteArray("+");
    QTest::newRow("lone point") << QByteArray(".");
    QTest::newRow("exponent without mantissa") << QByteArray("e5");
    QTest::newRow("exponent without digits") << QByteArray("5e");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("digit then letter") << QByteArray("5a");
    QTest::newRow("inf") << QByteArray("inf");
    QTest::newRow("infinity") << QByteArray("-Infinity");
    QTest::newRow("nan") << QByteArray("nan");
    QTest::newRow("hexadecimal") << QByteArray("0x10");
    QTest::newRow("decimal comma") << QByteArray("1,5");
    QTest::newRow("beyond range") << QByteArray("1e999");
    QTest::newRow("beyond range negative") << QByteArray("-1e999");
    QTest::newRow("two signs") << QByteArray("--5");
    QTest::newRow("blank inside") << QByteArray("1 2");
    QTest::newRow("full-width digits") << QByteArray("１２");
    QTest::newRow("two points") << QByteArray("1.2.3");
}

void TestConversions::rejected_texts_are_no_number()
{
    QFETCH(QByteArray, text);
    QVERIFY(!textToNumber(text.toStdString()).has_value());
}

void TestConversions::reading_ignores_a_comma_decimal_locale()
{
    const char* commaLocale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!commaLocale)
        commaLocale = std::setlocale(LC_ALL, "fr_FR.UTF-8");
    const std::optional<double> number = textToNumber("12.5");
    const std::string text = numberToText(12.5);
    std::setlocale(LC_ALL, "C");
    QVERIFY(number.has_value());
    QCOMPARE(*number, 12.5);
    QCOMPARE(text, std::string("12.5"));
}

void TestConversions::number_to_text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("accuracy chance") << 0.674 * 99.6 * 1 << QByteArray("67.1304");
    QTest::newRow("evasion chance") << 1 * 99.6 * 0.284 << QByteArray("28.2864");
    QTest::newRow("both at six") << 0.284 * 99.6 * 0.284 << QByteArray("8.0333376");
    QTest::newRow("fifteen digits") << 643.0 / 6.0 << QByteArray("107.166666666667");
    QTest::newRow("poison of 200") << 200 * 0.063 << QByteArray("12.6");
    QTest::newRow("poison of 255") << 255 * 0.063 << QByteArray("16.065");
    QTest::newRow("whole value has no point") << 120.0 << QByteArray("120");
    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << QByteArray("0");
    QTest::newRow("negative") << -3.5 << QByteArray("-3.5");
    QTest::newRow("16-bit whole") << -32768.0 << QByteArray("-32768");
    QTest::newRow("small fraction") << 0.5 << QByteArray("0.5");
}

void TestConversions::number_to_text()
{
    QFETCH(double, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(numberToText(value)), expected);
}

void TestConversions::whole_part_rounds_down_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("positive") << 2.7 << 2.0;
    QTest::newRow("negative") << -2.3 << -3.0;
    QTest::newRow("whole") << 5.0 << 5.0;
}

void TestConversions::whole_part_rounds_down()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(wholePart(value), expected);
}

void TestConversions::texts_sort_by_character_code()
{
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
}

void TestConversions::the_largest_draw_still_rolls_one_hundred()
{
    const float largest = std::nextafter(1.0f, 0.0f);
    QCOMPARE(rollOneToHundred(largest), 100.0f);
    QCOMPARE(rollOneToHundred(0.0f), 1.0f);
    QCOMPARE(rollOneToHundred(0.5f), 51.0f);
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
