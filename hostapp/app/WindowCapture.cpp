#include "hostapp/app/WindowCapture.h"

#include "hostapp/app/WindowTextDump.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/win/DoEvents.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace zelhost {

QString defaultScreenshotPath()
{
    return QDir::current().absoluteFilePath(QStringLiteral("zelhost-screenshot.png"));
}

QWidget* findComponentWindow(const QWidget* hostWindow)
{
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget == hostWindow || !widget->isVisible() || (type != Qt::Window && type != Qt::Dialog))
            continue;
        if (widget == QApplication::activeWindow())
            return widget;
        if (!found)
            found = widget;
    }
    return found;
}

QString captureWindow(QWidget& window, const QString& path)
{
    win::DoEvents();
    const QFileInfo file(path);
    QDir().mkpath(file.absolutePath());
    const QPixmap picture = window.grab();
    if (picture.isNull() || !picture.save(file.absoluteFilePath(), "PNG")) {
        throw com::ComError(com::E_FAIL_, QStringLiteral("zelhost"),
                            QStringLiteral("截图无法写入 %1。").arg(file.absoluteFilePath()));
    }
    return QStringLiteral("截图: %1\n").arg(file.absoluteFilePath()) + describeWindow(window);
}

} // namespace zelhost
