// SPDX-License-Identifier: MIT
#pragma once

// The whole program wired as start-up wires it, on the runtime test double and fresh for every
// test function; a real modal dialog fails the test instead of hanging it. Windows are driven by
// the object names the program gives its controls, in steps that a data table can hold:
//   "name=text"  writes a field's text or a list's edit text, as a paste does, or types over a
//                spin box's whole text
//   "name<keys"  types the keys one at a time
//   "name>item"  chooses the item as a click in the list's drop-down does
//   "name!"      clicks a button, triggers a menu item or lets a timer time out

#include "app/Startup.h"
#include "runtime/TestRuntime.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace fixture {

template <typename T = QWidget> T* find(const QObject* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("%s has no %s", qPrintable(window->objectName()), qPrintable(name));
    return found;
}

// What a control shows: the text of a field, list, spin box, button, label or notes box, a tab
// row's captions joined by "|", the title for the window's own name, and "(hidden)" for a hidden
// control, "(disabled)" for a disabled one.
inline QString text(const QWidget* window, const QString& name)
{
    if (name == window->objectName())
        return window->windowTitle();
    const QWidget* control = find(window, name);
    if (control->isHidden())
        return QStringLiteral("(hidden)");
    if (!control->isEnabled())
        return QStringLiteral("(disabled)");
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(control))
        return spin->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* tabs = qobject_cast<const QTabBar*>(control)) {
        QStringList captions;
        for (int tab = 0; tab < tabs->count(); ++tab)
            captions << tabs->tabText(tab);
        return captions.join('|');
    }
    return find<QPlainTextEdit>(window, name)->toPlainText();
}

inline void step(QWidget* window, const QString& step)
{
    static const QRegularExpression operation(QStringLiteral("[=<>!]"));
    const qsizetype at = step.indexOf(operation);
    const QString name = step.left(at);
    const QString argument = step.mid(at + 1);
    auto* list = window->findChild<QComboBox*>(name);
    auto* spin = window->findChild<QAbstractSpinBox*>(name);
    if (step[at] == '=' && list) {
        list->setEditText(argument);
    } else if (step[at] == '=' && spin) {
        spin->selectAll();
        QTest::keyClicks(spin, argument);
    } else if (step[at] == '=') {
        find<QLineEdit>(window, name)->setText(argument);
    } else if (step[at] == '<') {
        QTest::keyClicks(list ? list->lineEdit() : find(window, name), argument);
    } else if (step[at] == '>') {
        auto* chosen = find<QComboBox>(window, name);
        const int index = chosen->findText(argument, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0, qPrintable(step));
        chosen->setCurrentIndex(index);
        emit chosen->activated(index);
    } else if (auto* timer = window->findChild<QTimer*>(name)) {
        QMetaObject::invokeMethod(timer, "timeout");
    } else if (auto* action = window->findChild<QAction*>(name)) {
        action->trigger();
    } else if (auto* box = window->findChild<QCheckBox*>(name)) {
        // A check box takes clicks on its box and caption only, not on the rest of its width.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    } else {
        QTest::mouseClick(find(window, name), Qt::LeftButton);
    }
}

// The window a table's "Name/" prefix or a name list means.
inline WindowId windowNamed(const QString& name)
{
    const std::optional<WindowId> id = windowIdNamed(name);
    if (!id)
        qFatal("no window is named %s", qPrintable(name));
    return *id;
}

inline void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

class ProgramTest : public QObject {
public:
    ProgramTest()
    {
        connect(&m_watchdog, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_sawDialog = true;
                modal->close();
            }
        });
        m_watchdog.start(20);
    }

protected:
    // For init() and cleanup(): every message box must have stood over the window that showed it.
    void start()
    {
        m_sawDialog = false;
        m_runtime = std::make_unique<TestRuntime>();
        describeApplication();
        m_feed = registerWindows(*m_runtime);
    }
    void stop()
    {
        for (const TestRuntime::Message& message : m_runtime->messages())
            QVERIFY2(message.over, qPrintable(message.text));
        // A window closed during the test is deleted later; it still keeps its last change
        // through the runtime, which must outlive it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_runtime.reset();
        m_feed.reset();
        QVERIFY(!m_sawDialog);
    }

    TestRuntime& runtime() const { return *m_runtime; }
    QWidget* show(const QString& name) const { return m_runtime->showWindow(windowNamed(name)); }
    QWidget* openNamed(const QString& name) const
    {
        return m_runtime->openWindow(windowNamed(name));
    }

    // A window's behaviour table: the steps taken on the freshly opened window (after scripting
    // the rolls), then what its controls show as "name=text" (the "clipboard" shows each copy,
    // joined by "|"), the message boxes it showed ("*" at the end matches any rest, "[info] "
    // marks the information style) and the draws it took. "Window/" before a step or a control
    // takes it in another window of the program, shown for a step if need be.
    static void columns()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("draws");
        QTest::addColumn<QList<int>>("rolls");
    }
    static void row(const char* tag, const QStringList& steps, const QStringList& shown,
                    const QStringList& messages = {}, int draws = 0, const QList<int>& rolls = {})
    {
        QTest::newRow(tag) << steps << shown << messages << draws << rolls;
    }
    void checkRow(const QString& name) const
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, messages);
        QFETCH(int, draws);
        QFETCH(QList<int>, rolls);
        for (const int roll : rolls) // from the middle of the roll's range
            m_runtime->scriptDraws({(static_cast<float>(roll) - 0.5f) / 100.0f});
        QWidget* window = show(name);
        static const QRegularExpression other(QStringLiteral("^(\\w+)/"));
        const auto windowOf = [&](const QString& entry, bool showing) {
            const QRegularExpressionMatch match = other.match(entry);
            if (!match.hasMatch())
                return std::pair{window, entry};
            const QString name = match.captured(1);
            return std::pair{showing ? show(name) : openNamed(name),
                             entry.mid(match.capturedLength())};
        };
        for (const QString& each : steps) {
            const auto [in, what] = windowOf(each, true);
            step(in, what);
        }
        for (const QString& entry : shown) {
            const auto [in, what] = windowOf(entry, false);
            QVERIFY2(in, qPrintable(entry));
            const QString control = what.section('=', 0, 0);
            const QString now = control == "clipboard" ? m_runtime->clipboardHistory().join('|')
                                                       : text(in, control);
            QCOMPARE(entry.chopped(what.size()) + control + '=' + now, entry);
        }
        QStringList seen;
        for (const TestRuntime::Message& message : m_runtime->messages()) {
            const bool info = message.style == Runtime::MessageStyle::Information;
            seen << (info ? "[info] " : "") + message.text;
            const QString& expected = messages.value(seen.size() - 1);
            if (expected.endsWith('*') && seen.last().startsWith(expected.chopped(1)))
                seen.last() = expected;
        }
        QCOMPARE(seen, messages);
        QCOMPARE(m_runtime->drawsUsed(), draws);
    }

    // The wiring between the windows, kept as main() keeps it.
    std::unique_ptr<BattleFeed> m_feed;

private:
    std::unique_ptr<TestRuntime> m_runtime;
    QTimer m_watchdog;
    bool m_sawDialog = false;
};

} // namespace fixture
