#pragma once
// The controls of the browse window, as its design places them. The window owns them (as Qt
// children); its collaborators reach them through here.
#include <QHash>
#include <QString>
#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QWidget;

namespace controls {
class ImageList;
class Ledger50;
class TreeView;
}

namespace tq {

class LineShape;

struct BrowseControls {
    QMenuBar* menuBar = nullptr;
    QWidget* client = nullptr;  // the inner area under the menu bar, where the layout works
    controls::ImageList* imlHot = nullptr;
    controls::TreeView* tvwBase = nullptr;
    controls::Ledger50* ldgBase = nullptr;
    QToolBar* tbToolBar = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QHash<QString, QLabel*> panels;  // "Status", "Passtime", "Info"
    QLabel* SSPTitleClass = nullptr;
    QLabel* SSPTitleItem = nullptr;
    QLabel* imgSplitVer = nullptr;
    QFrame* picSplitVer = nullptr;
    std::array<LineShape*, 2> horizontalLines{};
    std::array<LineShape*, 2> verticalLines{};
    QLabel* lblFont = nullptr;
    QHash<QString, QAction*> menuItems;  // by control name; top-level menus by their menu action
    QHash<QString, QAction*> buttons;    // by key; separators carry theirs or none
    QList<QAction*> buttonOrder;         // the 16 buttons, separators included, in order
};

} // namespace tq
