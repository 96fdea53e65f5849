// SPDX-License-Identifier: MIT
#include "runtime/TestRuntime.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class TestRuntimeServices : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void first_show_loads_the_window_once();
    void showing_an_open_window_brings_the_same_one_forward();
    void a_closed_window_opens_afresh();
    void unload_discards_the_window();
    void an_unknown_window_shows_nothing();
    void scripted_draws_come_first_then_the_sequence();
    void messages_are_recorded_with_the_application_title();
    void copies_clear_the_clipboard_first();
    void end_releases_every_window();

private:
    std::unique_ptr<TestRuntime> m_runtime;
    int m_loads = 0;
};

void TestRuntimeServices::init()
{
    m_runtime = std::make_unique<TestRuntime>();
    m_loads = 0;
    m_runtime->registerWindow("Field", [this] {
        ++m_loads;
        auto* window = new QLineEdit;
        window->setObjectName("Field");
        return window;
    });
}

void TestRuntimeServices::cleanup() { m_runtime.reset(); }

void TestRuntimeServices::first_show_loads_the_window_once()
{
    QCOMPARE(m_runtime->openWindow("Field"), nullptr);
    QWidget* window = m_runtime->showWindow("Field");
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(m_loads, 1);
}

void TestRuntimeServices::showing_an_open_window_brings_the_same_one_forward()
{
    auto* first = static_cast<QLineEdit*>(m_runtime->showWindow("Field"));
    first->setText("typed");
    QWidget* second = m_runtime->showWindow("Field");
    QCOMPARE(second, first);
    QCOMPARE(first->text(), QString("typed"));
    QCOMPARE(m_loads, 1);
}

void TestRuntimeServices::a_closed_window_opens_afresh()
{
    QPointer<QWidget> first = m_runtime->showWindow("Field");
    first->close(); // as the user closes it
    QVERIFY(!m_runtime->openWindow("Field"));
    auto* second = static_cast<QLineEdit*>(m_runtime->showWindow("Field"));
    QCOMPARE(m_loads, 2);
    QVERIFY(second->text().isEmpty());
    QTRY_VERIFY(first.isNull()); // the closed one is deleted, not kept hidden
}

void TestRuntimeServices::unload_discards_the_window()
{
    QPointer<QWidget> window = m_runtime->showWindow("Field");
    m_runtime->unloadWindow("Field");
    QVERIFY(!m_runtime->openWindow("Field"));
    QTRY_VERIFY(window.isNull());
}

void TestRuntimeServices::an_unknown_window_shows_nothing()
{
    QCOMPARE(m_runtime->showWindow("Nowhere"), nullptr);
}

void TestRuntimeServices::scripted_draws_come_first_then_the_sequence()
{
    m_runtime->scriptDraws({0.25f, 0.75f});
    QCOMPARE(m_runtime->draw(), 0.25f);
    QCOMPARE(m_runtime->draw(), 0.75f);
    QCOMPARE(m_runtime->scriptedDrawsLeft(), 0);
    battle::RandomSequence fresh;
    QCOMPARE(m_runtime->draw(), fresh.next());
    QCOMPARE(m_runtime->drawsUsed(), 3);
}

void TestRuntimeServices::messages_are_recorded_with_the_application_title()
{
    m_runtime->showMessage(nullptr, "Hello", Runtime::MessageStyle::Information);
    QCOMPARE(m_runtime->messages().size(), 1);
    QCOMPARE(m_runtime->messages().first().title, QString("Battle Tesh"));
    QCOMPARE(m_runtime->messages().first().style, Runtime::MessageStyle::Information);
    QCOMPARE(m_runtime->messageTexts(), QStringList{"Hello"});
}

void TestRuntimeServices::copies_clear_the_clipboard_first()
{
    m_runtime->copyToClipboard(">999");
    m_runtime->copyToClipboard("");
    QCOMPARE(m_runtime->clipboardHistory(), (QStringList{">999", ""}));
    QCOMPARE(m_runtime->clipboardClears(), 2);
}

void TestRuntimeServices::end_releases_every_window()
{
    QPointer<QWidget> window = m_runtime->showWindow("Field");
    m_runtime->endProgram();
    QCOMPARE(m_runtime->endRequests(), 1);
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(window.isNull());
    QVERIFY(!m_runtime->openWindow("Field"));
}

QTEST_MAIN(TestRuntimeServices)
#include "tst_runtime.moc"
