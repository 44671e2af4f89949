#include "tradequery/window/WindowDesign.h"

#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Steps.h"
#include "tradequery/window/LineShape.h"
#include "platform/win/Twips.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace tq {

namespace {

enum MenuFlag { Plain = 0, Separator = 1, Checkable = 2, Checked = 4 | Checkable };

struct MenuRow {
    const char* menu;  // the top-level menu it belongs to; nullptr for a top-level menu
    const char* name;
    const char* caption;
    const char* shortcut;
    int flags;
};

// In order; "mnuVCompany" gets its caption per query type at load.
const MenuRow kMenus[] = {
    {nullptr, "mnuFile", "文件(&F)", "", Plain},
    {"mnuFile", "mnuFilePrint", "打印(&P)", "Ctrl+P", Plain},
    {"mnuFile", "mnuFilePrintSetup", "打印设置(&S)...", "", Plain},
    {"mnuFile", "mnuFilePreview", "打印预览(&L)", "", Plain},
    {"mnuFile", "mnuFileBar5", "", "", Separator},
    {"mnuFile", "mnuFileOut", "引出(&O)...", "", Plain},
    {"mnuFile", "mnuFileS3", "", "", Separator},
    {"mnuFile", "mnuFileClose", "退出(&X)", "Ctrl+X", Plain},
    {nullptr, "mnuView", "查看(&V)", "", Plain},
    {"mnuView", "mnuView_Find", "搜索(&F)...", "F3", Plain},
    {"mnuView", "mnuView_Sort", "排序(&S)...", "F6", Plain},
    {"mnuView", "mnuView_Filter", "过滤(&L)", "F9", Plain},
    {"mnuView", "space", "", "", Separator},
    {"mnuView", "mnuVCompany", "按仓库分类查询(&C)", "", Checked},
    {"mnuView", "mnuVBaseICItem", "按物料分类查询(&W)", "", Checkable},
    {"mnuView", "Sp", "", "", Separator},
    {"mnuView", "mnuProperty", "查询属性设置(&Q)", "", Plain},
    // The price-trend pane under the ledger, hidden until chosen.
    {"mnuView", "SpTrend", "", "", Separator},
    {"mnuView", "mnuViewPriceTrend", "价格走势图", "F7", Checkable},
    {nullptr, "mnuStyle", "格式(&O)", "", Plain},
    {"mnuStyle", "mnuSFont", "表格字体(&F)...", "", Plain},
    {nullptr, "mnuWindow", "视图(&I)", "", Plain},
    {"mnuWindow", "mnuViewToolbar", "工具栏(&T)", "", Checked},
    {"mnuWindow", "mnuViewToolbarLable", "工具条标签(&L)", "", Checked},
    {"mnuWindow", "mnuViewStatusBar", "状态栏(&B)", "", Checked},
    {"mnuWindow", "mnuViewBar1", "", "", Separator},
    {"mnuWindow", "mnuVHide", "显示/隐藏列(&H)", "", Plain},
    {"mnuWindow", "mnuViewRefresh", "刷新(&R)", "F5", Plain},
    {nullptr, "mnuHelp", "帮助(&H)", "", Plain},
    {"mnuHelp", "mnuHelpContents", "目录(&C)", "", Plain},
};

struct ButtonRow {
    const char* key;  // "" for a separator without key
    bool separator;
    const char* caption;
    const char* toolTip;
    int picture;      // in imlHot; 0 for none
    bool checkable;   // the two view buttons keep a pressed state
};

// Index 1 to 16. "ByCompany" gets its caption and tooltip per query type at load.
const ButtonRow kButtons[] = {
    {"sp2", true, "", "", 0, false},
    {"ByCompany", false, "客户", "客户历史销售价格查询", controls::picCustomer, true},
    {"ByItem", false, "物料", "按物料分类列表", controls::picMaterial, true},
    {"", true, "", "", 0, false},
    {"Print", false, "打印", "打印", controls::picPrint, false},
    {"PrintView", false, "预览", "打印预览", controls::picPreview, false},
    {"", true, "", "", 0, false},
    {"Property", false, "设置", "查询设置", controls::picSettings, false},
    {"", true, "", "", 0, false},
    {"Find", false, "搜索", "搜索", controls::picFind, false},
    {"Sort", false, "排序", "排序", controls::picSort, false},
    {"Filter", false, "过滤", "过滤", controls::picFilter, false},
    {"refresh", false, "刷新", "刷新", controls::picRefresh, false},
    {"search", false, "定位", "定位", controls::picLocate, false},
    {"sp3", true, "", "", 0, false},
    {"Exit", false, "退出", "退出", controls::picExit, false},
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void createMenus(QWidget& window, BrowseControls& c)
{
    c.menuBar = new QMenuBar(&window);
    c.menuBar->setObjectName(QStringLiteral("menuBar"));
    c.menuBar->setNativeMenuBar(false);
    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : kMenus) {
        const QString name = text(row.name);
        if (!row.menu) {
            QMenu* menu = c.menuBar->addMenu(name);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menus.insert(name, menu);
            c.menuItems.insert(name, menu->menuAction());
            continue;
        }
        QMenu* menu = menus.value(text(row.menu));
        QAction* item = (row.flags & Separator) ? menu->addSeparator() : menu->addAction(name);
        item->setObjectName(name);
        if (*row.shortcut)
            item->setShortcut(QKeySequence(text(row.shortcut)));
        item->setCheckable((row.flags & Checkable) != 0);
        item->setChecked((row.flags & Checked) == Checked);
        c.menuItems.insert(name, item);
    }
    for (const char* off : kMenuItemsOff)
        c.menuItems.value(text(off))->setEnabled(false);
}

void createToolbar(QWidget& client, BrowseControls& c)
{
    c.tbToolBar = new QToolBar(&client);
    c.tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    c.tbToolBar->setMovable(false);
    c.tbToolBar->setFloatable(false);
    c.tbToolBar->setIconSize(QSize(16, 16));
    c.tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ButtonRow& row : kButtons) {
        const QString key = text(row.key);
        QAction* button = row.separator ? c.tbToolBar->addSeparator() : c.tbToolBar->addAction(QString());
        button->setObjectName(key);
        button->setData(key);
        if (row.picture)
            button->setIcon(c.imlHot->icon(row.picture));
        button->setCheckable(row.checkable);
        if (!key.isEmpty())
            c.buttons.insert(key, button);
        c.buttonOrder.append(button);
    }
}

