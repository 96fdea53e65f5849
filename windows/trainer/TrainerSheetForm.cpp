// SPDX-License-Identifier: MIT
// The sheet's form: the window's own controls and the six pages, each page built the first time
// it is needed.

#include "windows/trainer/TrainerSheet.h"

#include "battle/sheet/SheetFields.h"
#include "battle/sheet/SheetUpdates.h"
#include "windows/common/Form.h"
#include "windows/trainer/SheetParts.h"
#include "windows/trainer/TabRow.h"
#include "windows/trainer/TwoRowTabs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using form::Kind;
using sheetparts::pageSuffix;

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
    {"Text13",  Kind::Field,        "Page", "",                   240, 3960, 1095,  285},
    {"Label16", Kind::Label,        "Page", "PP",                1440, 3960,  255,  255},
    {"Text14",  Kind::Field,        "Page", "",                  1800, 3960,  495,  285},
    {"Label15", Kind::Label,        "Page", "/",                 2400, 3960,  135,  255},
    {"Text15",  Kind::Field,        "Page", "",                  2520, 3960,  495,  285},
    {"Text16",  Kind::Field,        "Page", "",                   240, 4320, 1095,  285},
    {"Label18", Kind::Label,        "Page", "PP",                1440, 4320,  255,  255},
    {"Text17",  Kind::Field,        "Page", "",                  1800, 4320,  495,  285},
    {"Label17", Kind::Label,        "Page", "/",                 2400, 4320,  135,  255},
    {"Text18",  Kind::Field,        "Page", "",                  2520, 4320,  495,  285},
    {"Text19",  Kind::Field,        "Page", "",                   240, 4680, 1095,  285},
    {"Label20", Kind::Label,        "Page", "PP",                1440, 4680,  255,  255},
    {"Text20",  Kind::Field,        "Page", "",                  1800, 4680,  495,  285},
    {"Label19", Kind::Label,        "Page", "/",                 2400, 4680,  135,  255},
    {"Text21",  Kind::Field,        "Page", "",                  2520, 4680,  495,  285},
    {"Text22",  Kind::Field,        "Page", "",                   240, 5040, 1095,  285},
    {"Label22", Kind::Label,        "Page", "PP",                1440, 5040,  255,  255},
    {"Text23",  Kind::Field,        "Page", "",                  1800, 5040,  495,  285},
    {"Label21", Kind::Label,        "Page", "/",                 2400, 5040,  135,  255},
    {"Text24",  Kind::Field,        "Page", "",                  2520, 5040,  495,  285},
    // Not in the first version: beside the attacks, where the page was empty.
    {"LabelLevel", Kind::Label,     "Page", "Level",             3120, 3960,  495,  255},
    {"Level",   Kind::Field,        "Page", "",                  3720, 3960,  615,  285},
    {"Label23", Kind::Label,        "Page", "Type 1",             240, 5400,  615,  255},
    {"Text25",  Kind::Field,        "Page", "",                   840, 5400,  975,  285},
    {"Label24", Kind::Label,        "Page", "Type 2",            1920, 5400,  615,  255},
    {"Text26",  Kind::Field,        "Page", "",                  2520, 5400,  975,  285},
};

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
    {"Level",  "Level",               nullptr, "LabelLevel"},
    {"Text25", "Type 1",              nullptr, "Label23"},
    {"Text26", "Type 2",              nullptr, "Label24"},
};

constexpr form::AccessibleRow windowAccessibleRows[] = {
    {"Text3", "Trainer Name", nullptr, "Label3"},
};

// clang-format on

// Each page's nickname field keeps a name of its own (the field list's), on its own page.
constexpr const char* nicknameParents[] = {"Page_1", "Page_2", "Page_3",
                                           "Page_4", "Page_5", "Page_6"};
static_assert(std::size(nicknameParents) == std::size(battle::nicknameControls));

form::ControlRow nicknameRow(int page)
{
    return {battle::nicknameControls[page - 1],
            Kind::Field,
            nicknameParents[page - 1],
            "",
            1800,
            1080,
            1215,
            285};
}

} // namespace

void TrainerSheet::buildForm()
{
    form::setFixedClientSize(this, clientWidth, clientHeight);
    buildPages();
    // Built after the tabbed container, so the window's own controls stand in front of it.
    form::build(this, windowRows);
    form::control<QPushButton>(this, "Command1")->raise();
    form::describeControls(this, windowAccessibleRows);
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
    const form::ControlRow nicknameField = nicknameRow(page);
    form::build(this, std::span(&nicknameField, 1));
    auto* nickname = form::control<QLineEdit>(this, QString::fromUtf8(nicknameField.name));
    for (std::size_t slot = 0; slot < std::size(battle::attackTextFields[0].controls); ++slot) {
        form::control<QLineEdit>(this, battle::attackTextFields[0].controls[slot] + suffix)
            ->setText(form::fromStd(battle::attackPlaceholder(slot)));
    }
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

void TrainerSheet::fillStatusList(int page)
{
    QStringList items;
    for (std::string_view status : battle::statusChanges)
        items.append(form::fromStd(status));
    form::fillList(form::control<QComboBox>(this, "Combo1" + pageSuffix(page)), items);
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
