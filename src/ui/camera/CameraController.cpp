// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraController.h"

#include "CameraItemModel.h"
#include "CameraWindow.h"
#include "MetadataViewerWindow.h"
#include "app/CompressionController.h"
#include "app/FileRevealer.h"
#include "app/MainInterface.h"
#include "widgets/CommandButton.h"
#include "widgets/FramelessWindow.h"

#include "app/Folders.h"
#include "sources/camera/CameraDevice.h"
#include "sources/camera/DeviceBrowser.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

CameraController::CameraController(CompressionController &delegate, DeviceBrowser *browser,
                                   QObject *parent)
    : QObject(parent)
    , m_delegate(delegate)
    , m_browser(browser ? browser : new DeviceBrowser)
    , m_factory([](const CameraInfo &info) { return CameraDevice::create(info); })
    , m_model(new CameraItemModel(this))
    , m_window(new CameraWindow(delegate.window()))
    , m_changeToDeviceAction(new QAction(tr("Import from Camera or &Phone…"), this))
{
    m_browser->setParent(this);
    m_window->imageBrowserView->setModel(m_model);
    m_changeToDeviceAction->setObjectName(QStringLiteral("changeToDeviceAction"));
    m_changeToDeviceAction->setEnabled(false);
    if (MainInterface *ui = m_delegate.ui(); ui && ui->fileMenu)
        ui->fileMenu->addAction(m_changeToDeviceAction);
    connect(m_changeToDeviceAction, &QAction::triggered, this, &CameraController::ChangeToImportDevicePhoto);

    connect(m_browser, &DeviceBrowser::deviceAdded, this, &CameraController::deviceBrowserDidAddDevice);
    connect(m_browser, &DeviceBrowser::deviceRemoved, this, &CameraController::deviceBrowserDidRemoveDevice);
    connect(m_browser, &DeviceBrowser::scanFailed, this, [this](const QString &error) {
        m_window->statusLabel->setText(tr("Looking for cameras failed: %1").arg(error));
    });
    connect(m_window->cameraChooser, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(m_cameras.size()))
            makeCurrent(m_cameras.at(size_t(index)).get());
    });
    connect(m_window->imageBrowserView, &QListView::doubleClicked, this, [this] { DownloadPhotoAction(); });
    connectButtons();
    setCommandsEnabled(false);
    showCameraName();
}

CameraController::~CameraController()
{
    // Devices go first: their workers finish the call in progress and answer nobody.
    m_current = nullptr;
    m_cameras.clear();
    delete m_window;
}

void CameraController::connectButtons()
{
    CameraWindow &w = *m_window;
    for (CommandButton *button : {w.opendeviceBtn, w.deletePhotoBtn, w.downloadPhotoBtn, w.importEditPhotoBtn,
                              w.viewExifBtn, w.removeExifBtn})
        button->trackHoverInBounds();
    connect(w.opendeviceBtn, &CommandButton::activated, this, &CameraController::OpenDeviceAction);
    connect(w.deletePhotoBtn, &CommandButton::activated, this, &CameraController::DeletePhotoAction);
    connect(w.downloadPhotoBtn, &CommandButton::activated, this, &CameraController::DownloadPhotoAction);
    connect(w.importEditPhotoBtn, &CommandButton::activated, this, &CameraController::DownloadImportEditPhotoAction);
    // The editor's commands copy what they need from the camera themselves.
    connect(w.viewExifBtn, &CommandButton::activated, this, &CameraController::ViewMetadataAction);
    connect(w.removeExifBtn, &CommandButton::activated, this, [this] {
        if (m_editor.showCommandMenu)
            m_editor.showCommandMenu(m_window->removeExifBtn, true);
    });
}

void CameraController::start(const QList<CameraInfo> &named)
{
    if (!named.isEmpty())
        m_browser->setNamedCameras(named);
    m_browser->start();
}

QList<CameraInfo> CameraController::knownCameras() const
{
    QList<CameraInfo> infos;
    for (const auto &device : m_cameras)
        infos.append(device->info());
    return infos;
}

QList<PhotoItem> CameraController::cameraItems() const
{
    return m_model->cameraItems();
}

QList<CameraItem> CameraController::listedItems() const
{
    QList<CameraItem> items;
    for (int row = 0; row < m_model->rowCount(); ++row)
        items.append(m_model->item(row));
    return items;
}

QList<int> CameraController::selectionIndexes() const
{
    return m_window->selectionIndexes();
}

// ---- Device browser -------------------------------------------------------------

void CameraController::deviceBrowserDidAddDevice(const CameraInfo &info)
{
    m_window->deviceNamelab->setText(info.model);
    std::unique_ptr<CameraDevice> device = m_factory(info);
    if (!device)
        return;
    CameraDevice *added = device.get();
    m_cameras.push_back(std::move(device));
    connectDevice(added);
    m_window->cameraChooser->addItem(info.model, info.port);
    Q_EMIT camerasChanged();
    makeCurrent(added);
    m_changeToDeviceAction->setEnabled(true);
}

