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

// What the editor decides from where a source's photos live, one answer per decision.
// A plain value, so a job on its own thread carries it with its target. The defaults
// are the answers for files on this computer.
struct SourceCapabilities {
    // Commands read each item's own file. False: each selected item is first
    // materialised into the Working folder and commands read that copy.
    bool readsInPlace = true;
    // The items are files on this computer, shown in the editor's local list (so the
    // compression side may work on them); false: the source has a browser of its own.
    bool listsLocalFiles = true;
    // The date command also moves the copy's file dates and TIFF DateTime to the new
    // capture date, as a fresh download of the photo would carry them.
    bool dateEditMovesFileDates = false;
    // The edit sheet writes its IPTC keywords into the copies; false leaves them alone.
    bool sheetWritesKeywords = true;
    // How the edit sheet names its copies.
    QString sheetCopyPrefix = QStringLiteral("After_");

    // Items downloaded from a device into the Working folder before any edit.
    static SourceCapabilities downloadedCopies()
    {
        SourceCapabilities c;
        c.readsInPlace = false;
        c.listsLocalFiles = false;
        c.dateEditMovesFileDates = true;
        c.sheetWritesKeywords = false;
        c.sheetCopyPrefix = QStringLiteral("NewGPS_");
        return c;
    }
};

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

    virtual SourceCapabilities capabilities() const = 0;
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
