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

QPoint AppSettings::windowPosition() const
{
    return m_settings->value(QLatin1String(settingskeys::WindowPosition)).toPoint();
}

bool AppSettings::hasWindowPosition() const
{
    return m_settings->contains(QLatin1String(settingskeys::WindowPosition));
}

void AppSettings::setWindowPosition(const QPoint &pos) { write(settingskeys::WindowPosition, pos); }

QSize AppSettings::startWindowSize() const
{
    return m_settings->value(QLatin1String(settingskeys::StartWindowSize)).toSize();
}

void AppSettings::setStartWindowSize(const QSize &size) { write(settingskeys::StartWindowSize, size); }

QSize AppSettings::listWindowSize() const
{
    return m_settings->value(QLatin1String(settingskeys::ListWindowSize)).toSize();
}

void AppSettings::setListWindowSize(const QSize &size) { write(settingskeys::ListWindowSize, size); }

int AppSettings::editorHeight() const
{
    return m_settings->value(QLatin1String(settingskeys::EditorHeight), 0).toInt();
}

void AppSettings::setEditorHeight(int height) { write(settingskeys::EditorHeight, height); }

QString AppSettings::appearance() const
{
    const QString name = m_settings->value(QLatin1String(settingskeys::Appearance)).toString();
    if (name == QLatin1String("Light") || name == QLatin1String("Dark"))
        return name;
    return QStringLiteral("System");
}

void AppSettings::setAppearance(const QString &name) { write(settingskeys::Appearance, name); }

QString AppSettings::lastImportFolder() const
{
    return m_settings->value(QLatin1String(settingskeys::LastImportFolder)).toString();
}

void AppSettings::setLastImportFolder(const QString &folder) { write(settingskeys::LastImportFolder, folder); }
QString AppSettings::versionListUrl() const
{
    return m_settings->value(QLatin1String(settingskeys::VersionListURL)).toString();
}

void AppSettings::setVersionListUrl(const QString &url) { write(settingskeys::VersionListURL, url); }

void AppSettings::sync() { m_settings->sync(); }

QString AppSettings::fileName() const { return m_settings->fileName(); }
