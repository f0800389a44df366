// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraItem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// What went wrong on a camera, in the few kinds a person can act on differently.
enum class CameraError {
    None,
    Held,         // another program has claimed the USB device
    Gone,         // unplugged, or the file is no longer there
    NotSupported, // the driver cannot do this (no previews, no deletion)
    Cancelled,
    Other,
};

struct CameraResult {
    CameraError error = CameraError::None;
    QString detail; // the library's own words, for the log and the message

    bool ok() const { return error == CameraError::None; }
    static CameraResult success() { return {}; }
    static CameraResult failure(CameraError error, const QString &detail) { return {error, detail}; }
};

// One camera's file system, driven synchronously. Implementations are not
// thread-safe: CameraDevice calls them only from its own worker thread, one call at
// a time. The libgphoto2 implementation is GPhotoBackend; tests drive fakes.
class CameraBackend
{
public:
    virtual ~CameraBackend() = default;

    virtual CameraResult open() = 0;
    virtual void close() = 0;
    // The folder's files (with type and size where the camera knows them) and the
    // names of its subfolders.
    virtual CameraResult listFolder(const QString &folder, QStringList *subfolders, QList<CameraItem> *files) = 0;
    // The camera's own preview picture of the file; NotSupported when it has none.
    virtual CameraResult preview(const CameraItem &item, QByteArray *data) = 0;
    // Writes the whole file into `out`. `progress(done, total)` returns false to stop.
    virtual CameraResult download(const CameraItem &item, QIODevice *out,
                                  const std::function<bool(qint64 done, qint64 total)> &progress) = 0;
    virtual CameraResult remove(const CameraItem &item) = 0;
};
