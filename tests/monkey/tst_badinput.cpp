// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "runtime/TestRuntime.h"
#include "support/ModalWatchdog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <iterator>
#include <memory>

namespace {

struct Hostile {
    const char* row;
    QString text;
    bool refusedWhileTyped; // starts with a lower-case letter: the main window empties the field
};

const Hostile hostileTexts[] = {
    {"empty", "", false},
    {"one blank", " ", false},
    {"two blanks", "  ", false},
    {"lone minus", "-", false},
    {"lone plus", "+", false},
    {"lone point", ".", false},
    {"exponent without digits", "e5", true},
    {"beyond a double", "1e999", false},
    {"below a double", "-1e999", false},
    {"nan", "nan", true},
    {"inf", "inf", true},
    {"hexadecimal", "0x10", false},
    {"decimal comma", "1,5", false},
    {"full-width digits", "１２", false},
    {"ten thousand digits", QString(10000, u'9'), false},
    {"ten thousand letters", QString(10000, u'x'), true},
};

// The worked example every main window row starts from: 107, 216 and 12.6 when left alone.
// A first Work with a stronger attacker and more hit points fills the outputs, so that a row
// which writes nothing is told apart from one which writes empty texts.
const std::pair<const char*, const char*> example[] = {
    {"attack", "100"}, {"level", "50"}, {"basepower", "80"}, {"defense", "90"}, {"DHP", "200"}};
const std::pair<const char*, const char*> primer[] = {{"attack", "300"}, {"DHP", "255"}};
const QStringList exampleFigures{"107", "216", "12.6"};
const QStringList primedFigures{"315", "643", "16.065"};
const QStringList figureFields{"damagedealt", "critical", "poison"};

struct NumberField {
    const char* name;
    const char* typingMessage;
    const char* noNumberMessage;
};

const NumberField numberFields[] = {
    {"attack", "Enter Number Only.", "Pokémon's Attack Stat must be a number."},
    {"level", "Enter Number Only.", "Pokémon Level must be a number."},
    {"basepower", "Enter Number Only.", "Base Damage must be a number."},
    {"defense", "Enter Numbers Only.", "Pokémon's Defense Stat must be a number."},
    {"DHP", "Enter Numbers Only.", "Pokémon HP must be a number."},
};

// A tool's one read field, its button, what a refused press says and what a press may change.
// A first press with a certain outcome fills the outputs that a refused press must leave alone.
struct ToolField {
    const char* window;
    const char* field;
    const char* button;
    const char* message;
    QStringList outputs;
    const char* primer;
    QStringList primed;
    int drawsWhenRefused; // some rolls are drawn before the field is read
};

// clang-format off
const ToolField toolFields[] = {
    {"FrmDamage", "succ",     "Work2",    "Enter the chance of success as a number.",
     {"YN"},           "100", {"YES"},           1},
    {"Acc",       "basement", "Work",     "Enter the base accuracy as a number.",
     {"Chance", "HM"}, "100", {"100", "HIT"},    0},
    {"CH",        "bc",       "Command1", "Choose a Pokémon first.",
     {"Text2"},        "100", {"Critical Hit!"}, 1},
};
// clang-format on

bool isBlankLevel(const QString& text)
{
    return text.isEmpty() || text == " ";
}

QString textOf(const QWidget* window, const QString& name)
{
    const QWidget* control = window->findChild<QWidget*>(name);
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return qobject_cast<const QLineEdit*>(control)->text();
}

QStringList textsOf(const QWidget* window, const QStringList& names)
{
    QStringList texts;
    for (const QString& name : names)
        texts.append(textOf(window, name));
    return texts;
}

} // namespace

// Every number field of every window against hostile texts: each row states the exact boxes
// shown, what the field holds afterwards and what the outputs show.
class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void damage_work_reports_bad_numbers_and_writes_nothing_data();
    void damage_work_reports_bad_numbers_and_writes_nothing();
    void tool_buttons_report_bad_numbers_and_write_nothing_data();
    void tool_buttons_report_bad_numbers_and_write_nothing();

private:
    std::unique_ptr<ModalWatchdog> m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
};

void TestBadInput::init()
{
    m_watchdog = std::make_unique<ModalWatchdog>();
    m_runtime = std::make_unique<TestRuntime>();
    registerWindows(*m_runtime);
}

void TestBadInput::cleanup()
{
    m_runtime.reset();
    QVERIFY(!m_watchdog->sawDialog());
}

