#include "tests/testsupport/FakeBrowseWindow.h"

#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/tree/tvwBuilder.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace testsupport {

const QStringList FakeBrowseWindow::kMenuItems = {QStringLiteral("mnuVCompany"), QStringLiteral("mnuVBaseICItem"),
                                                  QStringLiteral("mnuView_Sort")};
const QStringList FakeBrowseWindow::kToolbarButtons = {
    QStringLiteral("ByCompany"), QStringLiteral("ByItem"),  QStringLiteral("Sort"),  QStringLiteral("Find"),
    QStringLiteral("Filter"),    QStringLiteral("refresh"), QStringLiteral("search")};

FakeBrowseWindow::FakeBrowseWindow(int32_t queryType, int32_t itemId, int32_t companyId)
    : m_queryType(queryType), m_itemId(itemId), m_companyId(companyId),
      m_images(controls::standardNavigationImages(this)), m_tree(new controls::TreeView),
      m_ledger(new controls::Ledger50), m_titleClass(new QLabel), m_titleItem(new QLabel), m_navigation(*this),
      m_viewModes(*this, m_navigation)
{
    m_tree->setImageList(m_images);
    for (const QString& name : kMenuItems) {
        auto* action = new QAction(name, this);
        action->setCheckable(true);
        m_menuItems.insert(name, action);
    }
    for (const QString& key : kToolbarButtons) {
        auto* action = new QAction(key, this);
        action->setCheckable(true);
        m_toolbarButtons.insert(key, action);
    }

    auto* left = new QVBoxLayout;
    left->addWidget(m_titleClass);
    left->addWidget(m_tree);
    auto* right = new QVBoxLayout;
    right->addWidget(m_titleItem);
    right->addWidget(m_ledger);
    auto* panes = new QHBoxLayout;
    panes->addLayout(left, 2);
    panes->addLayout(right, 3);
    auto* statusBar = new QHBoxLayout;
    for (const char* key : {"Status", "Passtime", "Info"}) {
        auto* panel = new QLabel;
        m_panels.insert(QString::fromLatin1(key), panel);
        statusBar->addWidget(panel, 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(statusBar);
    resize(1200, 700);

    connect(m_tree, &controls::TreeView::NodeClick, this, [this](controls::Node node) { m_navigation.NodeClick(node); });
    connect(m_tree, &controls::TreeView::Expand, this, [this](controls::Node node) { m_navigation.LoadChildNodes(node); });
    connect(m_ledger, &controls::Ledger50::RowTextRequest, this,
            [this](long row, QString& text, long& color, long&) {
                if (!m_ledgerObject)
                    return;
                text = row == 1 ? m_ledgerObject->TRowData(1) : m_ledgerObject->DRowData(row, color);
            });
}

FakeBrowseWindow::~FakeBrowseWindow()
{
    // The controls outlive the ledger object and the navigation (QWidget deletes its children
    // last) and still raise events while they hide: let none reach the members gone by then.
    disconnect(m_ledger, nullptr, this, nullptr);
    disconnect(m_tree, nullptr, this, nullptr);
}

void FakeBrowseWindow::setLedgerObject(std::unique_ptr<tq::BaseDetail> detail)
{
    m_ledgerObject = std::move(detail);
}

void FakeBrowseWindow::setTreeBuilder(std::unique_ptr<tq::tvwBuilder> builder)
{
    m_treeBuilder = std::move(builder);
}

QString FakeBrowseWindow::statusText(const QString& panelKey) const
{
    QLabel* panel = m_panels.value(panelKey);
    return panel ? panel->text() : QString();
}

void FakeBrowseWindow::setStatusText(const QString& panelKey, const QString& text)
{
    if (QLabel* panel = m_panels.value(panelKey))
        panel->setText(text);
}

QString FakeBrowseWindow::titleClass() const { return m_titleClass->text(); }
QString FakeBrowseWindow::titleItem() const { return m_titleItem->text(); }
void FakeBrowseWindow::setTitleClass(const QString& caption) { m_titleClass->setText(caption); }
void FakeBrowseWindow::setTitleItem(const QString& caption) { m_titleItem->setText(caption); }

void FakeBrowseWindow::Refresh()
{
    m_calls << QStringLiteral("Refresh");
    m_navigation.setForceReload(true);
    m_navigation.NodeClick(m_tree->SelectedItem());
}

void FakeBrowseWindow::ShowCurrentRowPrice()
{
    m_calls << QStringLiteral("ShowCurrentRowPrice");
    const long row = m_ledger->LedgerSelection().CurrentRow();
    if (row > 1)
        setStatusText(QStringLiteral("Info"), QStringLiteral("物料代码[") + m_ledger->LedgerCell(row, 1).Text()
                                                  + QStringLiteral("]价格:") + m_ledger->LedgerCell(row, 17).Text());
}

} // namespace testsupport
