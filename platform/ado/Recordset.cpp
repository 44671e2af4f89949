#include "platform/ado/Recordset.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/FilterPredicate.h"
#include "platform/ado/SortOrder.h"

#include <algorithm>
#include <numeric>

namespace ado {

// The view is a list of storage row indices (filtered, then sorted), or every stored row
// in order when there is neither filter nor sort. The cursor is an index into the view:
// -1 is BOF, count is EOF.
struct Recordset::Impl {
    std::shared_ptr<const RecordsetStorage> storage;  // null when closed

    QString filterText;
    bool filtered = false;
    std::vector<int> filteredRows;

    QString sortText;
    std::vector<SortKey> sortKeys;
    std::vector<int> sortedRows;

    const std::vector<int>* view = nullptr;
    int count = 0;
    int position = -1;

    // Storage row -> view position, built at the first bookmark lookup after a view change.
    mutable std::vector<int> positionOfRow;
    mutable bool positionsReady = false;

    void open(std::shared_ptr<const RecordsetStorage> rows)
    {
        storage = std::move(rows);
        filterText.clear();
        filtered = false;
        filteredRows.clear();
        sortText.clear();
        sortKeys.clear();
        rebuildView();
    }

    void close()
    {
        storage.reset();
        filteredRows = {};
        sortedRows = {};
        positionOfRow = {};
        view = nullptr;
        count = 0;
        position = -1;
    }

    void requireOpen() const
    {
        if (!storage)
            throw errors::objectClosed();
    }

    void requireRecords() const
    {
        if (count == 0)
            throw errors::noCurrentRecord(QStringLiteral("记录集中没有记录。"));
    }

    void requireCurrent() const
    {
        if (position < 0 || position >= count)
            throw errors::noCurrentRecord();
    }

    int rowAt(int viewPosition) const { return view ? (*view)[size_t(viewPosition)] : viewPosition; }

    const std::vector<QVariant>& currentRow() const
    {
        requireOpen();
        requireCurrent();
        return storage->rows[size_t(rowAt(position))];
    }

    // Applies the sort on top of the filter and puts the cursor on the first record.
    void rebuildView()
    {
        if (!sortKeys.empty()) {
            if (filtered) {
                sortedRows = filteredRows;
            } else {
                sortedRows.resize(storage->rows.size());
                std::iota(sortedRows.begin(), sortedRows.end(), 0);
            }
            sortRows(sortedRows, sortKeys, *storage);
            view = &sortedRows;
        } else {
            sortedRows = {};
            view = filtered ? &filteredRows : nullptr;
        }
        count = int(view ? view->size() : storage->rows.size());
        position = 0;
        positionsReady = false;
    }

    void landAt(long target)
    {
        position = int(std::clamp<long>(target, -1, count));
    }

    int positionOf(const ado::Bookmark& bookmark) const
    {
        if (bookmark.storage != storage.get())
            throw errors::argumentsWrong(QStringLiteral("书签不属于这个记录集或它的副本。"));
        if (bookmark.row < 0 || size_t(bookmark.row) >= storage->rows.size())
            throw errors::argumentsWrong(QStringLiteral("书签 %1 不指向任何记录。").arg(bookmark.row));
        if (!view)
            return bookmark.row;
        if (!positionsReady) {
            positionOfRow.assign(storage->rows.size(), -1);
            for (size_t i = 0; i < view->size(); ++i)
                positionOfRow[size_t((*view)[i])] = int(i);
            positionsReady = true;
        }
        const int found = positionOfRow[size_t(bookmark.row)];
        if (found < 0)
            throw errors::argumentsWrong(QStringLiteral("书签所指的记录不在当前筛选结果中。"));
        return found;
    }

