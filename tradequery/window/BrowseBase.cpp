#include "tradequery/window/BrowseBase.h"

#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Screen.h"
#include "platform/win/SendKeys.h"
#include "tradequery/find/LedgerConditions.h"
#include "tradequery/find/QuickSearch.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/host/FrmQueryProperty.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Security.h"
#include "tradequery/tree/tvwBuilder.h"
#include "tradequery/window/ColumnWidths.h"
#include "tradequery/window/GridFont.h"
#include "tradequery/window/HelpTopic.h"
#include "tradequery/host/Steps.h"
#include "tradequery/window/LedgerExport.h"
#include "tradequery/window/LedgerInteraction.h"
#include "tradequery/window/LedgerPrint.h"
#include "tradequery/window/PriceTrendView.h"
#include "tradequery/window/ToolbarCommands.h"
#include "tradequery/window/TreeCollaborators.h"
#include "tradequery/window/WindowDesign.h"
#include "tradequery/window/WindowLayout.h"
#include "tradequery/window/WindowLifecycle.h"
#include "tradequery/window/WindowText.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

namespace tq {

namespace {

// The right to change the query options: function 1099, the flavour's object, right 0x400000.
constexpr int32_t kSettingsRight = 0x400000;

} // namespace

BrowseBase::BrowseBase(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QString::fromLatin1(kWindowName));
    // Closing the window (its close box, or Unload) ends it, as closing a form unloads it.
    setAttribute(Qt::WA_DeleteOnClose);
    InitFieldTable(m_queryType);

    CreateControls(*this, m_controls);
    m_tree = makeTreeCollaborators(*this);
    m_priceTrend = std::make_unique<PriceTrendView>(*this);
    m_layout = std::make_unique<WindowLayout>(*this);
    m_commands = std::make_unique<ToolbarCommands>(*this);
    m_ledgerInteraction = std::make_unique<LedgerInteraction>(*this);
    m_quickSearch = std::make_unique<QuickSearch>(
        *this,
        QuickSearch::TreeActions{[this](controls::Node node) { m_tree->LoadChildNodes(node); },
                                 [this](int32_t& id) { m_tree->SelectNodeById(id); }},
        this);
    // The condition dialog's commands wait for the window to be loaded.
    auto conditionCommand = [this](void (LedgerConditions::*command)()) {
        return [this, command] {
            if (m_conditions)
                (m_conditions.get()->*command)();
        };
    };
    m_commands->setCommand(command::Find, conditionCommand(&LedgerConditions::FindCommand));
    m_commands->setCommand(command::Sort, conditionCommand(&LedgerConditions::SortCommand));
    m_commands->setCommand(command::Filter, conditionCommand(&LedgerConditions::FilterCommand));
    m_commands->setCommand(command::QuickSearch, [this] { m_quickSearch->SearchCommand(); });
    m_commands->setCommand(command::GridFont, [this] { ChooseGridFont(*this); });
    m_commands->setCommand(command::Export, [this] { ExportLedger(*this); });
    m_commands->setCommand(command::Print, [this] { PrintLedger(*this); });
    m_commands->setCommand(command::PrintPreview, [this] { PreviewLedgerCommand(*this); });
    m_commands->setCommand(command::PrintSetup, [this] { LedgerPrinterSetup(*this); });
    connect(m_controls.tvwBase, &controls::TreeView::NodeClick, this,
            [this](controls::Node node) { m_tree->NodeClick(node); });
    connect(m_controls.tvwBase, &controls::TreeView::Expand, this,
            [this](controls::Node node) { m_tree->LoadChildNodes(node); });
    resize(960, 640);
}

BrowseBase::~BrowseBase()
{
    // The collaborators are QObject children too; they go first, while the window is whole.
    m_conditions.reset();
    m_quickSearch.reset();
    m_ledgerInteraction.reset();
    m_commands.reset();
    m_layout.reset();
    m_priceTrend.reset();
    m_tree.reset();
    releaseTreeBuilder();
}

void BrowseBase::setTreeCollaborators(std::unique_ptr<TreeCollaborators> tree)
{
    m_tree = std::move(tree);
}

void BrowseBase::setTreeBuilder(std::unique_ptr<tvwBuilder> builder)
{
    m_treeBuilder = std::move(builder);
}

void BrowseBase::setConditions(std::unique_ptr<LedgerConditions> conditions)
{
    m_conditions = std::move(conditions);
}

void BrowseBase::ResetQuickSearchPosition()
{
    m_quickSearch->setQuickSearchPos(0);
}

void BrowseBase::releaseTreeBuilder()
{
    m_treeBuilder.reset();
}

bool BrowseBase::treeShowsItems() const
{
    return m_treeBuilder && m_treeBuilder->BICItem;
}

