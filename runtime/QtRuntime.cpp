// SPDX-License-Identifier: MIT
#include "runtime/QtRuntime.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

void QtRuntime::showMessage(QWidget* over, const QString& text, MessageStyle style)
{
    // Parented to the calling window so the box can never open behind it.
    QWidget* parent = over ? over->window() : QApplication::activeWindow();
    QMessageBox box(style == MessageStyle::Information ? QMessageBox::Information
                                                       : QMessageBox::NoIcon,
                    applicationTitle(), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtRuntime::copyToClipboard(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

float QtRuntime::draw() { return m_sequence.next(); }

void QtRuntime::endProgram()
{
    // Hide rather than close: no window's closing handling runs, the program just stops.
    releaseAllWindows();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}
