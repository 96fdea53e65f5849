// SPDX-License-Identifier: MIT
#include "windows/trainer/TrainerSheet.h"

#include "battle/sheet/SheetUpdates.h"
#include "runtime/Runtime.h"
#include "runtime/WindowId.h"
#include "windows/common/Form.h"
#include "windows/trainer/SheetKeeper.h"
#include "windows/trainer/TabRow.h"
#include "windows/trainer/TwoRowTabs.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using form::Kind;

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

constexpr int clientWidth = 4605;
constexpr int clientHeight = 6240;
constexpr int containerWidth = 4605;
constexpr int containerHeight = 5775;
constexpr int tabsPerRow = 3;
constexpr int tabRowHeight = 300; // twips; the page content starts at 720, below both rows

// clang-format off
constexpr form::ControlRow windowRows[] = {
    {"Command1", Kind::Button, nullptr, "Credits",      3120, 3480, 1215, 375},
    {"Label3",   Kind::Label,  nullptr, "Trainer Name",  120, 5880, 1095, 255},
    {"Text3",    Kind::Field,  nullptr, "",             1320, 5880, 1455, 285},
    {"Label1",   Kind::Label,  nullptr, "Active: None", 2880, 5880, 1695, 255},
};

// Built once per page with the page number as suffix; the geometry is the container's.
constexpr form::ControlRow pageRows[] = {
    {"Label7",  Kind::Label,        "Page", "Pokémon Species",    240,  720, 1455,  255},
    {"Text5",   Kind::Field,        "Page", "",                  1800,  720, 1215,  285},
    {"Check1",  Kind::CheckBox,     "Page", "Leech Seed",        3120,  720, 1215,  255},
    {"Label6",  Kind::Label,        "Page", "Pokémon Nickname",   240, 1080, 1455,  255},
    {"Check2",  Kind::CheckBox,     "Page", "Confused",          3120, 1080, 1215,  255},
    {"Label5",  Kind::Label,        "Page", "Status Changes",     240, 1440, 1455,  255},
    {"Combo1",  Kind::Combo,        "Page", "",                  1800, 1440, 1215,  315},
    {"Option1", Kind::OptionButton, "Page", "Active",            3120, 1440, 1215,  255},
    {"Label14", Kind::Label,        "Page", "HP",                 240, 1800,  975,  255},
    {"Text11",  Kind::Field,        "Page", "",                  1800, 1800,  495,  285},
    {"Label13", Kind::Label,        "Page", "/",                 2400, 1800,  135,  255},
    {"Text12",  Kind::Field,        "Page", "",                  2520, 1800,  495,  285},
    {"Label25", Kind::Label,        "Page", "Miscellaneous",     3120, 1800, 1215,  255},
    {"Label8",  Kind::Label,        "Page", "Attack",             240, 2160,  495,  255},
    {"Text6",   Kind::Field,        "Page", "",                  1800, 2160, 1215,  285},
    {"Text27",  Kind::NotesBox,     "Page", "",                  3120, 2160, 1215, 1215},
    {"Label9",  Kind::Label,        "Page", "Defense",            240, 2520,  615,  255},
    {"Text7",   Kind::Field,        "Page", "",                  1800, 2520, 1215,  285},
    {"Label10", Kind::Label,        "Page", "Special (Attack)",   240, 2880, 1215,  255},
    {"Text8",   Kind::Field,        "Page", "",                  1800, 2880, 1215,  285},
    {"Label11", Kind::Label,        "Page", "Special (Defense)",  240, 3240, 1335,  255},
    {"Text9",   Kind::Field,        "Page", "",                  1800, 3240, 1215,  285},
    {"Label12", Kind::Label,        "Page", "Speed",              240, 3600,  495,  255},
    {"Text10",  Kind::Field,        "Page", "",                  1800, 3600, 1215,  285},
    {"Text13",  Kind::Field,        "Page", "Attack1",            240, 3960, 1095,  285},
    {"Label16", Kind::Label,        "Page", "PP",                1440, 3960,  255,  255},
    {"Text14",  Kind::Field,        "Page", "",                  1800, 3960,  495,  285},
    {"Label15", Kind::Label,        "Page", "/",                 2400, 3960,  135,  255},
    {"Text15",  Kind::Field,        "Page", "",                  2520, 3960,  495,  285},
    {"Text16",  Kind::Field,        "Page", "Attack2",            240, 4320, 1095,  285},
    {"Label18", Kind::Label,        "Page", "PP",                1440, 4320,  255,  255},
    {"Text17",  Kind::Field,        "Page", "",                  1800, 4320,  495,  285},
    {"Label17", Kind::Label,        "Page", "/",                 2400, 4320,  135,  255},
    {"Text18",  Kind::Field,        "Page", "",                  2520, 4320,  495,  285},
    {"Text19",  Kind::Field,        "Page", "Attack3",            240, 4680, 1095,  285},
    {"Label20", Kind::Label,        "Page", "PP",                1440, 4680,  255,  255},
    {"Text20",  Kind::Field,        "Page", "",                  1800, 4680,  495,  285},
    {"Label19", Kind::Label,        "Page", "/",                 2400, 4680,  135,  255},
    {"Text21",  Kind::Field,        "Page", "",                  2520, 4680,  495,  285},
    {"Text22",  Kind::Field,        "Page", "Attack4",            240, 5040, 1095,  285},
    {"Label22", Kind::Label,        "Page", "PP",                1440, 5040,  255,  255},
    {"Text23",  Kind::Field,        "Page", "",                  1800, 5040,  495,  285},
    {"Label21", Kind::Label,        "Page", "/",                 2400, 5040,  135,  255},
    {"Text24",  Kind::Field,        "Page", "",                  2520, 5040,  495,  285},
    {"Label23", Kind::Label,        "Page", "Type 1",             240, 5400,  615,  255},
    {"Text25",  Kind::Field,        "Page", "",                   840, 5400,  975,  285},
    {"Label24", Kind::Label,        "Page", "Type 2",            1920, 5400,  615,  255},
    {"Text26",  Kind::Field,        "Page", "",                  2520, 5400,  975,  285},
};

