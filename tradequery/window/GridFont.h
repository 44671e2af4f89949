#pragma once
// The ledger's font and the tree that follows it. A font the person chooses is remembered in the
// user profile value "GridFont" and wins for good; as long as none is chosen, the grid follows
// the host's per-user report font size "RptFontSize", applied at load and at every activation.
// The grid's rows grow with the font and are never made lower here.
#include <QFont>
#include <QString>

namespace tq {

class BrowseBase;

// The user profile value "GridFont": "" while no font was chosen.
QString StoredGridFont();

// The font a "GridFont" value describes ("FontName=...|FontSize=...|FontBold=...|
// FontItalic=...|"), over the given font; a part that cannot be read is skipped, a size outside
// 1..400 keeps the font's own.
QFont GridFontFromProfile(const QString& value, QFont font);

// At load: the stored grid font on the ledger and the tree, or, when none is stored,
// AppliedFontSize 0 and the report font size. Each step on its own.
void RestoreGridFont(BrowseBase& window);

// The font command: Qt's font dialog, filled from the ledger font and shown through
// win::runModal. When a font with a name is chosen, the ledger and the tree take it and it is
// saved; true then. Cancel or any error changes nothing and gives false.
bool ChooseGridFont(BrowseBase& window);

// Writes the ledger font as "FontName=…|FontSize=…|FontBold=…|FontItalic=…|" (size with up to
// four decimals, booleans 1/0) into the user profile value "GridFont". Errors reach the caller.
void SaveGridFont(BrowseBase& window);
// The text SaveGridFont stores for a font.
QString GridFontText(const QFont& font);

// The tree takes the ledger font's name, size, bold and italic.
void CopyGridFontToTree(BrowseBase& window);

// Applies "RptFontSize" (default 9) to the ledger and the tree unless a "GridFont" is stored,
// the size is the one applied last, or it lies outside 9..18 (then it is not remembered
// either). The row height becomes at least the measured text height + 30 twips, at least 285.
void ApplyReportFontSize(BrowseBase& window);

} // namespace tq
