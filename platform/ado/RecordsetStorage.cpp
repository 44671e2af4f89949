#include "platform/ado/RecordsetStorage.h"

#include "platform/ado/AdoErrors.h"

#include <QDateTime>

namespace ado {

namespace {

QMetaType metaTypeOf(FieldType type)
{
    switch (type) {
    case FieldType::Integer: return QMetaType::fromType<qint64>();
    case FieldType::Double: return QMetaType::fromType<double>();
    case FieldType::Text: return QMetaType::fromType<QString>();
    case FieldType::Date: return QMetaType::fromType<QDateTime>();
    case FieldType::Boolean: return QMetaType::fromType<bool>();
    }
    return {};
}

[[noreturn]] void raiseRowWidth(size_t row, size_t width, size_t expected)
{
    throw errors::argumentsWrong(QStringLiteral("第 %1 行有 %2 个值，而记录集有 %3 个字段。")
                                     .arg(row + 1).arg(width).arg(expected));
}

[[noreturn]] void raiseValue(size_t row, const FieldInfo& field, const QVariant& value)
{
    throw errors::argumentsWrong(QStringLiteral("第 %1 行字段 %2 的值 “%3”（%4）不能作为%5。")
                                     .arg(row + 1)
                                     .arg(field.name, value.toString(),
                                          QString::fromLatin1(value.typeName()),
                                          typeName(field.type)));
}

} // namespace

bool isNumeric(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::Double;
}

QString typeName(FieldType type)
{
    switch (type) {
    case FieldType::Integer: return QStringLiteral("整数");
    case FieldType::Double: return QStringLiteral("数值");
    case FieldType::Text: return QStringLiteral("文本");
    case FieldType::Date: return QStringLiteral("日期");
    case FieldType::Boolean: return QStringLiteral("布尔");
    }
    return {};
}

int fieldIndexOf(const std::vector<FieldInfo>& fields, QStringView name)
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].name == name)
            return int(i);
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (name.compare(fields[i].name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

void normalizeRows(const std::vector<FieldInfo>& fields, std::vector<std::vector<QVariant>>& rows)
{
    std::vector<QMetaType> types;
    for (const FieldInfo& field : fields)
        types.push_back(metaTypeOf(field.type));
    for (size_t r = 0; r < rows.size(); ++r) {
        std::vector<QVariant>& row = rows[r];
        if (row.size() != fields.size())
            raiseRowWidth(r, row.size(), fields.size());
        for (size_t f = 0; f < row.size(); ++f) {
            QVariant& value = row[f];
            if (!value.isValid())
                continue;
            if (value.isNull()) {
                value = QVariant();
                continue;
            }
            if (value.metaType() != types[f]) {
                const QVariant original = value;
                if (!value.convert(types[f]))
                    raiseValue(r, fields[f], original);
            }
            if (fields[f].type == FieldType::Date && !value.toDateTime().isValid())
                value = QVariant();
        }
    }
}

void checkRows(const RecordsetStorage& storage)
{
    const std::vector<FieldInfo>& fields = storage.fields;
    for (size_t r = 0; r < storage.rows.size(); ++r) {
        const std::vector<QVariant>& row = storage.rows[r];
        if (row.size() != fields.size())
            raiseRowWidth(r, row.size(), fields.size());
        for (size_t f = 0; f < row.size(); ++f) {
            const QVariant& value = row[f];
            if (!value.isValid())
                continue;
            if (value.metaType() != metaTypeOf(fields[f].type)
                || (fields[f].type == FieldType::Date && !value.toDateTime().isValid()))
                raiseValue(r, fields[f], value);
        }
    }
}

} // namespace ado
