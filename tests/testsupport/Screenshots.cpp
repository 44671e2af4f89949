#include "tests/testsupport/Screenshots.h"

#include <QCoreApplication>
#include <QDir>

namespace testsupport {

bool saveScreenshot(QWidget& widget, const QString& fileName)
{
    // build/bin/test_* → build/screenshots
    const QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    dir.mkpath(QStringLiteral("."));
    return widget.grab().save(dir.absoluteFilePath(fileName));
}

} // namespace testsupport
