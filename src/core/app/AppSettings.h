#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSettings;

// The application's settings store. Every write is followed by a sync, so nothing
// needs saving at exit. Defaults for absent keys are declared here, nowhere else.
class AppSettings
{
public:
    // The user's store: organisation "Vantoric", application "Glimmerset".
    AppSettings();
    // A store in an INI file (tests, scripted runs).
    explicit AppSettings(const QString &iniPath);
    ~AppSettings();

    bool hasPhotoLocation() const;
    QString photoLocation() const; // empty when absent
    void setPhotoLocation(const QString &path);

    bool keepMetadata() const; // false when absent
    void setKeepMetadata(bool keep);
    bool keepOriginalPhoto() const; // false when absent
    void setKeepOriginalPhoto(bool keep);
    bool replaceOriginalsConfirmed() const; // false when absent
    void setReplaceOriginalsConfirmed(bool confirmed);
    bool includeSubfolders() const; // false when absent
    void setIncludeSubfolders(bool include);

    QString photoLibraryPath() const;
    void setPhotoLibraryPath(const QString &path);
    QByteArray photoLibraryData() const;
    void setPhotoLibraryData(const QByteArray &data);
    QByteArray photoLibraryData2() const;
    void setPhotoLibraryData2(const QByteArray &data);

    void sync();
    QString fileName() const;

private:
    void write(const char *key, const QVariant &value);
    std::unique_ptr<QSettings> m_settings;
};