void createStatusBar(QWidget& client, BrowseControls& c)
{
    c.sbStatusBar = new QStatusBar(&client);
    c.sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    c.sbStatusBar->setSizeGripEnabled(false);
    // Status and load time keep their room; the price text takes the rest.
    const std::pair<const char*, int> panels[] = {{"Status", 0}, {"Passtime", 0}, {"Info", 1}};
    for (const auto& [key, stretch] : panels) {
        auto* panel = new QLabel(&client);
        panel->setObjectName(text(key));
        panel->setTextFormat(Qt::PlainText);  // names and codes from the database show as typed
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(stretch ? 0 : 160);
        c.sbStatusBar->addWidget(panel, stretch);
        c.panels.insert(text(key), panel);
    }
}

QLabel* titlePanel(QWidget& client, const QString& name)
{
    auto* panel = new QLabel(&client);
    panel->setObjectName(name);
    panel->setTextFormat(Qt::PlainText);  // a node's text is data, never markup
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setIndent(4);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return panel;
}

// Design places, in twips: the tree and its title at the left edge, 3600 wide; the splitter
// handle right of them, the ledger and its title right of the handle.
constexpr long kTreeLeft = 30;
constexpr long kTreeWidth = 3600;
constexpr long kTitleHeight = 330;
constexpr long kHandleWidth = 60;
constexpr long kDesignWidth = 14400;
constexpr long kDesignHeight = 9000;