// Each page's nickname field keeps a name of its own.
constexpr form::ControlRow nicknameRows[] = {
    {"Text1",  Kind::Field, "Page_1", "", 1800, 1080, 1215, 285},
    {"Text2",  Kind::Field, "Page_2", "", 1800, 1080, 1215, 285},
    {"Text4",  Kind::Field, "Page_3", "", 1800, 1080, 1215, 285},
    {"Text28", Kind::Field, "Page_4", "", 1800, 1080, 1215, 285},
    {"Text29", Kind::Field, "Page_5", "", 1800, 1080, 1215, 285},
    {"Text30", Kind::Field, "Page_6", "", 1800, 1080, 1215, 285},
};
static_assert(std::size(nicknameRows) == TrainerSheet::pageCount);

// What a screen reader calls each field of a page, after the caption beside it, and that label.
constexpr form::AccessibleRow pageAccessibleRows[] = {
    {"Text5",  "Pokémon Species",     nullptr, "Label7"},
    {"Combo1", "Status Changes",      nullptr, "Label5"},
    {"Text11", "HP",                  nullptr, "Label14"},
    {"Text12", "HP maximum",          nullptr, nullptr},
    {"Text6",  "Attack",              nullptr, "Label8"},
    {"Text27", "Miscellaneous",       nullptr, "Label25"},
    {"Text7",  "Defense",             nullptr, "Label9"},
    {"Text8",  "Special (Attack)",    nullptr, "Label10"},
    {"Text9",  "Special (Defense)",   nullptr, "Label11"},
    {"Text10", "Speed",               nullptr, "Label12"},
    {"Text13", "Attack 1 name",       nullptr, nullptr},
    {"Text14", "Attack 1 PP",         nullptr, "Label16"},
    {"Text15", "Attack 1 PP maximum", nullptr, nullptr},
    {"Text16", "Attack 2 name",       nullptr, nullptr},
    {"Text17", "Attack 2 PP",         nullptr, "Label18"},
    {"Text18", "Attack 2 PP maximum", nullptr, nullptr},
    {"Text19", "Attack 3 name",       nullptr, nullptr},
    {"Text20", "Attack 3 PP",         nullptr, "Label20"},
    {"Text21", "Attack 3 PP maximum", nullptr, nullptr},
    {"Text22", "Attack 4 name",       nullptr, nullptr},
    {"Text23", "Attack 4 PP",         nullptr, "Label22"},
    {"Text24", "Attack 4 PP maximum", nullptr, nullptr},
    {"Text25", "Type 1",              nullptr, "Label23"},
    {"Text26", "Type 2",              nullptr, "Label24"},
};

