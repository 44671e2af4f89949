#include "platform/exporter/SavePathChooser.h"

#include "platform/exporter/ExportMessages.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/win/Headless.h"
#include "platform/win/ModalDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace exporter {

namespace {

const QString settingsSection = QStringLiteral("Exporter");
const QString lastFolderKey = QStringLiteral("LastFolder");

// The settings are a convenience: a store that is missing or fails changes nothing else.
QString lastFolder()
{
    try {
        if (auto store = hostapi::globals().settingsStore())
            return store->Get(settingsSection, lastFolderKey, QDir::homePath()).toString();
    } catch (...) {
    }
    return QDir::homePath();
}

void rememberFolder(const QString& folder)
{
    try {
        if (auto store = hostapi::globals().settingsStore())
            store->Save(settingsSection, lastFolderKey, folder);
    } catch (...) {
    }
}

// File names may not hold a slash; a title may.
QString fileNameFrom(QString title)
{
    title.replace(u'/', u'_');
    return title.trimmed().isEmpty() ? QStringLiteral("引出数据") : title.trimmed();
}

// Whether a test answers modal dialogs in place of a person.
bool dialogsAreAnswered()
{
    win::ModalResponder current = win::setModalResponder({});
    win::setModalResponder(current);
    return bool(current);
}

} // namespace

QString chooseSavePath(const QString& suggestedName)
{
    const QString scripted = qEnvironmentVariable(exportPathVariable);
    if (!scripted.isEmpty())
        return QFileInfo(scripted).absoluteFilePath();
    // Without a screen nobody could answer the dialog.
    if (win::isHeadless() && !dialogsAreAnswered()) {
        showExportMessage(QStringLiteral("没有屏幕可以选择引出文件：请用环境变量 %1 指定要写入的文件。")
                              .arg(QLatin1String(exportPathVariable)));
        return {};
    }

    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("引出到文件"), lastFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("XLSX 工作簿 (*.xlsx)"), QStringLiteral("CSV 文本, UTF-8 (*.csv)")});
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.selectFile(fileNameFrom(suggestedName) + QStringLiteral(".xlsx"));
    // The suffix follows the chosen file type when the person did not type one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QLatin1String("*.csv")) ? QStringLiteral("csv") : QStringLiteral("xlsx"));
    });
    if (win::runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    rememberFolder(QFileInfo(path).absolutePath());
    return path;
}

} // namespace exporter
