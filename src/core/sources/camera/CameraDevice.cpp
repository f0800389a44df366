// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraDevice.h"

#include "CameraMessages.h"
#include "CameraThumbnail.h"
#include "CameraWorker.h"
#include "GPhotoBackend.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QSaveFile>

namespace {

// A camera's file name as a name in the destination folder; empty when it would
// leave the folder or name no file.
QString safeFileName(const QString &name)
{
    const QString base = QFileInfo(name).fileName();
    if (base != name || base.isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        return {};
    return base;
}

} // namespace

template<typename F>
void CameraDevice::answer(F &&function)
{
    QMetaObject::invokeMethod(this, std::forward<F>(function), Qt::QueuedConnection);
}

CameraDevice::CameraDevice(CameraInfo info, std::unique_ptr<CameraBackend> backend, QObject *parent)
    : QObject(parent)
    , m_info(std::move(info))
    , m_scratch(QDir::tempPath() + QStringLiteral("/glimmerset-camera-XXXXXX"))
    , m_worker(std::make_unique<CameraWorker>(std::move(backend)))
{
    qRegisterMetaType<CameraItem>();
    qRegisterMetaType<CameraDownload>();
}

std::unique_ptr<CameraDevice> CameraDevice::create(const CameraInfo &info, QObject *parent)
{
    return std::make_unique<CameraDevice>(info, std::make_unique<GPhotoBackend>(info), parent);
}

CameraDevice::~CameraDevice()
{
    // The worker is stopped first: its tasks only post answers to this object, and
    // answers posted to a destroyed object are discarded by Qt.
    m_worker.reset();
}

void CameraDevice::requestOpenSession()
{
    m_worker->post(CameraWorker::Priority::Command, [this](CameraBackend &backend) {
        const CameraResult opened = backend.open();
        //: Completes "Could not %1.": what was tried.
        const QString openError = cameramessages::describe(opened, tr("open the camera"));
        answer([this, openError] {
            m_open = openError.isEmpty();
            Q_EMIT sessionOpened(openError);
        });
        if (!opened.ok()) {
            answer([this, openError] { Q_EMIT listingFinished(openError); });
            return;
        }
        // Breadth first from the root; each folder's items go out as soon as they are
        // read, so a large card fills the window while the listing goes on.
        QStringList folders{QStringLiteral("/")};
        QString listError;
        while (!folders.isEmpty()) {
            const QString folder = folders.takeFirst();
            QStringList subfolders;
            QList<CameraItem> files;
            const CameraResult listed = backend.listFolder(folder, &subfolders, &files);
            if (!listed.ok()) {
                //: Completes "Could not %1.": what was tried.
                listError = cameramessages::describe(listed, tr("read the folder %1").arg(folder));
                if (listed.error == CameraError::Gone && folder == QLatin1String("/"))
                    break;
                continue;
            }
            QList<CameraItem> shown;
            for (const CameraItem &file : files) {
                if (CameraItem::isListed(file.mimeType, file.name))
                    shown.append(file);
            }
            if (!shown.isEmpty())
                answer([this, shown] { Q_EMIT itemsAdded(shown); });
            const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
            for (const QString &sub : subfolders)
                folders.append(prefix + sub);
        }
        answer([this, listError] { Q_EMIT listingFinished(listError); });
    });
}

void CameraDevice::requestThumbnail(const CameraItem &item, QSize maxSize)
{
    const QString folder = m_scratch.path();
    m_worker->post(CameraWorker::Priority::Thumbnail,
                   [this, item, maxSize, run = m_thumbnailRun, folder](CameraBackend &backend) {
                       if (run.cancelled())
                           return;
                       const QImage image = camerathumbnail::make(backend, item, maxSize, folder);
                       QString path;
                       if (!image.isNull()) {
                           static QAtomicInteger<quint64> counter;
                           path = folder + QStringLiteral("/%1-%2.png")
                                               .arg(counter.fetchAndAddRelaxed(1))
                                               .arg(QFileInfo(item.name).completeBaseName());
                           if (!image.save(path, "PNG"))
                               path.clear();
                       }
                       answer([this, item, image, path, run] {
                           if (!run.cancelled())
                               Q_EMIT thumbnailReady(item, image, path);
                       });
                   });
}

void CameraDevice::cancelThumbnails()
{
    m_thumbnailRun.cancel();
    m_thumbnailRun = jobs::CancelToken();
    m_worker->dropThumbnails();
}

quint64 CameraDevice::requestDownload(const CameraItem &item, const QString &folder, bool importToEdit)
{
    CameraDownload download;
    // Ids are unique across cameras, so one table can follow downloads from several.
    static std::atomic<quint64> nextId{1};
    download.id = nextId.fetch_add(1);
    download.item = item;
    download.folder = folder;
    download.importToEdit = importToEdit;
    m_worker->post(CameraWorker::Priority::Command, [this, download](CameraBackend &backend) mutable {
        const QString name = safeFileName(download.item.name);
        //: Completes "Could not %1.": what was tried.
        const QString what = tr("download %1").arg(download.item.name);
        if (name.isEmpty()) {
            download.error = tr("Could not %1. The camera gave it a name that is not a file name.").arg(what);
        } else if (!QDir().mkpath(download.folder)) {
            download.error = tr("Could not %1. The folder %2 cannot be created.").arg(what, download.folder);
        } else {
            const QString path = QDir(download.folder).filePath(name);
            // Written beside the destination and renamed at the end, so a broken
            // connection never leaves half a photo under the real name.
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly)) {
                download.error = tr("Could not %1. %2").arg(what, file.errorString());
            } else {
                const quint64 id = download.id;
                const CameraResult result = backend.download(download.item, &file, [this, id](qint64 done, qint64 total) {
                    answer([this, id, done, total] { Q_EMIT downloadProgress(id, done, total); });
                    return true;
                });
                if (!result.ok()) {
                    file.cancelWriting();
                    download.error = cameramessages::describe(result, what);
                } else if (!file.commit()) {
                    download.error = tr("Could not %1. %2").arg(what, file.errorString());
                } else {
                    download.path = path;
                }
            }
        }
        answer([this, download] { Q_EMIT downloadFinished(download); });
    });
    return download.id;
}

void CameraDevice::requestDelete(const QList<CameraItem> &items)
{
    m_worker->post(CameraWorker::Priority::Command, [this, items](CameraBackend &backend) {
        int deleted = 0;
        int failed = 0;
        for (const CameraItem &item : items) {
            const CameraResult result = backend.remove(item);
            if (result.ok()) {
                ++deleted;
                answer([this, item] { Q_EMIT itemDeleted(item); });
            } else {
                ++failed;
                //: Completes "Could not %1.": what was tried.
                const QString error = cameramessages::describe(result, tr("delete %1").arg(item.name));
                answer([this, item, error] { Q_EMIT deleteFailed(item, error); });
            }
        }
        answer([this, deleted, failed] { Q_EMIT deleteFinished(deleted, failed); });
    });
}
