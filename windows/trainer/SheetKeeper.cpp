// SPDX-License-Identifier: MIT
#include "windows/trainer/SheetKeeper.h"

#include "battle/common/BoundedList.h"
#include "battle/save/SaveFile.h"
#include "battle/sheet/SheetFields.h"
#include "battle/sheet/SheetFile.h"
#include "battle/sheet/TeamText.h"
#include "runtime/Runtime.h"
#include "windows/common/Form.h"
#include "windows/trainer/TrainerSheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

int trainerNumber(const TrainerSheet& sheet)
{
    return sheet.trainer() == Trainer::First ? 1 : 2;
}

QString fileName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// One of our sheets from the file, or nothing with `problem` saying why.
std::optional<battle::SheetRecord> readSheet(const QString& path, QString& problem)
{
    const std::optional<QByteArray> bytes =
        Runtime::readFile(path, static_cast<qint64>(battle::sheetFileLimit), problem);
    if (!bytes)
        return std::nullopt;
    battle::SheetFileResult read =
        battle::readSheetFile(std::string_view(bytes->constData(), bytes->size()));
    if (!read.sheet)
        problem = form::fromStd(read.problem);
    return std::move(read.sheet);
}

} // namespace

SheetKeeper::SheetKeeper(Runtime& runtime, TrainerSheet& sheet)
    : QObject(&sheet), m_runtime(runtime), m_sheet(sheet),
      m_autosavePath(autosavePath(runtime, trainerNumber(sheet)))
{
    m_autosave = new QTimer(this);
    m_autosave->setSingleShot(true);
    m_autosave->setInterval(autosaveDelayMs);
    connect(m_autosave, &QTimer::timeout, this, [this] { writeAutosave(true); });
    // Typing goes on at once; the file follows within the delay, once per burst of changes.
    connect(&m_sheet, &TrainerSheet::edited, m_autosave, qOverload<>(&QTimer::start));
}

QString SheetKeeper::autosavePath(Runtime& runtime, int trainer)
{
    return QDir(runtime.dataFolder()).filePath(QStringLiteral("trainer-%1.json").arg(trainer));
}

QString SheetKeeper::previousPath(const QString& autosavePath)
{
    return autosavePath.chopped(int(std::strlen(".json"))) + QStringLiteral(".previous.json");
}

bool SheetKeeper::hasKept(Runtime& runtime, int trainer)
{
    const QString path = autosavePath(runtime, trainer);
    return QFileInfo::exists(path) || QFileInfo::exists(previousPath(path));
}

QString SheetKeeper::trainerCaption() const
{
    return QStringLiteral("Trainer %1").arg(trainerNumber(m_sheet));
}

void SheetKeeper::openFile()
{
    const QString path =
        m_runtime.chooseFileToOpen(&m_sheet, QStringLiteral("Open %1").arg(trainerCaption()));
    if (!path.isEmpty())
        openFrom(path);
}

bool SheetKeeper::openFrom(const QString& path)
{
    QString problem;
    const std::optional<battle::SheetRecord> read = readSheet(path, problem);
    if (!read) {
        m_runtime.showMessage(
            &m_sheet, QStringLiteral("Could not open %1:\n%2").arg(fileName(path), problem));
        return false;
    }
    m_sheet.load(*read);
    return true;
}

void SheetKeeper::saveFileAs()
{
    const QString path =
        m_runtime.chooseFileToSave(&m_sheet, QStringLiteral("Save %1 As").arg(trainerCaption()),
                                   trainerCaption() + QStringLiteral(".json"));
    if (!path.isEmpty())
        saveTo(path);
}

bool SheetKeeper::saveTo(const QString& path)
{
    QString problem;
    if (Runtime::writeFile(
            path, QByteArray::fromStdString(battle::writeSheetFile(m_sheet.record())), problem))
        return true;
    m_runtime.showMessage(&m_sheet,
                          QStringLiteral("Could not save %1:\n%2").arg(fileName(path), problem));
    return false;
}

void SheetKeeper::pasteTeamText()
{
    const battle::TeamImport team = battle::readTeamText(m_runtime.clipboardText().toStdString());
    if (team.pages.empty()) {
        m_runtime.showMessage(&m_sheet,
                              QStringLiteral("The clipboard holds no team text with a Pokémon in "
                                             "it; %1 is unchanged.")
                                  .arg(trainerCaption()));
        return;
    }
    battle::SheetRecord sheet;
    sheet.trainerName = m_sheet.record().trainerName;
    for (std::size_t page = 0; page < sheet.pages.size(); ++page) {
        if (page < team.pages.size()) {
            sheet.pages[page] = team.pages[page];
        } else {
            sheet.pages[page] = battle::blankPage();
        }
    }
    m_sheet.load(sheet);
    // One box for the whole paste, short enough to fit the screen whatever was pasted.
    QStringList said;
    if (team.moreThanSix)
        said << QStringLiteral(
            "The team text has more than six Pokémon; the first six were taken.");
    if (!team.unusedLines.empty()) {
        said << QStringLiteral("These lines could not be used:\n") +
                    form::fromStd(battle::boundedList(team.unusedLines));
    }
    if (!said.isEmpty())
        m_runtime.showMessage(&m_sheet, said.join(QStringLiteral("\n\n")));
}

