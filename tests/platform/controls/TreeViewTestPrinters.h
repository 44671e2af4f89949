#pragma once
// Readable failure messages for Qt texts and tree nodes in the tree and image-list tests.
#include "platform/controls/TreeViewNode.h"

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace controls {
inline void PrintTo(const Node& node, std::ostream* out)
{
    if (node.isNull())
        *out << "(null node)";
    else if (!node.isAlive())
        *out << "(removed node)";
    else
        *out << "node " << node.Key().toStdString();
}
} // namespace controls
