// SPDX-License-Identifier: MIT
#pragma once

// A trainer sheet keeps notes on one trainer's team while a battle runs: six pages of plain text
// fields, one per Pokémon, under a two-row tab strip. It renames a page's tab after its nickname,
// shows the active Pokémon below the tabs and the trainer's name in the caption, reads and writes
// its fields as a sheet record, takes the battle's damage and status onto a page (noting a faint
// by the sheet's rule), offers each page as attacker or defender from its context menu and shows
// the credits. The two sheets are one class; its files split it by job (form, record, menus).

#include <QWidget>

#include "battle/sheet/SheetRecord.h"

#include <array>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class Runtime;
class SheetKeeper;
class TwoRowTabs;

enum class Trainer { First, Second };

class TrainerSheet : public QWidget {
    Q_OBJECT

public:
    static constexpr int pageCount = 6;

    TrainerSheet(Runtime& runtime, Trainer trainer, QWidget* parent = nullptr);
    ~TrainerSheet() override;

    // Files, team text and autosave for this sheet.
    SheetKeeper& keeper() { return *m_keeper; }

    // Pages count from 1, as their tabs do.
    void showPage(int page);
    int showingPage() const;
    QString tabCaption(int page) const;
    Trainer trainer() const { return m_trainer; }

    // Every field as its text; the pages not yet shown are built first.
    battle::SheetRecord record();
    // Writes every field as typing would, so captions, tabs and the Active label follow.
    void load(const battle::SheetRecord& sheet);

    battle::PageRecord pageRecord(int page);

    // Lowers the page's current HP by the damage, not below 0, and notes a faint; false when its
    // HP is no number.
    bool applyDamage(int page, int damage);
    // Sets the page's status change as choosing it from the list does.
    void setStatus(int page, const QString& status);

signals:
    // Any field, check box or the Active choice changed.
    void edited();
    // The page's context menu.
    void usedAsAttacker(int page);
    void usedAsDefender(int page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void buildPages();
    void buildPage(int page);
    void ensurePageBuilt(int page);
    void watchEdits(int page);
    void addBattleActions(int page);
    void fillStatusList(int page);
    void connectHandlers();
    void showActive(int page);
    QString nickname(int page) const;

    void onPageAboutToShow(int index);
    void onNicknameChanged(int page, const QString& text);
    void onActiveChosen();
    void keepEveryOptionReachable();
    void onCreditsClicked();
    void onTrainerNameChanged(const QString& name);

    Runtime& m_runtime;
    Trainer m_trainer;
    TwoRowTabs* m_tabs = nullptr;
    QButtonGroup* m_active = nullptr;
    SheetKeeper* m_keeper = nullptr;
    std::array<bool, pageCount> m_pageBuilt{};
    // The DVs and stat experience a page was filled with, no field showing them: they hold for as
    // long as the page names the species they came with.
    struct KnownTraining {
        std::string species;
        battle::game::Training training;
    };
    std::array<std::optional<KnownTraining>, pageCount> m_training;
};