void CameraController::deviceBrowserDidRemoveDevice(const CameraInfo &info)
{
    const auto it = std::find_if(m_cameras.begin(), m_cameras.end(),
                                 [&](const auto &device) { return device->info() == info; });
    if (it == m_cameras.end())
        return;
    const int index = int(it - m_cameras.begin());
    std::unique_ptr<CameraDevice> gone = std::move(*it);
    m_cameras.erase(it);
    m_window->cameraChooser->removeItem(index);
    Q_EMIT camerasChanged();
    // The reference never outlives its device: the most recently added camera that
    // remains becomes current, or none.
    if (m_current == gone.get())
        makeCurrent(m_cameras.empty() ? nullptr : m_cameras.back().get());
    if (m_cameras.empty()) {
        m_changeToDeviceAction->setEnabled(false);
        m_window->hide();
    }
    // A removed camera answers nothing more: its pending downloads fail now, so the
    // commands waiting on them finish, and it no longer keeps the window busy.
    QList<CameraDownload> unanswered;
    for (auto p = m_pending.begin(); p != m_pending.end(); ++p) {
        if (p->device == gone.get())
            unanswered.append(p->request);
    }
    m_busy.remove(gone.get());
    gone.reset();
    updateBusy();
    for (CameraDownload download : unanswered) {
        download.error = tr("Could not download %1. The camera was disconnected.").arg(download.item.name);
        didDownloadFile(download);
    }
}

void CameraController::Rescan()
{
    m_browser->rescan();
}

void CameraController::makeCurrent(CameraDevice *device)
{
    if (m_current == device)
        return;
    if (m_current)
        m_current->cancelThumbnails();
    m_current = device;
    m_model->clear();
    setCommandsEnabled(false);
    showCameraName();
    const int index = int(std::find_if(m_cameras.begin(), m_cameras.end(),
                                       [device](const auto &d) { return d.get() == device; })
                          - m_cameras.begin());
    m_window->cameraChooser->setCurrentIndex(device ? index : -1);
    m_window->cameraChooser->setVisible(m_cameras.size() > 1);
}

void CameraController::showCameraName()
{
    m_window->opendeviceBtn->setEnabled(m_current != nullptr);
    if (m_current) {
        m_window->deviceNamelab->setText(m_current->name());
        m_window->statusLabel->setText(tr("Press the open button to see the photos on %1.").arg(m_current->name()));
    } else {
        m_window->deviceNamelab->setText(tr("No camera"));
        m_window->statusLabel->setText(
            tr("Connect a camera or phone with its cable, switch it on (unlock a phone and allow access)."));
    }
}

void CameraController::setCommandsEnabled(bool enabled)
{
    CameraWindow &w = *m_window;
    for (CommandButton *button : {w.deletePhotoBtn, w.downloadPhotoBtn, w.viewExifBtn, w.removeExifBtn})
        button->setEnabled(enabled);
}

void CameraController::connectDevice(CameraDevice *device)
{
    // Answers of a camera that is not current (anymore) change nothing in the window.
    connect(device, &CameraDevice::sessionOpened, this, [this, device](const QString &error) {
        if (device != m_current)
            return;
        if (!error.isEmpty()) {
            m_window->statusLabel->setText(error);
            setCommandsEnabled(false);
            showAlert(tr("The camera could not be opened"), error);
        }
    });
    connect(device, &CameraDevice::itemsAdded, this, [this, device](const QList<CameraItem> &items) {
        if (device != m_current)
            return;
        m_model->appendItems(items);
        for (const CameraItem &item : items)
            device->requestThumbnail(item, QSize(CameraItemModel::ThumbnailEdge, CameraItemModel::ThumbnailEdge));
        m_window->statusLabel->setText(tr("%n item(s)", nullptr, m_model->rowCount()));
    });
    connect(device, &CameraDevice::listingFinished, this, [this, device](const QString &error) {
        finish(device);
        if (device != m_current)
            return;
        if (!error.isEmpty())
            m_window->statusLabel->setText(error);
        else
            m_window->statusLabel->setText(tr("%n item(s)", nullptr, m_model->rowCount()));
        Q_EMIT listingDone();
    });
    connect(device, &CameraDevice::thumbnailReady, this,
            [this, device](const CameraItem &item, const QImage &image, const QString &path) {
                if (device == m_current)
                    m_model->setThumbnail(item, image, path);
            });
    connect(device, &CameraDevice::downloadProgress, this, [this](quint64, qint64 done, qint64 total) {
        if (total > 0)
            m_window->statusLabel->setText(tr("Downloading: %1%").arg(done * 100 / total));
    });
    connect(device, &CameraDevice::downloadFinished, this, &CameraController::didDownloadFile);
    connect(device, &CameraDevice::itemDeleted, this, [this](const CameraItem &item) { m_model->removeItem(item); });
    connect(device, &CameraDevice::deleteFailed, this,
            [this](const CameraItem &, const QString &error) { m_deleteFailures.append(error); });
    connect(device, &CameraDevice::deleteFinished, this, [this, device](int deleted, int failed) {
        finish(device);
        if (failed > 0) {
            showAlert(tr("%n photo(s) could not be deleted", nullptr, failed), m_deleteFailures.join(QLatin1Char('\n')));
        }
        m_deleteFailures.clear();
        m_window->statusLabel->setText(tr("%n item(s) deleted", nullptr, deleted));
        Q_EMIT deleteDone(deleted, failed);
    });
}

