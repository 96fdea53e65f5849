// SPDX-License-Identifier: MIT
#include "runtime/TestRuntime.h"

void TestRuntime::showMessage(QWidget* over, const QString& text, MessageStyle style)
{
    m_messages.append({text, style, applicationTitle(), over});
}

void TestRuntime::copyToClipboard(const QString& text)
{
    ++m_clipboardClears;
    m_clipboard.append(text);
}

float TestRuntime::draw()
{
    ++m_drawsUsed;
    if (m_script.empty())
        return m_sequence.next();
    const float next = m_script.front();
    m_script.pop_front();
    return next;
}

void TestRuntime::endProgram()
{
    ++m_endRequests;
    releaseAllWindows();
}

void TestRuntime::scriptDraws(std::initializer_list<float> draws)
{
    m_script.insert(m_script.end(), draws);
}

QStringList TestRuntime::messageTexts() const
{
    QStringList texts;
    for (const Message& message : m_messages)
        texts.append(message.text);
    return texts;
}

QString TestRuntime::chooseFileToOpen(QWidget*, const QString&, FileKind)
{
    ++m_fileDialogs;
    return m_fileChoices.isEmpty() ? QString() : m_fileChoices.takeFirst();
}

QString TestRuntime::chooseFileToSave(QWidget*, const QString&, const QString&)
{
    ++m_fileDialogs;
    return m_fileChoices.isEmpty() ? QString() : m_fileChoices.takeFirst();
}
