// A recordset's Filter and Sort: the first line is the filter criteria, the rest the sort
// order, applied to a recordset with a field of every type and some nulls. Bad text raises
// a ComError; nothing else may escape or crash, and the view is walked from where the
// cursor stands to the end.
#include "platform/ado/Recordset.h"
#include "tests/fuzz/FuzzInput.h"

#include <QDateTime>

namespace {

ado::RecordsetPtr sample()
{
    using ado::FieldType;
    const QDateTime day(QDate(2008, 1, 5), QTime(10, 30));
    return ado::Recordset::make(
        {{"FID", FieldType::Integer}, {"FQty", FieldType::Double}, {"FName", FieldType::Text},
         {"FDate", FieldType::Date}, {"FActive", FieldType::Boolean}, {"F Note", FieldType::Text}},
        {{qint64(1), 10.5, QString("螺母"), day, true, QString("it's")},
         {qint64(2), -3.0, QString("bolt  "), day.addDays(40), false, QVariant()},
         {qint64(3), QVariant(), QString("BOLT"), QVariant(), QVariant(), QString("")},
         {qint64(4), 1e300, QVariant(), day.addYears(-200), true, QString("x")}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList parts = fuzz::partsOf(data, size, 2);
    auto recordset = sample();
    fuzz::allowingComError([&] { recordset->SetFilter(parts[0]); });
    fuzz::allowingComError([&] { recordset->SetSort(parts[1]); });
    for (; !recordset->Eof(); recordset->MoveNext())
        recordset->value("FName");
    return 0;
}
