#include "EditorPhotoModel.h"

#include "sources/ThumbnailLoader.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

EditorPhotoModel::EditorPhotoModel(QObject *parent)
    : QAbstractListModel(parent)
    // Twice the cell so thumbnails stay sharp on high-density screens.
    , m_loader(new ThumbnailLoader(QSize(2 * ThumbnailEdge, 2 * ThumbnailEdge), this))
{
    connect(m_loader, &ThumbnailLoader::thumbnailReady, this, &EditorPhotoModel::thumbnailReady);
}

EditorPhotoModel::~EditorPhotoModel() = default;

void EditorPhotoModel::appendItems(const QList<IKImageItem> &items)
{
    if (items.isEmpty())
        return;
    beginInsertRows({}, int(m_items.size()), int(m_items.size() + items.size() - 1));
    for (const IKImageItem &item : items) {
        m_items.append(item);
        if (m_answered.contains(item.filePath) || m_pending.contains(item.filePath))
            continue;
        m_pending.insert(item.filePath, 1);
        m_loader->request(item.filePath);
    }
    endInsertRows();
    // A photo already answered for (dropped twice) takes the picture it already has.
    for (qsizetype row = m_items.size() - items.size(); row < m_items.size(); ++row) {
        IKImageItem &item = m_items[row];
        if (item.fileImage.isNull()) {
            for (const IKImageItem &other : std::as_const(m_items)) {
                if (other.filePath == item.filePath && !other.fileImage.isNull()) {
                    item.fileImage = other.fileImage;
                    break;
                }
            }
        }
    }
}

void EditorPhotoModel::clear()
{
    m_loader->cancelAll();
    beginResetModel();
    m_items.clear();
    m_pending.clear();
    m_answered.clear();
    endResetModel();
    Q_EMIT thumbnailsDone();
}

int EditorPhotoModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant EditorPhotoModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const IKImageItem &item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return item.imageTitle();
    case Qt::ToolTipRole:
        return item.imageRepresentation();
    case Qt::DecorationRole:
        if (!item.fileImage.isNull())
            return item.fileImage;
        // Still loading, or not an image: the style's file picture stands in.
        return QApplication::style()->standardIcon(m_answered.contains(item.filePath) ? QStyle::SP_FileIcon
                                                                                     : QStyle::SP_FileDialogInfoView);
    case FilePathRole:
        return item.filePath;
    case LoadedRole:
        return m_answered.contains(item.filePath);
    default:
        return {};
    }
}

Qt::ItemFlags EditorPhotoModel::flags(const QModelIndex &index) const
{
    // Cells are not dragged out: the list only takes drops.
    return QAbstractListModel::flags(index) & ~Qt::ItemIsDragEnabled;
}

void EditorPhotoModel::thumbnailReady(const QString &path, const QImage &image)
{
    if (!m_pending.remove(path))
        return;
    m_answered.insert(path, !image.isNull());
    for (int row = 0; row < m_items.size(); ++row) {
        if (m_items.at(row).filePath != path)
            continue;
        m_items[row].fileImage = image;
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed, {Qt::DecorationRole});
    }
    if (m_pending.isEmpty())
        Q_EMIT thumbnailsDone();
}
