#pragma once
// Materials, customers and suppliers as the host offers them for a choice: by code, name and
// model, read through the host connection of the logged-in session.
#include "hostapp/app/HostCommandLine.h"
#include "platform/ado/Recordset.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace zelhost {

struct ChoiceEntry {
    int32_t id = 0;   // FItemID
    QString number;   // the code a person knows
    QString name;
    QString model;    // materials only
};

// Runs one SQL Server text and gives its rows.
using SqlRunner = std::function<ado::RecordsetPtr(const QString& sql)>;

// The host's connection service ("ZELConnection.AppConnection") of the current session.
SqlRunner serviceConnection();

// "客户" for the sales query, "供应商" for the purchase query.
QString partnerWord(QueryKind kind);

// Every material that is not deleted, by code.
QList<ChoiceEntry> listMaterials(const SqlRunner& run);
// Every customer (sales) or supplier (purchase) that is not deleted, by code.
QList<ChoiceEntry> listPartners(const SqlRunner& run, QueryKind kind);

// The FItemID of the material or partner with this code (any case, surrounding blanks
// ignored). An unknown code raises com::ComError saying which code of what was not found.
int32_t materialIdByNumber(const SqlRunner& run, const QString& number);
int32_t partnerIdByNumber(const SqlRunner& run, QueryKind kind, const QString& number);

// Raises com::ComError naming the code when the user's data right keeps this customer
// (sales) or supplier (purchase) from him: the same rule the price history applies, so the
// host refuses what the window would show empty.
void requirePartnerRight(const SqlRunner& run, int32_t userId, QueryKind kind, int32_t partnerId,
                         const QString& number);

} // namespace zelhost
