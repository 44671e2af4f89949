#include "tests/hostapp/app/LiveHost.h"

#include "hostapp/app/ComponentSetup.h"
#include "platform/com/ObjectFactory.h"

#include <QApplication>

namespace zelhosttest {

LiveHost::LiveHost(int32_t userId) : m_services(userId, testsupport::copySmallDemoDatabase(m_folder.path()))
{
    zelhost::registerTradeQueryComponent(zelhost::tradeQueryLibraryPath(QCoreApplication::applicationDirPath()));
    m_window = std::make_unique<zelhost::HostMainWindow>(m_services.session);
    m_window->publishAsMainForm();
    m_window->show();
}

LiveHost::~LiveHost()
{
    m_window->close();  // closes the component's windows too
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_window.reset();
    com::ObjectFactory::instance().setFallback({});
}

QList<QWidget*> LiveHost::componentWindows() const
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != m_window.get() && widget->isVisible()
            && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            windows << widget;
    }
    return windows;
}

} // namespace zelhosttest
