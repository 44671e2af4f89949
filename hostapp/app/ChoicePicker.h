#pragma once
// A labelled search box over a choice list: typing narrows the list to the rows whose code,
// name or model contain the text; the current row is the choice.
#include "hostapp/app/ChoiceListModel.h"

#include <QWidget>

class QLineEdit;
class QTableView;

namespace zelhost {

class ChoicePicker : public QWidget {
    Q_OBJECT
public:
    ChoicePicker(const QString& caption, QList<ChoiceEntry> entries, bool withModel, QWidget* parent = nullptr);

    void setSearchText(const QString& text);
    // Rows shown now, the "no choice" row included.
    int visibleRowCount() const;
    // Makes the shown row current (0 is the "no choice" row); false when there is no such row.
    bool choose(int visibleRow);
    // FItemID of the current row; 0 for the "no choice" row or no row.
    int32_t chosenId() const;
    // Code and name of the current row, empty for no choice.
    QString chosenText() const;

signals:
    // A row was double-clicked or Enter was pressed in the list.
    void rowActivated();

private:
    void chooseFirstMatch();

    ChoiceListModel* m_model;
    ChoiceFilter* m_filter;
    QLineEdit* m_search;
    QTableView* m_table;
};

} // namespace zelhost
