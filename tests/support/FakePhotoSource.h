// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sources/PhotoSource.h"

#include <QHash>
#include <QSet>

// A photo source that behaves like a camera for tests: its items are not local files
// until materialised, which copies a backing file into the requested folder (or fails,
// for the names in `failing`). Answers come queued, as a device's would.
class FakePhotoSource : public PhotoSource
{
    Q_OBJECT
public:
    // name -> the local file that stands for the device's copy
    explicit FakePhotoSource(const QHash<QString, QString> &backing, QObject *parent = nullptr);

    QSet<QString> failing;

    SourceCapabilities capabilities() const override { return SourceCapabilities::downloadedCopies(); }
    QList<PhotoItem> items() const override { return m_items; }
    void requestThumbnail(int index) override;
    void materialise(int index, const QString &folder) override;
    LocalFileResolver resolver(const QString &folder) const override;

private:
    QList<PhotoItem> m_items;
    QHash<QString, QString> m_backing;
};
