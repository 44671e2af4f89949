#pragma once
// The errors the tree view, its Nodes collection and its image list raise, with the numbers and
// texts of the original controls, so handlers that show "...原因：%1" read the familiar words.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QString>

namespace controls::errors {

constexpr int32_t INDEX_OUT_OF_BOUNDS = com::vbError(35600);
constexpr int32_t NODE_REMOVED = com::vbError(35605);
constexpr int32_t OBJECT_NOT_SET = com::vbError(91);

// Item(index) or ListImages(index) outside 1..Count.
com::ComError indexOutOfBounds(const QString& source);
// A key (relative key, node key, picture key) that the collection does not hold.
com::ComError elementNotFound(const QString& source);
// Adding a key the collection already holds.
com::ComError keyNotUnique(const QString& source);
// Using a node handle after Clear, Remove or the end of its tree.
com::ComError nodeRemoved(const QString& source);
// Using a null node handle (a top-level node's Parent, a leaf's Child, ...).
com::ComError objectNotSet(const QString& source);
// An argument outside what the call accepts; the detail says which and why.
com::ComError invalidArgument(const QString& source, const QString& detail);

} // namespace controls::errors
