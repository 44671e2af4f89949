#pragma once
// What the history ledger should show, worked out straight from the demo database with sqlite3
// and plain C++ (no host adapter, no component code): every invoice line of a material or a
// partner, newest first, with the cells a person reads, formatted with Qt's own number output.
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

struct sqlite3;

namespace historye2e {

// One invoice line as the ledger should show it.
struct ExpectedLine {
    QString materialNumber;  // column 1
    QString partnerName;     // column 6
    QString date;            // column 9, yyyy-mm-dd
    QString billNo;          // column 10
    QString qty;             // column 11, the material's quantity decimals, no grouping
    QString price;           // column 12, the material's price decimals, grouped thousands
    QString amount;          // column 18, the currency's scale, grouped thousands
    double quantity = 0;     // the quantity as stored, rounded to the material's decimals
    double actualPrice = 0;  // the price after discount, rounded to the material's decimals
    double exchangeRate = 0;
    QString currencyNumber;
    bool cancelled = false;
    QStringList partnerRightIds;  // FRightUserID of the partner, split at the commas
};

// Ledger columns of the cells above, in that order.
inline constexpr long kColumns[] = {1, 6, 9, 10, 11, 12, 18};

// The cells of a line in the order of kColumns.
QStringList cellsOf(const ExpectedLine& line);
QStringList billNumbers(const QList<ExpectedLine>& lines);

class DemoFile {
public:
    // Opens the demo database read-only; a file that does not open fails the test.
    explicit DemoFile(const QString& path);
    ~DemoFile();
    DemoFile(const DemoFile&) = delete;
    DemoFile& operator=(const DemoFile&) = delete;

    // FItemID of a t_Item row by its class and number; 0 when there is none.
    int itemId(int itemClass, const QString& number) const;
    // The data-right id a user has for a kind (1 customers, 2 suppliers); 0 when none.
    int dataRightId(int userId, int kind) const;
    // Every line of the flavour (sales when `sales`) of the material (itemId > 0) or the partner
    // (partnerId > 0), cancelled bills included, newest first: by date, then bill, then line.
    QList<ExpectedLine> allLines(bool sales, int itemId, int partnerId) const;
    // The material of the newest line on a cancelled bill of the flavour, and that bill's number.
    std::pair<int, QString> newestCancelledLine(bool sales) const;

private:
    sqlite3* m_db = nullptr;
};

// The lines a user should see: cancelled bills left out, only partners visible to `rightId`
// when it is not 0, at most `limit` of them.
QList<ExpectedLine> visibleLines(const QList<ExpectedLine>& all, int limit, int rightId = 0);

} // namespace historye2e
