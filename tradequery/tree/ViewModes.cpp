#include "tradequery/tree/ViewModes.h"

#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "platform/win/Screen.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/QueryOptionsStore.h"
#include "tradequery/host/Steps.h"
#include "tradequery/tree/TreeNavigation.h"
#include "tradequery/tree/TreeNodeKeys.h"
#include "tradequery/tree/tvwBuilder.h"
#include "tradequery/tree/BrowseContext.h"

#include <QAbstractItemView>
#include <QAction>
#include <QVariant>

namespace tq {

namespace {

constexpr long kWhite = 0xFFFFFF;
constexpr long kRowHeightTwips = 240;
constexpr long kVbTrue = -1;

com::ComError missing(const QString& what)
{
    return com::ComError(com::vbError(91), QStringLiteral("ViewModes"),
                         QStringLiteral("窗口没有控件 %1").arg(what));
}

template <class T>
T& required(T* object, const QString& what)
{
    if (!object)
        throw missing(what);
    return *object;
}

// A pressed toolbar button or a checked menu item.
void setChecked(QAction& action, bool checked)
{
    action.setCheckable(true);
    action.setChecked(checked);
}

} // namespace

ViewModes::ViewModes(BrowseContext& window, TreeNavigation& navigation) : m_window(window), m_navigation(navigation) {}

QAction& ViewModes::menuItem(const char* name) const
{
    return required(m_window.menuItem(QString::fromLatin1(name)), QString::fromLatin1(name));
}

QAction& ViewModes::toolbarButton(const char* key) const
{
    return required(m_window.toolbarButton(QString::fromLatin1(key)), QString::fromLatin1(key));
}

int32_t ViewModes::byCompanyValue(const QVariant& stored)
{
    bool ok = false;
    const int value = stored.toString().trimmed().toInt(&ok);
    return ok && value == 2 ? 2 : 1;
}

void ViewModes::setView(bool itemView)
{
    step([&] { setChecked(menuItem("mnuVBaseICItem"), itemView); });
    step([&] { setChecked(menuItem("mnuVCompany"), !itemView); });
    step([&] { setChecked(toolbarButton("ByCompany"), !itemView); });
    step([&] { setChecked(toolbarButton("ByItem"), itemView); });
}

void ViewModes::setQueryTypeCaptions()
{
    const bool customers = m_window.QueryType() == 1;
    const QString partner = LangText(customers ? QStringLiteral("客户") : QStringLiteral("供应商"));
    step([&] {
        menuItem("mnuVCompany").setText(
            LangText(customers ? QStringLiteral("按客户分类查询(&C)") : QStringLiteral("按供应商分类查询(&C)")));
    });
    step([&] { toolbarButton("ByCompany").setText(partner); });
    step([&] { toolbarButton("ByCompany").setStatusTip(partner); });
    step([&] {
        toolbarButton("ByCompany").setToolTip(
            LangText(customers ? QStringLiteral("客户历史销售价格查询") : QStringLiteral("供应商历史采购价格查询")));
    });
}

void ViewModes::readShowViewBy()
{
    const QVariant stored = GetLayoutSetting(QStringLiteral("ShowViewBy"), QString());
    if (stored.typeId() == QMetaType::Bool) {
        m_window.setShowViewBy(stored.toBool());
        return;
    }
    // Text as a Boolean: "True"/"False" in any case, or a number (non-zero is true).
    const QString text = stored.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        m_window.setShowViewBy(true);
        return;
    }
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        m_window.setShowViewBy(false);
        return;
    }
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (ok)
        m_window.setShowViewBy(number != 0);
    // An empty or unreadable value leaves ShowViewBy as it is.
}

void ViewModes::prepareLedgerGrid()
{
    controls::Ledger50Grid& grid = m_window.ldgBase().LedgerGrid();
    const bool treeHasNodes = m_window.tvwBase().Nodes().Count() > 0;
    step([&] { required(m_window.ledgerObject(), QStringLiteral("BaseDetail")).ClearRows(); });
    if (!treeHasNodes)
        step([&] { grid.setColCount(2); });
    step([&] { grid.setBackColor(kWhite); });
    step([&] { grid.setRowHeight(kRowHeightTwips); });
    step([&] { grid.setOption(controls::Ledger50Grid::OPTION_ROW_SELECT, kVbTrue); });
}

void ViewModes::StartUp()
{
    const int32_t queryType = m_window.QueryType();
    step([&] { m_window.setLedgerObject(std::make_unique<BaseDetail>()); });
    step([&] { m_window.setTreeBuilder(std::make_unique<tvwBuilder>()); });
    step([&] { ReadQueryOptions(queryType, m_window.queryOptions()); });
    step([&] { readShowViewBy(); });
    setQueryTypeCaptions();

    auto builder = [&]() -> tvwBuilder& { return required(m_window.treeBuilder(), QStringLiteral("tvwBuilder")); };
    auto ledger = [&]() -> BaseDetail& { return required(m_window.ledgerObject(), QStringLiteral("BaseDetail")); };
    step([&] { ledger().setLdg(&m_window.ldgBase()); });
    step([&] { ledger().GetTitleInfo(queryType); });
    step([&] { builder().settvwGroup(&m_window.tvwBase()); });

    int32_t byCompany = 1;
    step([&] { byCompany = byCompanyValue(GetLayoutSetting(QStringLiteral("ByCompany"), 1)); });
    step([&] { builder().BICItem = byCompany == 2; });
    step([&] { builder().blBatchSort = GetLayoutSetting(QStringLiteral("blBatchSort"), 0).toString().trimmed() == QLatin1String("1"); });
    step([&] { builder().mByCompany = byCompany; });

    step([&] { setView(builder().mByCompany != 1); });
    step([&] { toolbarButton("Sort").setEnabled(true); });
    step([&] { builder().SetTreeView(queryType, m_window.Filter()); });
    step([&] {
        int32_t id = menuItem("mnuVBaseICItem").isChecked() ? m_window.ItemID() : m_window.CompanyID();
        m_navigation.SelectNodeById(id);
    });
    step([&] { prepareLedgerGrid(); });
    step([&] { m_window.RestoreColumnWidths(); });
    // The refresh lists the node the selection has just listed: once from the database is enough.
    step([&] { ledger().ReuseHeldRecordsOnce(); });
    step([&] { m_window.Refresh(); });
}

