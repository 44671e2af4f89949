#pragma once
// What the host does to a SQLite connection as it opens it, so that reading a file of a million
// invoice lines stays quick: a large page cache and memory-mapped reads for the connection,
// and for a file that lacks them the schema's indexes and the planner's statistics.
struct sqlite3;

namespace hostdb {

// A 64 MiB page cache, reads through a memory map of up to 1 GiB of the file, and sorts kept
// in memory. Changes nothing in the file.
void applyReadSettings(sqlite3* db);

// Creates the schema's indexes that the file lacks on the tables it has, then gathers the
// statistics when an index was created or the file has indexes but no statistics. Opening the
// same file again changes nothing. A read-only file, one that another program holds locked
// and an index the data refuse (a unique one over duplicates) are left as they are: the file
// opens and works, only without that help. Answers whether the file was changed.
bool addMissingIndexesAndStatistics(sqlite3* db);

} // namespace hostdb
