// SPDX-License-Identifier: MIT
#include "runtime/TestRuntime.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

class TestRuntimeServices : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_runtime.reset(); }
    void an_open_window_is_shown_again_not_loaded_again();
    void a_closed_or_unloaded_window_opens_afresh();
    void end_releases_every_window();
    void draws_messages_and_copies_are_recorded();

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
        return new QLineEdit;
    });
}

void TestRuntimeServices::an_open_window_is_shown_again_not_loaded_again()
{
    QCOMPARE(m_runtime->openWindow("Field"), nullptr);
    QCOMPARE(m_runtime->showWindow("Nowhere"), nullptr);
    auto* first = static_cast<QLineEdit*>(m_runtime->showWindow("Field"));
    QVERIFY(first->isVisible());
    first->setText("typed");
    QCOMPARE(m_runtime->showWindow("Field"), first);
    QCOMPARE(first->text(), QString("typed"));
    QCOMPARE(m_loads, 1);
}

void TestRuntimeServices::a_closed_or_unloaded_window_opens_afresh()
{
    QPointer<QWidget> closed = m_runtime->showWindow("Field");
    static_cast<QLineEdit*>(closed.data())->setText("typed");
    closed->close(); // as the user closes it
    QVERIFY(!m_runtime->openWindow("Field"));
    QTRY_VERIFY(closed.isNull()); // deleted, not kept hidden
    QPointer<QWidget> unloaded = m_runtime->showWindow("Field");
    QVERIFY(static_cast<QLineEdit*>(unloaded.data())->text().isEmpty());
    m_runtime->unloadWindow("Field");
    QVERIFY(!m_runtime->openWindow("Field"));
    QTRY_VERIFY(unloaded.isNull());
    QCOMPARE(m_loads, 2);
}

void TestRuntimeServices::end_releases_every_window()
{
    QPointer<QWidget> window = m_runtime->showWindow("Field");
    m_runtime->endProgram();
    QCOMPARE(m_runtime->endRequests(), 1);
    QVERIFY(!m_runtime->openWindow("Field"));
    QTRY_VERIFY(window.isNull());
}

void TestRuntimeServices::draws_messages_and_copies_are_recorded()
{
    m_runtime->scriptDraws({0.25f, 0.75f});
    QCOMPARE(m_runtime->draw(), 0.25f);
    QCOMPARE(m_runtime->draw(), 0.75f);
    QCOMPARE(m_runtime->draw(), battle::RandomSequence().next()); // then the program's sequence
    QCOMPARE(m_runtime->drawsUsed(), 3);

    m_runtime->showMessage(nullptr, "Hello", Runtime::MessageStyle::Information);
    QCOMPARE(m_runtime->messages().size(), 1);
    QCOMPARE(m_runtime->messages().first().title, QString("Battle Tesh"));
    QCOMPARE(m_runtime->messages().first().style, Runtime::MessageStyle::Information);
    QCOMPARE(m_runtime->messageTexts(), QStringList{"Hello"});

    m_runtime->copyToClipboard(">999");
    m_runtime->copyToClipboard("");
    QCOMPARE(m_runtime->clipboardHistory(), (QStringList{">999", ""}));
    QCOMPARE(m_runtime->clipboardClears(), 2);
}

QTEST_MAIN(TestRuntimeServices)
#include "tst_runtime.moc"