    // |n| beyond count + 1 lands on an end all the same; clamping first keeps the sum in range.
    long offsetBy(long origin, long numRecords) const
    {
        const long limit = long(count) + 2;
        return origin + std::clamp(numRecords, -limit, limit);
    }
};

Recordset::Recordset() : d(std::make_unique<Impl>()) {}

Recordset::Recordset(std::shared_ptr<const RecordsetStorage> storage) : Recordset()
{
    if (!storage)
        return;
    checkRows(*storage);
    d->open(std::move(storage));
}

Recordset::~Recordset() = default;

RecordsetPtr Recordset::make(std::vector<FieldInfo> fields, std::vector<std::vector<QVariant>> rows)
{
    normalizeRows(fields, rows);
    auto storage = std::make_shared<RecordsetStorage>(RecordsetStorage{std::move(fields), std::move(rows)});
    auto recordset = std::make_shared<Recordset>();
    recordset->d->open(std::move(storage));
    return recordset;
}

int Recordset::fieldIndex(const QString& name) const
{
    d->requireOpen();
    return fieldIndexOf(d->storage->fields, name);
}

const QVariant& Recordset::value(int fieldIndex) const
{
    d->requireOpen();
    const size_t fieldCount = d->storage->fields.size();
    if (fieldIndex < 0 || size_t(fieldIndex) >= fieldCount)
        throw errors::itemNotFound(
            QStringLiteral("字段序号 %1 超出范围（共 %2 个字段）。").arg(fieldIndex).arg(fieldCount));
    return d->currentRow()[size_t(fieldIndex)];
}

const std::vector<QVariant>& Recordset::currentRecord() const
{
    return d->currentRow();
}

bool Recordset::Eof() const
{
    d->requireOpen();
    return d->position >= d->count;
}

bool Recordset::Bof() const
{
    d->requireOpen();
    return d->count == 0 || d->position < 0;
}

long Recordset::RecordCount() const
{
    d->requireOpen();
    return d->count;
}

void Recordset::MoveFirst()
{
    d->requireOpen();
    d->requireRecords();
    d->position = 0;
}

void Recordset::MoveLast()
{
    d->requireOpen();
    d->requireRecords();
    d->position = d->count - 1;
}

void Recordset::MoveNext()
{
    Move(1);
}

void Recordset::MovePrevious()
{
    Move(-1);
}

void Recordset::Move(long numRecords, BookmarkEnum start)
{
    d->requireOpen();
    d->requireRecords();
    long origin = 0;
    switch (start) {
    case adBookmarkCurrent:
        if (d->position >= d->count && numRecords >= 0)
            throw errors::noCurrentRecord(QStringLiteral("已在最后一条记录之后，不能再向后移动。"));
        if (d->position < 0 && numRecords <= 0)
            throw errors::noCurrentRecord(QStringLiteral("已在第一条记录之前，不能再向前移动。"));
        origin = d->position;
        break;
    case adBookmarkFirst:
        origin = 0;
        break;
    case adBookmarkLast:
        origin = d->count - 1;
        break;
    default:
        throw errors::argumentsWrong(QStringLiteral("移动的起点 %1 无效（应为 0、1 或 2）。").arg(int(start)));
    }
    d->landAt(d->offsetBy(origin, numRecords));
}

void Recordset::Move(long numRecords, const ado::Bookmark& start)
{
    d->requireOpen();
    d->requireRecords();
    d->landAt(d->offsetBy(d->positionOf(start), numRecords));
}

long Recordset::AbsolutePosition() const
{
    d->requireOpen();
    if (d->count == 0)
        return adPosUnknown;
    if (d->position < 0)
        return adPosBOF;
    if (d->position >= d->count)
        return adPosEOF;
    return d->position + 1;
}

void Recordset::SetAbsolutePosition(long position)
{
    d->requireOpen();
    d->requireRecords();
    if (position < 1 || position > d->count)
        throw errors::argumentsWrong(
            QStringLiteral("位置 %1 超出范围（1 至 %2）。").arg(position).arg(d->count));
    d->position = int(position - 1);
}

ado::Bookmark Recordset::Bookmark() const
{
    d->requireOpen();
    d->requireCurrent();
    return {d->storage.get(), d->rowAt(d->position)};
}

void Recordset::SetBookmark(const ado::Bookmark& bookmark)
{
    d->requireOpen();
    d->position = d->positionOf(bookmark);
}

QString Recordset::Filter() const
{
    d->requireOpen();
    return d->filterText;
}

void Recordset::SetFilter(const QString& criteria)
{
    d->requireOpen();
    if (criteria.trimmed().isEmpty()) {
        d->filterText.clear();
        d->filtered = false;
        d->filteredRows = {};
    } else {
        // Parse, bind and select before touching the view, so a failure changes nothing.
        std::vector<int> matching = FilterPredicate(criteria, d->storage->fields).select(d->storage->rows);
        d->filterText = criteria;
        d->filtered = true;
        d->filteredRows = std::move(matching);
    }
    d->rebuildView();
}

QString Recordset::Sort() const
{
    d->requireOpen();
    return d->sortText;
}

void Recordset::SetSort(const QString& sort)
{
    d->requireOpen();
    if (sort.trimmed().isEmpty()) {
        d->sortText.clear();
        d->sortKeys.clear();
    } else {
        std::vector<SortKey> keys = parseSortOrder(sort, d->storage->fields);
        d->sortText = sort;
        d->sortKeys = std::move(keys);
    }
    d->rebuildView();
}

RecordsetPtr Recordset::Clone() const
{
    d->requireOpen();
    auto clone = std::make_shared<Recordset>();
    clone->d->open(d->storage);
    return clone;
}

ObjectStateEnum Recordset::State() const
{
    return d->storage ? adStateOpen : adStateClosed;
}

void Recordset::Close()
{
    d->requireOpen();
    d->close();
}

const std::shared_ptr<const RecordsetStorage>& Recordset::storage() const
{
    d->requireOpen();
    return d->storage;
}

// ---- Fields ----------------------------------------------------------------------------

int Fields::Count() const
{
    m_owner->d->requireOpen();
    return int(m_owner->d->storage->fields.size());
}

Field Fields::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw errors::itemNotFound(QStringLiteral("字段序号 %1 超出范围（共 %2 个字段）。").arg(index).arg(Count()));
    return Field(m_owner, index);
}

Field Fields::Item(const QString& name) const
{
    const int index = IndexOf(name);
    if (index < 0)
        throw errors::itemNotFound(QStringLiteral("没有名为 “%1” 的字段。").arg(name));
    return Field(m_owner, index);
}

int Fields::IndexOf(const QString& name) const
{
    return m_owner->fieldIndex(name);
}

QString Field::Name() const
{
    m_owner->d->requireOpen();
    return m_owner->d->storage->fields[size_t(m_index)].name;
}

FieldType Field::Type() const
{
    m_owner->d->requireOpen();
    return m_owner->d->storage->fields[size_t(m_index)].type;
}

QVariant Field::Value() const
{
    return m_owner->value(m_index);
}

} // namespace ado
