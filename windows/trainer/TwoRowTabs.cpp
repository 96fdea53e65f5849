// SPDX-License-Identifier: MIT
#include "windows/trainer/TwoRowTabs.h"

#include "windows/trainer/TabRow.h"

#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

TwoRowTabs::TwoRowTabs(int tabsPerRow, int rowHeight, QWidget* parent)
    : QWidget(parent), m_tabsPerRow(tabsPerRow), m_rowHeight(rowHeight)
{
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Pages"));
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        auto* row = new TabRow(tabsPerRow, rowHeight, this);
        row->setObjectName(QStringLiteral("TabRow%1").arg(index + 1));
        m_rows[index] = row;
    }
    connect(m_rows[0], &TabRow::tabPicked, this, &TwoRowTabs::onFirstRowPicked);
    connect(m_rows[1], &TabRow::tabPicked, this, &TwoRowTabs::onSecondRowPicked);

    const std::pair<QKeySequence, void (TwoRowTabs::*)()> pageKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), &TwoRowTabs::showNextPage},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), &TwoRowTabs::showNextPage},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &TwoRowTabs::showPreviousPage},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), &TwoRowTabs::showPreviousPage},
    };
    for (const auto& [keys, step] : pageKeys) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, step);
    }
}

void TwoRowTabs::addPage(QWidget* page, const QString& caption)
{
    const int index = m_pages->addWidget(page);
    TabRow* row = m_rows.at(rowOf(index));
    {
        // A row's first tab becomes its current one, which is no choice of the user's.
        const QSignalBlocker quiet(row);
        row->addTab(caption);
    }
    setCurrentPage(currentPage());
}

int TwoRowTabs::pageCount() const
{
    return m_pages->count();
}

int TwoRowTabs::currentPage() const
{
    return m_pages->currentIndex();
}

void TwoRowTabs::setCurrentPage(int index)
{
    if (index < 0 || index >= pageCount())
        return;
    emit pageAboutToShow(index);
    m_pages->setCurrentIndex(index);
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        m_rows[row]->setChosenTab(static_cast<int>(row) == rowOf(index) ? tabOf(index) : -1);
    update();
}

QString TwoRowTabs::caption(int index) const
{
    return m_rows.at(rowOf(index))->tabText(tabOf(index));
}

void TwoRowTabs::setCaption(int index, const QString& caption)
{
    m_rows.at(rowOf(index))->setTabText(tabOf(index), caption);
}

void TwoRowTabs::onFirstRowPicked(int tab)
{
    setCurrentPage(tab);
}

void TwoRowTabs::onSecondRowPicked(int tab)
{
    setCurrentPage(m_tabsPerRow + tab);
}

void TwoRowTabs::showNextPage()
{
    if (pageCount() > 0)
        setCurrentPage((currentPage() + 1) % pageCount());
}

void TwoRowTabs::showPreviousPage()
{
    if (pageCount() > 0)
        setCurrentPage((currentPage() + pageCount() - 1) % pageCount());
}

void TwoRowTabs::resizeEvent(QResizeEvent* /*event*/)
{
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        m_rows[row]->setGeometry(0, static_cast<int>(row) * m_rowHeight, width(), m_rowHeight);
        m_rows[row]->raise();
    }
    m_pages->setGeometry(rect());
}

void TwoRowTabs::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, stripHeight(), 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_rows.back()->size();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}
