#include "tradequery/history/BaseDetail.h"

#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/StandardValueConvert.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"
#include "tradequery/history/CurrencyScale.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/history/Ledger50Adapter.h"
#include "tradequery/history/LedgerCellFormat.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/InfoBox.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Steps.h"

namespace tq {

namespace {

const QString& source()
{
    static const QString text = QStringLiteral("BaseDetail");
    return text;
}

// The ledger's type codes: numbers and dates as the field table has them, 0 for text.
int16_t ledgerType(int32_t fieldType)
{
    switch (fieldType) {
    case FieldTypeNumber:
        return LEDGER_TYPE_NUMBER;
    case FieldTypeDate:
        return LEDGER_TYPE_DATE;
    default:
        return LEDGER_TYPE_TEXT;
    }
}

com::ComError notALedger(const QString& what)
{
    return com::ComError(com::VB_TYPE_MISMATCH, source(),
                         QStringLiteral("类型不匹配：Ldg 只接受台账表格（Ledger50），%1").arg(what));
}

com::ComError objectNotSet(const QString& what)
{
    return com::ComError(com::vbError(91), source(),
                         QStringLiteral("对象变量或 With 块变量未设置：%1").arg(what));
}

// The host's value helpers; a host that published none gets the standard ones.
std::shared_ptr<hostapi::ValueConvert> valueConvert()
{
    if (auto convert = hostapi::globals().valueConvert())
        return convert;
    static const auto standard = std::make_shared<hostapi::StandardValueConvert>();
    return standard;
}

} // namespace

BaseDetail::BaseDetail()
{
    m_discountPrecision = DiscountPrecision();
}

BaseDetail::~BaseDetail() = default;

void BaseDetail::setLdg(QObject* ledger)
{
    if (!ledger) {
        m_ledger.reset();
        return;
    }
    auto* grid = qobject_cast<controls::Ledger50*>(ledger);
    if (!grid)
        throw notALedger(QStringLiteral("不接受 %1").arg(QString::fromLatin1(ledger->metaObject()->className())));
    m_ledger = std::make_shared<Ledger50Adapter>(grid);
}

void BaseDetail::setLdg(const com::ComObjectPtr& ledger)
{
    if (!ledger) {
        m_ledger.reset();
        return;
    }
    auto contract = std::dynamic_pointer_cast<LedgerContract>(ledger);
    if (!contract)
        throw notALedger(QStringLiteral("此对象不提供台账表格的成员"));
    m_ledger = std::move(contract);
}

BaseDetail::ColumnTable BaseDetail::columnTable(int32_t queryType)
{
    ColumnTable table;
    const auto fields = HistoryColumns(queryType);
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = Column{fields[i].Key, fields[i].Title, ledgerType(fields[i].DataType)};
    return table;
}

LedgerContract& BaseDetail::ledger() const
{
    if (!m_ledger)
        throw objectNotSet(QStringLiteral("尚未设置台账表格（Ldg）"));
    return *m_ledger;
}

ado::Recordset& BaseDetail::heldRecordset() const
{
    if (!m_recordset)
        throw objectNotSet(QStringLiteral("还没有查询结果"));
    return *m_recordset;
}

void BaseDetail::GetTitleInfo(int32_t QueryType)
{
    m_columns = columnTable(QueryType);
    m_fields.records.reset();
    ledger().setColCount(COLUMN_COUNT);
}

bool BaseDetail::TakeJournalData(const QString& strSql, const ado::RecordsetPtr& rs, const QString& sumSQL)
{
    Q_UNUSED(rs);
    Q_UNUSED(sumSQL);
    const bool reuse = m_reuseOnce && m_recordset && !strSql.isEmpty() && strSql == m_heldStatement;
    m_reuseOnce = false;
    m_scales.clear();
    try {
        ado::RecordsetPtr result = reuse ? m_recordset : CnExecute(strSql);
        if (!strSql.isEmpty()) {
            m_recordset = std::move(result);
            m_heldStatement = strSql;
        }
        LedgerContract& grid = ledger();
        grid.setRowCount(1);
        if (m_recordset) {
            const long count = m_recordset->RecordCount();
            grid.setRowCount(count == 0 ? 1 : count + 1);
        }
        return true;
    } catch (const com::ComError& error) {
        InfoBox(LangText(QStringLiteral("查询数据库时出错。原因:")) + LangText(error.description()));
        return false;
    }
}

void BaseDetail::ReuseHeldRecordsOnce()
{
    m_reuseOnce = true;
}

void BaseDetail::ClearRows()
{
    ledger().setRowCount(1);
}

void BaseDetail::SortRows(const QString& sort)
{
    ado::Recordset& records = heldRecordset();
    LedgerContract& grid = ledger();
    records.SetSort(sort);
    grid.setRowCount(grid.FixedRowCount());
    grid.setRowCount(grid.FixedRowCount() + records.RecordCount());
    grid.Redraw();
}

QString BaseDetail::TRowData(long lRow)
{
    QString text;
    if (lRow != 1)
        return text;
    for (long i = 0; i < COLUMN_COUNT; ++i) {
        const Column& column = m_columns[i];
        if (IsNumericLedgerType(column.dataType)) {
            // A number column the grid does not have ends the title row there.
            bool beyondGrid = false;
            step([&] { beyondGrid = i + 1 > ledger().ColCount(); });
            if (beyondGrid)
                return text;
            step([&] { ledger().setNumericAlign(i + 1, 1); });
        }
        text += column.title + QLatin1Char('|');
    }
    return text;
}

void BaseDetail::positionOn(long lRow)
{
    ado::Recordset* rows = nullptr;
    step([&] { rows = &heldRecordset(); });
    if (!rows)
        return;
    step([&] { rows->Move(lRow - 2, ado::adBookmarkFirst); });
    step([&] {
        if (rows->Eof())
            rows->MoveLast();
    });
    step([&] {
        if (rows->Bof())
            rows->MoveFirst();
    });
}

QString BaseDetail::DRowData(long lRow, long& SColor)
{
    SColor = 0;

    bool withinGrid = false;
    step([&] { withinGrid = lRow <= ledger().RowCount(); });
    if (withinGrid) {
        positionOn(lRow);
        SColor = ROW_COLOR_WHITE;
    }
    return RecordText();
}

QString BaseDetail::RecordText()
{
    indexFieldsOf(m_recordset);
    LedgerRowFormat format;
    format.discountPrecision = m_discountPrecision;
    step([&] { format.qtyDecimal = vb::toText(heldRecordset().value(m_fields.qtyDecimal)); });
    step([&] { format.priceDecimal = vb::toText(heldRecordset().value(m_fields.priceDecimal)); });
    format.amountScale = [this] { return scaleOf(vb::CLng(heldRecordset().value(m_fields.currency))); };

    const std::shared_ptr<hostapi::ValueConvert> convert = valueConvert();
    QString text;
    text.reserve(256);  // a typical row, so the cells are appended without regrowing
    for (size_t i = 0; i < m_columns.size(); ++i) {
        text += cellText(m_columns[i], m_fields.columns[i], *convert, format);
        text += QLatin1Char('|');
    }
    return text;
}

void BaseDetail::HoldRecords(int32_t queryType, ado::RecordsetPtr records)
{
    m_columns = columnTable(queryType);
    m_recordset = std::move(records);
    m_heldStatement.clear();
    m_scales.clear();
    m_fields.records.reset();
}

int32_t BaseDetail::scaleOf(int32_t currencyId)
{
    const auto kept = m_scales.constFind(currencyId);
    if (kept != m_scales.constEnd())
        return *kept;
    const int32_t scale = CurrencyScale(currencyId);
    m_scales.insert(currencyId, scale);
    return scale;
}

void BaseDetail::indexFieldsOf(const ado::RecordsetPtr& records)
{
    if (!records || records == m_fields.records)
        return;
    const auto indexOf = [&](const QString& name) {
        int index = -1;
        step([&] { index = records->fieldIndex(name); });
        return index;
    };
    for (size_t i = 0; i < m_columns.size(); ++i)
        m_fields.columns[i] = indexOf(m_columns[i].key);
    m_fields.qtyDecimal = indexOf(QStringLiteral("FQtyDecimal"));
    m_fields.priceDecimal = indexOf(QStringLiteral("FPriceDecimal"));
    m_fields.currency = indexOf(QStringLiteral("FCurrencyID"));
    m_fields.records = records;
}

QString BaseDetail::cellText(const Column& column, int fieldIndex, hostapi::ValueConvert& convert,
                             const LedgerRowFormat& format) const
{
    QString cell;
    step([&] {
        const QVariant value = convert.ValueOrDefault(heldRecordset().value(fieldIndex), QString());
        cell = vb::Trim(vb::toText(value));
    });
    step([&] { cell = FormatLedgerCell(column.key, column.dataType, cell, format); });
    return cell;
}

} // namespace tq
