#pragma once
// The small demo database, generated once per test program into a temporary folder that lives
// as long as the program. Tests that only read share it; tests that write take a copy.
#include <QString>

namespace testsupport {

// Path of the shared small demo database (generated on first call).
const QString& smallDemoDatabase();

// A copy of the small demo database in `folder` (named demo.db), for tests that write to it.
QString copySmallDemoDatabase(const QString& folder);

} // namespace testsupport
