#include "platform/win/DoEvents.h"

#include <QCoreApplication>

namespace win {

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace win
