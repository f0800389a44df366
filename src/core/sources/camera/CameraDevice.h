// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraBackend.h"
#include "CameraDownload.h"
#include "CameraItem.h"

#include "jobs/WorkerPool.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QTemporaryDir>

#include <memory>

class CameraWorker;

// An attached camera. Requests are made on the thread that owns the device (the
// main thread) and return at once; the camera's own worker thread carries them out
// one at a time, and every answer arrives as a signal on the owning thread. A
// request made after the device is gone, or answered after it was destroyed, is
// dropped: answers are posted to this object and die with it.
class CameraDevice : public QObject
{
    Q_OBJECT
public:
    CameraDevice(CameraInfo info, std::unique_ptr<CameraBackend> backend, QObject *parent = nullptr);
    // A camera driven by libgphoto2.
    static std::unique_ptr<CameraDevice> create(const CameraInfo &info, QObject *parent = nullptr);
    // Waits for the request in progress; queued ones are dropped.
    ~CameraDevice() override;

    CameraInfo info() const { return m_info; }
    QString name() const { return m_info.model; }
    bool isOpen() const { return m_open; }

    // Opens the session and lists every folder from the root: sessionOpened, then
    // itemsAdded once per folder that holds photos or movies, then listingFinished.
    void requestOpenSession();
    // Answers with thumbnailReady (a null image when the item has no picture).
    void requestThumbnail(const CameraItem &item, QSize maxSize);
    // Forgets the thumbnail requests not yet started (the list was cleared).
    void cancelThumbnails();
    // Writes the item into `folder` under its own name, atomically, replacing a file
    // of that name. Progress, then downloadFinished with the request's id (unique in the process).
    quint64 requestDownload(const CameraItem &item, const QString &folder, bool importToEdit = false);
    // Deletes one item after another: itemDeleted or deleteFailed for each, then deleteFinished.
    void requestDelete(const QList<CameraItem> &items);

    // The private folder holding this camera's thumbnail files.
    QString thumbnailFolder() const { return m_scratch.path(); }

Q_SIGNALS:
    void sessionOpened(const QString &error);
    void itemsAdded(const QList<CameraItem> &items);
    void listingFinished(const QString &error);
    // `path`: the thumbnail as a file in thumbnailFolder() (empty with a null image).
    void thumbnailReady(const CameraItem &item, const QImage &image, const QString &path);
    void downloadProgress(quint64 id, qint64 done, qint64 total);
    void downloadFinished(const CameraDownload &download);
    void itemDeleted(const CameraItem &item);
    void deleteFailed(const CameraItem &item, const QString &error);
    void deleteFinished(int deleted, int failed);

private:
    // Runs `answer` on the owning thread, unless the device has been destroyed.
    template<typename F>
    void answer(F &&function);

    CameraInfo m_info;
    QTemporaryDir m_scratch;
    std::unique_ptr<CameraWorker> m_worker;
    // Cancelled by cancelThumbnails(): an answer of an earlier run is dropped.
    jobs::CancelToken m_thumbnailRun;
    bool m_open = false;
};