void SheetKeeper::importSaveFile()
{
    const QString path = m_runtime.chooseFileToOpen(
        &m_sheet, QStringLiteral("Import %1 from Save File").arg(trainerCaption()),
        Runtime::FileKind::GameSave);
    if (!path.isEmpty())
        importSaveFrom(path);
}

bool SheetKeeper::importSaveFrom(const QString& path)
{
    // Far above a save's 32 KiB: the reader names a wrong size itself.
    constexpr qint64 readLimit = 1024 * 1024;
    QString problem;
    battle::save::SaveFileResult read;
    if (const std::optional<QByteArray> bytes = Runtime::readFile(path, readLimit, problem)) {
        read = battle::save::readSaveFile(std::string_view(bytes->constData(), bytes->size()));
        problem = form::fromStd(read.problem);
    }
    if (!read.party) {
        m_runtime.showMessage(
            &m_sheet, QStringLiteral("Could not import %1:\n%2").arg(fileName(path), problem));
        return false;
    }
    m_sheet.load(battle::save::sheetFromParty(*read.party).sheet);
    if (!read.party->notes.empty()) {
        m_runtime.showMessage(&m_sheet, QStringLiteral("Some of the party looked odd in the save "
                                                       "and was read as far as it is sound:\n") +
                                            form::fromStd(battle::boundedList(read.party->notes)));
    }
    return true;
}

void SheetKeeper::copyTeamText()
{
    const std::string text = battle::writeTeamText(m_sheet.record());
    if (text.empty()) {
        m_runtime.showMessage(&m_sheet, QStringLiteral("%1 has no Pokémon to copy: no page names "
                                                       "a species.")
                                            .arg(trainerCaption()));
        return;
    }
    m_runtime.copyToClipboard(form::fromStd(text));
}

bool SheetKeeper::restoreAutosave()
{
    // Until restored, the last run's sheet waits where this run's first autosave moved it.
    const bool fromLastRun = m_runtime.marked(QStringLiteral("moved aside ") + m_autosavePath);
    const QString path = fromLastRun ? previousPath(m_autosavePath) : m_autosavePath;
    if (!QFileInfo::exists(path))
        return false;
    QString problem;
    const std::optional<battle::SheetRecord> read = readSheet(path, problem);
    if (!read) {
        m_runtime.showMessage(&m_sheet, QStringLiteral("Could not restore %1 from %2:\n%3")
                                            .arg(trainerCaption(), fileName(path), problem));
        return true;
    }
    // What is restored is this run's sheet from now on: nothing is moved aside any more.
    m_runtime.unmark(QStringLiteral("moved aside ") + m_autosavePath);
    m_runtime.mark(QStringLiteral("kept ") + m_autosavePath);
    m_sheet.load(*read);
    return true;
}

void SheetKeeper::flushAutosave(bool mayReport)
{
    if (m_autosave->isActive()) {
        m_autosave->stop();
        writeAutosave(mayReport);
    }
}

void SheetKeeper::writeAutosave(bool mayReport)
{
    const QString& path = m_autosavePath;
    if (!m_runtime.holdsDataFolder()) {
        if (mayReport && m_runtime.mark(QStringLiteral("told of another copy"))) {
            m_runtime.showMessage(&m_sheet,
                                  QStringLiteral("Another copy of Battle Tesh is running and keeps "
                                                 "the sheets in %1. This copy does not keep its "
                                                 "sheets; save them with Save As.")
                                      .arg(fileName(QFileInfo(path).absolutePath())));
        }
        return;
    }
    QString problem;
    // The first autosave of a run moves the last run's sheet aside rather than over it.
    if (m_runtime.mark(QStringLiteral("kept ") + path) && QFileInfo::exists(path)) {
        const QString previous = previousPath(path);
        if (std::rename(QFile::encodeName(path).constData(),
                        QFile::encodeName(previous).constData()) == 0) {
            m_runtime.mark(QStringLiteral("moved aside ") + path);
        } else {
            problem = QString::fromLocal8Bit(std::strerror(errno)) + QLatin1Char('.');
            m_runtime.unmark(QStringLiteral("kept ") + path);
        }
    }
    if (problem.isEmpty() &&
        Runtime::writeFile(
            path, QByteArray::fromStdString(battle::writeSheetFile(m_sheet.record())), problem)) {
        m_autosaveFailureShown = false;
        return;
    }
    // Said once until it works again, so a full disk does not interrupt every keystroke.
    if (mayReport && !m_autosaveFailureShown) {
        m_autosaveFailureShown = true;
        m_runtime.showMessage(&m_sheet, QStringLiteral("Could not keep %1 in %2:\n%3")
                                            .arg(trainerCaption(), fileName(path), problem));
    }
}
