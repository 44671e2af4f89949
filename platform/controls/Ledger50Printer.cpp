#include "platform/controls/Ledger50Printer.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Model.h"
#include "platform/win/ModalDialog.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

namespace controls {

namespace {

constexpr int32_t PRINTER_ERROR = com::vbError(482);
const QString SOURCE = QStringLiteral("Ledger50");

} // namespace

void Ledger50LineFont::setSize(double points)
{
    if (!(points > 0))
        throw com::ComError(com::vbError(380), SOURCE,
                            QStringLiteral("字号必须大于 0：%1").arg(points));
    m_size = points;
}

QFont Ledger50LineFont::toQFont(const QFont& gridFont) const
{
    QFont font = gridFont;
    if (!m_name.trimmed().isEmpty())
        font.setFamily(m_name);
    font.setPointSizeF(m_size);
    font.setBold(m_bold);
    font.setItalic(false);
    return font;
}

Ledger50Printer::Ledger50Printer(Ledger50& ledger) : m_ledger(ledger) {}

Ledger50Printer::~Ledger50Printer() = default;

Ledger50PageLine& Ledger50Printer::PageHeader(long index)
{
    if (index < 1 || index > static_cast<long>(m_headers.size()))
        throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, SOURCE,
                            QStringLiteral("页眉只有第 1 到 3 行，没有第 %1 行").arg(index));
    return m_headers[static_cast<size_t>(index - 1)];
}

Ledger50PageLine& Ledger50Printer::PageFooter(long index)
{
    if (index < 1 || index > static_cast<long>(m_footers.size()))
        throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, SOURCE,
                            QStringLiteral("页脚只有第 1 到 2 行，没有第 %1 行").arg(index));
    return m_footers[static_cast<size_t>(index - 1)];
}

QPrinter& Ledger50Printer::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer of its own to ask, the paper is the one used where the host is.
        if (m_printer->outputFormat() == QPrinter::PdfFormat)
            m_printer->setPageSize(QPageSize(QPageSize::A4));
        applyOutputFile();
    }
    return *m_printer;
}

void Ledger50Printer::setOutputFileName(const QString& path)
{
    m_outputFileName = path;
    if (m_printer)
        applyOutputFile();
}

void Ledger50Printer::applyOutputFile()
{
    if (m_outputFileName.isEmpty()) {
        m_printer->setOutputFileName(QString());  // back to the printer, where there is one
        return;
    }
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(m_outputFileName);
}

LedgerPrintJob Ledger50Printer::makeJob() const
{
    Ledger50Model& model = m_ledger.model();
    LedgerPrintJob job;
    job.gridFont = m_ledger.font();
    job.rowHeightTwips = m_ledger.rowHeightTwips();
    // The title row first: answering it may mark the number columns.
    const QStringList titles = model.rows() >= 1 ? model.fetch(1).cells : QStringList();
    for (long index = 0; index < model.cols(); ++index) {
        const LedgerColumnSettings& column = model.column(index);
        if (!column.hidden)
            job.columns.append({static_cast<int>(index), titles.value(static_cast<int>(index)),
                                column.widthTwips, column.numericAlign});
    }
    job.firstRow = model.fixedRows() + 1;
    job.lastRow = model.rows();
    job.numberRows = m_headerNumeric != 0;
    for (const Ledger50PageLine& line : m_headers)
        job.headers.append({line.Text(), line.Font().toQFont(job.gridFont)});
    for (const Ledger50PageLine& line : m_footers)
        job.footers.append({line.Text(), line.Font().toQFont(job.gridFont)});
    job.rowCells = [&model](long row) { return model.fetch(row).cells; };
    return job;
}

LedgerPrintLayout Ledger50Printer::PageLayout()
{
    const LedgerPrintJob job = makeJob();
    return LedgerPrintPainter(job, printer()).layout();
}

void Ledger50Printer::PrintOut()
{
    QPrinter& device = printer();
    const QString file = device.outputFileName();
    if (device.outputFormat() == QPrinter::PdfFormat && file.isEmpty())
        throw com::ComError(PRINTER_ERROR, SOURCE,
                            QStringLiteral("没有可用的打印机。请在打印设置中选择打印机，或打印到文件。"));
    if (!file.isEmpty() && !QFileInfo(file).absoluteDir().exists())
        throw com::ComError(PRINTER_ERROR, SOURCE,
                            QStringLiteral("无法写入打印文件“%1”：文件夹“%2”不存在。")
                                .arg(file, QDir::toNativeSeparators(QFileInfo(file).absolutePath())));

    const LedgerPrintJob job = makeJob();
    LedgerPrintPainter pages(job, device);
    QPainter painter;
    if (!painter.begin(&device)) {
        throw com::ComError(PRINTER_ERROR, SOURCE,
                            file.isEmpty()
                                ? QStringLiteral("无法打开打印机“%1”。").arg(device.printerName())
                                : QStringLiteral("无法写入打印文件“%1”。").arg(file));
    }
    pages.paint(painter, device);
    painter.end();
}

void Ledger50Printer::paintTo(QPrinter& target)
{
    const LedgerPrintJob job = makeJob();
    LedgerPrintPainter pages(job, target);
    QPainter painter;
    // The preview asks for pages from its own events; a failure shows an empty preview.
    if (!painter.begin(&target))
        return;
    pages.paint(painter, target);
    painter.end();
}

void Ledger50Printer::Preview()
{
    QPrintPreviewDialog dialog(&printer(), &m_ledger);
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) { paintTo(*target); });
    auto* pages = dialog.findChild<QPrintPreviewWidget*>();
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->addSeparator();
        QAction* fontAction = toolBar->addAction(QStringLiteral("字体..."));
        fontAction->setObjectName(QStringLiteral("ledgerFontAction"));
        fontAction->setToolTip(QStringLiteral("选择表格字体"));
        QObject::connect(fontAction, &QAction::triggered, &dialog,
                         [this, &dialog, pages] { chooseGridFont(dialog, pages); });
    }
    // Laying the pages out now (showing would do it too) lets the page count be read at once.
    if (pages)
        pages->updatePreview();
    win::runModal(dialog);
}

void Ledger50Printer::chooseGridFont(QDialog& preview, QPrintPreviewWidget* pages)
{
    QFontDialog fontDialog(m_ledger.font(), &preview);
    fontDialog.setOption(QFontDialog::DontUseNativeDialog);
    fontDialog.setWindowTitle(QStringLiteral("字体"));
    if (win::runModal(fontDialog) != QDialog::Accepted)
        return;
    m_ledger.setFont(fontDialog.currentFont());
    if (pages)
        pages->updatePreview();
}

bool Ledger50Printer::PrinterSetup()
{
    QPrintDialog dialog(&printer(), &m_ledger);
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    return win::runModal(dialog) == QDialog::Accepted;
}

} // namespace controls
