#include "tests/testsupport/DemoDatabaseFixture.h"

#include "hostapp/database/DemoData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testsupport {

const QString& smallDemoDatabase()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("small-demo.db"));
        hostdb::generateDemoDatabase(file, hostdb::DemoSize::Small);
        return file;
    }();
    return path;
}

QString copySmallDemoDatabase(const QString& folder)
{
    const QString copy = QDir(folder).filePath(QStringLiteral("demo.db"));
    QFile::remove(copy);
    if (!QFile::copy(smallDemoDatabase(), copy))
        ADD_FAILURE() << "cannot copy the demo database to " << copy.toStdString();
    return copy;
}

} // namespace testsupport
