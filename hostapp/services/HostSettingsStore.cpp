#include "hostapp/services/HostSettingsStore.h"

#include "hostapp/services/ServiceErrors.h"
#include "platform/files/SaveTarget.h"
#include "platform/hostapi/StandardFoundation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace hostsvc {

namespace {

const QString kSource = QStringLiteral("SettingsStore");

// QSettings reads "/" and "\" in a key as nesting: refuse them rather than nest silently.
QString settingsKey(const QString& section, const QString& key)
{
    const QString cleanSection = section.trimmed();
    const QString cleanKey = key.trimmed();
    if (cleanSection.isEmpty() || cleanKey.isEmpty())
        throw serviceError(kSource, QStringLiteral("设置的节名和键名不能为空（节“%1”，键“%2”）。").arg(section, key));
    for (const QString& name : {cleanSection, cleanKey}) {
        if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
            throw serviceError(kSource, QStringLiteral("设置的节名和键名不能含有“/”或“\\”：%1").arg(name));
    }
    return cleanSection + QLatin1Char('/') + cleanKey;
}

QString storedText(const QVariant& value)
{
    return hostapi::StandardFoundation::argumentText(value);
}

} // namespace

HostSettingsStore::HostSettingsStore(QString filePath)
    : m_path(QFileInfo(filePath).absoluteFilePath())
{
}

QString HostSettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/zelhost/settings.ini");
}

HostSettingsStore::Stamp HostSettingsStore::currentStamp() const
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return Stamp{};
    return Stamp{true, info.size(), info.lastModified()};
}

void HostSettingsStore::refreshState()
{
    const Stamp stamp = currentStamp();
    if (m_everChecked && stamp == m_checked)
        return;
    m_everChecked = true;
    m_checked = stamp;
    if (!files::isRegularOrMissing(m_path)) {
        m_state = FileState::NotAFile;
    } else if (!stamp.exists) {
        m_state = FileState::Ok;
    } else if (!QFileInfo(m_path).isReadable()) {
        m_state = FileState::Unreadable;
    } else {
        // A changed file is parsed afresh, so the status tells about this content.
        const QSettings settings(m_path, QSettings::IniFormat);
        m_state = settings.status() == QSettings::FormatError ? FileState::Corrupt : FileState::Ok;
    }
}

HostSettingsStore::FileState HostSettingsStore::fileState()
{
    refreshState();
    return m_state;
}

QString HostSettingsStore::fileProblem()
{
    switch (fileState()) {
    case FileState::Ok:
        return QString();
    case FileState::Corrupt:
        return QStringLiteral("设置文件已损坏，其中的设置无法读取，现在使用默认设置：%1。"
                              "下次保存设置时，损坏的文件将另存为 %1.corrupt。")
            .arg(QDir::toNativeSeparators(m_path));
    case FileState::Unreadable:
        return QStringLiteral("没有权限读取设置文件，现在使用默认设置，也不会保存设置：%1")
            .arg(QDir::toNativeSeparators(m_path));
    case FileState::NotAFile:
        return QStringLiteral("设置文件的位置上不是普通文件，现在使用默认设置，也不会保存设置：%1")
            .arg(QDir::toNativeSeparators(m_path));
    }
    return QString();
}

QVariant HostSettingsStore::Get(const QString& section, const QString& key, const QVariant& defaultValue)
{
    const QString name = settingsKey(section, key);
    if (fileState() != FileState::Ok)
        return defaultValue;
    const QSettings settings(m_path, QSettings::IniFormat);
    if (!settings.contains(name))
        return defaultValue;
    const QVariant value = settings.value(name);
    // A hand-written "a,b" reads as a list; the store holds text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value;
}

void HostSettingsStore::setAsideCorruptFile()
{
    const QString aside = m_path + QStringLiteral(".corrupt");
    QFile::remove(aside);
    if (!QFile::rename(m_path, aside))
        throw serviceError(kSource, QStringLiteral("设置文件已损坏，也无法把它另存为 %1，设置没有保存。")
                                        .arg(QDir::toNativeSeparators(aside)));
    refreshState();
}

void HostSettingsStore::Save(const QString& section, const QString& key, const QVariant& value)
{
    const QString name = settingsKey(section, key);
    const QString where = QDir::toNativeSeparators(m_path);
    switch (fileState()) {
    case FileState::Ok:
        break;
    case FileState::Corrupt:
        setAsideCorruptFile();
        break;
    case FileState::Unreadable:
        throw serviceError(kSource, QStringLiteral("没有权限读取设置文件，为免覆盖其中的设置，没有保存：%1").arg(where));
    case FileState::NotAFile:
        throw serviceError(kSource, QStringLiteral("设置文件的位置上不是普通文件，不能替换它，设置没有保存：%1").arg(where));
    }
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        throw serviceError(kSource, QStringLiteral("无法创建设置文件所在的文件夹，设置没有保存：%1")
                                        .arg(QDir::toNativeSeparators(folder)));

    QSettings settings(m_path, QSettings::IniFormat);
    const bool had = settings.contains(name);
    const QVariant previous = settings.value(name);
    if (!value.isValid() || value.isNull())
        settings.remove(name);
    else
        settings.setValue(name, storedText(value));
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        // The file is as it was; so is what this process reads from it.
        if (had)
            settings.setValue(name, previous);
        else
            settings.remove(name);
        throw serviceError(kSource, QStringLiteral("无法写入设置文件，设置没有保存：%1").arg(where));
    }
    refreshState();
}

} // namespace hostsvc
