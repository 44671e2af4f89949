#include "tradequery/host/InfoBox.h"

#include "platform/win/MsgBox.h"
#include "tradequery/host/Messages.h"

namespace tq {

void InfoBox(const QString& text)
{
    win::MsgBox(text, win::vbOKOnly | win::vbInformation, LangText(QStringLiteral("青禾提示")));
}

} // namespace tq
