// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorPhotoModel.h"

#include "sources/Thumbnailer.h"

#include <QApplication>
#include <QIcon>
#include <QSet>
#include <QStyle>

#include <algorithm>
#include <functional>

EditorPhotoModel::EditorPhotoModel(QObject *parent)
    : QAbstractListModel(parent)
    // Twice the cell so thumbnails stay sharp on high-density screens.
    , m_loader(new Thumbnailer(QSize(2 * ThumbnailEdge, 2 * ThumbnailEdge), 32 * 1024 * 1024, this))
{
    connect(m_loader, &Thumbnailer::thumbnailReady, this, &EditorPhotoModel::thumbnailReady);
}

EditorPhotoModel::~EditorPhotoModel() = default;

void EditorPhotoModel::appendItems(const QList<PhotoItem> &items, Thumbnails when)
{
    if (items.isEmpty())
        return;
    beginInsertRows({}, int(m_items.size()), int(m_items.size() + items.size() - 1));
    for (PhotoItem item : items) {
        const QString &path = item.filePath;
        if (m_icons.contains(path)) {
            // A file dropped again takes the picture it already has.
            for (const PhotoItem &other : std::as_const(m_items)) {
                if (other.filePath == path) {
                    item.fileImage = other.fileImage;
                    break;
                }
            }
        } else if (!m_pending.contains(path)) {
            if (when == Thumbnails::Now)
                requestThumbnail(path);
            else
                m_deferred.insert(path);
        }
        m_items.append(item);
    }
    endInsertRows();
}

void EditorPhotoModel::clear()
{
    m_loader->cancelAll();
    beginResetModel();
    m_items.clear();
    m_pending.clear();
    m_deferred.clear();
    m_icons.clear();
    endResetModel();
    Q_EMIT thumbnailsDone();
}

void EditorPhotoModel::removeItems(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : std::as_const(rows)) {
        if (row < 0 || row >= m_items.size())
            continue;
        beginRemoveRows({}, row, row);
        m_items.removeAt(row);
        endRemoveRows();
    }
    // Pictures of files no item shows any more are let go.
    QSet<QString> shown;
    for (const PhotoItem &item : std::as_const(m_items))
        shown.insert(item.filePath);
    for (auto it = m_icons.begin(); it != m_icons.end();)
        it = shown.contains(it.key()) ? std::next(it) : m_icons.erase(it);
}

int EditorPhotoModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant EditorPhotoModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const PhotoItem &item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return item.fileName;
    case Qt::ToolTipRole:
        return item.filePath;
    case Qt::DecorationRole: {
        // Painting the cell is what asks for a deferred picture; the model's state is
        // only a cache of pictures, so this const read may start the request.
        if (m_deferred.remove(item.filePath))
            const_cast<EditorPhotoModel *>(this)->requestThumbnail(item.filePath);
        const auto it = m_icons.constFind(item.filePath);
        if (it != m_icons.constEnd() && !it->isNull())
            return *it;
        // Still loading, or not an image: the style's file picture stands in.
        return QApplication::style()->standardIcon(it != m_icons.constEnd() ? QStyle::SP_FileIcon
                                                                             : QStyle::SP_FileDialogInfoView);
    }
    case FilePathRole:
        return item.filePath;
    case LoadedRole:
        return m_icons.contains(item.filePath);
    default:
        return {};
    }
}

Qt::ItemFlags EditorPhotoModel::flags(const QModelIndex &index) const
{
    // Cells are not dragged out: the list only takes drops.
    return QAbstractListModel::flags(index) & ~Qt::ItemIsDragEnabled;
}

void EditorPhotoModel::requestThumbnail(const QString &path)
{
    m_deferred.remove(path);
    m_pending.insert(path);
    m_loader->request(path);
}

void EditorPhotoModel::thumbnailReady(const QString &path, const QImage &image)
{
    if (!m_pending.remove(path))
        return;
    m_icons.insert(path, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    for (int row = 0; row < m_items.size(); ++row) {
        if (m_items.at(row).filePath != path)
            continue;
        m_items[row].fileImage = image;
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole, LoadedRole});
    }
    if (m_pending.isEmpty())
        Q_EMIT thumbnailsDone();
}
