#pragma once
// One cell of the condition grid: what kind of value it takes, what it holds and how it looks,
// and the rules that decide which texts a cell of each kind accepts. The rules are pure, so the
// grid's model, its editors and its tests all apply the same ones.
//
// No cell ever holds a double quote or an apostrophe: the grid's values end up between
// apostrophes in filter texts, so every path into a cell drops them (StripQuotes).
#include <QString>
#include <QStringList>

namespace controls {

enum class SpreadCellType {
    Static,       // shows text, takes no input (the default of every cell)
    Text,         // any text
    Date,         // a date, read back as yyyy-MM-dd; a calendar drops down
    Decimal,      // a number with at most `decimals` places, right-aligned
    NumericText,  // text of a number only (sign, digits, one point), right-aligned
    Integer,      // a whole number, right-aligned
    List,         // a drop-down list that cannot be typed into; index -1 = nothing chosen, and
                  // the first item, which names "nothing", shows as an empty cell too
};

struct SpreadCell {
    SpreadCellType type = SpreadCellType::Static;
    int decimals = 0;      // Decimal cells only
    QStringList items;     // List cells only
    int listIndex = -1;    // List cells only
    bool locked = false;   // a locked cell takes no input from the user
    int fontSize = 0;      // points; 0 keeps the grid's font
    QString text;          // what the cell holds (List cells: the chosen item's text)
};

// The text without any double quote or apostrophe.
QString StripQuotes(const QString& text);

// True when a text being typed into a cell of this kind can still become a value (a lone "-"
// in a number cell, "2008-0" in a date cell): editors refuse every keystroke or paste that
// breaks this, so letters never reach a number cell.
bool IsPartialInput(const SpreadCell& cell, const QString& text);

// The value a cell of this kind stores for the finished text, or no value (a null QString)
// when the text is not complete: a half-typed or impossible date, a number that is only a sign
// or a point, more places than the cell allows. Dates come back as yyyy-MM-dd ("2008-1-5" is
// 2008-01-05); an empty text is always accepted and clears the cell. Quotes are dropped first.
QString AcceptedValue(const SpreadCell& cell, const QString& text);

// Whether the cell's value lines up on the right, as numbers do.
bool IsRightAligned(SpreadCellType type);

} // namespace controls
