#include "tests/platform/exporter/XlsxReadBack.h"

#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>

namespace exporttest {

namespace {

QByteArray unzipped(const QString& archive, const QString& member, QString& error)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), archive, member});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        error += QStringLiteral("unzip -p %1 %2 failed: %3 ").arg(archive, member, QString::fromLocal8Bit(unzip.readAllStandardError()));
    return unzip.readAllStandardOutput();
}

// Shared strings: the text of each <si>, runs joined.
QStringList sharedStrings(const QByteArray& xml)
{
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"si")
            strings.append(QString());
        else if (reader.isStartElement() && reader.name() == u"t" && !strings.isEmpty())
            strings.last() += reader.readElementText();
    }
    return strings;
}

// The format code of each cell style, by the style's index.
QStringList styleFormats(const QByteArray& xml)
{
    QHash<int, QString> codes = {{0, QStringLiteral("General")}, {14, QStringLiteral("m/d/yyyy")}};
    QStringList formats;
    bool inCellXfs = false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"cellXfs")
            inCellXfs = false;
        if (!reader.isStartElement())
            continue;
        const auto attributes = reader.attributes();
        if (reader.name() == u"numFmt")
            codes.insert(attributes.value(QLatin1String("numFmtId")).toInt(), attributes.value(QLatin1String("formatCode")).toString());
        else if (reader.name() == u"cellXfs")
            inCellXfs = true;
        else if (inCellXfs && reader.name() == u"xf")
            formats.append(codes.value(attributes.value(QLatin1String("numFmtId")).toInt(), QStringLiteral("builtin")));
    }
    return formats;
}

} // namespace

ReadSheet readXlsx(const QString& path)
{
    ReadSheet sheet;
    const QStringList strings = sharedStrings(unzipped(path, QStringLiteral("xl/sharedStrings.xml"), sheet.error));
    sheet.error.clear();  // a workbook without text cells has no shared strings
    const QStringList formats = styleFormats(unzipped(path, QStringLiteral("xl/styles.xml"), sheet.error));
    QXmlStreamReader reader(unzipped(path, QStringLiteral("xl/worksheets/sheet1.xml"), sheet.error));
    QString reference, type;
    ReadCell cell;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto attributes = reader.attributes();
        if (reader.name() == u"pane" && attributes.value(QLatin1String("state")) == u"frozen") {
            sheet.frozenRows = attributes.value(QLatin1String("ySplit")).toInt();
        } else if (reader.name() == u"col") {
            for (int c = attributes.value(QLatin1String("min")).toInt(); c <= attributes.value(QLatin1String("max")).toInt(); ++c)
                sheet.widths.insert(c, attributes.value(QLatin1String("width")).toDouble());
        } else if (reader.name() == u"c") {
            reference = attributes.value(QLatin1String("r")).toString();
            type = attributes.value(QLatin1String("t")).toString();
            cell = ReadCell();
            cell.isNumber = type.isEmpty() || type == u"n";
            cell.format = formats.value(attributes.value(QLatin1String("s")).toInt(), QStringLiteral("General"));
        } else if (reader.name() == u"v") {
            const QString value = reader.readElementText();
            if (cell.isNumber)
                cell.number = value.toDouble();
            else
                cell.text = type == u"s" ? strings.value(value.toInt()) : value;
            sheet.cells.insert(reference, cell);
        } else if (reader.name() == u"t" && type == u"inlineStr") {
            cell.text = reader.readElementText();
            sheet.cells.insert(reference, cell);
        }
    }
    if (reader.hasError())
        sheet.error += reader.errorString();
    return sheet;
}

} // namespace exporttest
