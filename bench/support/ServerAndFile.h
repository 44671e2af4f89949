#pragma once
// The server benchmarks' two databases in one process: the PostgreSQL database that
// $ZEL_BENCH_PG_URI names (filled by `zelhost db init --server URI --size large`) and the
// benchmarks' large SQLite file, each with the host's services installed for the demo
// administrator, and the libpq connection under the host's server connection for the
// baselines. The server's session is installed last; use() switches between them outside any
// timing.
#include "support/HostSession.h"
#include "support/RawLibpq.h"

#include <cstdint>
#include <memory>

namespace hostdb {
class HostDatabase;
}

namespace bench {

// One of the two, with the ids of the demo samples in it (the same in both).
struct BenchDatabase {
    std::unique_ptr<HostSession> session;
    std::shared_ptr<hostdb::HostDatabase> host;
    int32_t materialId = 0;  // the busiest material
    int32_t customerId = 0;  // the sample customer

    // Installs this database's session: the component's calls go to it from now on.
    void use() { session->install(); }
};

struct ServerAndFile {
    // Raises std::runtime_error when $ZEL_BENCH_PG_URI is not set or the two hold different
    // demo data (the samples' ids differ), com::ComError when a database cannot be opened.
    ServerAndFile();
    ~ServerAndFile();

    BenchDatabase file;
    BenchDatabase server;
    pg_conn* libpq = nullptr;  // the host's own session on the server
};

} // namespace bench
