#include "tests/testsupport/Screenshots.h"

#include <QCoreApplication>
#include <QDir>

namespace testsupport {

QString screenshotPath(const QString& fileName)
{
    // build/bin/test_* → build/screenshots
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(dir);
    return QDir(dir).absoluteFilePath(fileName);
}

bool saveScreenshot(QWidget& widget, const QString& fileName)
{
    return widget.grab().save(screenshotPath(fileName));
}

} // namespace testsupport
