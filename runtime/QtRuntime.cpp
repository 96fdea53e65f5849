// SPDX-License-Identifier: MIT
#include "runtime/QtRuntime.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString sheetFilter = QStringLiteral("Trainer sheets (*.json);;All files (*)");
const QString gameSaveFilter = QStringLiteral("Game saves (*.sav);;All files (*)");
const QString lastFolderKey = QStringLiteral("files/lastFolder");

} // namespace

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

float QtRuntime::draw()
{
    return m_sequence.next();
}

void QtRuntime::endProgram()
{
    // Hide rather than close: no window's closing handling runs, the program just stops.
    releaseAllWindows();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

QString QtRuntime::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

QString QtRuntime::lastFolder() const
{
    const QString folder = QSettings().value(lastFolderKey).toString();
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void QtRuntime::rememberFolder(const QString& file)
{
    if (!file.isEmpty())
        QSettings().setValue(lastFolderKey, QFileInfo(file).absolutePath());
}

QString QtRuntime::chooseFileToOpen(QWidget* over, const QString& caption, FileKind kind)
{
    const QString file = QFileDialog::getOpenFileName(
        over, caption, lastFolder(), kind == FileKind::GameSave ? gameSaveFilter : sheetFilter);
    rememberFolder(file);
    return file;
}

QString QtRuntime::chooseFileToSave(QWidget* over, const QString& caption,
                                    const QString& suggestedName)
{
    // The dialog adds the suffix itself, so it asks before replacing the file it will write,
    // not the name as typed.
    QFileDialog dialog(over, caption, QDir(lastFolder()).filePath(suggestedName), sheetFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("json"));
    const QString file = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                             ? dialog.selectedFiles().constFirst()
                             : QString();
    rememberFolder(file);
    return file;
}

QString QtRuntime::dataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder;
}
