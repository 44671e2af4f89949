#include "hostapp/database/ConnectionLoss.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <mutex>

namespace hostdb {

namespace {

std::mutex listenerMutex;
ConnectionLossListener& currentListener()
{
    static ConnectionLossListener listener;
    return listener;
}

} // namespace

ConnectionLossListener setConnectionLossListener(ConnectionLossListener listener)
{
    const std::lock_guard<std::mutex> lock(listenerMutex);
    std::swap(currentListener(), listener);
    return listener;
}

void tellConnectionLost(const QString& message)
{
    ConnectionLossListener listener;
    {
        const std::lock_guard<std::mutex> lock(listenerMutex);
        listener = currentListener();
    }
    if (!listener)
        return;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread())
        listener(message);
    else
        QMetaObject::invokeMethod(application, [listener, message] { listener(message); }, Qt::QueuedConnection);
}

} // namespace hostdb
