#pragma once
// The command line of the host program (besides the `db` commands):
//   zelhost [--db FILE] [--user ID] [--open sales|purchase] [--item NUMBER]
//           [--partner NUMBER] [--view item|partner] [--screenshot FILE]
//           [--export FILE] [--print-pdf FILE] [--chart]
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace zelhost {

enum class QueryKind { None, Sales, Purchase };
// Which view the price window starts in: as it was left last time, or forced.
enum class StartView { Stored, Item, Partner };

struct HostOptions {
    QString databaseFile;            // empty: the demo database
    std::optional<int32_t> userId;   // none: the demo administrator
    QueryKind open = QueryKind::None;
    QString itemNumber;              // the material's code as a person knows it
    QString partnerNumber;           // the customer's (sales) or supplier's (purchase) code
    StartView view = StartView::Stored;
    QString screenshotFile;          // with --screenshot
    bool screenshotRequested = false;
    QString exportFile;              // with --export: the ledger exported (.xlsx or .csv)
    QString printPdfFile;            // with --print-pdf: the ledger printed into this PDF
    bool chart = false;              // --chart: the price-trend pane shown in the captured window
};

struct ParsedCommandLine {
    std::optional<HostOptions> options;  // set when the command line was right
    bool helpRequested = false;          // -h / --help
    QString error;                       // what is wrong, in words a person understands
};

// `arguments` are the words after the program name. Options take their value as the next
// word or after "=" (--db=FILE); --chart takes none. Every option may be given once; --item,
// --partner, --view, --export, --print-pdf and --chart only make sense with --open.
ParsedCommandLine parseHostCommandLine(const QStringList& arguments);

// The usage text printed with --help and after a command-line error.
QString hostUsage();

// "sales" / "purchase" as the command line spells them.
QString queryKindName(QueryKind kind);

} // namespace zelhost
