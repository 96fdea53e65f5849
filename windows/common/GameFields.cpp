// SPDX-License-Identifier: MIT
#include "windows/common/GameFields.h"

#include "battle/classic/SpeciesTable.h"
#include "battle/game/GameStats.h"
#include "windows/common/Form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace form {

namespace game = battle::game;

namespace {

constexpr int defaultLevel = 50;

// A side's rows: a label at the left, its control beside it, one row each. Their places on the
// first row in twips: the label a little lower, its text level with the control's.
// clang-format off
constexpr QRect labelPlace  { 150, 405, 1500, 300};
constexpr QRect controlPlace{1680, 330,    0, 330}; // each row gives the width
// clang-format on

struct SideRow {
    const char* name; // after the side's name; the label's is "Lbl" before both
    Kind kind;
    const char* caption;
    int width;
};
// clang-format off
constexpr SideRow speciesRow{"Species", Kind::Combo,   "Species",    2460};
constexpr SideRow levelRow  {"Level",   Kind::SpinBox, "Level",      1050};
constexpr SideRow presetRow {"Preset",  Kind::Combo,   "Preset",     2460};
constexpr SideRow hpRow     {"Hp",      Kind::SpinBox, "Current HP", 1050};
// clang-format on

template <typename T>
T* buildRow(QWidget* window, const QString& side, const SideRow& row, int below)
{
    const QByteArray frame = (QStringLiteral("Frame") + side).toUtf8();
    const QByteArray name = (side + QLatin1String(row.name)).toUtf8();
    const QByteArray label = "Lbl" + name;
    const ControlRow rows[] = {
        {label.constData(), Kind::Label, frame.constData(), row.caption, labelPlace.x(),
         labelPlace.y() + below, labelPlace.width(), labelPlace.height()},
        {name.constData(), row.kind, frame.constData(), nullptr, controlPlace.x(),
         controlPlace.y() + below, row.width, controlPlace.height()},
    };
    build(window, rows);
    return control<T>(window, QString::fromUtf8(name));
}

QString presetText(game::Preset preset)
{
    return fromStd(game::presetName(preset));
}

} // namespace

QStringList gameSpeciesNames()
{
    QStringList names;
    for (const battle::SpeciesRow& row : battle::speciesRows())
        names << fromStd(row.name);
    return names;
}

// Only presets that set every figure: these windows have no fields for DVs of their own.
QStringList gamePresetNames()
{
    QStringList names;
    for (const game::Preset preset : game::allPresets) {
        if (game::presetTraining(preset))
            names << presetText(preset);
    }
    return names;
}

QStringList gameMoveNames()
{
    QStringList names;
    for (const game::Move& move : game::allMoves())
        names << fromStd(move.name);
    return names;
}

void chooseItem(QComboBox* list, const QString& text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

SideFields::SideFields(QWidget* window, const QString& side, int pitch, std::optional<int> hpAt)
    : QObject(window)
{
    m_species = buildRow<QComboBox>(window, side, speciesRow, 0);
    m_level = buildRow<QSpinBox>(window, side, levelRow, pitch);
    m_preset = buildRow<QComboBox>(window, side, presetRow, 2 * pitch);
    if (hpAt) {
        m_hp = buildRow<QSpinBox>(window, side, hpRow, *hpAt * pitch);
        m_hp->setRange(1, game::maxStat);
        connect(m_hp, &QSpinBox::valueChanged, this, [this] {
            m_hpFollowsMaximum = false;
            emit changed();
        });
    }
    m_species->addItems(gameSpeciesNames());
    m_preset->addItems(gamePresetNames());
    m_level->setRange(game::minLevel, game::maxLevel);
    m_level->setValue(defaultLevel);
    for (QComboBox* list : {m_species, m_preset}) {
        connect(list, &QComboBox::activated, this, &SideFields::onFighterChanged);
        connect(list->lineEdit(), &QLineEdit::textEdited, this, &SideFields::onFighterChanged);
    }
    connect(m_level, &QSpinBox::valueChanged, this, &SideFields::onFighterChanged);
    followMaximum();
}

std::optional<game::Fighter> SideFields::fighter() const
{
    const game::Species* found = game::speciesForProgramName(textOf(m_species));
    const std::optional<game::Preset> chosen = game::presetFromName(textOf(m_preset));
    const std::optional<game::Training> training = !chosen ? std::nullopt
                                                   : *chosen == game::Preset::Custom
                                                       ? m_custom
                                                       : game::presetTraining(*chosen);
    if (!found || !training)
        return std::nullopt;
    return game::Fighter{
        found, m_level->value(),
        game::computeStats(found->base, training->dvs, training->statExp, m_level->value())};
}

int SideFields::hp() const
{
    return m_hp->value();
}

void SideFields::hand(const QString& species, std::optional<int> level,
                      const std::optional<game::Training>& training)
{
    if (training) {
        m_custom = training;
        const QString custom = presetText(game::Preset::Custom);
        if (m_preset->findText(custom) < 0)
            m_preset->addItem(custom);
        chooseItem(m_preset, custom);
    } else {
        forgetCustom();
    }
    if (level) {
        const QSignalBlocker once(m_level);
        m_level->setValue(*level);
    }
    chooseItem(m_species, species);
    onFighterChanged();
}

void SideFields::forgetCustom()
{
    m_custom.reset();
    const int custom = m_preset->findText(presetText(game::Preset::Custom));
    if (custom < 0)
        return;
    if (game::presetFromName(textOf(m_preset)) == game::Preset::Custom)
        chooseItem(m_preset, presetText(game::Preset::Maximum));
    m_preset->removeItem(custom);
}

void SideFields::setHp(int hp)
{
    m_hpFollowsMaximum = false;
    const QSignalBlocker once(m_hp);
    m_hp->setValue(hp);
    emit changed();
}

void SideFields::onFighterChanged()
{
    followMaximum();
    emit changed();
}

void SideFields::followMaximum()
{
    if (!m_hp || !m_hpFollowsMaximum)
        return;
    if (const auto fighter = this->fighter()) {
        const QSignalBlocker following(m_hp);
        m_hp->setValue(fighter->stats.hp);
    }
}

} // namespace form
