#pragma once
// The large demo database shared by the benchmarks. It is generated once into
// build/bench-data/large.db ($ZEL_LARGE_DB overrides the path) and reused by later runs for
// as long as its data version matches the generator's.
#include <QString>

namespace bench {

// build/bench-data: scratch space for benchmark files, next to the build's bin folder.
QString benchDataFolder();

// Path of the large demo database, generating it first when it is missing or stale.
const QString& largeDatabasePath();

} // namespace bench