void TestBadInput::damage_work_reports_bad_numbers_and_writes_nothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<QStringList>("figures");

    QTest::newRow("worked example") << "attack"
                                    << "100" << QStringList() << "100" << exampleFigures;
    QTest::newRow("defense/zero") << "defense"
                                  << "0" << QStringList{"Pokémon's Defense Stat cannot be 0."}
                                  << "0" << primedFigures;
    for (const NumberField& field : numberFields) {
        for (const Hostile& hostile : hostileTexts) {
            QStringList messages;
            const QString after = hostile.refusedWhileTyped ? QString() : hostile.text;
            if (hostile.refusedWhileTyped)
                messages << field.typingMessage;
            QStringList figures = primedFigures;
            if (QString(field.name) == "level" && isBlankLevel(after))
                messages << "Level of Pokémon required!";
            else if (QString(field.name) == "DHP" && isBlankLevel(after))
                figures = QStringList{"107", "216", "EnterHP"}; // hit points are optional
            else
                messages << field.noNumberMessage;
            QTest::addRow("%s/%s", field.name, hostile.row)
                << field.name << hostile.text << messages << after << figures;
        }
    }
}

void TestBadInput::damage_work_reports_bad_numbers_and_writes_nothing()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QFETCH(QString, fieldAfter);
    QFETCH(QStringList, figures);

    QWidget* window = m_runtime->showWindow("FrmDamage");
    auto* work = window->findChild<QPushButton*>("Work");
    for (const char* list : {"attack1", "poke1"})
        window->findChild<QComboBox*>(list)->setEditText("Fire");
    window->findChild<QComboBox*>("poke2")->setEditText("Grass");
    for (const auto& [name, value] : example)
        window->findChild<QLineEdit*>(name)->setText(value);
    for (const auto& [name, value] : primer)
        window->findChild<QLineEdit*>(name)->setText(value);
    QTest::mouseClick(work, Qt::LeftButton);
    QCOMPARE(textsOf(window, figureFields), primedFigures);
    for (const auto& [name, value] : example)
        window->findChild<QLineEdit*>(name)->setText(value);

    window->findChild<QLineEdit*>(field)->setText(
        text); // runs the typing check as a keystroke does
    QTest::mouseClick(work, Qt::LeftButton);

    QCOMPARE(m_runtime->messageTexts(), messages);
    QCOMPARE(textOf(window, field), fieldAfter);
    QCOMPARE(textsOf(window, figureFields), figures);
    for (const auto& [name, value] : example)
        if (name != field)
            QCOMPARE(textOf(window, name), QString(value));
    QCOMPARE(m_runtime->drawsUsed(), 0);
}

void TestBadInput::tool_buttons_report_bad_numbers_and_write_nothing_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<int>("draws");

    QTest::newRow("succ/never") << 0 << "0" << QStringList() << QStringList{"NO"} << 1;
    QTest::newRow("basement/never")
        << 1 << "0.5" << QStringList() << QStringList{"0.5", "MISS"} << 1;
    QTest::newRow("bc/never") << 2 << "0" << QStringList() << QStringList{"Normal Damage."} << 1;
    for (int tool = 0; tool < static_cast<int>(std::size(toolFields)); ++tool) {
        const ToolField& target = toolFields[tool];
        for (const Hostile& hostile : hostileTexts) {
            QTest::addRow("%s/%s", target.field, hostile.row)
                << tool << hostile.text << QStringList{target.message} << target.primed
                << target.drawsWhenRefused;
        }
    }
}

void TestBadInput::tool_buttons_report_bad_numbers_and_write_nothing()
{
    QFETCH(int, tool);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, outputs);
    QFETCH(int, draws);
    const ToolField& target = toolFields[tool];

    QWidget* window = m_runtime->showWindow(target.window);
    auto* field = window->findChild<QLineEdit*>(target.field);
    auto* button = window->findChild<QPushButton*>(target.button);
    field->setText(target.primer);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(textsOf(window, target.outputs), target.primed);
    const int drawsBefore = m_runtime->drawsUsed();

    // `bc` is read-only to the user: only a test can put such a text there.
    field->setText(text);
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(m_runtime->messageTexts(), messages);
    QCOMPARE(field->text(), text);
    QCOMPARE(textsOf(window, target.outputs), outputs);
    QCOMPARE(m_runtime->drawsUsed() - drawsBefore, draws);
    if (QString(target.window) == "Acc") {
        const bool hit = outputs.last() == "HIT";
        QCOMPARE(!window->findChild<QWidget*>("b")->isHidden(), hit);
        QCOMPARE(!window->findChild<QWidget*>("e")->isHidden(), hit);
    }
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
