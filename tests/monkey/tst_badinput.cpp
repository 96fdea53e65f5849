// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "windows/WindowFixture.h"

using fixture::text;

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

// A button, the entries a first press with a certain outcome is given, and what that press
// shows in the outputs that a refused press must leave alone. The main window's Work starts from
// a stronger attacker with more hit points, then each row goes back to the worked example (107,
// 216 and 12.6 when left alone), so that a row which writes nothing is told apart from one which
// writes empty texts.
struct Tool {
    const char* window;
    const char* button;
    QStringList primer;
    QStringList outputs;
    QStringList primed;
    QStringList example;
};

const QStringList example{"attack=100", "level=50", "basepower=80", "defense=90", "DHP=200"};
const QStringList damagePrimer = QStringList{"attack1=Fire", "poke1=Fire", "poke2=Grass"} +
                                 example + QStringList{"attack=300", "DHP=255"};
const QStringList figures{"damagedealt", "critical", "poison"};
const QStringList primedFigures{"315", "643", "16.065"};

// clang-format off
const Tool tools[] = {
    {"FrmDamage", "Work",     damagePrimer,     figures,          primedFigures,     example},
    {"FrmDamage", "Work2",    {"succ=100"},     {"YN"},           {"YES"},           {}},
    {"Acc",       "Work",     {"basement=100"}, {"Chance", "HM"}, {"100", "HIT"},    {}},
    {"CH",        "Command1", {"bc=100"},       {"Text2"},        {"Critical Hit!"}, {}},
};

// The tool a field belongs to, what typing a refused text says, what a press says when the field
// holds no number, and the rolls drawn before the field is read.
struct NumberField {
    int tool;
    const char* name;
    const char* typingMessage;
    const char* noNumberMessage;
    int draws;
};

const NumberField numberFields[] = {
    {0, "attack",    "Enter Number Only.",  "Pokémon's Attack Stat must be a number.",  0},
    {0, "level",     "Enter Number Only.",  "Pokémon Level must be a number.",          0},
    {0, "basepower", "Enter Number Only.",  "Base Damage must be a number.",            0},
    {0, "defense",   "Enter Numbers Only.", "Pokémon's Defense Stat must be a number.", 0},
    {0, "DHP",       "Enter Numbers Only.", "Pokémon HP must be a number.",             0},
    {1, "succ",      nullptr,               "Enter the chance of success as a number.", 1},
    {2, "basement",  nullptr,               "Enter the base accuracy as a number.",     0},
    {3, "bc",        nullptr,               "Choose a Pokémon first.",                  1},
};
// clang-format on

QStringList texts(const QWidget* window, const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names)
        shown.append(text(window, name));
    return shown;
}

} // namespace

// Every number field of every window against hostile texts: each row states the exact boxes
// shown, what the field holds afterwards, what the outputs show and how many rolls were drawn.
class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_watchdog.reset();
        m_runtime = std::make_unique<TestRuntime>();
        registerWindows(*m_runtime);
    }
    void cleanup()
    {
        m_runtime.reset();
        QVERIFY(!m_watchdog.sawDialog());
    }
    void bad_numbers_are_reported_and_write_nothing_data();
    void bad_numbers_are_reported_and_write_nothing();

private:
    ModalWatchdog m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
};

void TestBadInput::bad_numbers_are_reported_and_write_nothing_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<int>("draws");

    const QStringList none;
    QTest::newRow("worked example")
        << 0 << "attack"
        << "100" << none << "100" << QStringList{"107", "216", "12.6"} << 0;
    QTest::newRow("defense/zero") << 0 << "defense"
                                  << "0" << QStringList{"Pokémon's Defense Stat cannot be 0."}
                                  << "0" << primedFigures << 0;
    QTest::newRow("succ/never") << 1 << "succ"
                                << "0" << none << "0" << QStringList{"NO"} << 1;
    QTest::newRow("basement/never") << 2 << "basement"
                                    << "0.5" << none << "0.5" << QStringList{"0.5", "MISS"} << 1;
    QTest::newRow("bc/never") << 3 << "bc"
                              << "0" << none << "0" << QStringList{"Normal Damage."} << 1;
    for (const NumberField& field : numberFields) {
        for (const Hostile& hostile : hostileTexts) {
            const bool emptied = field.typingMessage && hostile.refusedWhileTyped;
            const QString after = emptied ? QString() : hostile.text;
            const bool blank = after.isEmpty() || after == " ";
            QStringList messages;
            if (emptied)
                messages << field.typingMessage;
            QStringList outputs = tools[field.tool].primed;
            if (QString(field.name) == "level" && blank)
                messages << "Level of Pokémon required!";
            else if (QString(field.name) == "DHP" && blank)
                outputs = QStringList{"107", "216", "EnterHP"}; // hit points are optional
            else
                messages << field.noNumberMessage;
            QTest::addRow("%s/%s", field.name, hostile.row)
                << field.tool << field.name << hostile.text << messages << after << outputs
                << field.draws;
        }
    }
}

void TestBadInput::bad_numbers_are_reported_and_write_nothing()
{
    QFETCH(int, tool);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, fieldAfter);
    QFETCH(QStringList, outputs);
    QFETCH(int, draws);
    const Tool& target = tools[tool];

    QWidget* window = m_runtime->showWindow(target.window);
    fixture::write(window, target.primer);
    fixture::click(window, target.button);
    QCOMPARE(texts(window, target.outputs), target.primed);
    fixture::write(window, target.example);
    const int drawsBefore = m_runtime->drawsUsed();

    // As a keystroke would, this runs the typing check; `bc` only a test can write.
    fixture::write(window, field, typed);
    fixture::click(window, target.button);

    QCOMPARE(m_runtime->messageTexts(), messages);
    QCOMPARE(text(window, field), fieldAfter);
    QCOMPARE(texts(window, target.outputs), outputs);
    QCOMPARE(m_runtime->drawsUsed() - drawsBefore, draws);
    for (const QString& entry : target.example)
        if (entry.section('=', 0, 0) != field)
            QCOMPARE(text(window, entry.section('=', 0, 0)), entry.section('=', 1));
    for (const char* mark : {"b", "e"})
        if (QString(target.window) == "Acc")
            QCOMPARE(!fixture::find(window, mark)->isHidden(), outputs.last() == "HIT");
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
