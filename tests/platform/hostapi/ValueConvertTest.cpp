// The standard value helpers: value-or-default and the toolbar labels.
#include "platform/hostapi/StandardValueConvert.h"

#include <QDateTime>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

TEST(StandardValueConvert, NullGivesTheDefaultEverythingElseItself)
{
    hostapi::StandardValueConvert convert;
    const QVariant fallback(QStringLiteral("—"));
    EXPECT_EQ(convert.ValueOrDefault(QVariant(), fallback), fallback);
    EXPECT_EQ(convert.ValueOrDefault(QVariant::fromValue(nullptr), fallback), fallback);
    const QVariant values[] = {QVariant(0), QVariant(0.0), QVariant(QString()), QVariant(QStringLiteral("")),
                               QVariant(false), QVariant(QDateTime(QDate(2024, 1, 2), QTime(0, 0)))};
    for (const QVariant& v : values) {
        const QVariant result = convert.ValueOrDefault(v, fallback);
        EXPECT_EQ(result, v) << v.typeName();
        EXPECT_EQ(result.typeId(), v.typeId()) << v.typeName();
    }
}

TEST(StandardValueConvert, ToolbarLabelsShowAndHide)
{
    hostapi::StandardValueConvert convert;
    QToolBar toolbar;
    convert.ShowToolbarLabels(&toolbar, true);
    EXPECT_EQ(toolbar.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    convert.ShowToolbarLabels(&toolbar, false);
    EXPECT_EQ(toolbar.toolButtonStyle(), Qt::ToolButtonIconOnly);
    convert.ShowToolbarLabels(nullptr, true);  // ignored
}

} // namespace
