// SPDX-License-Identifier: MIT
#include "windows/trainer/TrainerSheet.h"

#include "battle/sheet/SheetFields.h"
#include "runtime/Runtime.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/SheetParts.h"
#include "windows/trainer/TwoRowTabs.h"

#include <QButtonGroup>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

// What tells the two sheets apart; everything else they share.
struct SheetTraits {
    WindowId id;
    const char* caption;
    const char* programmerCredit;
    const char* focusOnOpening;
};

// clang-format off
constexpr SheetTraits sheetTraits[] = {
    {WindowId::Trainer1, "Trainer 1", "The Battle Tesh team - programming of this version", "TabRow1"},
    {WindowId::Trainer2, "Trainer 2", "The Battle Tesh team - programming",                 "Text3"},
};
// clang-format on

constexpr const char* ideaCredit = "A fellow trainer - initial idea";

const SheetTraits& traitsOf(Trainer trainer)
{
    return sheetTraits[static_cast<int>(trainer)];
}

// A clipboard with a few lines of notes.
QIcon sheetIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 55, 25), 1));
    painter.setBrush(QColor(175, 120, 60));
    painter.drawRoundedRect(QRectF(4.5, 3.5, 23, 28), 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7, 7, 18, 22));
    painter.setPen(QPen(QColor(70, 70, 80), 1));
    painter.setBrush(QColor(185, 185, 195));
    painter.drawRoundedRect(QRectF(10.5, 1.5, 11, 6), 1.5, 1.5);
    for (int line = 0; line < 4; ++line) {
        const qreal y = 11.5 + line * 4.5;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(205, 40, 40));
        painter.drawEllipse(QPointF(10, y), 1.3, 1.3);
        painter.setPen(QPen(QColor(40, 70, 160), 1.5));
        painter.drawLine(QPointF(13, y), QPointF(line % 2 ? 20 : 23, y));
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace

TrainerSheet::TrainerSheet(Runtime& runtime, Trainer trainer, QWidget* parent)
    : QWidget(parent), m_runtime(runtime), m_trainer(trainer)
{
    const SheetTraits& traits = traitsOf(trainer);
    setObjectName(objectNameOf(traits.id));
    setWindowTitle(QString::fromUtf8(traits.caption));
    setWindowIcon(sheetIcon());
    setFont(form::defaultFont());
    QPalette fields = palette();
    fields.setColor(QPalette::Base, Qt::white);
    fields.setColor(QPalette::Text, Qt::black);
    setPalette(fields);
    buildForm();

    connectHandlers();
    m_keeper = new SheetKeeper(runtime, *this);
    m_tabs->setCurrentPage(0);
    form::control<QWidget>(this, QString::fromUtf8(traits.focusOnOpening))->setFocus();
}

// Closing, the end of the program and Exit all come through here, where the runtime may already
// be going down; the last change is kept.
TrainerSheet::~TrainerSheet()
{
    m_keeper->flushAutosave(false);
}

void TrainerSheet::connectHandlers()
{
    connect(m_tabs, &TwoRowTabs::pageAboutToShow, this, &TrainerSheet::onPageAboutToShow);
    // A click, a key or an arrow through the group; choosing the active Pokémon again
    // refreshes the label after a rename.
    connect(m_active, &QButtonGroup::idClicked, this, &TrainerSheet::onActiveChosen);
    connect(m_active, &QButtonGroup::idToggled, this, &TrainerSheet::keepEveryOptionReachable);
    connect(form::control<QPushButton>(this, "Command1"), &QPushButton::clicked, this,
            &TrainerSheet::onCreditsClicked);
    connect(form::control<QLineEdit>(this, "Text3"), &QLineEdit::textChanged, this,
            &TrainerSheet::onTrainerNameChanged);
    connect(form::control<QLineEdit>(this, "Text3"), &QLineEdit::textChanged, this,
            &TrainerSheet::edited);
    connect(m_active, &QButtonGroup::idToggled, this, &TrainerSheet::edited);
}

void TrainerSheet::showPage(int page)
{
    m_tabs->setCurrentPage(page - 1);
}

int TrainerSheet::showingPage() const
{
    return m_tabs->currentPage() + 1;
}

QString TrainerSheet::tabCaption(int page) const
{
    return m_tabs->caption(page - 1);
}

QString TrainerSheet::nickname(int page) const
{
    return form::control<QLineEdit>(this, QString::fromUtf8(battle::nicknameControls[page - 1]))
        ->text();
}

void TrainerSheet::onPageAboutToShow(int index)
{
    ensurePageBuilt(index + 1);
}

void TrainerSheet::onNicknameChanged(int page, const QString& text)
{
    // The page's own tab, even when the text reaches a page that is not showing.
    m_tabs->setCaption(page - 1, text);
}

void TrainerSheet::onActiveChosen()
{
    const int page = m_active->checkedId();
    if (page < 1)
        return;
    form::control<QLabel>(this, "Label1")->setText(QStringLiteral("Active: ") + nickname(page));
}

// A group lets the Tab key reach only its chosen option; ours stand one on each page, so every
// page keeps its own option reachable.
void TrainerSheet::keepEveryOptionReachable()
{
    for (QAbstractButton* option : m_active->buttons())
        option->setFocusPolicy(Qt::StrongFocus);
}

void TrainerSheet::onCreditsClicked()
{
    m_runtime.showMessage(this, QString::fromUtf8(traitsOf(m_trainer).programmerCredit),
                          Runtime::MessageStyle::Plain);
    m_runtime.showMessage(this, QString::fromUtf8(ideaCredit), Runtime::MessageStyle::Plain);
}

void TrainerSheet::onTrainerNameChanged(const QString& name)
{
    const QString caption = QString::fromUtf8(traitsOf(m_trainer).caption);
    setWindowTitle(name.isEmpty() ? caption : caption + QStringLiteral(" - ") + name);
}
