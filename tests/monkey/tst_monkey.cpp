// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "battle/CreditsTicker.h"
#include "windows/WindowFixture.h"
#include "windows/trainer/TrainerSheet.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

using fixture::find;
using fixture::text;

namespace {

constexpr unsigned fixedSeed = 19990227;
// The test always replays the fixed seed; BATTLE_TESH_MONKEY_SEED explores other runs by hand.
const unsigned seed = [] {
    bool given = false;
    const unsigned chosen = qEnvironmentVariable("BATTLE_TESH_MONKEY_SEED").toUInt(&given);
    return given ? chosen : fixedSeed;
}();
constexpr int eventCount = 3000;
constexpr int eventsBetweenPaints = 25;

const QStringList allWindows{"FrmDamage", "Acc", "CH", "Tab1", "Tab2"};
const QStringList sheets{"Tab1", "Tab2"};
const QStringList nicknameFields{"Text1", "Text2", "Text4", "Text28", "Text29", "Text30"};
const QStringList menuItems{"mnuCC", "mnuCN",  "mnuCP",   "mnuPT",  "mnuAcc",
                            "mnuCH", "mnuWin", "mnuEdit", "mnuCopy"};
const std::map<QString, QString> openedBy{{"mnuPT", "Tab1"}, {"mnuAcc", "Acc"}, {"mnuCH", "CH"}};
const std::map<QString, QString> copiedBy{
    {"mnuCC", "critical"}, {"mnuCN", "damagedealt"}, {"mnuCP", "poison"}};

// Buttons that always show this many boxes; any other button shows at most one.
const std::map<QString, int> boxesShown{
    {"FrmDamage/Command1", 2}, {"CH/Command2", 4}, {"Tab1/Command1", 2}, {"Tab2/Command1", 2}};
const QString overNineNineNine = "Damage dealt is over 999! Defending Pokémon fainted!";

// What a click may change; a click that reports bad input must leave all of it alone.
const std::map<QString, QStringList> outputFields{
    {"FrmDamage", {"damagedealt", "critical", "poison", "YN"}},
    {"Acc", {"Chance", "HM"}},
    {"CH", {"Text2"}},
    {"Tab1", {"Label1"}},
    {"Tab2", {"Label1"}}};

// Number fields get a plausible number most of the time, so that the computations run too.
const QStringList numberFields{"attack", "level", "basepower", "defense",
                               "DHP",    "succ",  "basement"};
const QStringList oddNumbers{"0", "-5", "2.5", "1e3", " 7 ", "1e308", "999", "0.001"};
const QStringList textPieces{"-", "+",    ".", "e5",   "1e999", "nan", "inf",      " ", "  ",
                             "é", "１２", "0", "Fire", "Toxic", "Mew", "Sleeping", "z"};

// What a control may show; the window is there for rules that tie two controls together.
using Rule = std::function<bool(const QWidget* window, const QString& shown)>;

Rule matches(const QString& pattern)
{
    const QRegularExpression format(pattern, QRegularExpression::DotMatchesEverythingOption);
    return
        [format](const QWidget*, const QString& shown) { return format.match(shown).hasMatch(); };
}

const QStringList accuracyEntries{"1", "0.674", "0.533", "0.427", "0.404", "0.329", "0.284"};
const QStringList evasionEntries{"1", "0.659", "0.5", "0.442", "0.404", "0.329", "0.284"};

// A counter 0 to 6 and the multiplier it selects.
Rule counter(const char* multiplier, const QStringList& entries)
{
    return [multiplier, &entries](const QWidget* window, const QString& shown) {
        return matches("^[0-6]$")(window, shown) &&
               text(window, multiplier) == entries.at(shown.toInt());
    };
}

const Rule figure = matches("^(|NoEff|Toxic|>999|-|\\d{1,3})$");
const Rule notRefused = matches("^(?!z$)(?![a-y])"); // the letter check empties these fields
Rule fitsFigure(const char* field)
{
    return [field](const QWidget* window, const QString& shown) {
        return shown.size() <= std::min(find<QLineEdit>(window, field)->maxLength(), 5);
    };
}
const Rule verdict = [](const QWidget* window, const QString& shown) {
    const bool hit = shown == "HIT";
    return matches("^(|HIT|MISS)$")(window, shown) && !find(window, "b")->isHidden() == hit &&
           !find(window, "e")->isHidden() == hit;
};
const Rule creditLine = [](const QWidget*, const QString& shown) {
    const auto& lines = battle::creditLines;
    return shown.isEmpty() ||
           std::find(lines.begin(), lines.end(), shown.toStdString()) != lines.end();
};

// Window, control, what it may show, and whether it may instead hold what the user typed over it.
// clang-format off
const std::tuple<const char*, const char*, Rule, bool> invariants[] = {
    {"FrmDamage", "damagedealt", figure,                                               true},
    {"FrmDamage", "critical",    figure,                                               true},
    {"FrmDamage", "damagedealt", fitsFigure("damagedealt"),                            false},
    {"FrmDamage", "critical",    fitsFigure("critical"),                               false},
    {"FrmDamage", "poison",      matches("^(|EnterHP|-?\\d+(\\.\\d+)?(e[-+]\\d+)?)$"), true},
    {"FrmDamage", "attack",      notRefused,                                           false},
    {"FrmDamage", "level",       notRefused,                                           false},
    {"FrmDamage", "basepower",   notRefused,                                           false},
    {"FrmDamage", "defense",     notRefused,                                           false},
    {"FrmDamage", "DHP",         notRefused,                                           false},
    {"FrmDamage", "YN",          matches("^(|YES|NO)$"),                               false},
    {"FrmDamage", "Label10",     creditLine,                                           false},
    {"Acc",       "accurcount",  counter("accuracy", accuracyEntries),                 false},
    {"Acc",       "evadecount",  counter("evade", evasionEntries),                     false},
    {"Acc",       "HM",          verdict,                                              false},
    {"CH",        "bc",          matches("^(Base Critical|1[2-9]|2\\d|3[0-7])$"),      false},
    {"CH",        "Text2",       matches("^(|Critical Hit!|Normal Damage\\.)$"),       false},
    {"Tab1",      "Label1",      matches("^Active: "),                                 false},
    {"Tab2",      "Label1",      matches("^Active: "),                                 false},
};
// clang-format on

bool isTextInput(const QWidget* control)
{
    if (auto* line = qobject_cast<const QLineEdit*>(control))
        return !line->isReadOnly() && !qobject_cast<QComboBox*>(line->parent());
    return qobject_cast<const QPlainTextEdit*>(control) || qobject_cast<const QComboBox*>(control);
}
template <typename... Kinds> bool isA(const QWidget* control)
{
    return (qobject_cast<const Kinds*>(control) || ...);
}

QList<QWidget*> controls(QWidget* window, bool (*wanted)(const QWidget*))
{
    QList<QWidget*> found;
    for (QWidget* control : window->findChildren<QWidget*>())
        if (control->isVisible() && control->isEnabled() && wanted(control))
            found.append(control);
    return found;
}

} // namespace

