#include "platform/win/VbMessageBox.h"

#include <QAbstractButton>
#include <QPushButton>

namespace win {

namespace {

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

// The captions a Chinese desktop gives these buttons.
QString captionOf(int answer)
{
    switch (answer) {
    case vbOK: return QStringLiteral("确定");
    case vbCancel: return QStringLiteral("取消");
    case vbAbort: return QStringLiteral("中止(&A)");
    case vbRetry: return QStringLiteral("重试(&R)");
    case vbIgnore: return QStringLiteral("忽略(&I)");
    case vbYes: return QStringLiteral("是(&Y)");
    case vbNo: return QStringLiteral("否(&N)");
    default: return QString();
    }
}

} // namespace

VbMessageBox::VbMessageBox(const MsgBoxRequest& request, QWidget* parent)
    : QMessageBox(iconOf(request.style), request.title, request.text, QMessageBox::NoButton, parent),
      m_answers(msgBoxButtons(request.style))
{
    // Messages carry database texts and error descriptions: shown as written, never as markup.
    setTextFormat(Qt::PlainText);
    for (int answer : m_answers)
        addButton(standardButtonOf(answer))->setText(captionOf(answer));
    setDefaultButton(standardButtonOf(msgBoxDefaultButton(request.style)));
    m_onClose = m_answers.contains(vbCancel) ? vbCancel : msgBoxDefaultButton(request.style);
    setEscapeButton(button(standardButtonOf(m_onClose)));
}

int VbMessageBox::answer() const
{
    const QAbstractButton* clicked = clickedButton();
    for (int answer : m_answers)
        if (clicked && button(standardButtonOf(answer)) == clicked)
            return answer;
    return m_onClose;
}

} // namespace win
