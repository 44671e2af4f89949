#include "tradequery/window/LedgerExport.h"

#include "platform/com/ObjectFactory.h"
#include "platform/controls/Ledger50.h"
#include "platform/hostapi/ExpImp80.h"
#include "platform/hostapi/ProgIds.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Steps.h"
#include "tradequery/window/BrowseBase.h"

#include <memory>

namespace tq {

namespace {

// The per-column setting handed for every column: everything the exporter knows how to do.
constexpr int32_t kAllColumnOptions = 255;

bool isExported(controls::Ledger50& ledger, long col)
{
    return !ledger.LedgerColumn(col).Hidden(controls::Ledger50Column::HIDDEN_IN_GRID);
}

} // namespace

bool ExportLedger(BrowseBase& window)
{
    controls::Ledger50& ledger = window.ldgBase();
    controls::Ledger50Grid& grid = ledger.LedgerGrid();
    // Held until the export ends; a new exporter serves each export.
    std::shared_ptr<hostapi::ExpImp80> exporter;
    step([&] {
        exporter = com::ObjectFactory::instance().createAs<hostapi::ExpImp80>(
            QString::fromLatin1(hostapi::progid::ExpImp80));
    });
    if (!exporter)
        return false;

    long colCount = 0;
    step([&] { colCount = grid.ColCount(); });
    int16_t exportCount = 0;
    for (long i = 1; i <= colCount; ++i)
        step([&] {
            if (isExported(ledger, i))
                ++exportCount;
        });
    step([&] { exporter->ExportColumns(exportCount); });

    int16_t k = 0;
    for (long i = 1; i <= colCount; ++i) {
        bool exported = false;
        step([&] { exported = isExported(ledger, i); });
        if (!exported)
            continue;
        ++k;
        step([&] { exporter->ExportColumnTitle(k, ledger.LedgerCell(1, i).Text()); });
        step([&] { exporter->ExportColumnOption(k, kAllColumnOptions); });
    }
    step([&] { exporter->ExportRows(static_cast<int32_t>(grid.RowCount() - grid.FixedRowCount())); });

    // The rows are asked for while ExportRun runs, on this thread: the texts go straight in.
    QObject::connect(
        exporter.get(), &hostapi::ExpImp80::LoadData, &window,
        [&ledger](int32_t nRow, hostapi::ExportColData& ColData) { Export_LoadData(ledger, nRow, ColData); },
        Qt::DirectConnection);
    const QString title = (window.isCustomerQuery() ? LangText(QStringLiteral("客户历史销售价格"))
                                                     : LangText(QStringLiteral("供应商历史采购价格")))
                          + LangText(QStringLiteral("查询结果"));
    bool written = false;
    step([&] { written = exporter->ExportRun(title); });
    exporter.reset();
    return written;
}

void Export_LoadData(controls::Ledger50& ledger, int32_t nRow, hostapi::ExportColData& ColData)
{
    step([&] {
        controls::Ledger50Grid& grid = ledger.LedgerGrid();
        const long row = grid.FixedRowCount() + nRow;
        int16_t k = 0;
        for (long i = 1; i <= grid.ColCount(); ++i) {
            if (!isExported(ledger, i))
                continue;
            ++k;
            step([&] { ColData.setItem(k, ledger.LedgerCell(row, i).Text()); });
        }
    });
}

} // namespace tq
