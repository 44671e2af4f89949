#include "support/ServerAndFile.h"

#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "support/LargeDatabase.h"

#include <stdexcept>

namespace bench {

namespace {

void open(BenchDatabase& database, const QString& connectString)
{
    database.session = std::make_unique<HostSession>(connectString, hostdb::demo::kAdminUserId);
    database.host = hostdb::HostDatabase::open(connectString);
    const hostdb::demo::Samples sample = hostdb::demo::samples(benchDemoSize());
    database.materialId = database.session->itemId(hostdb::demo::kClassMaterial, sample.itemNumber);
    database.customerId = database.session->itemId(hostdb::demo::kClassCustomer, sample.customerNumber);
}

} // namespace

ServerAndFile::ServerAndFile()
{
    const QString uri = qEnvironmentVariable("ZEL_BENCH_PG_URI");
    if (uri.isEmpty())
        throw std::runtime_error("set ZEL_BENCH_PG_URI to a PostgreSQL database filled by "
                                 "`zelhost db init --server URI --size large`");
    open(file, largeDatabasePath());
    open(server, uri);
    if (server.materialId != file.materialId || server.customerId != file.customerId)
        throw std::runtime_error("the server and the SQLite file hold different demo data; load the server with "
                                 "`zelhost db init --server URI --size large`");
    libpq = hostLibpqHandle(*server.host);
}

ServerAndFile::~ServerAndFile()
{
    // The sessions go while Qt is still up; the last one closes the pooled connections.
    libpq = nullptr;
    server.host.reset();
    file.host.reset();
    server.session.reset();
    file.session.reset();
}

} // namespace bench
