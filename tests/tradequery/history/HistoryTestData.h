#pragma once
// What the history tests share: invoice lines as the history statement returns them, and a
// currency scale row as t_Currency answers it.
#include "platform/ado/Recordset.h"

#include <QDate>
#include <QVariant>
#include <vector>

namespace historytest {

// One invoice line of the history; null fields are invalid QVariants.
struct HistoryLine {
    QVariant number = QStringLiteral("01.001"), name = QStringLiteral("螺丝"), model = QStringLiteral("M6");
    QVariant auxNumber = QStringLiteral(""), auxName = QStringLiteral(""), unit = QStringLiteral("个");
    QVariant company = QStringLiteral("华东五金"), dept = QStringLiteral("销售部"), emp = QStringLiteral("王明");
    QVariant currencyId = 1, currencyName = QStringLiteral("人民币"), billNo = QStringLiteral("XS000001");
    QVariant date = QDate(2008, 1, 5), exchangeRate = 1.0, qty = 10.0, price = 2.5, discountRate = 0.0;
    QVariant priceDiscount = 2.5, amount = 25.0, priceDecimal = 2, qtyDecimal = 0;
};

// The fields in the order the history statement selects them.
inline ado::RecordsetPtr historyRows(const std::vector<HistoryLine>& lines)
{
    using ado::FieldType;
    std::vector<ado::FieldInfo> fields = {
        {"FNumber", FieldType::Text},         {"FName", FieldType::Text},          {"FModel", FieldType::Text},
        {"FAuxPropNumber", FieldType::Text},  {"FAuxPropName", FieldType::Text},   {"FUnit", FieldType::Text},
        {"FCompany", FieldType::Text},        {"FDept", FieldType::Text},          {"FEmp", FieldType::Text},
        {"FCurrencyID", FieldType::Integer},  {"FCurrencyName", FieldType::Text},  {"FBillNo", FieldType::Text},
        {"FDate", FieldType::Date},           {"FExchangeRate", FieldType::Double}, {"FQty", FieldType::Double},
        {"FPrice", FieldType::Double},        {"FDiscountRate", FieldType::Double}, {"FPriceDiscount", FieldType::Double},
        {"FAmtTotalFor", FieldType::Double},  {"FPriceDecimal", FieldType::Integer}, {"FQtyDecimal", FieldType::Integer},
    };
    std::vector<std::vector<QVariant>> rows;
    for (const HistoryLine& l : lines)
        rows.push_back({l.number, l.name, l.model, l.auxNumber, l.auxName, l.unit, l.company, l.dept,
                        l.emp, l.currencyId, l.currencyName, l.billNo, l.date, l.exchangeRate, l.qty,
                        l.price, l.discountRate, l.priceDiscount, l.amount, l.priceDecimal, l.qtyDecimal});
    return ado::Recordset::make(std::move(fields), std::move(rows));
}

inline ado::RecordsetPtr scaleRow(const QVariant& scale)
{
    return ado::Recordset::make({{"FScale", ado::FieldType::Integer}}, {{scale}});
}

} // namespace historytest
