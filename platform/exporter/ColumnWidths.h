#pragma once
// Column widths for a spreadsheet, from the widest text seen in each column, in character
// widths: Chinese and other wide characters count two, others one.
#include <QList>
#include <QStringView>

namespace exporter {

class ColumnWidths {
public:
    explicit ColumnWidths(int columns = 0) : m_widest(columns, 0) {}

    void measure(int column, QStringView text);
    // The width for the column: the widest text plus a margin, within sensible bounds.
    double width(int column) const;

    // The width of a text in character widths.
    static int textWidth(QStringView text);

private:
    QList<int> m_widest;
};

} // namespace exporter
