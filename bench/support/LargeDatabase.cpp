#include "support/LargeDatabase.h"

#include "hostapp/database/DemoData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>

namespace bench {

namespace {

int dataVersionOf(const QString& path)
{
    sqlite3* db = nullptr;
    int version = -1;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK &&
            sqlite3_step(stmt) == SQLITE_ROW)
            version = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return version;
}

} // namespace

QString benchDataFolder()
{
    // The benchmark programs live in build/bin.
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    const QString folder = QString::fromStdString((exe.parent_path().parent_path() / "bench-data").string());
    QDir().mkpath(folder);
    return folder;
}

hostdb::DemoSize benchDemoSize()
{
    return hostdb::parseDemoSize(qEnvironmentVariable("ZEL_BENCH_SIZE")).value_or(hostdb::DemoSize::Large);
}

const QString& largeDatabasePath()
{
    static const QString path = [] {
        const QString fromEnvironment = qEnvironmentVariable("ZEL_LARGE_DB");
        const QString p = fromEnvironment.isEmpty()
                              ? benchDataFolder() + QLatin1Char('/') + hostdb::demoSizeName(benchDemoSize()) + QStringLiteral(".db")
                              : fromEnvironment;
        if (QFileInfo::exists(p) && dataVersionOf(p) == hostdb::demo::kDataVersion)
            return p;
        std::fprintf(stderr, "generating the %s demo database %s ...\n", qPrintable(hostdb::demoSizeName(benchDemoSize())),
                     qPrintable(p));
        const hostdb::DemoReport report = hostdb::generateDemoDatabase(p, benchDemoSize(), hostdb::ExistingFile::Replace);
        std::fprintf(stderr, "done in %.1f s\n", report.seconds);
        return p;
    }();
    return path;
}

} // namespace bench