// ---- Window commands --------------------------------------------------------------

void CameraController::ChangeToImportDevicePhoto()
{
    if (m_cameras.empty())
        Rescan();
    m_window->showOnScreen(m_delegate.window());
}

void CameraController::OpenDeviceAction()
{
    if (!m_current)
        return;
    folders::ensureWorkingFolder();
    m_current->cancelThumbnails();
    m_model->clear();
    startProgress();
    m_window->statusLabel->setText(tr("Opening %1…").arg(m_current->name()));
    m_current->requestOpenSession();
    setCommandsEnabled(true);
}

void CameraController::DownloadPhotoAction()
{
    downloadSelection(false);
}

void CameraController::DownloadImportEditPhotoAction()
{
    downloadSelection(true);
}

void CameraController::downloadSelection(bool importToEdit)
{
    if (!m_current)
        return;
    const QList<CameraItem> chosen = m_model->items(selectionIndexes());
    if (chosen.isEmpty())
        return;
    const QString folder = folders::ensureWorkingFolder();
    const int batch = m_nextBatch++;
    m_batches[batch].pending = m_batches[batch].total = int(chosen.size());
    requestDownloads(chosen, folder, importToEdit, batch);
}

void CameraController::requestDownloads(const QList<CameraItem> &items, const QString &folder, bool importToEdit,
                                        int batch)
{
    for (const CameraItem &item : items) {
        begin(m_current);
        CameraDownload request;
        request.item = item;
        request.folder = folder;
        request.importToEdit = importToEdit;
        request.id = m_current->requestDownload(item, folder, importToEdit);
        m_pending.insert(request.id, {batch, m_current, request});
    }
}

void CameraController::didDownloadFile(const CameraDownload &download)
{
    if (!m_pending.contains(download.id))
        return;
    const Pending pending = m_pending.take(download.id);
    finish(pending.device);
    const int batch = pending.batch;
    Batch *b = m_batches.contains(batch) ? &m_batches[batch] : nullptr;
    if (download.ok()) {
        // Each download carries its own purpose; a failed one is never added.
        if (download.importToEdit && m_editor.importToEditor)
            m_editor.importToEditor({download.path});
        // Copies made for a command are not revealed one by one; the command shows its results.
        if (!b || !b->done)
            FileRevealer::instance()->selectFile(download.path, QFileInfo(download.path).absolutePath());
    } else {
        m_window->statusLabel->setText(download.error);
    }
    Q_EMIT downloadDone(download);
    if (!b)
        return;
    if (download.ok())
        b->paths.append(download.path);
    else
        b->failures.append(download.error);
    if (!b->done)
        showDownloadCount(*b, QFileInfo(download.path).absolutePath());
    if (--b->pending > 0)
        return;
    const Batch finished = m_batches.take(batch);
    if (finished.done)
        finished.done(finished.paths, finished.failures);
    else if (!finished.failures.isEmpty())
        showAlert(tr("%n photo(s) could not be downloaded", nullptr, int(finished.failures.size())),
                  finished.failures.join(QLatin1Char('\n')));
}

// The user's own downloads: how many of them have arrived, not just the last one.
void CameraController::showDownloadCount(const Batch &b, const QString &folder)
{
    const int downloaded = int(b.paths.size());
    QString text = downloaded == b.total ? tr("%n file(s) downloaded to %1", nullptr, downloaded).arg(folder)
                                         : tr("Downloaded %1 of %n file(s)", nullptr, b.total).arg(downloaded);
    if (!b.failures.isEmpty())
        text += QLatin1Char(' ') + tr("%n could not be downloaded.", nullptr, int(b.failures.size()));
    m_window->statusLabel->setText(text);
}

