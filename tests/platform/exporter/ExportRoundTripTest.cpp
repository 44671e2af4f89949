// Exports read back as a spreadsheet program reads them: every cell compared with what the
// ledger showed.
#include "tests/platform/exporter/ExportFixture.h"
#include "tests/platform/exporter/XlsxReadBack.h"

#include "hostapp/database/DemoData.h"
#include "hostapp/services/HostServices.h"
#include "platform/exporter/CellValue.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/DemoDatabaseFixture.h"

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
    const std::tuple<const char*, const char*, double> numbers[] = {  // cell, format, value
        {"A3", "yyyy-mm-dd", 45356}, {"C3", "#,##0", 1200}, {"E3", "#,##0.00", -14814.72},
        {"A4", "yyyy-mm-dd hh:mm:ss", 45291 + (8 * 3600 + 30 * 60 + 15) / 86400.0}, {"C4", "0.0", 0.5},
    };
    const std::pair<const char*, const char*> texts[] = {
        {"A1", "客户历史销售价格查询结果"}, {"A2", "日期"}, {"F2", "单据号"}, {"B3", "六角螺栓 M8×30"},
        {"D3", "12.3456"},  // the column keeps its texts (option 0)
        {"F3", "XSD000123"}, {"B4", "垫圈, \"加厚\""}, {"D4", "7."}, {"F4", "007"},
    };
    for (const auto& [cell, format, value] : numbers) {
        const ReadCell got = sheet.cells.value(cell);
        EXPECT_TRUE(got.isNumber) << cell;
        EXPECT_EQ(got.format, QString::fromUtf8(format)) << cell;
        EXPECT_NEAR(got.number, value, 1e-9) << cell;
    }
    for (const auto& [cell, text] : texts) {
        EXPECT_FALSE(sheet.cells.value(cell).isNumber) << cell;
        EXPECT_EQ(sheet.cells.value(cell).text, QString::fromUtf8(text)) << cell;
    }
    EXPECT_EQ(sheet.cells.size(), 1 + 6 + 6 + 5) << "the empty amount is no cell";

    ASSERT_TRUE(exportRows(path("空.xlsx"), titles, {}));  // no rows: the titles only
    EXPECT_EQ(readXlsx(path("空.xlsx")).cells.size(), 1 + titles.size());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ExportRoundTrip, CsvIsUtf8WithByteOrderMarkQuotedWhereNeeded)
{
    ASSERT_TRUE(exportRows(path("价格.CSV"), titles, ledger));
    EXPECT_EQ(contents(path("价格.CSV")),
              "\xEF\xBB\xBF" + QStringLiteral("日期,物料名称,数量,含税单价,金额,单据号\r\n"
                                              "2024-03-05,六角螺栓 M8×30,\"1,200\",12.3456,\"-14,814.72\",XSD000123\r\n"
                                              "2023-12-31 08:30:15,\"垫圈, \"\"加厚\"\"\",0.5,7.,,007\r\n").toUtf8());
    ASSERT_TRUE(exportRows(path("空.csv"), titles, {}));
    EXPECT_EQ(contents(path("空.csv")), "\xEF\xBB\xBF" + titles.join(u',').toUtf8() + "\r\n");
    EXPECT_EQ(folderEntries(), (QStringList{"价格.CSV", "空.csv"})) << "no temporary file left beside them";
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
    const std::tuple<const char*, const char*, double> cases[] = {  // text, format (empty: stays text), a number's value
        {"1,234,567.891", "#,##0.000", 1234567.891}, {"-0.05", "0.00", -0.05}, {"0", "0", 0},
        {"123456789012345", "0", 123456789012345.0}, {"12.", "0.", 12}, {"2024-02-29", "yyyy-mm-dd", 0},
        {"2024-03-05 08:30", "yyyy-mm-dd hh:mm", 0}, {"1234,567", "", 0}, {"12,34", "", 0}, {",123", "", 0},
        {"0,123", "", 0}, {"007", "", 0}, {"1234567890123456", "", 0},
        {"+5", "", 0}, {" 12", "", 0}, {"1e5", "", 0}, {".5", "", 0}, {"2023-02-29", "", 0}, {"2024-03-05 25:00", "", 0},
    };
    for (const auto& [text, format, number] : cases) {
        const exporter::CellValue cell = exporter::readCell(QString::fromUtf8(text));
        EXPECT_EQ(exporter::displayFormat(cell), QString::fromUtf8(format)) << text;
        EXPECT_NEAR(cell.kind == exporter::CellValue::Kind::Number ? cell.number : 0, number, 1e-9) << text;
    }
    EXPECT_EQ(exporter::readCell(u"12", false, true).kind, exporter::CellValue::Kind::Text);
    EXPECT_EQ(exporter::readCell(u"2024-02-29", true, false).kind, exporter::CellValue::Kind::Text);
}

} // namespace
} // namespace exporttest
