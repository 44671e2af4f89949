#include "platform/win/WindowInfo.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QByteArray>
#include <QVariant>
#include <QWidget>
#include <cstring>

namespace win {

namespace {

// The desktop's class name on the platform this layer stands in for.
constexpr char kDesktopClass[] = "#32769";

QByteArray classNameOf(Handle window)
{
    if (window == GetDesktopWindow())
        return QByteArray(kDesktopClass);
    const QWidget* widget = fromHandle(window);
    if (!widget)
        return {};
    const QVariant custom = widget->property("windowClass");
    if (custom.isValid() && !custom.toString().isEmpty())
        return custom.toString().toUtf8();
    return QByteArray(widget->metaObject()->className());
}

// The longest prefix of at most `limit` bytes that does not split a UTF-8 sequence.
qsizetype utf8Prefix(const QByteArray& text, qsizetype limit)
{
    if (text.size() <= limit)
        return text.size();
    qsizetype cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

} // namespace

Handle GetWindow(Handle window, int command)
{
    if (command != GW_OWNER)
        throw com::ComError(com::VB_INVALID_PROC_CALL, QStringLiteral("GetWindow"),
                            QStringLiteral("不支持的 GetWindow 命令: %1").arg(command));
    const QWidget* widget = fromHandle(window);
    if (!widget || !widget->isWindow() || !widget->parentWidget())
        return 0;
    return handleOf(widget->parentWidget()->window());
}

int GetClassNameA(Handle window, char* buffer, int maxCount)
{
    if (!buffer || maxCount <= 0)
        return 0;
    const QByteArray name = classNameOf(window);
    if (name.isEmpty()) {
        buffer[0] = '\0';
        return 0;
    }
    const qsizetype count = utf8Prefix(name, maxCount - 1);
    std::memcpy(buffer, name.constData(), static_cast<size_t>(count));
    buffer[count] = '\0';
    return static_cast<int>(count);
}

} // namespace win
