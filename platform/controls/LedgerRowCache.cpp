#include "platform/controls/LedgerRowCache.h"

#include <algorithm>

namespace controls {

LedgerRowCache::LedgerRowCache(int capacity) : m_capacity(std::max(1, capacity))
{
    m_byRow.reserve(m_capacity);
}

const LedgerRowAnswer* LedgerRowCache::find(long row)
{
    const auto found = m_byRow.constFind(row);
    if (found == m_byRow.constEnd())
        return nullptr;
    // Moving the entry to the front keeps the iterators in m_byRow valid.
    m_recent.splice(m_recent.begin(), m_recent, *found);
    return &m_recent.front().second;
}

void LedgerRowCache::insert(long row, LedgerRowAnswer answer)
{
    if (const auto found = m_byRow.constFind(row); found != m_byRow.constEnd()) {
        (*found)->second = std::move(answer);
        m_recent.splice(m_recent.begin(), m_recent, *found);
        return;
    }
    if (size() >= m_capacity) {
        m_byRow.remove(m_recent.back().first);
        m_recent.pop_back();
    }
    m_recent.emplace_front(row, std::move(answer));
    m_byRow.insert(row, m_recent.begin());
}

void LedgerRowCache::clear()
{
    m_recent.clear();
    m_byRow.clear();
}

} // namespace controls
