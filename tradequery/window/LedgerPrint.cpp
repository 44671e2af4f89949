#include "tradequery/window/LedgerPrint.h"

#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "platform/files/ReplacingFile.h"
#include "platform/controls/Ledger50Printer.h"
#include "platform/controls/TreeView.h"
#include "platform/win/DoEvents.h"
#include "tradequery/host/Messages.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/window/GridFont.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

namespace tq {

namespace {

constexpr double kTitleSize = 18;

void useGridFont(controls::Ledger50PageLine& line, const QFont& grid)
{
    line.Font().setName(grid.family());
    line.Font().setSize(grid.pointSizeF());
}

QString nodeText(const controls::Node& node)
{
    return node.isNull() ? QString() : node.Text();
}

bool sameFont(const QFont& a, const QFont& b)
{
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.italic() == b.italic()
           && a.bold() == b.bold();
}

} // namespace

void PrepareLedgerPrint(BrowseBase& window)
{
    controls::Ledger50Printer& printer = window.ldgBase().LedgerPrinter();
    const QFont grid = window.ldgBase().font();
    printer.setHeaderNumeric(0);

    controls::Ledger50PageLine& title = printer.PageHeader(1);
    title.Font().setName(grid.family());
    title.Font().setSize(kTitleSize);
    title.Font().setBold(true);
    title.setText(window.isCustomerQuery() ? LangText(QStringLiteral("客户历史销售价格查询"))
                                           : LangText(QStringLiteral("供应商历史采购价格查询")));

    printer.PageHeader(2).setText(QStringLiteral(" "));

    controls::Ledger50PageLine& where = printer.PageHeader(3);
    useGridFont(where, grid);
    controls::TreeView& tree = window.tvwBase();
    const QString root = tree.Nodes().Count() > 0 ? nodeText(tree.Nodes().Item(1)) : QString();
    where.setText(FormatMsg(LangText(QStringLiteral("%1:%2|打印日期:%3|")), root, nodeText(tree.SelectedItem()),
                            QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));

    useGridFont(printer.PageFooter(1), grid);
    printer.PageFooter(1).setText(QStringLiteral(" "));

    useGridFont(printer.PageFooter(2), grid);
    printer.PageFooter(2).setText(FormatMsg(LangText(QStringLiteral("第 %1 页%2|共 %3 页")), QStringLiteral("&[页]"),
                                            QString(8, QLatin1Char(' ')), QStringLiteral("&[总页]")));
}

void PreviewLedger(BrowseBase& window)
{
    const QFont before = window.ldgBase().font();
    window.ldgBase().LedgerPrinter().Preview();
    if (!sameFont(before, window.ldgBase().font())) {
        CopyGridFontToTree(window);
        SaveGridFont(window);
    }
}

void PrintLedger(BrowseBase& window)
{
    PrepareLedgerPrint(window);
    window.ldgBase().LedgerPrinter().PrintOut();
    win::DoEvents();
}

void PreviewLedgerCommand(BrowseBase& window)
{
    PrepareLedgerPrint(window);
    PreviewLedger(window);
    win::DoEvents();
}

void LedgerPrinterSetup(BrowseBase& window)
{
    window.ldgBase().LedgerPrinter().PrinterSetup();
    win::DoEvents();
}

bool PrintLedgerToPdf(BrowseBase& window, const QString& path)
{
    controls::Ledger50Printer& printer = window.ldgBase().LedgerPrinter();
    const QString previous = printer.OutputFileName();
    bool printed = false;
    try {
        // Printed beside the target and put in its place only when complete: a failed print
        // leaves an existing file as it was.
        files::ReplacingFile file(path);
        printer.setOutputFileName(file.temporaryPath());
        PrintLedger(window);
        if (QFileInfo(file.temporaryPath()).size() > 0) {
            file.commit();
            printed = true;
        }
    } catch (const com::ComError&) {
        printed = false;
    }
    printer.setOutputFileName(previous);
    return printed;
}

} // namespace tq
