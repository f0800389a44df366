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
    return !m_settings->value(QLatin1String(settingskeys::PhotoLocatoin)).toString().isEmpty();
}

QString AppSettings::photoLocation() const
{
    return m_settings->value(QLatin1String(settingskeys::PhotoLocatoin)).toString();
}

void AppSettings::setPhotoLocation(const QString &path) { write(settingskeys::PhotoLocatoin, path); }

bool AppSettings::keepMetadata() const
{
    return m_settings->value(QLatin1String(settingskeys::bkeepMetadata), false).toBool();
}

void AppSettings::setKeepMetadata(bool keep) { write(settingskeys::bkeepMetadata, keep); }

bool AppSettings::keepOriginalPhoto() const
{
    return m_settings->value(QLatin1String(settingskeys::bkeepOriginalPhoto), false).toBool();
}

void AppSettings::setKeepOriginalPhoto(bool keep) { write(settingskeys::bkeepOriginalPhoto, keep); }

bool AppSettings::replaceOriginalsConfirmed() const
{
    return m_settings->value(QLatin1String(settingskeys::bReplaceOriginalsConfirmed), false).toBool();
}

void AppSettings::setReplaceOriginalsConfirmed(bool confirmed)
{
    write(settingskeys::bReplaceOriginalsConfirmed, confirmed);
}

bool AppSettings::includeSubfolders() const
{
    return m_settings->value(QLatin1String(settingskeys::bIncludeSubfolders), false).toBool();
}

void AppSettings::setIncludeSubfolders(bool include) { write(settingskeys::bIncludeSubfolders, include); }

QString AppSettings::photoLibraryPath() const
{
    return m_settings->value(QLatin1String(settingskeys::PhotoLibraryPath)).toString();
}

void AppSettings::setPhotoLibraryPath(const QString &path) { write(settingskeys::PhotoLibraryPath, path); }

QByteArray AppSettings::photoLibraryData() const
{
    return m_settings->value(QLatin1String(settingskeys::PhotoLibraryData)).toByteArray();
}

void AppSettings::setPhotoLibraryData(const QByteArray &data) { write(settingskeys::PhotoLibraryData, data); }

QByteArray AppSettings::photoLibraryData2() const
{
    return m_settings->value(QLatin1String(settingskeys::PhotoLibraryData2)).toByteArray();
}

void AppSettings::setPhotoLibraryData2(const QByteArray &data) { write(settingskeys::PhotoLibraryData2, data); }

void AppSettings::sync() { m_settings->sync(); }

QString AppSettings::fileName() const { return m_settings->fileName(); }
