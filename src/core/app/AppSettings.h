#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
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

    // Where the user left the main window and how large each layout was; null when never
    // stored. Read at launch and at the layout switch, written as the window moves.
    QPoint windowPosition() const;
    bool hasWindowPosition() const;
    void setWindowPosition(const QPoint &pos);
    QSize startWindowSize() const;
    void setStartWindowSize(const QSize &size);
    QSize listWindowSize() const;
    void setListWindowSize(const QSize &size);
    int editorHeight() const; // 0 when absent
    void setEditorHeight(int height);

    // "System" (absent or unknown), "Light" or "Dark".
    QString appearance() const;
    void setAppearance(const QString &name);

    // The folder of the last photos chosen in an import panel; empty when absent.
    QString lastImportFolder() const;
    void setLastImportFolder(const QString &folder);
    QString versionListUrl() const; // empty when absent
    void setVersionListUrl(const QString &url);

    void sync();
    QString fileName() const;

private:
    void write(const char *key, const QVariant &value);
    std::unique_ptr<QSettings> m_settings;
};
