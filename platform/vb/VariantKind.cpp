#include "platform/vb/VariantKind.h"

#include <QDateTime>

#include <limits>

namespace vb::detail {

VariantKind kindOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return VariantKind::Null;
    case QMetaType::Bool:
        return VariantKind::Boolean;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return VariantKind::Integer;
    case QMetaType::ULongLong:
        return value.toULongLong() > static_cast<qulonglong>(std::numeric_limits<qlonglong>::max())
                   ? VariantKind::Unsigned
                   : VariantKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return VariantKind::Double;
    case QMetaType::QString:
    case QMetaType::QChar:
    case QMetaType::QByteArray:
        return VariantKind::Text;
    case QMetaType::QDate:
        return value.toDate().isValid() ? VariantKind::Date : VariantKind::Null;
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? VariantKind::Date : VariantKind::Null;
    case QMetaType::QTime:
        return value.toTime().isValid() ? VariantKind::Date : VariantKind::Null;
    default:
        return VariantKind::Other;
    }
}

QString textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return *static_cast<const QString*>(value.constData());
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(*static_cast<const QByteArray*>(value.constData()));
    return value.toString();
}

DateParts datePartsOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return DateParts::from(value.toDate());
    case QMetaType::QTime:
        return DateParts::from(QDate(1899, 12, 30), value.toTime());
    default: {
        const QDateTime dateTime = value.toDateTime();
        return DateParts::from(dateTime.date(), dateTime.time());
    }
    }
}

} // namespace vb::detail
