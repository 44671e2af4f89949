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

// Calls `element` for each start element of the XML, with the reader on it.
template <typename Element>
void forEachElement(const QByteArray& xml, Element element)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement)
            element(reader, [&reader](const char* name) { return reader.attributes().value(QLatin1String(name)); });
}

} // namespace

ReadSheet readXlsx(const QString& path)
{
    ReadSheet sheet;
    QStringList strings;  // each <si>'s text, runs joined; a workbook without texts has none
    forEachElement(unzipped(path, QStringLiteral("xl/sharedStrings.xml"), sheet.error), [&](QXmlStreamReader& r, auto) {
        if (r.name() == u"si")
            strings.append(QString());
        else if (r.name() == u"t" && !strings.isEmpty())
            strings.last() += r.readElementText();
    });
    sheet.error.clear();
    QHash<int, QString> codes = {{0, QStringLiteral("General")}, {14, QStringLiteral("m/d/yyyy")}};
    QStringList styleFormats;  // each cell style's number format code, by the style's index
    bool inCellStyles = false;
    forEachElement(unzipped(path, QStringLiteral("xl/styles.xml"), sheet.error), [&](QXmlStreamReader& r, auto attribute) {
        if (r.name() == u"cellXfs" || r.name() == u"cellStyleXfs")
            inCellStyles = r.name() == u"cellXfs";
        else if (r.name() == u"numFmt")
            codes.insert(attribute("numFmtId").toInt(), attribute("formatCode").toString());
        else if (r.name() == u"xf" && inCellStyles)
            styleFormats.append(codes.value(attribute("numFmtId").toInt(), QStringLiteral("builtin")));
    });
    QString reference, type;
    ReadCell cell;
    forEachElement(unzipped(path, QStringLiteral("xl/worksheets/sheet1.xml"), sheet.error), [&](QXmlStreamReader& r, auto attribute) {
        if (r.name() == u"c") {
            reference = attribute("r").toString();
            type = attribute("t").toString();
            cell = ReadCell();
            cell.isNumber = type.isEmpty() || type == u"n";
            cell.format = styleFormats.value(attribute("s").toInt(), "General");
        } else if (r.name() == u"v") {
            const QString value = r.readElementText();
            if (cell.isNumber)
                cell.number = value.toDouble();
            else
                cell.text = type == u"s" ? strings.value(value.toInt()) : value;
            sheet.cells.insert(reference, cell);
        }
    });
    return sheet;
}

} // namespace exporttest
