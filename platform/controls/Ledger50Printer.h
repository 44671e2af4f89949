#pragma once
// The ledger's print object (LedgerPrinter): three page header lines and two page footer lines,
// each with its own font and text, and print, preview and printer setup of the whole grid.
// In a line text "|" divides left | centre | right (a line without "|" is centred), "&[页]" is
// the page number and "&[总页]" the page count. Every page repeats the title row; columns
// wider than the paper are scaled down together; hidden columns are left out.
#include "platform/controls/LedgerPrintLayout.h"
#include "platform/controls/LedgerPrintPainter.h"

#include <QFont>
#include <QString>
#include <array>
#include <memory>

class QDialog;
class QPrinter;
class QPrintPreviewWidget;

namespace controls {

class Ledger50;

class Ledger50LineFont {
public:
    // An empty name prints in the grid's font family.
    QString Name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    double Size() const { return m_size; }
    void setSize(double points);
    bool Bold() const { return m_bold; }
    void setBold(bool bold) { m_bold = bold; }

    QFont toQFont(const QFont& gridFont) const;

private:
    QString m_name;
    double m_size = 10;
    bool m_bold = false;
};

class Ledger50PageLine {
public:
    Ledger50LineFont& Font() { return m_font; }
    const Ledger50LineFont& Font() const { return m_font; }
    // An empty text prints nothing and takes no room; " " is an empty line.
    QString Text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

private:
    Ledger50LineFont m_font;
    QString m_text;
};

class Ledger50Printer {
public:
    explicit Ledger50Printer(Ledger50& ledger);
    ~Ledger50Printer();
    Ledger50Printer(const Ledger50Printer&) = delete;
    Ledger50Printer& operator=(const Ledger50Printer&) = delete;

    // Lines 1..3 and 1..2; another index raises a ComError.
    Ledger50PageLine& PageHeader(long index);
    Ledger50PageLine& PageFooter(long index);

    // Row numbering: when not 0 (the default is 1) every printed row starts with its running
    // number in a narrow column of its own; 0 prints the grid's columns only.
    long HeaderNumeric() const { return m_headerNumeric; }
    void setHeaderNumeric(long value) { m_headerNumeric = value; }

    // When set, PrintOut writes this PDF file instead of printing; empty prints again.
    QString OutputFileName() const { return m_outputFileName; }
    void setOutputFileName(const QString& path);

    // Prints every row. A printer or file that cannot be opened raises a ComError.
    void PrintOut();
    // Shows the pages in a preview window, which also offers a choice of the grid font.
    // Preview, its font dialog and PrinterSetup show through win::runModal, so a test's
    // responder answers them.
    void Preview();
    // Shows the printer dialog; true when the user confirmed it.
    bool PrinterSetup();

    // The pages PrintOut would produce on the current printer.
    LedgerPrintLayout PageLayout();
    // The printer used by PrintOut, Preview and PrinterSetup.
    QPrinter& printer();

private:
    LedgerPrintJob makeJob() const;
    void applyOutputFile();
    void paintTo(QPrinter& printer);
    void chooseGridFont(QDialog& preview, QPrintPreviewWidget* pages);

    Ledger50& m_ledger;
    std::array<Ledger50PageLine, 3> m_headers;
    std::array<Ledger50PageLine, 2> m_footers;
    long m_headerNumeric = 1;
    QString m_outputFileName;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace controls
