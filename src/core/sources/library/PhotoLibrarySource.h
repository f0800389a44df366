// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LibraryScanReport.h"
#include "sources/PhotoSource.h"

#include <QStringList>

class PhotoLibraryScan;
class Thumbnailer;

// A photo library as a photo source: its items are the photos the scan has found so
// far, growing batch by batch (itemsChanged after each, photosFound with the batch).
// A library photo is its own local file, read in place and never written, so
// materialising one copies nothing. One scan at a time; see PhotoLibraryScan.
class PhotoLibrarySource : public PhotoSource
{
    Q_OBJECT
public:
    // `thumbnailer`: shared with the list that shows the items; null makes one of its own.
    explicit PhotoLibrarySource(Thumbnailer *thumbnailer = nullptr, QObject *parent = nullptr);
    ~PhotoLibrarySource() override;

    // Forgets the items of an earlier scan and scans `libraryPath`; false while a scan runs.
    bool scan(const QString &libraryPath);
    void stop();
    bool isScanning() const;
    QString libraryPath() const { return m_libraryPath; }

    // Its photos are local files: edited like the local list's, and never downloaded.
    SourceCapabilities capabilities() const override { return {}; }
    QList<PhotoItem> items() const override { return m_items; }
    void requestThumbnail(int index) override;
    void materialise(int index, const QString &folder) override;
    LocalFileResolver resolver(const QString &folder) const override;

Q_SIGNALS:
    void photosFound(const QList<PhotoItem> &items);
    void finished(const LibraryScanReport &report);

private:
    PhotoLibraryScan *m_scan;
    Thumbnailer *m_thumbnailer;
    QList<PhotoItem> m_items;
    QString m_libraryPath;
};
