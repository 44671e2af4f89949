#pragma once
// The ledger grid's memory of the rows its owner answered, so a row painted again is not asked
// again. It holds at most `capacity` rows; when full, the row read or answered longest ago makes
// room, so the rows around the visible window stay. The grid clears it whenever the row count,
// the column count or a redraw makes the answers stale.
#include <QHash>
#include <QStringList>

#include <list>

namespace controls {

// One row as the owner answered it: the cells of "cell|cell|...|" and the row colour
// (0x00BBGGRR; 0 keeps the grid's own background).
struct LedgerRowAnswer {
    QStringList cells;
    long color = 0;
};

class LedgerRowCache {
public:
    // capacity must be at least 1.
    explicit LedgerRowCache(int capacity);

    // The kept answer for a ledger row, now the most recently used; null when not kept. The
    // pointer stays valid until the next insert or clear.
    const LedgerRowAnswer* find(long row);
    // Keeps (or replaces) a row's answer, dropping the least recently used row when full.
    void insert(long row, LedgerRowAnswer answer);
    void clear();

    bool contains(long row) const { return m_byRow.contains(row); }
    int size() const { return static_cast<int>(m_byRow.size()); }
    int capacity() const { return m_capacity; }

private:
    using Entry = std::pair<long, LedgerRowAnswer>;

    int m_capacity;
    std::list<Entry> m_recent;  // most recently used first
    QHash<long, std::list<Entry>::iterator> m_byRow;
};

} // namespace controls
