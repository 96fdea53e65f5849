// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>

class QStackedWidget;
class TabRow;

// A tabbed container whose tabs stand in two rows above one page area: the first row holds the
// first `tabsPerRow` pages, the second row the rest. Choosing a tab in one row leaves the other
// row with none chosen. Pages cover the whole container, so their controls are placed in the
// container's own coordinates; the tab rows stand in front of the pages' top. Ctrl+Tab and
// Ctrl+PgDown show the next page from anywhere in the window, Ctrl+Shift+Tab and Ctrl+PgUp the
// previous one, round the end.
class TwoRowTabs : public QWidget {
    Q_OBJECT

public:
    TwoRowTabs(int tabsPerRow, int rowHeight, QWidget* parent = nullptr);

    void addPage(QWidget* page, const QString& caption);
    int pageCount() const;

    // Pages count from 0.
    int currentPage() const;
    void setCurrentPage(int index);
    QString caption(int index) const;
    void setCaption(int index, const QString& caption);

    TabRow* row(int index) const { return m_rows.at(index); }
    int stripHeight() const { return 2 * m_rowHeight; }

signals:
    // The page is about to show: the last moment to fill it.
    void pageAboutToShow(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onFirstRowPicked(int tab);
    void onSecondRowPicked(int tab);
    void showNextPage();
    void showPreviousPage();
    int rowOf(int index) const { return index / m_tabsPerRow; }
    int tabOf(int index) const { return index % m_tabsPerRow; }

    int m_tabsPerRow;
    int m_rowHeight;
    std::array<TabRow*, 2> m_rows{};
    QStackedWidget* m_pages = nullptr;
};
