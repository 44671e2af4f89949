#pragma once
// The errors the VB runtime functions raise, with the runtime's own Chinese descriptions.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

namespace vb {

constexpr int32_t VB_INVALID_USE_OF_NULL = com::vbError(94);

// The source every runtime error carries.
inline const QString& runtimeSource()
{
    static const QString source = QStringLiteral("VBRuntime");
    return source;
}

inline com::ComError overflowError()
{
    return com::ComError(com::VB_OVERFLOW, runtimeSource(), QStringLiteral("溢出"));
}

inline com::ComError typeMismatchError()
{
    return com::ComError(com::VB_TYPE_MISMATCH, runtimeSource(), QStringLiteral("类型不匹配"));
}

inline com::ComError invalidUseOfNullError()
{
    return com::ComError(VB_INVALID_USE_OF_NULL, runtimeSource(), QStringLiteral("无效使用 Null"));
}

// A format pattern we do not understand; names the pattern so the caller can find it.
inline com::ComError unsupportedPatternError(const QString& pattern)
{
    return com::ComError(com::VB_INVALID_PROC_CALL, runtimeSource(),
                         QStringLiteral("无效的过程调用或参数: 不支持的格式 \"%1\"").arg(pattern));
}

} // namespace vb
