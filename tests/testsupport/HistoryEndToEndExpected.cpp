#include "tests/testsupport/HistoryEndToEndExpected.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace historye2e {

namespace {

QString textAt(sqlite3_stmt* stmt, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
}

// "1234567.5" → "1,234,567.5"; the sign and the decimals stay as they are.
QString grouped(const QString& plain)
{
    const qsizetype point = plain.indexOf(u'.');
    QString whole = point < 0 ? plain : plain.left(point);
    const QString rest = point < 0 ? QString() : plain.mid(point);
    const qsizetype firstDigit = whole.startsWith(u'-') ? 1 : 0;
    for (qsizetype at = whole.size() - 3; at > firstDigit; at -= 3)
        whole.insert(at, u',');
    return whole + rest;
}

// The value is already rounded by the database to `decimals`; only its digits are written here.
QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

class Query {
public:
    Query(sqlite3* db, const QByteArray& sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "raw query refused: " << sqlite3_errmsg(db) << "\n" << sql.constData();
    }
    ~Query() { sqlite3_finalize(m_stmt); }
    Query& bind(int index, int value)
    {
        sqlite3_bind_int(m_stmt, index, value);
        return *this;
    }
    Query& bind(int index, const QString& value)
    {
        const QByteArray utf8 = value.toUtf8();
        sqlite3_bind_text(m_stmt, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        return *this;
    }
    bool next() { return m_stmt && sqlite3_step(m_stmt) == SQLITE_ROW; }
    sqlite3_stmt* row() const { return m_stmt; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace

QStringList cellsOf(const ExpectedLine& line)
{
    return {line.materialNumber, line.partnerName, line.date, line.billNo, line.qty, line.price, line.amount};
}

QStringList billNumbers(const QList<ExpectedLine>& lines)
{
    QStringList numbers;
    for (const ExpectedLine& line : lines)
        numbers << line.billNo;
    return numbers;
}

DemoFile::DemoFile(const QString& path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path.toStdString() << ": " << sqlite3_errmsg(m_db);
}

DemoFile::~DemoFile()
{
    sqlite3_close(m_db);
}

int DemoFile::itemId(int itemClass, const QString& number) const
{
    Query query(m_db, "select FItemID from t_Item where FItemClassID = ? and FNumber = ?");
    query.bind(1, itemClass).bind(2, number);
    return query.next() ? sqlite3_column_int(query.row(), 0) : 0;
}

int DemoFile::dataRightId(int userId, int kind) const
{
    Query query(m_db, "select FRightID from t_UserDataRight where FUserID = ? and FKind = ?");
    query.bind(1, userId).bind(2, kind);
    return query.next() ? sqlite3_column_int(query.row(), 0) : 0;
}

QList<ExpectedLine> DemoFile::allLines(bool sales, int itemId, int partnerId) const
{
    // Sales VAT invoices (80) and purchase VAT invoices (75) are priced with tax, the other
    // bills without; the line's amount follows the same rule.
    const QByteArray bills = sales ? "ICSale" : "ICPurchase";
    const QByteArray entries = sales ? "ICSaleEntry" : "ICPurchaseEntry";
    const QByteArray partner = sales ? "FCustID" : "FSupplyID";
    const int vatType = sales ? 80 : 75;
    const QByteArray sql =
        "select m.FNumber, p.FName, substr(b.FDate, 1, 10), b.FBillNo,"
        " round(e.FAuxQty, c.FQtyDecimal), c.FQtyDecimal,"
        " round(case when b.FTranType = ?1 then e.FAuxTaxPrice else e.FAuxPrice end, c.FPriceDecimal), c.FPriceDecimal,"
        " round(case when b.FTranType = ?1 then e.FAmount + e.FTaxAmount else e.FAmount end, cur.FScale), cur.FScale,"
        " b.FCancellation, p.FRightUserID,"
        " round(e.FPriceDiscount, c.FPriceDecimal), b.FExchangeRate, cur.FNumber"
        " from " + bills + " b"
        " join " + entries + " e on e.FInterID = b.FInterID"
        " join t_Item m on m.FItemID = e.FItemID"
        " join t_ICItem c on c.FItemID = e.FItemID"
        " join t_Item p on p.FItemID = b." + partner +
        " join t_Currency cur on cur.FCurrencyID = b.FCurrencyID"
        " where (?2 = 0 or e.FItemID = ?2) and (?3 = 0 or b." + partner + " = ?3)"
        " order by b.FDate desc, b.FBillNo desc, e.FIndex desc";
    Query query(m_db, sql);
    query.bind(1, vatType).bind(2, itemId).bind(3, partnerId);
    QList<ExpectedLine> lines;
    while (query.next()) {
        sqlite3_stmt* row = query.row();
        ExpectedLine line;
        line.materialNumber = textAt(row, 0);
        line.partnerName = textAt(row, 1);
        line.date = textAt(row, 2);
        line.billNo = textAt(row, 3);
        line.quantity = sqlite3_column_double(row, 4);
        line.qty = fixed(line.quantity, sqlite3_column_int(row, 5));
        line.price = grouped(fixed(sqlite3_column_double(row, 6), sqlite3_column_int(row, 7)));
        line.amount = grouped(fixed(sqlite3_column_double(row, 8), sqlite3_column_int(row, 9)));
        line.cancelled = sqlite3_column_int(row, 10) != 0;
        line.partnerRightIds = textAt(row, 11).split(u',', Qt::SkipEmptyParts);
        line.actualPrice = sqlite3_column_double(row, 12);
        line.exchangeRate = sqlite3_column_double(row, 13);
        line.currencyNumber = textAt(row, 14);
        lines << line;
    }
    return lines;
}

std::pair<int, QString> DemoFile::newestCancelledLine(bool sales) const
{
    const QByteArray bills = sales ? "ICSale" : "ICPurchase";
    Query query(m_db, "select e.FItemID, b.FBillNo from " + bills + " b join " + bills + "Entry e on e.FInterID = b.FInterID"
                      " where b.FCancellation <> 0 order by b.FDate desc, b.FBillNo desc limit 1");
    if (!query.next())
        return {0, QString()};
    return {sqlite3_column_int(query.row(), 0), textAt(query.row(), 1)};
}

QList<ExpectedLine> visibleLines(const QList<ExpectedLine>& all, int limit, int rightId)
{
    QList<ExpectedLine> shown;
    for (const ExpectedLine& line : all) {
        if (shown.size() >= limit)
            break;
        if (!line.cancelled && (rightId == 0 || line.partnerRightIds.contains(QString::number(rightId))))
            shown << line;
    }
    return shown;
}

} // namespace historye2e
