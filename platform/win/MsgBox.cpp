#include "platform/win/MsgBox.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/win/Headless.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

namespace win {

namespace {

MsgBoxResponder& responder()
{
    static MsgBoxResponder current;
    return current;
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton standardButtonOf(int answer)
{
    switch (answer) {
    case vbOK: return QMessageBox::Ok;
    case vbCancel: return QMessageBox::Cancel;
    case vbAbort: return QMessageBox::Abort;
    case vbRetry: return QMessageBox::Retry;
    case vbIgnore: return QMessageBox::Ignore;
    case vbYes: return QMessageBox::Yes;
    case vbNo: return QMessageBox::No;
    default: return QMessageBox::NoButton;
    }
}

int answerOf(QAbstractButton* clicked, QMessageBox& box, const QList<int>& answers, int fallback)
{
    for (int answer : answers)
        if (box.button(standardButtonOf(answer)) == clicked)
            return answer;
    return fallback;
}

int showMessageBox(const QString& text, int style, const QString& title)
{
    const QList<int> answers = msgBoxButtons(style);
    QMessageBox box(iconOf(style), title, text, QMessageBox::NoButton, QApplication::activeWindow());
    for (int answer : answers)
        box.addButton(standardButtonOf(answer));
    box.setDefaultButton(standardButtonOf(msgBoxDefaultButton(style)));
    // Closing the box counts as Cancel where there is one, else as the only or default button.
    const int onClose = answers.contains(vbCancel) ? vbCancel : msgBoxDefaultButton(style);
    box.setEscapeButton(box.button(standardButtonOf(onClose)));
    box.exec();
    return answerOf(box.clickedButton(), box, answers, onClose);
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
    return showMessageBox(text, style, shownTitle);
}

MsgBoxResponder setMsgBoxResponder(MsgBoxResponder next)
{
    MsgBoxResponder previous = std::move(responder());
    responder() = std::move(next);
    return previous;
}

} // namespace win
