// Exports read back as a spreadsheet program reads them: every cell compared with what the
// ledger showed.
#include "tests/platform/exporter/ExportFixture.h"
#include "tests/platform/exporter/XlsxReadBack.h"

#include "hostapp/database/DemoData.h"
#include "hostapp/services/HostServices.h"
#include "platform/exporter/CellValue.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/DemoDatabaseFixture.h"

#include <cmath>

namespace exporttest {
namespace {

const QStringList titles = {"日期", "物料名称", "数量", "含税单价", "金额", "单据号"};
const Rows ledger = {
    {"2024-03-05", "六角螺栓 M8×30", "1,200", "12.3456", "-14,814.72", "XSD000123"},
    {"2023-12-31 08:30:15", "垫圈, \"加厚\"", "0.5", "7.", "", "007"},
};

using ExportRoundTrip = ExportFixture;

TEST_F(ExportRoundTrip, XlsxHoldsNumbersAndDatesShownAsTheirTextsAndEverythingElseAsText)
{
    ASSERT_TRUE(exportRows(path("价格.xlsx"), titles, ledger, {{4, 0}})) << boxes.boxes().value(0).text.toStdString();
    const ReadSheet sheet = readXlsx(path("价格.xlsx"));
    ASSERT_EQ(sheet.error, "");

    struct Expected {
        const char* cell;
        const char* text;   // a text cell's text, or a number cell's format
        double number = 0;  // NaN for text cells
    };
    const double text = std::nan("");
    const Expected expected[] = {
        {"A1", "客户历史销售价格查询结果", text}, {"A2", "日期", text}, {"B2", "物料名称", text},
        {"C2", "数量", text}, {"D2", "含税单价", text}, {"E2", "金额", text}, {"F2", "单据号", text},
        {"A3", "yyyy-mm-dd", 45356}, {"B3", "六角螺栓 M8×30", text}, {"C3", "#,##0", 1200},
        {"D3", "12.3456", text},  // the column keeps its texts (option 0)
        {"E3", "#,##0.00", -14814.72}, {"F3", "XSD000123", text},
        {"A4", "yyyy-mm-dd hh:mm:ss", 45291 + (8 * 3600 + 30 * 60 + 15) / 86400.0},
        {"B4", "垫圈, \"加厚\"", text}, {"C4", "0.0", 0.5}, {"D4", "7.", text},
        {"F4", "007", text},
    };
    for (const Expected& want : expected) {
        SCOPED_TRACE(want.cell);
        ASSERT_TRUE(sheet.cells.contains(want.cell));
        const ReadCell& got = sheet.cells[want.cell];
        ASSERT_EQ(got.isNumber, !std::isnan(want.number));
        EXPECT_EQ(got.isNumber ? got.format : got.text, QString::fromUtf8(want.text));
        if (got.isNumber) {
            EXPECT_NEAR(got.number, want.number, 1e-9);
        }
        EXPECT_EQ(got.bold, want.cell[1] <= '2');  // the title and the column titles
    }
    EXPECT_EQ(sheet.cells.size(), qsizetype(std::size(expected)));  // the empty amount is no cell
    EXPECT_EQ(sheet.frozenRows, 2);
    // The Chinese names, two widths a character, make the widest column.
    EXPECT_GE(sheet.widths[2], 14);
    EXPECT_GT(sheet.widths[2], sheet.widths[6]);
    EXPECT_GE(sheet.widths[6], 9);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ExportRoundTrip, CsvIsUtf8WithByteOrderMarkQuotedWhereNeeded)
{
    ASSERT_TRUE(exportRows(path("价格.CSV"), titles, ledger));
    EXPECT_EQ(contents(path("价格.CSV")),
              "\xEF\xBB\xBF" + QStringLiteral("日期,物料名称,数量,含税单价,金额,单据号\r\n"
                             "2024-03-05,六角螺栓 M8×30,\"1,200\",12.3456,\"-14,814.72\",XSD000123\r\n"
                             "2023-12-31 08:30:15,\"垫圈, \"\"加厚\"\"\",0.5,7.,,007\r\n").toUtf8());
    EXPECT_EQ(folderEntries(), QStringList{"价格.CSV"});  // no temporary file left beside it
}

TEST_F(ExportRoundTrip, NoRowsGiveTheTitlesOnly)
{
    ASSERT_TRUE(exportRows(path("空.xlsx"), titles, {}));
    const ReadSheet sheet = readXlsx(path("空.xlsx"));
    ASSERT_EQ(sheet.error, "");
    EXPECT_EQ(sheet.cells.size(), 1 + titles.size());
    EXPECT_EQ(sheet.cells.value("F2").text, "单据号");

    ASSERT_TRUE(exportRows(path("空.csv"), titles, {}));
    EXPECT_EQ(contents(path("空.csv")), "\xEF\xBB\xBF" + titles.join(u',').toUtf8() + "\r\n");
    EXPECT_EQ(rowsAsked, 0);
}

TEST_F(ExportRoundTrip, TheHostOffersANewExporterUnderItsProgId)
{
    hostsvc::LoginSession session;
    session.connectString = testsupport::smallDemoDatabase();
    session.userId = hostdb::demo::kAdminUserId;
    session.settingsFile = path("settings.ini");
    hostsvc::installHostServices(session);
    const QString progId = QString::fromLatin1(hostapi::progid::ExpImp80);
    auto exporter = com::ObjectFactory::instance().createAs<hostapi::ExpImp80>(progId);
    EXPECT_NE(exporter, com::ObjectFactory::instance().createAs<hostapi::ExpImp80>(progId));
    EXPECT_TRUE(exportRows(*exporter, path("价格.csv"), titles, ledger));
    hostsvc::uninstallHostServices();
    EXPECT_EQ(rowsAsked, ledger.size());
}

TEST(ExportCellValue, ReadsOnlyTextsASpreadsheetKeepsUnchanged)
{
    using exporter::CellValue;
    struct Case {
        const char* text;
        const char* format;  // empty: stays text
        double number = 0;
    };
    const Case cases[] = {
        {"1,234,567.891", "#,##0.000", 1234567.891}, {"-0.05", "0.00", -0.05}, {"0", "0", 0},
        {"123456789012345", "0", 123456789012345.0}, {"12.", "0.", 12},
        {"1234,567", ""}, {"12,34", ""}, {",123", ""}, {"1,,234", ""}, {"0,123", ""},
        {"007", ""}, {"1.2.3", ""}, {"1234567890123456", ""}, {"+5", ""}, {" 12", ""}, {"-", ""},
        {"1e5", ""}, {"12.5%", ""}, {".5", ""},
        {"2024-02-29", "yyyy-mm-dd"}, {"2024-03-05 08:30", "yyyy-mm-dd hh:mm"},
        {"2023-02-29", ""}, {"1899-12-31", ""}, {"2024-03-05 25:00", ""}, {"2024/03/05", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CellValue cell = exporter::readCell(QString::fromUtf8(c.text));
        EXPECT_EQ(exporter::displayFormat(cell), QString::fromUtf8(c.format));
        if (cell.kind == CellValue::Kind::Number) {
            EXPECT_DOUBLE_EQ(cell.number, c.number);
        }
    }
    EXPECT_EQ(exporter::readCell(u"12", false, true).kind, CellValue::Kind::Text);
    EXPECT_EQ(exporter::readCell(u"2024-02-29", true, false).kind, CellValue::Kind::Text);
}

} // namespace
} // namespace exporttest
