#include "tradequery/window/BrowseBase.h"

#include "tradequery/host/Messages.h"

#include <QCloseEvent>

namespace tq {

BrowseBase::BrowseBase(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QString::fromLatin1(kWindowName));
    // Closing the window (its close box, or Unload) ends it, as closing a form unloads it.
    setAttribute(Qt::WA_DeleteOnClose);
    resize(960, 640);
}

BrowseBase::~BrowseBase() = default;

void BrowseBase::Load()
{
    if (m_loaded)
        return;
    setWindowTitle(isCustomerQuery() ? LangText(QStringLiteral("客户历史价格查询"))
                                     : LangText(QStringLiteral("供应商历史价格查询")));
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
    m_loaded = false;
    event->accept();
}

} // namespace tq
