#include "platform/hostapi/ExpImp80.h"

#include "platform/com/ErrorCodes.h"

namespace hostapi {

ExportColData::ExportColData(int16_t count)
{
    m_items.resize(qMax<int16_t>(count, 0));
}

qsizetype ExportColData::index(int16_t k) const
{
    if (k < 1 || k > m_items.size())
        throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, QStringLiteral("ExportColData"),
                            QStringLiteral("下标越界: 第 %1 列, 共 %2 列").arg(k).arg(m_items.size()));
    return k - 1;
}

const QString& ExportColData::Item(int16_t k) const
{
    return m_items.at(index(k));
}

void ExportColData::setItem(int16_t k, const QString& text)
{
    m_items[index(k)] = text;
}

void ExportColData::clear()
{
    for (QString& item : m_items)
        item.clear();
}

} // namespace hostapi
