// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PhotoSource.h"

class Thumbnailer;

// The editor's list of local files: each item is its own file.
class LocalPhotoSource : public PhotoSource
{
    Q_OBJECT
public:
    // `thumbnailer`: shared with the list that shows the items; null makes one of its own.
    explicit LocalPhotoSource(Thumbnailer *thumbnailer = nullptr, QObject *parent = nullptr);

    void setItems(const QList<PhotoItem> &items);

    SourceCapabilities capabilities() const override { return {}; }
    QList<PhotoItem> items() const override { return m_items; }
    void requestThumbnail(int index) override;
    void materialise(int index, const QString &folder) override;
    LocalFileResolver resolver(const QString &folder) const override;

private:
    QList<PhotoItem> m_items;
    Thumbnailer *m_thumbnailer;
};
