// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sources/PhotoItem.h"
#include "sources/camera/CameraItem.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QList>

// The current camera's items (the controller's `cameraItems`) as the camera
// window's browser shows them: in arrival order, each with a placeholder until its
// thumbnail arrives. Main thread only.
class CameraItemModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int ThumbnailEdge = 96;
    enum Roles { KeyRole = Qt::UserRole + 1, FileTypeRole, HasThumbnailRole };

    explicit CameraItemModel(QObject *parent = nullptr);

    void appendItems(const QList<CameraItem> &items);
    void setThumbnail(const CameraItem &item, const QImage &image, const QString &path);
    // False when the item is not (or no longer) listed.
    bool removeItem(const CameraItem &item);
    void clear();

    const CameraItem &item(int row) const { return m_rows.at(row).item; }
    QList<CameraItem> items(const QList<int> &rows) const;
    int thumbnailsShown() const { return m_thumbnails; }
    // The list as editor items: name, type and the thumbnail file as their path.
    QList<PhotoItem> cameraItems() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    struct Row {
        CameraItem item;
        QImage thumbnail;
        QIcon icon; // the thumbnail, drawn scaled into the view's icon size
        QString thumbnailPath;
        bool answered = false;
    };
    QList<Row> m_rows;
    QHash<QString, int> m_rowOfKey;
    int m_thumbnails = 0;
};
