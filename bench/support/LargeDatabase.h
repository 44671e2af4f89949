#pragma once
// The demo database shared by the benchmarks: the large one, or the small one when
// $ZEL_BENCH_SIZE is "small". It is generated once into build/bench-data/large.db (small.db;
// $ZEL_LARGE_DB overrides the path) and reused by later runs for as long as its data version
// matches the generator's.
#include "hostapp/database/DemoData.h"

#include <QString>

namespace bench {

// build/bench-data: scratch space for benchmark files, next to the build's bin folder.
QString benchDataFolder();

// The size the benchmarks run on: Large unless $ZEL_BENCH_SIZE says "small".
hostdb::DemoSize benchDemoSize();

// Path of the benchmarks' demo database, generating it first when it is missing or stale.
const QString& largeDatabasePath();

} // namespace bench