// Thousands of random user events against the whole program; after each one every open window
// must still hold sound texts, and the trainer sheets exactly what was typed into them.
class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_watchdog.reset();
        m_random.seed(seed);
        m_typed.clear();
        m_typedInMain.clear();
        m_runtime = std::make_unique<TestRuntime>();
        registerWindows(*m_runtime);
        fixture::tick(find<QTimer>(m_runtime->showWindow("frmSplash"), "Timer1"));
    }
    void cleanup()
    {
        m_runtime.reset();
        QVERIFY(!m_watchdog.sawDialog());
    }
    void random_use_keeps_every_window_sound();

private:
    // Each event gets the window it picked and the control it picked there, when it picks them.
    void typeText(QWidget* window, QWidget* input);
    void clickButton(QWidget* window, QWidget* button);
    void chooseItem(QWidget* window, QWidget* control);
    void tickBox(QWidget* sheet, QWidget* box);
    void switchTab(QWidget* sheet, QWidget*);
    void tickCredits(QWidget* window, QWidget*) { fixture::tick(find<QTimer>(window, "Timer1")); }
    void triggerMenu(QWidget* = nullptr, QWidget* = nullptr);
    void closeWindow(QWidget* window, QWidget*);
    void checkWindows(qsizetype messagesBefore);

    int pick(qsizetype count)
    {
        return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(m_random);
    }
    QString randomText();
    template <typename List> auto randomOf(const List& list) { return list.at(pick(list.size())); }
    QWidget* main() const { return m_runtime->openWindow("FrmDamage"); }

    ModalWatchdog m_watchdog;
    std::unique_ptr<TestRuntime> m_runtime;
    std::mt19937 m_random{seed};
    int m_allowedBoxes = 0; // most message boxes the current event may show
    QString m_event;        // what the current event did, for the failure report
    // Per open sheet: field name -> the text the monkey left in it.
    std::map<QString, std::map<QString, QString>> m_typed;
    // The main window's fields: the text the monkey last left in each (outputs can be typed in).
    std::map<QString, QString> m_typedInMain;
};

