// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sources/PhotoItem.h"
#include "sources/camera/CameraDownload.h"
#include "sources/camera/CameraItem.h"
#include "sources/camera/CameraPhotoSource.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class CompressionController;
class CameraDevice;
class CameraItemModel;
class CameraWindow;
class DeviceBrowser;
class MetadataViewerWindow;
class QAction;
class QMessageBox;

// Cameras and phones: keeps the attached cameras as the device browser reports them,
// works the camera window on the current one, and turns the window's buttons into
// device requests. It is the listing the editor's camera source reads. Every answer
// comes back from the camera's worker as a signal on the main thread. Main thread only.
class CameraController : public QObject, public CameraListing
{
    Q_OBJECT
public:
    // What the camera window needs from the metadata editor.
    struct EditorHooks {
        // Adds downloaded files to the editor list.
        std::function<void(const QStringList &paths)> importToEditor;
        // Drops a command menu (`editExifMenu` or `removeExifMenu`) down under `button`,
        // its commands acting on the camera's selected items (copied as they need them).
        std::function<void(QWidget *button, bool removal)> showCommandMenu;
    };
    // Makes the device for an attached camera (tests hand in fake ones).
    using DeviceFactory = std::function<std::unique_ptr<CameraDevice>(const CameraInfo &info)>;

    // `browser`: taken over; null creates the libgphoto2 one.
    CameraController(CompressionController &delegate, DeviceBrowser *browser = nullptr,
                     QObject *parent = nullptr);
    ~CameraController() override;

    void setEditorHooks(EditorHooks hooks) { m_editor = std::move(hooks); }
    void setDeviceFactory(DeviceFactory factory) { m_factory = std::move(factory); }
    // Starts watching for cameras; `named` count as attached (command line, tests).
    void start(const QList<CameraInfo> &named = {});

    // Device browser.
    void deviceBrowserDidAddDevice(const CameraInfo &info);
    void deviceBrowserDidRemoveDevice(const CameraInfo &info);
    void Rescan();

    // Window commands.
    void ChangeToImportDevicePhoto();
    void OpenDeviceAction();
    void DownloadPhotoAction();
    void DownloadImportEditPhotoAction();
    void DeletePhotoAction();
    // Downloads the selected photos (movies are skipped, and said so) and shows the
    // current one's properties in the metadata viewer.
    void ViewMetadataAction();
    void didDownloadFile(const CameraDownload &download);
    // Makes local copies of `items` in `folder`, reusing a copy of the same name and
    // size, then calls `done` with the copies' paths and the failures' messages.
    void materialise(const QList<CameraItem> &items, const QString &folder, CopiesDone done) override;

    // The busy indicator, counted: shown while any camera request is outstanding.
    void startProgress();
    void endProgress();

    // State.
    QList<CameraInfo> knownCameras() const;
    CameraDevice *currentDevice() const { return m_current; }
    CameraWindow *cameraWindow() const;
    // Made on first use.
    MetadataViewerWindow *metadataViewer() const { return m_viewer; }
    CameraItemModel *model() const { return m_model; }
    QList<PhotoItem> cameraItems() const override;
    QList<CameraItem> listedItems() const override;
    QList<int> selectionIndexes() const;
    QAction *changeToDeviceAction() const { return m_changeToDeviceAction; }
    bool isBusy() const { return !m_busy.isEmpty(); }
    // The alert shown last, while it is open (tests).
    QMessageBox *lastAlert() const;

Q_SIGNALS:
    // Observers of the known cameras ("cameras").
    void camerasChanged();
    void listingDone();
    void downloadDone(const CameraDownload &download);
    void deleteDone(int deleted, int failed);
    void busyChanged(bool busy);

private:
    struct Batch {
        int pending = 0;
        int total = 0;
        QStringList paths;
        QStringList failures;
        std::function<void(const QStringList &, const QStringList &)> done;
    };
    void makeCurrent(CameraDevice *device);
    void showDownloadCount(const Batch &b, const QString &folder);
    void connectDevice(CameraDevice *device);
    void setCommandsEnabled(bool enabled);
    void showCameraName();
    void downloadSelection(bool importToEdit);
    void deleteItems(const QList<CameraItem> &items);
    void showAlert(const QString &message, const QString &informative);
    void connectButtons();

    CompressionController &m_delegate;
    DeviceBrowser *m_browser;
    DeviceFactory m_factory;
    EditorHooks m_editor;
    std::vector<std::unique_ptr<CameraDevice>> m_cameras;
    CameraDevice *m_current = nullptr; // one of m_cameras, or null
    CameraItemModel *m_model;
    QPointer<CameraWindow> m_window;
    MetadataViewerWindow *m_viewer = nullptr; // a child of the camera window, made on first use
    QAction *m_changeToDeviceAction;
    QPointer<QMessageBox> m_lastAlert;
    struct Pending {
        int batch = 0;
        CameraDevice *device = nullptr;
        CameraDownload request;
    };
    void requestDownloads(const QList<CameraItem> &items, const QString &folder, bool importToEdit, int batch);
    void begin(CameraDevice *device);
    void finish(CameraDevice *device);
    void updateBusy();

    QHash<quint64, Pending> m_pending; // downloads asked for and not yet answered
    QHash<int, Batch> m_batches;
    int m_nextBatch = 1;
    QStringList m_deleteFailures;
    QHash<CameraDevice *, int> m_busy; // outstanding requests per camera
};
