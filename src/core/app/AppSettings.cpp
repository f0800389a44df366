// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"

#include "SettingsKeys.h"

#include <QSettings>

AppSettings::AppSettings()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Vantoric"), QStringLiteral("Glimmerset")))
{
}

AppSettings::AppSettings(const QString &iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

AppSettings::~AppSettings() = default;

void AppSettings::write(const char *key, const QVariant &value)
{
    m_settings->setValue(QLatin1String(key), value);
    m_settings->sync();
}

bool AppSettings::hasPhotoLocation() const
{
    return !m_settings->value(QLatin1String(settingskeys::photoLocation)).toString().isEmpty();
}

QString AppSettings::photoLocation() const
{
    return m_settings->value(QLatin1String(settingskeys::photoLocation)).toString();
}

void AppSettings::setPhotoLocation(const QString &path) { write(settingskeys::photoLocation, path); }

bool AppSettings::keepMetadata() const
{
    return m_settings->value(QLatin1String(settingskeys::keepMetadata), false).toBool();
}

void AppSettings::setKeepMetadata(bool keep) { write(settingskeys::keepMetadata, keep); }

bool AppSettings::keepOriginalPhoto() const
{
    return m_settings->value(QLatin1String(settingskeys::keepOriginalPhoto), false).toBool();
}

void AppSettings::setKeepOriginalPhoto(bool keep) { write(settingskeys::keepOriginalPhoto, keep); }

bool AppSettings::replaceOriginalsConfirmed() const
{
    return m_settings->value(QLatin1String(settingskeys::replaceOriginalsConfirmed), false).toBool();
}

void AppSettings::setReplaceOriginalsConfirmed(bool confirmed)
{
    write(settingskeys::replaceOriginalsConfirmed, confirmed);
}

bool AppSettings::includeSubfolders() const
{
    return m_settings->value(QLatin1String(settingskeys::includeSubfolders), false).toBool();
}

void AppSettings::setIncludeSubfolders(bool include) { write(settingskeys::includeSubfolders, include); }

QString AppSettings::photoLibraryPath() const
{
    return m_settings->value(QLatin1String(settingskeys::photoLibraryPath)).toString();
}

void AppSettings::setPhotoLibraryPath(const QString &path) { write(settingskeys::photoLibraryPath, path); }

QByteArray AppSettings::photoLibraryData() const
{
    return m_settings->value(QLatin1String(settingskeys::photoLibraryData)).toByteArray();
}

void AppSettings::setPhotoLibraryData(const QByteArray &data) { write(settingskeys::photoLibraryData, data); }

QByteArray AppSettings::photoLibraryData2() const
{
    return m_settings->value(QLatin1String(settingskeys::photoLibraryData2)).toByteArray();
}

void AppSettings::setPhotoLibraryData2(const QByteArray &data) { write(settingskeys::photoLibraryData2, data); }

QPoint AppSettings::windowPosition() const
{
    return m_settings->value(QLatin1String(settingskeys::windowPosition)).toPoint();
}

bool AppSettings::hasWindowPosition() const
{
    return m_settings->contains(QLatin1String(settingskeys::windowPosition));
}

void AppSettings::setWindowPosition(const QPoint &pos) { write(settingskeys::windowPosition, pos); }

QSize AppSettings::startWindowSize() const
{
    return m_settings->value(QLatin1String(settingskeys::startWindowSize)).toSize();
}

void AppSettings::setStartWindowSize(const QSize &size) { write(settingskeys::startWindowSize, size); }

QSize AppSettings::listWindowSize() const
{
    return m_settings->value(QLatin1String(settingskeys::listWindowSize)).toSize();
}

void AppSettings::setListWindowSize(const QSize &size) { write(settingskeys::listWindowSize, size); }

int AppSettings::editorHeight() const
{
    return m_settings->value(QLatin1String(settingskeys::editorHeight), 0).toInt();
}

void AppSettings::setEditorHeight(int height) { write(settingskeys::editorHeight, height); }

QString AppSettings::appearance() const
{
    const QString name = m_settings->value(QLatin1String(settingskeys::appearance)).toString();
    if (name == QLatin1String("Light") || name == QLatin1String("Dark"))
        return name;
    return QStringLiteral("System");
}

void AppSettings::setAppearance(const QString &name) { write(settingskeys::appearance, name); }

QString AppSettings::lastImportFolder() const
{
    return m_settings->value(QLatin1String(settingskeys::lastImportFolder)).toString();
}

void AppSettings::setLastImportFolder(const QString &folder) { write(settingskeys::lastImportFolder, folder); }
QString AppSettings::versionListUrl() const
{
    return m_settings->value(QLatin1String(settingskeys::versionListUrl)).toString();
}

void AppSettings::setVersionListUrl(const QString &url) { write(settingskeys::versionListUrl, url); }

void AppSettings::sync() { m_settings->sync(); }

QString AppSettings::fileName() const { return m_settings->fileName(); }
