#pragma once
// Asked before a price query opens: the material and the customer or supplier to start from,
// each optional, found by code, name or model.
#include "hostapp/app/ChoicePicker.h"
#include "hostapp/app/QueryRequest.h"

#include <QDialog>

namespace zelhost {

class QueryStartDialog : public QDialog {
    Q_OBJECT
public:
    QueryStartDialog(QueryKind kind, QList<ChoiceEntry> materials, QList<ChoiceEntry> partners,
                     QWidget* parent = nullptr);

    ChoicePicker& materialPicker() { return *m_materials; }
    ChoicePicker& partnerPicker() { return *m_partners; }

    // The query with the chosen material and partner (0 where none is chosen).
    QueryRequest request() const;

private:
    QueryKind m_kind;
    ChoicePicker* m_materials;
    ChoicePicker* m_partners;
};

// The window title of a query: "客户历史价格查询" or "供应商历史价格查询".
QString queryTitle(QueryKind kind);

} // namespace zelhost
