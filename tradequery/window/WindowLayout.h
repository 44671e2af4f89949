#pragma once
// Places the browse window's controls, in twips: the whole window after a resize (mode 1), the
// tree and the ledger on either side of the splitter (mode 3), and the window again after the
// status bar (mode 4) or the toolbar (mode 5) was shown or hidden. Also the splitter drag,
// which keeps the tree and the ledger at least 1680 twips wide.
#include <QObject>

namespace tq {

class BrowseBase;
struct BrowseControls;

class WindowLayout : public QObject {
    Q_OBJECT
public:
    // The narrowest the tree and the ledger side get when the splitter is dragged.
    static constexpr long kSplitterMargin = 1680;

    explicit WindowLayout(BrowseBase& window);

    // Every step on its own: a failing one is skipped.
    void LayoutControls(long x, long y, int mode);

    // The resize handling: the menu bar and the inner area, the toolbar along the top and the
    // status bar along the bottom of the inner area, then mode 1 for the inner size.
    void Resize();

    // The splitter handle's mouse events; x is the pointer's distance from the handle's left
    // edge in twips.
    void imgSplitVer_MouseDown();
    void imgSplitVer_MouseMove(long x);
    void imgSplitVer_MouseUp();
    bool SplitterMoving() const { return m_splitterMoving; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fullLayout(long x, long y);
    void splitterAt(long x);
    void toggleStatusBar();
    void toggleToolbar();

    BrowseBase& m_window;
    BrowseControls& m_c;
    bool m_splitterMoving = false;
};

} // namespace tq