void placeAtDesign(BrowseControls& c)
{
    using namespace win::twips;
    const long barBottom = toTwips(c.tbToolBar->sizeHint().height());
    const long titleTop = barBottom + 15 + 30;
    const long treeTop = titleTop + kTitleHeight;
    const long ledgerLeft = kTreeLeft + kTreeWidth + kHandleWidth;
    const auto place = [](QWidget* w, long left, long top, long width, long height) {
        w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
    };
    place(c.SSPTitleClass, kTreeLeft, titleTop, kTreeWidth, kTitleHeight);
    place(c.SSPTitleItem, ledgerLeft, titleTop, kDesignWidth - ledgerLeft - 30, kTitleHeight);
    place(c.tvwBase, kTreeLeft, treeTop, kTreeWidth, kDesignHeight - treeTop);
    place(c.ldgBase, ledgerLeft, treeTop, kDesignWidth - ledgerLeft - 30, kDesignHeight - treeTop);
    place(c.imgSplitVer, kTreeLeft + kTreeWidth, titleTop, kHandleWidth, kDesignHeight - titleTop);
    c.horizontalLines[0]->setEnds(0, barBottom, 28800, barBottom);
    c.horizontalLines[1]->setEnds(0, barBottom + 15, 28800, barBottom + 15);
    const long lineX = kTreeLeft + kTreeWidth + 30;
    c.verticalLines[0]->setEnds(lineX, titleTop, lineX, kDesignHeight);
    c.verticalLines[1]->setEnds(lineX + 15, titleTop, lineX + 15, kDesignHeight);
}

} // namespace

void CreateControls(QWidget& window, BrowseControls& c)
{
    createMenus(window, c);
    c.client = new QWidget(&window);
    c.client->setObjectName(QStringLiteral("client"));
    QWidget& client = *c.client;

    c.imlHot = controls::standardNavigationImages(&window);
    c.imlHot->setObjectName(QStringLiteral("imlHot"));

    c.SSPTitleClass = titlePanel(client, QStringLiteral("SSPTitleClass"));
    c.SSPTitleItem = titlePanel(client, QStringLiteral("SSPTitleItem"));

    c.tvwBase = new controls::TreeView(&client);
    c.tvwBase->setObjectName(QStringLiteral("tvwBase"));
    c.tvwBase->setImageList(c.imlHot);

    c.ldgBase = new controls::Ledger50(&client);
    c.ldgBase->setObjectName(QStringLiteral("ldgBase"));

    // The separators: two light/dark pairs, under the toolbar and beside the splitter.
    const QColor dark = client.palette().color(QPalette::Mid);
    const QColor light = client.palette().color(QPalette::Light);
    for (int i = 0; i < 2; ++i) {
        c.horizontalLines[i] = new LineShape(&client, QStringLiteral("lineHorizontal%1").arg(i), i == 0 ? dark : light);
        c.verticalLines[i] = new LineShape(&client, QStringLiteral("lineVertical%1").arg(i), i == 0 ? dark : light);
    }

    // The handle is an invisible strip with the splitter pointer; the bar shown while dragging
    // is a dark picture box.
    c.imgSplitVer = new QLabel(&client);
    c.imgSplitVer->setObjectName(QStringLiteral("imgSplitVer"));
    c.imgSplitVer->setCursor(Qt::SplitHCursor);
    c.picSplitVer = new QFrame(&client);
    c.picSplitVer->setObjectName(QStringLiteral("picSplitVer"));
    c.picSplitVer->setAutoFillBackground(true);
    QPalette barColor = c.picSplitVer->palette();
    barColor.setColor(QPalette::Window, client.palette().color(QPalette::Dark));
    c.picSplitVer->setPalette(barColor);
    c.picSplitVer->hide();

    c.lblFont = new QLabel(&client);
    c.lblFont->setObjectName(QStringLiteral("lblFont"));
    c.lblFont->hide();

    createToolbar(client, c);
    createStatusBar(client, c);
    placeAtDesign(c);
}

void SetCaptions(QWidget& window, BrowseControls& c, int32_t queryType)
{
    step([&] {
        window.setWindowTitle(queryType == 1 ? LangText(QStringLiteral("客户历史价格查询"))
                                             : LangText(QStringLiteral("供应商历史价格查询")));
    });
    for (const MenuRow& row : kMenus) {
        if (row.flags & Separator)
            continue;
        step([&] { c.menuItems.value(text(row.name))->setText(LangText(text(row.caption))); });
    }
    for (const ButtonRow& row : kButtons) {
        if (row.separator || !*row.key)
            continue;
        step([&] {
            QAction* button = c.buttons.value(text(row.key));
            button->setText(LangText(text(row.caption)));
            button->setToolTip(LangText(text(row.toolTip)));
        });
    }
}

} // namespace tq
