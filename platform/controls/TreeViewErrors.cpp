#include "platform/controls/TreeViewErrors.h"

namespace controls::errors {

com::ComError indexOutOfBounds(const QString& source)
{
    return com::ComError(INDEX_OUT_OF_BOUNDS, source, QStringLiteral("索引越界"));
}

com::ComError elementNotFound(const QString& source)
{
    return com::ComError(com::VB_ELEMENT_NOT_FOUND, source, QStringLiteral("元素未找到"));
}

com::ComError keyNotUnique(const QString& source)
{
    return com::ComError(com::VB_KEY_NOT_UNIQUE, source, QStringLiteral("关键字不唯一"));
}

com::ComError nodeRemoved(const QString& source)
{
    return com::ComError(NODE_REMOVED, source, QStringLiteral("该节点已被删除"));
}

com::ComError objectNotSet(const QString& source)
{
    return com::ComError(OBJECT_NOT_SET, source, QStringLiteral("对象变量或 With 块变量未设置"));
}

com::ComError invalidArgument(const QString& source, const QString& detail)
{
    return com::ComError(com::VB_INVALID_PROC_CALL, source,
                         QStringLiteral("无效的过程调用或参数: %1").arg(detail));
}

} // namespace controls::errors
