// The VB runtime's number and date texts: the first line is a Format$ pattern, the rest a
// value given as text, as its number and as its date. Errors the runtime raises are
// ComErrors; nothing else may escape or crash.
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"
#include "tests/fuzz/FuzzInput.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList parts = fuzz::partsOf(data, size, 2);
    const QString& pattern = parts[0];
    const QString& text = parts[1];
    double number = 0;
    fuzz::allowingComError([&] { number = vb::Val(text); });
    fuzz::allowingComError([&] { vb::Format(QVariant(text), pattern); });
    fuzz::allowingComError([&] { vb::Format(number, pattern); });
    if (number > -657434 && number < 2958466) {  // a day number within VB's dates
        const QDateTime date = QDateTime(QDate(1899, 12, 30), QTime()).addSecs(qint64(number * 86400));
        fuzz::allowingComError([&] { vb::Format(QVariant(date), pattern); });
    }
    fuzz::allowingComError([&] { vb::CDbl(QVariant(text)); });
    fuzz::allowingComError([&] { vb::CInt(QVariant(text)); });
    fuzz::allowingComError([&] { vb::CLng(QVariant(number)); });
    fuzz::allowingComError([&] { vb::toText(QVariant(number)); });
    return 0;
}
