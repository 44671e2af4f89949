#pragma once
// Reads an .xlsx file back the way a spreadsheet program would: unzipped by the unzip tool, the
// first worksheet's cells resolved through the shared strings and the number formats.
#include <QHash>
#include <QString>

namespace exporttest {

struct ReadCell {
    bool isNumber = false;
    QString text;       // a text cell's text
    double number = 0;  // a number cell's value
    QString format;     // a number cell's format code ("General" when none)
};

struct ReadSheet {
    QHash<QString, ReadCell> cells;  // by reference, "A1"
    QString error;                   // why the file could not be read; empty when it could
};

ReadSheet readXlsx(const QString& path);

} // namespace exporttest