constexpr form::AccessibleRow windowAccessibleRows[] = {
    {"Text3", "Trainer Name", nullptr, "Label3"},
};

// clang-format on

// Which field of a page holds which part of its record.
struct PageField {
    const char* control;
    std::string battle::PageRecord::*text;
};

// clang-format off
constexpr PageField pageFields[] = {
    {"Text5",  &battle::PageRecord::species},
    {"Combo1", &battle::PageRecord::status},
    {"Text11", &battle::PageRecord::hp},
    {"Text12", &battle::PageRecord::hpMaximum},
    {"Text6",  &battle::PageRecord::attack},
    {"Text7",  &battle::PageRecord::defense},
    {"Text8",  &battle::PageRecord::specialAttack},
    {"Text9",  &battle::PageRecord::specialDefense},
    {"Text10", &battle::PageRecord::speed},
    {"Text25", &battle::PageRecord::type1},
    {"Text26", &battle::PageRecord::type2},
    {"Text27", &battle::PageRecord::notes},
};

// Name, PP and PP maximum of each attack.
constexpr const char* attackFields[][3] = {
    {"Text13", "Text14", "Text15"},
    {"Text16", "Text17", "Text18"},
    {"Text19", "Text20", "Text21"},
    {"Text22", "Text23", "Text24"},
};
// clang-format on

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string controlText(const QWidget* control)
{
    if (auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text().toStdString();
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText().toStdString();
    return static_cast<const QPlainTextEdit*>(control)->toPlainText().toStdString();
}

void writeControl(QWidget* control, const std::string& text)
{
    const QString value = fromStd(text);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        form::writeWhole(field, value);
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->setCurrentIndex(list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
        list->setEditText(value);
    } else if (auto* notes = static_cast<QPlainTextEdit*>(control); notes->toPlainText() != value) {
        notes->setPlainText(value);
    }
}

QString pageSuffix(int page)
{
    return QStringLiteral("_%1").arg(page);
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
    form::setFixedClientSize(this, clientWidth, clientHeight);

    buildPages();
    // Built after the tabbed container, so the window's own controls stand in front of it.
    form::build(this, windowRows);
    form::control<QPushButton>(this, "Command1")->raise();
    form::describeControls(this, windowAccessibleRows);

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

void TrainerSheet::buildPages()
{
    m_tabs = new TwoRowTabs(tabsPerRow, tabRowHeight / form::twipsPerPixel, this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(form::twips(0, 0, containerWidth, containerHeight));
    m_tabs->row(0)->setAccessibleName(QStringLiteral("Pokémon 1 to 3"));
    m_tabs->row(1)->setAccessibleName(QStringLiteral("Pokémon 4 to 6"));
    m_active = new QButtonGroup(this);
    m_active->setExclusive(true);

    for (int page = 1; page <= pageCount; ++page) {
        auto* container = new QWidget;
        container->setObjectName(QStringLiteral("Page") + pageSuffix(page));
        m_tabs->addPage(container, QStringLiteral("Pokémon %1").arg(page));
    }
    buildPage(1);
}

// Most of the sheet is its pages' controls, and a battle may never reach the later pages: each
// page is built when it first shows.
void TrainerSheet::buildPage(int page)
{
    m_pageBuilt[page - 1] = true;
    const QString suffix = pageSuffix(page);
    form::build(this, pageRows, suffix);
    const form::ControlRow& nicknameRow = nicknameRows[page - 1];
    form::build(this, std::span(&nicknameRow, 1));
    auto* nickname = form::control<QLineEdit>(this, QString::fromUtf8(nicknameRow.name));
    form::describe(nickname, QStringLiteral("Pokémon Nickname"));
    form::control<QLabel>(this, "Label6" + suffix)->setBuddy(nickname);
    // Tabbing runs row by row: the nickname after Leech Seed, before Confused.
    QWidget::setTabOrder(form::control<QWidget>(this, "Check1" + suffix), nickname);

    form::describeControls(this, pageAccessibleRows, suffix);
    m_active->addButton(form::control<QRadioButton>(this, "Option1" + suffix), page);
    fillStatusList(page);
    connect(nickname, &QLineEdit::textChanged, this,
            [this, page](const QString& text) { onNicknameChanged(page, text); });
    watchEdits(page);
    addBattleActions(page);
}

// "Use as Attacker" and "Use as Defender" head the context menu of everything on the page, the
// menu key's included; the fields keep their own editing entries below.
void TrainerSheet::addBattleActions(int page)
{
    const QString suffix = pageSuffix(page);
    auto* container = form::control<QWidget>(this, "Page" + suffix);
    auto* attacker = new QAction(tr("Use as &Attacker"), container);
    attacker->setObjectName("UseAttacker" + suffix);
    connect(attacker, &QAction::triggered, this, [this, page] { emit usedAsAttacker(page); });
    auto* defender = new QAction(tr("Use as &Defender"), container);
    defender->setObjectName("UseDefender" + suffix);
    connect(defender, &QAction::triggered, this, [this, page] { emit usedAsDefender(page); });
    container->addActions({attacker, defender});
    container->installEventFilter(this);
    for (auto* child : container->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TrainerSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* container = widget;
    while (container && !container->objectName().startsWith(QLatin1String("Page_")))
        container = container->parentWidget();
    if (!container)
        return QWidget::eventFilter(watched, event);
    std::unique_ptr<QMenu> menu;
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        menu.reset(field->createStandardContextMenu());
    else if (auto* notes = qobject_cast<QPlainTextEdit*>(widget->parentWidget()))
        menu.reset(notes->createStandardContextMenu());
    else
        menu = std::make_unique<QMenu>();
    QAction* first = menu->actions().value(0);
    menu->insertActions(first, container->actions());
    if (first)
        menu->insertSeparator(first);
    menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

bool TrainerSheet::applyDamage(int page, int damage)
{
    ensurePageBuilt(page);
    const QString suffix = pageSuffix(page);
    auto* hp = form::control<QLineEdit>(this, "Text11" + suffix);
    const std::optional<std::string> left = battle::hpAfterDamage(hp->text().toStdString(), damage);
    if (!left)
        return false;
    hp->setText(QString::fromStdString(*left));
    if (*left == "0") {
        auto* notes = form::control<QPlainTextEdit>(this, "Text27" + suffix);
        writeControl(notes, battle::notesAfterFainting(notes->toPlainText().toStdString()));
    }
    return true;
}

void TrainerSheet::setStatus(int page, const QString& status)
{
    ensurePageBuilt(page);
    writeControl(form::control<QComboBox>(this, "Combo1" + pageSuffix(page)), status.toStdString());
}

battle::PageRecord TrainerSheet::pageRecord(int page)
{
    return record().pages[page - 1];
}

void TrainerSheet::watchEdits(int page)
{
    const QString suffix = pageSuffix(page);
    auto* container = form::control<QWidget>(this, "Page" + suffix);
    for (auto* field : container->findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, &TrainerSheet::edited);
    for (auto* check : container->findChildren<QCheckBox*>())
        connect(check, &QCheckBox::toggled, this, &TrainerSheet::edited);
    connect(form::control<QComboBox>(this, "Combo1" + suffix), &QComboBox::editTextChanged, this,
            &TrainerSheet::edited);
    connect(form::control<QPlainTextEdit>(this, "Text27" + suffix), &QPlainTextEdit::textChanged,
            this, &TrainerSheet::edited);
}

battle::SheetRecord TrainerSheet::record()
{
    battle::SheetRecord sheet;
    sheet.trainerName = form::control<QLineEdit>(this, "Text3")->text().toStdString();
    sheet.activePage = std::max(m_active->checkedId(), 0);
    for (int page = 1; page <= pageCount; ++page) {
        ensurePageBuilt(page);
        const QString suffix = pageSuffix(page);
        battle::PageRecord& record = sheet.pages[page - 1];
        for (const PageField& field : pageFields)
            record.*field.text = controlText(form::control<QWidget>(this, field.control + suffix));
        record.nickname = nickname(page).toStdString();
        for (std::size_t slot = 0; slot < record.attacks.size(); ++slot) {
            battle::AttackRecord& attack = record.attacks[slot];
            const auto text = [&](int column) {
                return controlText(
                    form::control<QWidget>(this, attackFields[slot][column] + suffix));
            };
            attack = {text(0), text(1), text(2)};
        }
        record.leechSeed = form::control<QCheckBox>(this, "Check1" + suffix)->isChecked();
        record.confused = form::control<QCheckBox>(this, "Check2" + suffix)->isChecked();
    }
    return sheet;
}

void TrainerSheet::load(const battle::SheetRecord& sheet)
{
    for (int page = 1; page <= pageCount; ++page) {
        ensurePageBuilt(page);
        const QString suffix = pageSuffix(page);
        const battle::PageRecord& record = sheet.pages[page - 1];
        for (const PageField& field : pageFields)
            writeControl(form::control<QWidget>(this, field.control + suffix), record.*field.text);
        writeControl(form::control<QWidget>(this, QString::fromUtf8(nicknameRows[page - 1].name)),
                     record.nickname);
        for (std::size_t slot = 0; slot < record.attacks.size(); ++slot) {
            const battle::AttackRecord& attack = record.attacks[slot];
            const std::string* texts[] = {&attack.name, &attack.pp, &attack.ppMaximum};
            for (int column = 0; column < 3; ++column) {
                writeControl(form::control<QWidget>(this, attackFields[slot][column] + suffix),
                             *texts[column]);
            }
        }
        form::control<QCheckBox>(this, "Check1" + suffix)->setChecked(record.leechSeed);
        form::control<QCheckBox>(this, "Check2" + suffix)->setChecked(record.confused);
    }
    writeControl(form::control<QLineEdit>(this, "Text3"), sheet.trainerName);
    if (sheet.activePage >= 1 && sheet.activePage <= pageCount) {
        m_active->button(sheet.activePage)->click();
    } else if (QAbstractButton* checked = m_active->checkedButton()) {
        // An exclusive group never lets its last choice go by itself.
        m_active->setExclusive(false);
        checked->setChecked(false);
        m_active->setExclusive(true);
        form::control<QLabel>(this, "Label1")->setText(QStringLiteral("Active: None"));
    }
}

void TrainerSheet::fillStatusList(int page)
{
    QStringList items;
    for (std::string_view status : battle::statusChanges)
        items.append(form::fromStd(status));
    form::fillList(form::control<QComboBox>(this, "Combo1" + pageSuffix(page)), items);
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
    return form::control<QLineEdit>(this, QString::fromUtf8(nicknameRows[page - 1].name))->text();
}

void TrainerSheet::onPageAboutToShow(int index)
{
    ensurePageBuilt(index + 1);
}

void TrainerSheet::ensurePageBuilt(int page)
{
    if (m_pageBuilt[page - 1])
        return;
    buildPage(page);
    // The window's own controls follow the page in the tab chain, as they follow the first page.
    auto* credits = form::control<QWidget>(this, "Command1");
    QWidget::setTabOrder(form::control<QWidget>(this, "Text26" + pageSuffix(page)), credits);
    QWidget::setTabOrder(credits, form::control<QWidget>(this, "Text3"));
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
