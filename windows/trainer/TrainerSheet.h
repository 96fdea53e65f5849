// SPDX-License-Identifier: MIT
#pragma once

// A trainer sheet keeps notes on one trainer's team while a battle runs: six pages of plain text
// fields, one per Pokémon, under a two-row tab strip. It computes nothing; its handlers only
// rename a page's tab after its nickname, show the active Pokémon below the tabs, show the
// trainer's name in the caption and show the credits. The two sheets are one class.

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class Runtime;
class TwoRowTabs;

enum class Trainer { First, Second };

class TrainerSheet : public QWidget {
    Q_OBJECT

public:
    static constexpr int pageCount = 6;

    TrainerSheet(Runtime& runtime, Trainer trainer, QWidget* parent = nullptr);

    // Pages count from 1, as their tabs do.
    void showPage(int page);
    int showingPage() const;
    QString tabCaption(int page) const;

private:
    void buildPages();
    void buildPage(int page);
    void fillStatusList(int page);
    void connectHandlers();
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
    std::array<bool, pageCount> m_pageBuilt{};
};
