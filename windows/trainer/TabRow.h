// SPDX-License-Identifier: MIT
#pragma once

#include <QTabBar>

// One row of a tab strip that spans several rows. A plain QTabBar always shows one of its tabs
// as chosen; a row must also be able to show none, while the page showing belongs to another row.
// Its tabs share the row's width equally, so a row never scrolls. With the focus on a row, the
// arrow keys pick the neighbouring tab and Space or Enter the tab the focus marks.
class TabRow : public QTabBar {
    Q_OBJECT

public:
    TabRow(int tabsPerRow, int rowHeight, QWidget* parent = nullptr);

    // The chosen tab, or -1 when the row shows none chosen.
    int chosenTab() const;
    // Chooses a tab (-1 for none) without reporting it as the user's choice.
    void setChosenTab(int index);

signals:
    // The user picked a tab of this row, by mouse or keyboard, chosen before or not.
    void tabPicked(int index);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCurrentChanged(int index);

    int m_tabsPerRow;
    int m_rowHeight;
    bool m_hasChoice = true;
};
