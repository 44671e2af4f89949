#include "platform/win/MsgBox.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/win/Headless.h"
#include "platform/win/VbMessageBox.h"

#include <QApplication>
#include <cstdio>

namespace win {

namespace {

MsgBoxResponder& responder()
{
    static MsgBoxResponder current;
    return current;
}

int showMessageBox(const MsgBoxRequest& request)
{
    VbMessageBox box(request, QApplication::activeWindow());
    box.exec();
    return box.answer();
}

} // namespace

QList<int> msgBoxButtons(int style)
{
    switch (style & 7) {
    case vbOKOnly: return {vbOK};
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default:
        throw com::ComError(com::VB_INVALID_PROC_CALL, QStringLiteral("MsgBox"),
                            QStringLiteral("无效的过程调用或参数: 消息框样式 %1").arg(style));
    }
}

int msgBoxDefaultButton(int style)
{
    const QList<int> answers = msgBoxButtons(style);
    const int index = (style & 0x300) >> 8;
    return index < answers.size() ? answers[index] : answers.first();
}

int MsgBox(const QString& text, int style, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? QCoreApplication::applicationName() : title;
    msgBoxButtons(style);  // rejects an unknown button set before anything is shown
    if (responder())
        return responder()(MsgBoxRequest{text, style, shownTitle});
    if (isHeadless()) {
        const QByteArray line = QStringLiteral("[%1] %2\n").arg(shownTitle, text).toUtf8();
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
        std::fflush(stdout);
        return msgBoxDefaultButton(style);
    }
    return showMessageBox(MsgBoxRequest{text, style, shownTitle});
}

MsgBoxResponder setMsgBoxResponder(MsgBoxResponder next)
{
    MsgBoxResponder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

} // namespace win
