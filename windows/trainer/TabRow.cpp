// SPDX-License-Identifier: MIT
#include "windows/trainer/TabRow.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyleOptionTab>
#include <QStylePainter>

TabRow::TabRow(int tabsPerRow, int rowHeight, QWidget* parent)
    : QTabBar(parent), m_tabsPerRow(tabsPerRow), m_rowHeight(rowHeight)
{
    setDrawBase(false);
    setExpanding(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideRight);
    connect(this, &QTabBar::currentChanged, this, &TabRow::onCurrentChanged);
    // A press on the tab a row remembers changes no index, yet it chooses that tab.
    connect(this, &QTabBar::tabBarClicked, this, &TabRow::tabPicked);
}

int TabRow::chosenTab() const
{
    return m_hasChoice ? currentIndex() : -1;
}

void TabRow::setChosenTab(int index)
{
    m_hasChoice = index >= 0;
    if (m_hasChoice) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
    update();
}

void TabRow::onCurrentChanged(int index)
{
    if (index >= 0)
        emit tabPicked(index);
}

QSize TabRow::tabSizeHint(int /*index*/) const
{
    return {width() / m_tabsPerRow, m_rowHeight};
}

QSize TabRow::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void TabRow::keyPressEvent(QKeyEvent* event)
{
    // A row that shows none chosen still marks a tab for the focus; without this key the arrows
    // could never pick that tab itself.
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex() >= 0)
            emit tabPicked(currentIndex());
        return;
    default:
        QTabBar::keyPressEvent(event);
    }
}

void TabRow::paintEvent(QPaintEvent* event)
{
    if (m_hasChoice) {
        QTabBar::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    for (int tab = 0; tab < count(); ++tab) {
        QStyleOptionTab option;
        initStyleOption(&option, tab);
        option.state &= ~QStyle::State_Selected;
        option.selectedPosition = QStyleOptionTab::NotAdjacent;
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}
