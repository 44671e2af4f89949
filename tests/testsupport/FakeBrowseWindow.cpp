#include "tests/testsupport/FakeBrowseWindow.h"

#include "platform/controls/ImageList.h"
#include "platform/controls/ImageListNavigationPictures.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"

#include <QAction>
#include <QLabel>
#include <QVBoxLayout>

namespace testsupport {

FakeBrowseWindow::FakeBrowseWindow(int32_t queryType, int32_t itemId, int32_t companyId)
    : m_queryType(queryType), m_itemId(itemId), m_companyId(companyId),
      m_images(controls::standardNavigationImages(this)), m_tree(new controls::TreeView),
      m_ledger(new controls::Ledger50), m_titleClass(new QLabel), m_titleItem(new QLabel), m_navigation(*this),
      m_viewModes(*this, m_navigation)
{
    m_tree->setImageList(m_images);
    for (const char* name : {"mnuVCompany", "mnuVBaseICItem", "mnuView_Sort", "tbByCompany", "tbByItem", "tbSort",
                             "tbFind", "tbFilter", "tbrefresh", "tbsearch"}) {
        auto* action = new QAction(QString::fromLatin1(qstrncmp(name, "tb", 2) == 0 ? name + 2 : name), this);
        action->setCheckable(true);
        m_actions.insert(QString::fromLatin1(name), action);
    }
    auto* layout = new QVBoxLayout(this);
    for (QWidget* part : std::initializer_list<QWidget*>{m_titleClass, m_tree, m_titleItem, m_ledger})
        layout->addWidget(part);
    for (const char* key : {"Status", "Passtime", "Info"}) {
        auto* panel = new QLabel;
        m_panels.insert(QString::fromLatin1(key), panel);
        layout->addWidget(panel);
    }
    resize(1200, 700);

    connect(m_tree, &controls::TreeView::NodeClick, this, [this](controls::Node node) { m_navigation.NodeClick(node); });
    connect(m_tree, &controls::TreeView::Expand, this, [this](controls::Node node) { m_navigation.LoadChildNodes(node); });
    connect(m_ledger, &controls::Ledger50::RowTextRequest, this, [this](long row, QString& text, long& color, long&) {
        if (m_ledgerObject)
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
