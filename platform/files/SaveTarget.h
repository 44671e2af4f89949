#pragma once
// Where a save really writes. A save follows links to the file they lead to (the link stays a
// link) and never puts a file in the place of anything but a regular file: a device, a pipe, a
// socket or a folder under the name stays as it is.
#include <QString>

namespace files {

// The file a save of `path` replaces: `path` itself, or what its links lead to. Raises
// ComError whose description is the reason when that exists and is no regular file.
QString saveTarget(const QString& path);

// Whether `path` is missing or (after links) a regular file: only then may a reader open it,
// as a pipe could keep it waiting forever.
bool isRegularOrMissing(const QString& path);

} // namespace files