bool BrowseBase::treeBatchSort() const
{
    return m_treeBuilder && m_treeBuilder->blBatchSort;
}

void BrowseBase::Load()
{
    if (m_loaded)
        return;
    // The field titles name the customer or the supplier: filled for this window's flavour.
    InitFieldTable(m_queryType);
    LoadWindow(*this);
    m_loaded = true;
}

void BrowseBase::Unload()
{
    // A closed window has run its unload handling already; closing it again only releases it.
    close();
    deleteLater();
}

void BrowseBase::closeEvent(QCloseEvent* event)
{
    if (m_loaded && !m_unloaded) {
        m_unloaded = true;
        UnloadWindow(*this);
    }
    m_loaded = false;
    event->accept();
}

bool BrowseBase::event(QEvent* event)
{
    // Activate: the pointer a long operation left behind goes back to the default, and the
    // grid follows a report font size changed in the meantime.
    if (event->type() == QEvent::WindowActivate) {
        step([] { win::Screen::setMousePointer(win::vbDefault); });
        if (m_loaded)
            step([this] { ApplyReportFontSize(*this); });
    }
    return QWidget::event(event);
}

void BrowseBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_layout->Resize();
}

void BrowseBase::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowHelp(m_queryType);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString BrowseBase::statusText(const QString& panelKey) const
{
    QLabel* panel = m_controls.panels.value(panelKey);
    return panel ? panel->text() : QString();
}

void BrowseBase::setStatusText(const QString& panelKey, const QString& text)
{
    if (QLabel* panel = m_controls.panels.value(panelKey))
        panel->setText(text);
}

void BrowseBase::setTitleClass(const QString& caption)
{
    m_controls.SSPTitleClass->setText(caption);
}

void BrowseBase::setTitleItem(const QString& caption)
{
    m_controls.SSPTitleItem->setText(caption);
}

void BrowseBase::SaveColumnWidths()
{
    const QAction* itemView = menuItem(QStringLiteral("mnuVBaseICItem"));
    tq::SaveColumnWidths(ldgBase(), itemView && itemView->isChecked());
}

void BrowseBase::RestoreColumnWidths()
{
    const QAction* itemView = menuItem(QStringLiteral("mnuVBaseICItem"));
    tq::RestoreColumnWidths(ldgBase(), itemView && itemView->isChecked());
}

void BrowseBase::Refresh()
{
    m_tree->setForceReload(true);
    if (m_conditions)
        m_conditions->setResetFindCount(true);
    const controls::Node selected = tvwBase().SelectedItem();
    if (!selected.isNull())
        m_tree->NodeClick(selected);
    // The sort of the condition dialog, applied again to the reloaded history.
    if (m_conditions)
        m_conditions->frmF_SortNow(m_conditions->CurrentSort());
}

void BrowseBase::ShowCurrentRowPrice()
{
    m_ledgerInteraction->ShowCurrentRowPrice();
}

void BrowseBase::LayoutControls(long x, long y, int mode)
{
    m_layout->LayoutControls(x, y, mode);
}

void BrowseBase::ShowQueryProperty()
{
    const bool customers = isCustomerQuery();
    const QVariant allowed = GLDataObject()->AccessCheck(
        kPriceQueryFunction, customers ? kCustomerPriceQuery : kSupplierPriceQuery, kSettingsRight);
    if (AccessRefused(allowed)) {
        win::MsgBox(FormatMsg(LangText(QStringLiteral("您没有%1设置的权限")),
                              customers ? LangText(QStringLiteral("客户历史销售价格查询"))
                                        : LangText(QStringLiteral("供应商历史采购价格查询"))),
                    win::vbExclamation, LangText(QStringLiteral("系统提示")));
        return;
    }
    if (QAction* property = toolbarButton(QStringLiteral("Property")))
        property->setChecked(false);
    {
        FrmQueryProperty dialog(this);
        dialog.setQueryType(m_queryType);
        dialog.SetOptions(m_queryOptions);
        dialog.ShowModal();
    }
    // The refresh shortcut reloads the ledger once the command has returned.
    win::SendKeys(QStringLiteral("{F5}"));
}

void BrowseBase::CloseWindow()
{
    Unload();
}

bool BrowseBase::exportLedger()
{
    return ExportLedger(*this);
}

bool BrowseBase::printLedgerToPdf(const QString& path)
{
    return PrintLedgerToPdf(*this, path);
}

bool BrowseBase::setPriceTrendShown(bool shown)
{
    const bool was = m_priceTrend->isShown();
    m_priceTrend->setShown(shown);
    return was;
}

QString BrowseBase::describeForScreenshot() const
{
    return DescribeWindowText(m_controls) + m_priceTrend->describe();
}

} // namespace tq
