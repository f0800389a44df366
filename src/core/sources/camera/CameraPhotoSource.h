// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraItem.h"

#include "sources/PhotoSource.h"

#include <functional>

// Where the camera source finds the current camera's items and gets copies of them: the
// window's camera controller, which lists the camera and downloads from it. Main thread only.
class CameraListing
{
public:
    using CopiesDone = std::function<void(const QStringList &paths, const QStringList &failures)>;

    virtual ~CameraListing() = default;
    // The current camera's items, in listing order.
    virtual QList<CameraItem> listedItems() const = 0;
    // The same items as the editor lists them (name, type, thumbnail).
    virtual QList<PhotoItem> cameraItems() const = 0;
    // Makes local copies of `items` in `folder`, reusing a copy of the same name and size,
    // then calls `done` with the copies' paths and the failures' messages.
    virtual void materialise(const QList<CameraItem> &items, const QString &folder, CopiesDone done) = 0;
};

// The current camera's items as a photo source of the editor: an item materialises
// by being downloaded (a copy of the same name and size already in the folder is
// used as it is), and jobs read those copies.
class CameraPhotoSource : public PhotoSource
{
    Q_OBJECT
public:
    explicit CameraPhotoSource(CameraListing &camera, QObject *parent = nullptr);

    SourceCapabilities capabilities() const override { return SourceCapabilities::downloadedCopies(); }
    QList<PhotoItem> items() const override;
    void requestThumbnail(int index) override;
    void materialise(int index, const QString &folder) override;
    LocalFileResolver resolver(const QString &folder) const override;

    // The listing changed: items came, went, or another camera became the current one.
    void listingChanged() { Q_EMIT itemsChanged(); }

private:
    CameraListing &m_camera;
};
