#pragma once
// What a shown cell text holds, so a spreadsheet gets numbers and dates it can calculate with
// while showing them as the text did: "1,234.50" is the number 1234.5 shown with grouping and
// two decimals, "2024-03-05" a date. Anything else, and numbers a spreadsheet would change
// ("007", more than 15 significant digits), stays text.
#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

namespace exporter {

struct CellValue {
    enum class Kind { Text, Number, Date };
    Kind kind = Kind::Text;

    // Numbers: the value and how the text showed it.
    double number = 0;
    int decimals = 0;         // digits after the point
    bool grouped = false;     // thousands separators
    bool trailingPoint = false;  // "12." shows a point without digits

    // Dates: the day, and the time of day when the text had one.
    QDate date;
    QTime time;
    bool hasTime = false;
    bool hasSeconds = false;
};

// Reads the text as a number (when `numbers`) or a date (when `dates`), else as text.
CellValue readCell(QStringView text, bool numbers = true, bool dates = true);

// The spreadsheet number format that shows a read number or date as its text did:
// "#,##0.00", "0.000", "0.", "yyyy-mm-dd", "yyyy-mm-dd hh:mm:ss" …; empty for text.
QString displayFormat(const CellValue& cell);

} // namespace exporter
