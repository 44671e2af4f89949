#pragma once
// An exporter writing into a fresh folder, fed from a table of texts the way the ledger feeds
// it, with every message box recorded.
#include "platform/exporter/HostExporter.h"
#include "platform/exporter/SavePathChooser.h"
#include "tests/testsupport/MsgBoxRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace exporttest {

using Rows = QList<QStringList>;

class ExportFixture : public ::testing::Test {
protected:
    void TearDown() override { qunsetenv(exporter::exportPathVariable); }

    QString path(const QString& name) const { return folder.filePath(name); }
    QStringList folderEntries() const { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
    static QByteArray contents(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The text of the one message box shown; fails when there was none or more.
    QString onlyBox() const
    {
        EXPECT_EQ(boxes.boxes().size(), 1);
        return boxes.boxes().value(0).text;
    }

    // Describes the columns (option 255 unless given) and runs the export to `target`.
    bool exportRows(hostapi::ExpImp80& exporter, const QString& target, const QStringList& titles, const Rows& rows,
                    const QHash<int, int32_t>& options = {})
    {
        if (!target.isEmpty())
            qputenv(exporter::exportPathVariable, target.toUtf8());
        exporter.ExportColumns(int16_t(titles.size()));
        for (int16_t k = 1; k <= titles.size(); ++k) {
            exporter.ExportColumnTitle(k, titles[k - 1]);
            exporter.ExportColumnOption(k, options.value(k, 255));
        }
        exporter.ExportRows(int32_t(rows.size()));
        QObject::connect(&exporter, &hostapi::ExpImp80::LoadData, [&](int32_t n, hostapi::ExportColData& data) {
            ++rowsAsked;
            for (int16_t k = 1; k <= data.Count(); ++k)
                data.setItem(k, rows[n - 1][k - 1]);
        });
        return exporter.ExportRun(QStringLiteral("客户历史销售价格查询结果"));
    }
    bool exportRows(const QString& target, const QStringList& titles, const Rows& rows, const QHash<int, int32_t>& options = {})
    {
        exporter::HostExporter exporter;
        return exportRows(exporter, target, titles, rows, options);
    }

    QTemporaryDir folder;
    fakehost::MsgBoxRecorder boxes;
    int rowsAsked = 0;
};

} // namespace exporttest
