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

struct Style {
    QString format;
    bool bold = false;
};

// Each cell style's number format code and boldness, by the style's index.
QList<Style> cellStyles(const QByteArray& xml)
{
    QHash<int, QString> codes = {{0, QStringLiteral("General")}, {14, QStringLiteral("m/d/yyyy")}};
    QList<bool> boldFonts;
    QList<Style> styles;
    QStringView section;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto attribute = [&reader](const char* name) { return reader.attributes().value(QLatin1String(name)); };
        const QStringView name = reader.name();
        if (name == u"fonts" || name == u"cellXfs" || name == u"cellStyleXfs")
            section = name;
        else if (name == u"numFmt")
            codes.insert(attribute("numFmtId").toInt(), attribute("formatCode").toString());
        else if (name == u"font" && section == u"fonts")
            boldFonts.append(false);
        else if (name == u"b" && section == u"fonts")
            boldFonts.last() = true;
        else if (name == u"xf" && section == u"cellXfs")
            styles.append({codes.value(attribute("numFmtId").toInt(), QStringLiteral("builtin")),
                           boldFonts.value(attribute("fontId").toInt())});
    }
    return styles;
}

} // namespace

ReadSheet readXlsx(const QString& path)
{
    ReadSheet sheet;
    const QStringList strings = sharedStrings(unzipped(path, QStringLiteral("xl/sharedStrings.xml"), sheet.error));
    sheet.error.clear();  // a workbook without text cells has no shared strings
    const QList<Style> styles = cellStyles(unzipped(path, QStringLiteral("xl/styles.xml"), sheet.error));
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
            const Style style = styles.value(attributes.value(QLatin1String("s")).toInt(), {QStringLiteral("General")});
            cell.format = style.format;
            cell.bold = style.bold;
        } else if (reader.name() == u"v") {
            const QString value = reader.readElementText();
            if (cell.isNumber)
                cell.number = value.toDouble();
            else
                cell.text = type == u"s" ? strings.value(value.toInt()) : value;
            sheet.cells.insert(reference, cell);
        }
    }
    if (reader.hasError())
        sheet.error += reader.errorString();
    return sheet;
}

} // namespace exporttest
