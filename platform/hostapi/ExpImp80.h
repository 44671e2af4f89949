#pragma once
// The host's exporter: a caller describes the columns, says how many rows there are and runs the
// export with a title; while it runs, the exporter raises LoadData once per row, in order, and
// the caller fills that row's texts before returning. Where the file goes and in what form is
// the exporter's own business (it asks the person). A new object serves one export.
#include "platform/com/ObjectFactory.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace hostapi {

// One row's texts, items numbered from 1 like the export columns. Items not set stay empty.
class ExportColData {
public:
    explicit ExportColData(int16_t count = 0);

    int16_t Count() const { return static_cast<int16_t>(m_items.size()); }
    // Item k outside 1..Count raises ComError 9 (subscript out of range).
    const QString& Item(int16_t k) const;
    void setItem(int16_t k, const QString& text);

    // Every item empty again, the count unchanged.
    void clear();
    const QStringList& items() const { return m_items; }

private:
    qsizetype index(int16_t k) const;
    QStringList m_items;
};

class ExpImp80 : public QObject, public com::ComObject {
    Q_OBJECT
public:
    // Prepares `count` columns with empty titles and option 255; a negative count raises ComError 5.
    virtual void ExportColumns(int16_t count) = 0;
    // Column k (1..count) gets its title; another k raises ComError 9.
    virtual void ExportColumnTitle(int16_t column, const QString& title) = 0;
    // A per-column setting of the exporter (255: everything it knows how to do); k as above.
    virtual void ExportColumnOption(int16_t column, int32_t option) = 0;
    // The rows LoadData will be raised for: 1..count. A negative count raises ComError 5.
    virtual void ExportRows(int32_t count) = 0;
    // Asks where to save and writes the file, raising LoadData for each row. True when a file
    // was written; false when the person cancelled or the export failed (after telling why).
    virtual bool ExportRun(const QString& title) = 0;

signals:
    // Asks for row nRow (1 = the first row under the titles): the receiver fills ColData,
    // which holds one empty item per column, before it returns.
    void LoadData(int32_t nRow, hostapi::ExportColData& ColData);
};

} // namespace hostapi