void ViewModes::showTree()
{
    m_window.tvwBase().setVisible(true);
}

void ViewModes::focusTree()
{
    m_window.tvwBase().itemView()->setFocus();
}

void ViewModes::rebuildAndSelect(int32_t& rememberedIndex)
{
    const int32_t queryType = m_window.QueryType();
    controls::TreeView& tree = m_window.tvwBase();
    step([&] { win::Screen::setMousePointer(win::vbHourglass); });
    step([&] { required(m_window.ledgerObject(), QStringLiteral("BaseDetail")).GetTitleInfo(queryType); });
    step([&] {
        tvwBuilder& builder = required(m_window.treeBuilder(), QStringLiteral("tvwBuilder"));
        builder.BICItem = menuItem("mnuVBaseICItem").isChecked();
        builder.SetTreeView(queryType, m_window.Filter());
    });
    if (tree.Nodes().Count() > 0) {
        if (rememberedIndex == 0)
            rememberedIndex = 1;
        // An index the rebuilt tree no longer has selects nothing.
        step([&] { tree.setSelectedItem(tree.Nodes().Item(rememberedIndex)); });
        step([&] { m_navigation.NodeClick(tree.SelectedItem()); });
    } else {
        step([&] { required(m_window.ledgerObject(), QStringLiteral("BaseDetail")).ClearRows(); });
    }
    step([&] { rememberedIndex = tree.SelectedItem().Index(); });
}

void ViewModes::ShowItemView()
{
    step([&] { m_window.ResetQuickSearchPosition(); });
    bool shown = false;
    step([&] { shown = menuItem("mnuVBaseICItem").isChecked(); });
    if (shown) {
        step([&] { setChecked(toolbarButton("ByItem"), true); });
        return;
    }
    step([&] { m_window.SaveColumnWidths(); });
    setView(true);

    int32_t index = m_navigation.ItemClassNodeIndex();
    rebuildAndSelect(index);
    m_navigation.setItemClassNodeIndex(index);

    controls::TreeView& tree = m_window.tvwBase();
    step([&] { m_window.setTitleClass(LangText(QStringLiteral("物料信息"))); });
    step([&] {
        const qlonglong records = m_window.ldgBase().LedgerGrid().RowCount() - 1;
        if (index < 1)
            m_window.setTitleItem(FormatMsg(LangText(QStringLiteral("[物料]  的信息 --共计：%1条记录")), records));
        else
            m_window.setTitleItem(FormatMsg(LangText(QStringLiteral("[%1]  的物料信息 --共计：%2条记录")),
                                            tree.Nodes().Item(index).Text(), records));
    });
    step([&] { tree.Nodes().Item(1).setExpanded(true); });
    step([&] { focusTree(); });
    step([&] { win::Screen::setMousePointer(win::vbDefault); });
    step([&] { showTree(); });
    step([&] { m_window.RestoreColumnWidths(); });
    step([&] { m_window.setShowViewBy(true); });
    step([&] { focusTree(); });
    step([&] {
        int32_t id = m_window.ItemID();
        m_navigation.SelectNodeById(id);
    });
}

void ViewModes::ShowPartnerView()
{
    step([&] { m_window.ResetQuickSearchPosition(); });
    bool shown = false;
    step([&] { shown = menuItem("mnuVCompany").isChecked(); });
    if (shown) {
        step([&] { setChecked(toolbarButton("ByCompany"), true); });
        return;
    }
    step([&] { menuItem("mnuView_Sort").setEnabled(true); });
    step([&] { toolbarButton("Sort").setEnabled(true); });
    step([&] { m_window.SaveColumnWidths(); });
    setView(false);

    int32_t index = m_navigation.PartnerNodeIndex();
    rebuildAndSelect(index);
    m_navigation.setPartnerNodeIndex(index);

    controls::TreeView& tree = m_window.tvwBase();
    const QString partner = LangText(partnerRootCaption(m_window.QueryType()));
    step([&] { m_window.setTitleClass(QStringLiteral(" ") + partner + LangText(QStringLiteral("信息"))); });
    step([&] {
        const qlonglong records = m_window.ldgBase().LedgerGrid().RowCount() - 1;
        m_window.setTitleItem(FormatMsg(LangText(QStringLiteral("[%1]  的 %2 信息 --共计：%3条记录")),
                                        tree.Nodes().Item(index).Text(), partner, records));
    });
    step([&] { tree.Nodes().Item(1).setExpanded(true); });
    step([&] { focusTree(); });
    step([&] { win::Screen::setMousePointer(win::vbDefault); });
    step([&] { showTree(); });
    step([&] { m_window.RestoreColumnWidths(); });
    step([&] { m_window.setShowViewBy(false); });
    step([&] { focusTree(); });
    step([&] {
        int32_t id = m_window.CompanyID();
        m_navigation.SelectNodeById(id);
    });
}

} // namespace tq
