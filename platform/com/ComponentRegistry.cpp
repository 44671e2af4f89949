#include "platform/com/ComponentRegistry.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/files/SaveTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace com {

namespace {

const QString kGroup = QStringLiteral("InProcServers");
const QString kSource = QStringLiteral("ComponentRegistry");

ComError cannotWrite(const QString& file, const QString& reason = QString())
{
    const QString where = QDir::toNativeSeparators(file);
    return ComError(SELFREG_E_CLASS_, kSource,
                    reason.isEmpty() ? QStringLiteral("无法写入组件注册表: %1").arg(where)
                                     : QStringLiteral("无法写入组件注册表: %1（%2）").arg(where, reason));
}

// A registry that is no regular file (a device, a pipe) is never read nor replaced.
void checkWritable(const QString& file)
{
    try {
        files::saveTarget(file);
    } catch (const ComError& e) {
        throw cannotWrite(file, e.description());
    }
}

// The key under which progId is recorded, in whatever case it was written; empty when absent.
QString recordedKey(QSettings& settings, const QString& progId)
{
    const QStringList keys = settings.childKeys();
    for (const QString& key : keys) {
        if (key.compare(progId, Qt::CaseInsensitive) == 0)
            return key;
    }
    return {};
}

// A damaged file would make every later write fail: keep it beside the registry for a person
// to look at and let the change start a fresh file.
void setAsideIfDamaged(const QString& file)
{
    QSettings probe(file, QSettings::IniFormat);
    probe.allKeys();  // the file is read at the first access
    if (probe.status() != QSettings::FormatError)
        return;
    const QString aside = file + QStringLiteral(".corrupt");
    QFile::remove(aside);
    if (!QFile::rename(file, aside))
        throw cannotWrite(file);
}

// Writes the file now, so a failure is reported to the caller that caused it.
void commit(QSettings& settings, const QString& file)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw cannotWrite(file);
}

} // namespace

QString componentRegistryFile()
{
    const QString overridden = qEnvironmentVariable(kComponentRegistryVariable);
    if (!overridden.isEmpty())
        return overridden;
    return QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
           + QStringLiteral("/zeltradequery/components.ini");
}

void registerInProcServer(const QString& progId, const QString& libraryPath)
{
    if (progId.trimmed().isEmpty() || libraryPath.trimmed().isEmpty())
        throw ComError(VB_INVALID_PROC_CALL, kSource,
                       QStringLiteral("注册组件需要 ProgID 和库文件路径"));
    const QString file = componentRegistryFile();
    // QSettings does not create missing folders before it writes.
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        throw cannotWrite(file);
    checkWritable(file);
    setAsideIfDamaged(file);
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(kGroup);
    const QString previous = recordedKey(settings, progId);
    if (!previous.isEmpty())
        settings.remove(previous);
    settings.setValue(progId, QFileInfo(libraryPath).absoluteFilePath());
    settings.endGroup();
    commit(settings, file);
}

bool unregisterInProcServer(const QString& progId)
{
    const QString file = componentRegistryFile();
    if (!QFileInfo::exists(file))
        return false;
    checkWritable(file);
    setAsideIfDamaged(file);
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(kGroup);
    const QString key = recordedKey(settings, progId);
    if (key.isEmpty())
        return false;
    settings.remove(key);
    settings.endGroup();
    commit(settings, file);
    return true;
}

QString inProcServerPath(const QString& progId)
{
    if (!files::isRegularOrMissing(componentRegistryFile()))
        return {};
    QSettings settings(componentRegistryFile(), QSettings::IniFormat);
    settings.beginGroup(kGroup);
    const QString key = recordedKey(settings, progId);
    return key.isEmpty() ? QString() : settings.value(key).toString();
}

QStringList registeredInProcServers()
{
    if (!files::isRegularOrMissing(componentRegistryFile()))
        return {};
    QSettings settings(componentRegistryFile(), QSettings::IniFormat);
    settings.beginGroup(kGroup);
    return settings.childKeys();
}

} // namespace com
