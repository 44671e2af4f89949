#pragma once
// The history ledger: runs a history statement, keeps its recordset, is the one that tells the
// ledger grid how many rows there are (after a query, a sort or when the ledger is emptied) and answers the grid's row requests with the row texts
// ("cell|cell|...|"), each cell formatted for its column. Ledger row 1 is the title row;
// ledger row r >= 2 shows record r - 1. Each row request positions the recordset afresh from
// its first record; only the currencies' scales are kept, from one load (TakeJournalData) to
// the next, so a currency changed meanwhile shows at the next load.
//
// Calling order: setLdg, GetTitleInfo (again whenever the view changes), then
// TakeJournalData for each new query; the grid then asks TRowData(1) and DRowData(r).
#include "platform/ado/Recordset.h"
#include "tradequery/history/LedgerContract.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace hostapi {
class ValueConvert;
}

namespace tq {

struct LedgerRowFormat;

class BaseDetail {
public:
    static constexpr long COLUMN_COUNT = 18;
    // The colour answered with every existing data row.
    static constexpr long ROW_COLOR_WHITE = 0xFFFFFF;

    // Reads the discount-rate precision once ("IC"/"PrecisionOfDiscountRate" of the system
    // profile; 0 when the host has none set). Errors of the host reach the caller.
    BaseDetail();
    ~BaseDetail();
    BaseDetail(const BaseDetail&) = delete;
    BaseDetail& operator=(const BaseDetail&) = delete;

    // Ldg (write-only): the ledger grid to fill. A controls::Ledger50 is taken through
    // Ledger50Adapter and stays owned by its window; a ComObject must implement
    // LedgerContract. Anything else raises type mismatch (13) and keeps the previous ledger.
    // Null lets the ledger go.
    void setLdg(QObject* ledger);
    void setLdg(const com::ComObjectPtr& ledger);

    // Titles the 18 columns for the query type (1: customers, else suppliers) and sets the
    // grid's column count to 18. Without a ledger raises 91.
    void GetTitleInfo(int32_t QueryType);

    // Runs strSql through CnExecute and keeps its recordset (a non-empty strSql replaces the
    // one held), then sets the grid's row count to the record count + 1 (1 when there are no
    // records). Any error shows "查询数据库时出错。原因:" with its description and answers
    // false; a query that fails leaves the held recordset and the grid as they were.
    // rs and sumSQL are accepted for the callers' sake and take no part.
    bool TakeJournalData(const QString& strSql, const ado::RecordsetPtr& rs = nullptr,
                         const QString& sumSQL = QString());

    // The next TakeJournalData of the very statement that gave the records held now shows those
    // records again instead of asking the database (the start-up lists its node and refreshes
    // it a moment later). Any other statement, and every later call, asks the database.
    void ReuseHeldRecordsOnce();

    // Empties the ledger to its title row. The held recordset stays (a later sort shows it
    // again). Without a ledger raises 91.
    void ClearRows();

    // Sorts the held records by sort (recordset sort keys such as "FDate DESC,FQty ASC"; ""
    // restores the query's order) and has the ledger show them again from the top: its row
    // count goes to the fixed rows and back to the fixed rows + the record count, then every
    // row is asked again. Errors of the recordset or the ledger reach the caller; without a
    // recordset raises 91.
    void SortRows(const QString& sort);

    // The title row text for row 1, marking the grid's number columns right-aligned on the
    // way; "" for every other row. Never fails.
    QString TRowData(long lRow);

    // The text of data row lRow and, in SColor, its colour: white for a row within the grid's
    // row count, 0 for a row beyond it, which shows whatever record is current. A step that
    // fails is skipped (a cell that cannot be read stays empty), so a row is always answered.
    QString DRowData(long lRow, long& SColor);

    // The cells of the record the held recordset stands on, as DRowData shows them
    // ("cell|cell|...|"). A cell that cannot be read stays empty.
    QString RecordText();

    // For a reader without a grid (a script's copy of the history): titles the columns for the
    // query type and holds records as the result, so that RecordText formats them.
    void HoldRecords(int32_t queryType, ado::RecordsetPtr records);

    // recordset (read-only): the result of the last history query, or null before the first.
    ado::RecordsetPtr recordset() const { return m_recordset; }

private:
    struct Column {
        QString key;
        QString title;
        int16_t dataType = 0;
    };
    using ColumnTable = std::array<Column, COLUMN_COUNT>;

    static ColumnTable columnTable(int32_t queryType);
    LedgerContract& ledger() const;
    ado::Recordset& heldRecordset() const;
    void positionOn(long lRow);
    QString cellText(const Column& column, int fieldIndex, hostapi::ValueConvert& convert,
                     const LedgerRowFormat& format) const;
    int32_t scaleOf(int32_t currencyId);
    void indexFieldsOf(const ado::RecordsetPtr& records);

    std::shared_ptr<LedgerContract> m_ledger;
    ColumnTable m_columns;
    ado::RecordsetPtr m_recordset;
    QString m_heldStatement;  // the statement that gave m_recordset
    bool m_reuseOnce = false;
    int32_t m_discountPrecision = 0;
    QHash<int32_t, int32_t> m_scales;  // by currency, asked during this load
    // Where the columns' fields sit in the held records, found once per recordset and title
    // (-1: the records lack the field, so reading it fails as reading it by name would).
    struct FieldIndexes {
        ado::RecordsetPtr records;
        std::array<int, COLUMN_COUNT> columns{};
        int qtyDecimal = -1;
        int priceDecimal = -1;
        int currency = -1;
    };
    FieldIndexes m_fields;
};

} // namespace tq