QString TestMonkey::randomText()
{
    if (pick(50) == 0)
        return QString(10000, pick(2) ? QChar(u'7') : QChar(u'a' + pick(26)));
    QString made;
    for (int pieces = 1 + pick(3); pieces > 0; --pieces) {
        const int kind = pick(5);
        made += kind == 0   ? QString::number(pick(1000))
                : kind == 1 ? QString(QChar(u'A' + pick(26)))
                : kind == 2 ? QString(QChar(u'a' + pick(26)))
                            : randomOf(textPieces);
    }
    return made;
}

void TestMonkey::typeText(QWidget* window, QWidget* input)
{
    const QString field = input->objectName();
    auto* combo = qobject_cast<QComboBox*>(input);
    QLineEdit* line = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(input);
    auto* notes = qobject_cast<QPlainTextEdit*>(input);
    const bool number = numberFields.contains(field) && pick(3) > 0;
    const QString typed = !number   ? randomText()
                          : pick(3) ? QString::number(1 + pick(300))
                                    : randomOf(oddNumbers);
    const bool replace = number || pick(2) == 0;
    const int way = typed.size() > 40 ? 1 + pick(2) : pick(4); // keys, insert, paste, backspace
    m_event +=
        QStringLiteral(": %1 chars, way %2, replace %3").arg(typed.size()).arg(way).arg(replace);

    const QString before = text(window, field);
    const QString kept = replace ? QString() : before;
    QString expected = way == 3 ? kept.chopped(std::min<qsizetype>(1, kept.size())) : kept + typed;
    if (line) {
        replace ? line->selectAll() : line->end(false);
        expected.truncate(line->maxLength());
    } else {
        replace ? notes->selectAll() : notes->moveCursor(QTextCursor::End);
    }
    m_allowedBoxes = way == 0 ? static_cast<int>(typed.size()) : 1;
    if (way == 0) {
        for (QChar c : typed) // one key a character, whatever the keyboard layout
            QTest::sendKeyEvent(QTest::Click, input, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else if (way == 3) {
        QTest::keyClick(input, Qt::Key_Backspace);
    } else if (way == 1) {
        line ? line->insert(typed) : notes->insertPlainText(typed);
    } else {
        QGuiApplication::clipboard()->setText(typed);
        line ? line->paste() : notes->paste();
    }
    if (window == main())
        m_typedInMain[field] = text(window, field);
    if (!sheets.contains(window->objectName()))
        return;
    QCOMPARE(text(window, field), expected);
    if (expected != before) // an unchanged nickname renames no tab
        m_typed[window->objectName()][field] = expected;
}

void TestMonkey::clickButton(QWidget* window, QWidget* button)
{
    const auto outputs = [window] {
        QStringList shown;
        for (const QString& name : outputFields.at(window->objectName()))
            shown.append(text(window, name));
        return shown;
    };
    const QStringList before = outputs();
    const qsizetype boxesBefore = m_runtime->messages().size();
    QTest::mouseClick(button, Qt::LeftButton);
    const QStringList shown = m_runtime->messageTexts().mid(boxesBefore);

    const auto fixed = boxesShown.find(window->objectName() + '/' + button->objectName());
    m_allowedBoxes = fixed == boxesShown.end() ? 1 : fixed->second;
    if (fixed != boxesShown.end())
        QCOMPARE(shown.size(), fixed->second);
    else if (!shown.isEmpty() && shown.first() != overNineNineNine)
        QCOMPARE(outputs(), before); // refused input writes nothing, not even part of the outputs
}

void TestMonkey::chooseItem(QWidget* window, QWidget* control)
{
    auto* list = static_cast<QComboBox*>(control);
    QString expected = list->currentText();
    if (pick(3) < 2) { // the arrow keys on the closed list move the choice
        const bool down = pick(2) == 0;
        const int next = list->currentIndex() + (down ? 1 : -1);
        if (next >= 0 && next < list->count())
            expected = list->itemText(next);
        QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up);
    } else {
        expected = list->itemText(pick(list->count()));
        fixture::choose(list, expected);
    }
    m_event += ": " + expected;
    QCOMPARE(list->currentText(), expected);
    if (sheets.contains(window->objectName()))
        m_typed[window->objectName()][list->objectName()] = expected;
}

void TestMonkey::tickBox(QWidget* sheet, QWidget* box)
{
    static_cast<QAbstractButton*>(box)->click();
    if (const int page = box->objectName().section('_', 1).toInt();
        qobject_cast<QRadioButton*>(box))
        QCOMPARE(text(sheet, "Label1"), "Active: " + text(sheet, nicknameFields.at(page - 1)));
}

void TestMonkey::switchTab(QWidget* sheet, QWidget*)
{
    const int page = 1 + pick(TrainerSheet::pageCount);
    m_event += QStringLiteral(": page %1").arg(page);
    static_cast<TrainerSheet*>(sheet)->showPage(page);
    QCOMPARE(static_cast<TrainerSheet*>(sheet)->showingPage(), page);
}

void TestMonkey::triggerMenu(QWidget*, QWidget*)
{
    const QString item = randomOf(menuItems);
    m_event = QStringLiteral("menu ") + item;
    std::map<QString, QWidget*> open;
    for (const QString& name : allWindows)
        open[name] = m_runtime->openWindow(name);

    if (auto* menu = main()->findChild<QMenu*>(item))
        menu->menuAction()->trigger(); // a header only opens its submenu
    else
        find<QAction>(main(), item)->trigger();

    if (const auto copied = copiedBy.find(item); copied != copiedBy.end())
        QCOMPARE(m_runtime->clipboardHistory().last(), text(main(), copied->second));
    if (const auto opened = openedBy.find(item); opened != openedBy.end()) {
        QVERIFY(m_runtime->openWindow(opened->second));
        // An open window comes forward as it is; the sheets' typed texts are checked after.
        for (const auto& [name, window] : open)
            QVERIFY2(!window || m_runtime->openWindow(name) == window, qPrintable(name));
    }
    if (item == "mnuPT")
        QVERIFY(m_runtime->openWindow("Tab2"));
}

void TestMonkey::closeWindow(QWidget* window, QWidget*)
{
    const QString name = window->objectName();
    const QPointer<QWidget> closing = window;
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(closing.isNull(), "a closed window is discarded");
    QVERIFY(!m_runtime->openWindow(name));
    m_typed.erase(name);
}

void TestMonkey::checkWindows(qsizetype before)
{
    const QList<TestRuntime::Message>& messages = m_runtime->messages();
    QVERIFY2(messages.size() - before <= m_allowedBoxes,
             qPrintable(m_runtime->messageTexts().mid(before).join(" | ")));
    for (qsizetype i = before; i < messages.size(); ++i) {
        QVERIFY(!messages[i].text.isEmpty());
        QCOMPARE(messages[i].title, Runtime::applicationTitle());
        QVERIFY(messages[i].over && messages[i].over->isWindow());
    }
    for (const auto& [name, control, holds, typedCounts] : invariants) {
        const QWidget* window = m_runtime->openWindow(name);
        const QString shown = window ? text(window, control) : QString();
        const bool typedOver = typedCounts && shown == m_typedInMain[control];
        QVERIFY2(!window || typedOver || holds(window, shown),
                 qPrintable(QStringLiteral("%1/%2 shows %3").arg(name, control, shown.left(80))));
    }
    for (const QString& name : sheets) {
        const auto* sheet = qobject_cast<const TrainerSheet*>(m_runtime->openWindow(name));
        for (const auto& [field, typed] : sheet ? m_typed[name] : std::map<QString, QString>()) {
            QVERIFY2(text(sheet, field) == typed, qPrintable(name + '/' + field));
            if (const int page = nicknameFields.indexOf(field) + 1)
                QCOMPARE(sheet->tabCaption(page), typed);
        }
    }
}

void TestMonkey::random_use_keeps_every_window_sound()
{
    // Where an event happens and what it uses there; while none of its windows is open, a menu
    // item is triggered instead.
    struct Event {
        int weight;
        const char* name;
        QStringList windows; // none: the main window
        bool (*uses)(const QWidget*);
        void (TestMonkey::*run)(QWidget* window, QWidget* control);
    };
    // clang-format off
    const QStringList closable{"Acc", "CH", "Tab1", "Tab2"};
    const Event events[] = {
        {30, "type",    allWindows, isTextInput,                  &TestMonkey::typeText},
        {20, "click",   allWindows, isA<QPushButton>,             &TestMonkey::clickButton},
        {12, "choose",  allWindows, isA<QComboBox>,               &TestMonkey::chooseItem},
        {8,  "tick",    sheets,     isA<QCheckBox, QRadioButton>, &TestMonkey::tickBox},
        {6,  "show",    sheets,     nullptr,                      &TestMonkey::switchTab},
        {4,  "credits", {},         nullptr,                      &TestMonkey::tickCredits},
        {8,  "menu",    {},         nullptr,                      &TestMonkey::triggerMenu},
        {3,  "close",   closable,   nullptr,                      &TestMonkey::closeWindow},
    };
    // clang-format on
    std::vector<int> weights;
    for (const Event& event : events)
        weights.push_back(event.weight);
    std::discrete_distribution<int> nextEvent(weights.begin(), weights.end());

    QElapsedTimer clock;
    clock.start();
    for (const char* item : {"mnuAcc", "mnuCH", "mnuPT"})
        find<QAction>(main(), item)->trigger();
    for (int done = 0; done < eventCount; ++done) {
        const qsizetype before = m_runtime->messages().size();
        m_allowedBoxes = 0;
        const Event& event = events[nextEvent(m_random)];
        QList<QWidget*> open;
        for (const QString& name : event.windows)
            if (QWidget* window = m_runtime->openWindow(name))
                open.append(window);
        if (!event.windows.isEmpty() && open.isEmpty()) {
            triggerMenu();
        } else {
            QWidget* window = open.isEmpty() ? main() : randomOf(open);
            QWidget* control = event.uses ? randomOf(controls(window, event.uses)) : nullptr;
            m_event =
                QStringLiteral("%1 %2/%3")
                    .arg(event.name, window->objectName(), control ? control->objectName() : "");
            (this->*event.run)(window, control);
        }
        if (done % eventsBetweenPaints == 0)
            QCoreApplication::processEvents(); // let the windows lay out and paint
        if (!QTest::currentTestFailed())
            checkWindows(before);
        if (QTest::currentTestFailed())
            return qWarning("seed %u, event %d: %s", seed, done, qPrintable(m_event));
    }

    std::vector<QPointer<QWidget>> windows;
    for (const QString& name : allWindows)
        windows.emplace_back(m_runtime->openWindow(name));
    find<QAction>(main(), "mnuExit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_runtime->endRequests(), 1);
    for (const QPointer<QWidget>& window : windows)
        QVERIFY(window.isNull());
    for (const QString& name : allWindows)
        QVERIFY2(!m_runtime->openWindow(name), qPrintable(name));
    qInfo("seed %u, %d events, %d message boxes, %lld ms", seed, eventCount,
          static_cast<int>(m_runtime->messages().size()), clock.elapsed());
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
