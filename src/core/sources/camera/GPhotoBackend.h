// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraBackend.h"

#include <memory>

// A camera reached through libgphoto2, by driver model and port. Together with
// CameraDetection.cpp this is the only code that includes the library's headers.
class GPhotoBackend : public CameraBackend
{
public:
    explicit GPhotoBackend(CameraInfo info);
    ~GPhotoBackend() override;

    CameraResult open() override;
    void close() override;
    CameraResult listFolder(const QString &folder, QStringList *subfolders, QList<CameraItem> *files) override;
    CameraResult preview(const CameraItem &item, QByteArray *data) override;
    CameraResult download(const CameraItem &item, QIODevice *out,
                          const std::function<bool(qint64 done, qint64 total)> &progress) override;
    CameraResult remove(const CameraItem &item) override;

    // The kind of a libgphoto2 result code (GP_OK and the GP_ERROR_* values).
    static CameraError errorKind(int gpResult);

private:
    struct Session;
    CameraResult failure(int gpResult) const;

    CameraInfo m_info;
    std::unique_ptr<Session> m_session;
};