void CameraController::materialise(const QList<CameraItem> &items, const QString &folder, CopiesDone done)
{
    folders::makePath(folder);
    QStringList present;
    QList<CameraItem> missing;
    for (const CameraItem &item : items) {
        const QFileInfo copy(folder + QLatin1Char('/') + item.name);
        if (copy.isFile() && (item.size < 0 || copy.size() == item.size))
            present.append(copy.absoluteFilePath());
        else
            missing.append(item);
    }
    if (missing.isEmpty() || !m_current) {
        QStringList failures;
        for (const CameraItem &item : missing)
            failures.append(tr("%1: no camera to copy it from").arg(item.name));
        done(present, failures);
        return;
    }
    const int batch = m_nextBatch++;
    Batch &b = m_batches[batch];
    b.pending = int(missing.size());
    b.paths = present;
    b.done = std::move(done);
    requestDownloads(missing, folder, false, batch);
}

void CameraController::ViewMetadataAction()
{
    QList<CameraItem> photos;
    QStringList movies;
    for (const CameraItem &item : m_model->items(selectionIndexes())) {
        if (item.isMovie())
            movies.append(item.name);
        else
            photos.append(item);
    }
    const QString skipped =
        movies.isEmpty() ? QString() : tr("Skipped %1: movies have no photo metadata.").arg(movies.join(QStringLiteral(", ")));
    m_window->statusLabel->setText(skipped);
    if (photos.isEmpty())
        return;
    // The current item is shown first when it is one of the photos; the viewer's chooser has the rest.
    const QModelIndex current = m_window->imageBrowserView->currentIndex();
    const QString currentName = current.isValid() ? m_model->item(current.row()).name : QString();
    materialise(photos, folders::ensureWorkingFolder(),
                [this, currentName, skipped](const QStringList &paths, const QStringList &failures) {
                    if (!failures.isEmpty())
                        showAlert(tr("%n photo(s) could not be downloaded", nullptr, int(failures.size())),
                                  failures.join(QLatin1Char('\n')));
                    if (paths.isEmpty())
                        return;
                    int shown = 0;
                    for (int i = 0; i < paths.size(); ++i) {
                        if (QFileInfo(paths.at(i)).fileName() == currentName)
                            shown = i;
                    }
                    if (!m_viewer)
                        m_viewer = new MetadataViewerWindow(m_window);
                    m_viewer->showPhotos(paths, shown);
                    m_viewer->show();
                    m_viewer->raise();
                    m_viewer->activateWindow();
                    m_window->statusLabel->setText(skipped);
                });
}

void CameraController::DeletePhotoAction()
{
    const QList<CameraItem> chosen = m_model->items(selectionIndexes());
    auto *alert = new QMessageBox(m_window);
    alert->setObjectName(QStringLiteral("deleteAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(QMessageBox::Warning);
    alert->setText(tr("Are you sure you want to delete the selected photo ?"));
    QPushButton *deleteButton = alert->addButton(tr(" Delete "), QMessageBox::DestructiveRole);
    QPushButton *cancel = alert->addButton(tr("Cancel"), QMessageBox::RejectRole);
    // Deleting from a camera cannot be undone: Return must not do it.
    alert->setDefaultButton(cancel);
    alert->setEscapeButton(cancel);
    connect(deleteButton, &QPushButton::clicked, this, [this, chosen] { deleteItems(chosen); });
    m_lastAlert = alert;
    alert->open();
}

void CameraController::deleteItems(const QList<CameraItem> &items)
{
    if (!m_current || items.isEmpty())
        return;
    // Items leave the list one by one as the camera confirms each deletion.
    startProgress();
    m_current->requestDelete(items);
}

void CameraController::startProgress()
{
    begin(m_current);
}

void CameraController::endProgress()
{
    finish(m_current);
}

void CameraController::begin(CameraDevice *device)
{
    ++m_busy[device];
    updateBusy();
}

void CameraController::finish(CameraDevice *device)
{
    const auto it = m_busy.find(device);
    if (it == m_busy.end())
        return;
    if (--it.value() <= 0)
        m_busy.erase(it);
    updateBusy();
}

void CameraController::updateBusy()
{
    const bool busy = !m_busy.isEmpty();
    if (busy == m_window->camerataskProgressor->isVisibleTo(m_window))
        return;
    m_window->camerataskProgressor->setVisible(busy);
    Q_EMIT busyChanged(busy);
}

void CameraController::showAlert(const QString &message, const QString &informative)
{
    auto *alert = new QMessageBox(m_window);
    alert->setObjectName(QStringLiteral("cameraAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(QMessageBox::Warning);
    alert->setText(message);
    alert->setInformativeText(informative);
    alert->addButton(tr(" Ok "), QMessageBox::AcceptRole);
    m_lastAlert = alert;
    alert->open();
}

QMessageBox *CameraController::lastAlert() const
{
    return m_lastAlert;
}

CameraWindow *CameraController::cameraWindow() const
{
    return m_window;
}
