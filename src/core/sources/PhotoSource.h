// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PhotoItem.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// Finds the local file a job reads for an item, from any thread: the item's own file
// for local photos, the copy already in the Working folder for a camera, the library's
// file for a library photo. Empty, with the reason in *why, when there is none yet.
using LocalFileResolver = std::function<QString(const PhotoItem &item, QString *why)>;

// Where the editor's photos come from: the local list, a camera, a photo library. The
// editor holds one current source and a selection of its items; commands work on the
// local files the source materialises, so they never care where a photo lives.
//
// Use on one thread with an event loop; answers arrive there, queued, once per request.
class PhotoSource : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // True only for the editor's own list of local files.
    virtual bool isLocalList() const { return false; }
    virtual QList<PhotoItem> items() const = 0;

    // Asks for item `index`'s picture; thumbnailReady follows (an empty image when there is none).
    virtual void requestThumbnail(int index) = 0;

    // Asks for item `index` as a local file in `folder` (a local file is itself and
    // ignores `folder`; a camera item is downloaded into it); materialised follows, with
    // the path or, when it failed, the reason.
    virtual void materialise(int index, const QString &folder) = 0;

    // The resolver jobs use on their own thread; `folder` is where materialised copies go.
    virtual LocalFileResolver resolver(const QString &folder) const = 0;

Q_SIGNALS:
    void itemsChanged();
    void thumbnailReady(int index, const QImage &image);
    void materialised(int index, const QString &path, const QString &error);
};
