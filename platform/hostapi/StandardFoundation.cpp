#include "platform/hostapi/StandardFoundation.h"

#include <QDateTime>

namespace hostapi {

QString StandardFoundation::argumentText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime: {
        const QDateTime when = value.toDateTime();
        return when.time() == QTime(0, 0) ? when.date().toString(QStringLiteral("yyyy-MM-dd"))
                                          : when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}

QString StandardFoundation::Format(const QString& templateText, const QVariantList& args)
{
    QString out;
    out.reserve(templateText.size());
    const qsizetype n = templateText.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = templateText[i];
        if (c != QLatin1Char('%')) {
            out += c;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < n && templateText[end].isDigit() && templateText[end].unicode() < 0x80)
            ++end;
        // Shorten the run of digits until it numbers an existing argument.
        qsizetype used = end;
        int index = 0;
        for (; used > i + 1; --used) {
            bool ok = false;
            index = templateText.mid(i + 1, used - i - 1).toInt(&ok);
            if (ok && index >= 1 && index <= args.size())
                break;
        }
        if (used > i + 1) {
            out += argumentText(args[index - 1]);
            i = used;
        } else {
            out += c;  // no argument for it: the "%" and its digits stay as written
            ++i;
        }
    }
    return out;
}

} // namespace hostapi
