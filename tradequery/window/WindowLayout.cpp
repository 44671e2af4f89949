#include "tradequery/window/WindowLayout.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/win/DoEvents.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/host/Steps.h"
#include "tradequery/window/LineShape.h"
#include "tradequery/window/PriceTrendView.h"
#include "platform/win/Twips.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace tq {

using namespace win::twips;

WindowLayout::WindowLayout(BrowseBase& window) : QObject(&window), m_window(window), m_c(window.browseControls())
{
    m_c.imgSplitVer->installEventFilter(this);
}

void WindowLayout::LayoutControls(long x, long y, int mode)
{
    switch (mode) {
    case 1:
        fullLayout(x, y);
        break;
    case 3:
        splitterAt(x);
        break;
    case 4:
        toggleStatusBar();
        break;
    case 5:
        toggleToolbar();
        break;
    default:
        break;
    }
}

void WindowLayout::fullLayout(long x, long y)
{
    // The bars' places count whether or not they are shown, so hiding one leaves its room.
    const long barBottom = Top(m_c.tbToolBar) + Height(m_c.tbToolBar);
    const long statusHeight = Height(m_c.sbStatusBar);
    step([&] {
        m_c.horizontalLines[0]->setY1(barBottom);
        m_c.horizontalLines[0]->setY2(barBottom);
    });
    step([&] {
        const long second = m_c.horizontalLines[0]->Y1() + 30 / 2;
        m_c.horizontalLines[1]->setY1(second);
        m_c.horizontalLines[1]->setY2(second);
    });
    step([&] {
        const long titleTop = m_c.horizontalLines[1]->Y1() + 30;
        setTop(m_c.SSPTitleClass, titleTop);
        setTop(m_c.SSPTitleItem, titleTop);
    });
    step([&] {
        const long top = Top(m_c.SSPTitleItem) + Height(m_c.SSPTitleItem);
        setTop(m_c.tvwBase, top);
        setTop(m_c.ldgBase, top);
    });
    step([&] {
        if (y - statusHeight - 30 > Top(m_c.tvwBase))
            setHeight(m_c.tvwBase, y - statusHeight - Top(m_c.tvwBase) - 30);
    });
    step([&] {
        if (y - statusHeight - 30 > Top(m_c.ldgBase))
            setHeight(m_c.ldgBase, y - statusHeight - Top(m_c.ldgBase) - 30);
    });
    step([&] {
        if (x - 30 > Left(m_c.ldgBase))
            setWidth(m_c.ldgBase, x - Left(m_c.ldgBase) - 30);
    });
    step([&] {
        const long bottom = Top(m_c.tvwBase) + Height(m_c.tvwBase);
        for (LineShape* line : m_c.verticalLines)
            line->setY2(bottom);
    });
    step([&] {
        setHeight(m_c.imgSplitVer, (Top(m_c.tvwBase) - Top(m_c.imgSplitVer)) + Height(m_c.tvwBase));
    });
    step([&] { setWidth(m_c.SSPTitleItem, Width(m_c.ldgBase)); });
    step([&] { m_window.priceTrend().FitUnderLedger(); });
}

void WindowLayout::splitterAt(long x)
{
    step([&] { setWidth(m_c.tvwBase, x); });
    step([&] { setWidth(m_c.SSPTitleClass, x); });
    step([&] { setLeft(m_c.imgSplitVer, Left(m_c.tvwBase) + Width(m_c.tvwBase)); });
    step([&] { setLeft(m_c.ldgBase, Left(m_c.imgSplitVer) + Width(m_c.imgSplitVer)); });
    step([&] { setWidth(m_c.ldgBase, toTwips(m_c.client->width()) - Left(m_c.ldgBase) - 30); });
    step([&] { setWidth(m_c.SSPTitleItem, Width(m_c.ldgBase)); });
    step([&] { setLeft(m_c.SSPTitleItem, Left(m_c.ldgBase)); });
    step([&] {
        const long lineX = Left(m_c.tvwBase) + Width(m_c.tvwBase) + 30;
        m_c.verticalLines[0]->setX1(lineX);
        m_c.verticalLines[0]->setX2(lineX);
        m_c.verticalLines[1]->setX1(lineX + 15);
        m_c.verticalLines[1]->setX2(lineX + 15);
    });
    step([&] { m_window.priceTrend().FollowLedgerWidth(); });
}

