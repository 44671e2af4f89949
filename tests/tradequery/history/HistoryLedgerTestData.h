#pragma once
// Rows of the history statement's result, as the host returns them, and a grid that records
// what the history ledger asks of it.
#include "platform/ado/Recordset.h"
#include "platform/com/ErrorCodes.h"
#include "tradequery/history/LedgerContract.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QVariant>
#include <ostream>
#include <vector>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace historytest {

// One invoice line of the history; null fields are invalid QVariants.
struct HistoryLine {
    QVariant number = QStringLiteral("01.001");
    QVariant name = QStringLiteral("螺丝");
    QVariant model = QStringLiteral("M6");
    QVariant auxNumber = QStringLiteral("");
    QVariant auxName = QStringLiteral("");
    QVariant unit = QStringLiteral("个");
    QVariant company = QStringLiteral("华东五金");
    QVariant dept = QStringLiteral("销售部");
    QVariant emp = QStringLiteral("王明");
    QVariant currencyId = 1;
    QVariant currencyName = QStringLiteral("人民币");
    QVariant billNo = QStringLiteral("XS000001");
    QVariant date = QDate(2008, 1, 5);
    QVariant exchangeRate = 1.0;
    QVariant qty = 10.0;
    QVariant price = 2.5;
    QVariant discountRate = 0.0;
    QVariant priceDiscount = 2.5;
    QVariant amount = 25.0;
    QVariant priceDecimal = 2;
    QVariant qtyDecimal = 0;
};

// The fields in the order the history statement selects them.
inline ado::RecordsetPtr historyRows(const std::vector<HistoryLine>& lines)
{
    using ado::FieldType;
    std::vector<ado::FieldInfo> fields = {
        {"FNumber", FieldType::Text},         {"FName", FieldType::Text},
        {"FModel", FieldType::Text},          {"FAuxPropNumber", FieldType::Text},
        {"FAuxPropName", FieldType::Text},    {"FUnit", FieldType::Text},
        {"FCompany", FieldType::Text},        {"FDept", FieldType::Text},
        {"FEmp", FieldType::Text},            {"FCurrencyID", FieldType::Integer},
        {"FCurrencyName", FieldType::Text},   {"FBillNo", FieldType::Text},
        {"FDate", FieldType::Date},           {"FExchangeRate", FieldType::Double},
        {"FQty", FieldType::Double},          {"FPrice", FieldType::Double},
        {"FDiscountRate", FieldType::Double}, {"FPriceDiscount", FieldType::Double},
        {"FAmtTotalFor", FieldType::Double},  {"FPriceDecimal", FieldType::Integer},
        {"FQtyDecimal", FieldType::Integer},
    };
    std::vector<std::vector<QVariant>> rows;
    for (const HistoryLine& l : lines)
        rows.push_back({l.number, l.name, l.model, l.auxNumber, l.auxName, l.unit, l.company, l.dept,
                        l.emp, l.currencyId, l.currencyName, l.billNo, l.date, l.exchangeRate, l.qty,
                        l.price, l.discountRate, l.priceDiscount, l.amount, l.priceDecimal, l.qtyDecimal});
    return ado::Recordset::make(std::move(fields), std::move(rows));
}

// The scale of one currency, as t_Currency answers it.
inline ado::RecordsetPtr scaleRow(const QVariant& scale)
{
    return ado::Recordset::make({{"FScale", ado::FieldType::Integer}}, {{scale}});
}

// A grid that keeps its counts and records the row counts and number columns it is given.
// Like the real grid, a column outside the grid raises 9.
class RecordingLedger : public tq::LedgerContract {
public:
    QList<long> rowCountsSet;
    QMap<long, long> numericAlign;  // column -> value last set
    long rows = 0;
    long cols = 0;

    long Rows() const override { return rows; }
    void setRows(long value) override { setRowCount(value); }
    long RowCount() const override { return rows; }
    void setRowCount(long value) override
    {
        rowCountsSet.append(value);
        rows = value;
    }
    long ColCount() const override { return cols; }
    void setColCount(long value) override { cols = value; }
    long FixedRowCount() const override { return 1; }
    long RowHeight() const override { return 240; }
    void setRowHeight(long) override {}
    void setBackColor(long) override {}
    void setOption(long, long) override {}
    long MouseRow() const override { return 0; }
    long MouseCol() const override { return 0; }
    void Redraw() override {}
    long ColumnWidth(long col) const override { return check(col), 1200; }
    void setColumnWidth(long col, long) override { check(col); }
    void setNumericAlign(long col, long value) override { numericAlign[check(col)] = value; }
    bool ColumnHidden(long col, long) const override { return check(col), false; }
    QString CellText(long, long col) override { return check(col), QString(); }
    long CurrentRow() const override { return 0; }
    void setCurrentRow(long) override {}
    void setToolTipText(const QString&) override {}

private:
    long check(long col) const
    {
        if (col < 1 || col > cols)
            throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, QStringLiteral("RecordingLedger"),
                                QStringLiteral("列号 %1 超出范围").arg(col));
        return col;
    }
};

} // namespace historytest
