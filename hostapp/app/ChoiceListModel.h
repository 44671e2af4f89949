#pragma once
// The rows of a searchable choice list: a first row "（不指定）" standing for no choice, then
// one row per entry with its code, name and (for materials) model.
#include "hostapp/app/MasterData.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace zelhost {

class ChoiceListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Role under which every row answers its FItemID (0 for the "no choice" row).
    static constexpr int IdRole = Qt::UserRole + 1;

    ChoiceListModel(QList<ChoiceEntry> entries, bool withModel, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The entry of a row; the "no choice" row (row 0) gives null.
    const ChoiceEntry* entryAt(int row) const;
    // True when code, name or model contain the text, ignoring case.
    bool rowMatches(int row, const QString& text) const;

private:
    QList<ChoiceEntry> m_entries;
    bool m_withModel;
};

// Keeps the rows whose code, name or model contain the search text; the "no choice" row stays.
class ChoiceFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ChoiceFilter(ChoiceListModel* source, QObject* parent = nullptr);
    void setSearchText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    ChoiceListModel* m_source;
    QString m_text;
};

} // namespace zelhost