void WindowLayout::toggleStatusBar()
{
    step([&] {
        m_c.sbStatusBar->setVisible(m_c.menuItems.value(QStringLiteral("mnuViewStatusBar"))->isChecked());
    });
    step([&] { Resize(); });
}

void WindowLayout::toggleToolbar()
{
    step([&] {
        if (auto convert = hostapi::globals().valueConvert())
            convert->ShowToolbarLabels(m_c.tbToolBar,
                                       m_c.menuItems.value(QStringLiteral("mnuViewToolbarLable"))->isChecked());
    });
    step([&] {
        m_c.tbToolBar->setVisible(m_c.menuItems.value(QStringLiteral("mnuViewToolbar"))->isChecked());
    });
    step([] { win::DoEvents(); });
    step([&] { Resize(); });
}

void WindowLayout::Resize()
{
    // The menu bar along the top of the window; the inner area (the form's client area)
    // below it, where the toolbar and the status bar are aligned to the top and the bottom.
    const int menuHeight = m_c.menuBar->sizeHint().height();
    m_c.menuBar->setGeometry(0, 0, m_window.width(), menuHeight);
    m_c.client->setGeometry(0, menuHeight, m_window.width(), std::max(0, m_window.height() - menuHeight));
    const int width = m_c.client->width();
    const int height = m_c.client->height();
    const int toolbarHeight = m_c.tbToolBar->sizeHint().height();
    m_c.tbToolBar->setGeometry(0, 0, width, toolbarHeight);
    const int statusHeight = m_c.sbStatusBar->sizeHint().height();
    m_c.sbStatusBar->setGeometry(0, std::max(0, height - statusHeight), width, statusHeight);
    LayoutControls(toTwips(width), toTwips(height), 1);
}

void WindowLayout::imgSplitVer_MouseDown()
{
    step([&] {
        m_c.picSplitVer->setGeometry(m_c.imgSplitVer->x(), m_c.imgSplitVer->y(),
                                     toPixels(Width(m_c.imgSplitVer) / 2), toPixels(Height(m_c.imgSplitVer) - 20));
    });
    step([&] { m_c.picSplitVer->raise(); });
    step([&] { m_c.picSplitVer->show(); });
    m_splitterMoving = true;
}

void WindowLayout::imgSplitVer_MouseMove(long x)
{
    if (!m_splitterMoving)
        return;
    // The window's outer width, frame included, bounds the drag on the right.
    const long position = Left(m_c.imgSplitVer) + x;
    const long outerWidth = toTwips(m_window.frameGeometry().width());
    if (position < kSplitterMargin)
        setLeft(m_c.picSplitVer, kSplitterMargin);
    else if (outerWidth - kSplitterMargin < position)
        setLeft(m_c.picSplitVer, outerWidth - kSplitterMargin);
    else
        setLeft(m_c.picSplitVer, position);
}

void WindowLayout::imgSplitVer_MouseUp()
{
    step([&] { LayoutControls(Left(m_c.picSplitVer), 0, 3); });
    step([&] { m_c.picSplitVer->hide(); });
    m_splitterMoving = false;
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_c.imgSplitVer)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        imgSplitVer_MouseDown();
        return true;
    case QEvent::MouseMove:
        step([&] { imgSplitVer_MouseMove(toTwips(static_cast<QMouseEvent*>(event)->position().toPoint().x())); });
        return true;
    case QEvent::MouseButtonRelease:
        imgSplitVer_MouseUp();
        return true;
    default:
        return false;
    }
}

} // namespace tq
