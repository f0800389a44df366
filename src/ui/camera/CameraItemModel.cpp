// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraItemModel.h"

#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QPainter>
#include <QPalette>

namespace {

// Thumbnails come in any size (a tiny one from a 1x1 photo, a portrait one). Centred on
// the placeholder's 4:3 area, every cell gets the same picture area and its caption the
// same line: the view sizes all cells from the first one, which starts as a placeholder.
QImage fittedThumbnail(const QImage &image)
{
    const QSize box(CameraItemModel::ThumbnailEdge, CameraItemModel::ThumbnailEdge * 3 / 4);
    QImage fitted(box, QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    const QImage scaled = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&fitted);
    painter.drawImage((box.width() - scaled.width()) / 2, (box.height() - scaled.height()) / 2, scaled);
    return fitted;
}

// A neutral frame with a film or photo mark, drawn once per kind, for items whose
// thumbnail has not arrived (or that have none, like most movies).
QImage placeholder(bool movie)
{
    const int edge = CameraItemModel::ThumbnailEdge;
    QImage image(edge, edge * 3 / 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(image.rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(150, 150, 150), 1.5));
    p.setBrush(QColor(225, 225, 225));
    p.drawRoundedRect(frame, 6, 6);
    p.setBrush(QColor(150, 150, 150));
    p.setPen(Qt::NoPen);
    const QPointF c = frame.center();
    if (movie) {
        const QPolygonF play{c + QPointF(-9, -12), c + QPointF(-9, 12), c + QPointF(13, 0)};
        p.drawPolygon(play);
    } else {
        p.drawEllipse(c, 11, 11);
        p.setBrush(QColor(225, 225, 225));
        p.drawEllipse(c, 6, 6);
    }
    return image;
}

} // namespace

CameraItemModel::CameraItemModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void CameraItemModel::appendItems(const QList<CameraItem> &items)
{
    QList<CameraItem> fresh;
    for (const CameraItem &item : items) {
        if (!m_rowOfKey.contains(item.key()))
            fresh.append(item);
    }
    if (fresh.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + fresh.size() - 1));
    for (const CameraItem &item : fresh) {
        m_rowOfKey.insert(item.key(), int(m_rows.size()));
        m_rows.append({item, {}, {}, {}, false});
    }
    endInsertRows();
}

void CameraItemModel::setThumbnail(const CameraItem &item, const QImage &image, const QString &path)
{
    const int row = m_rowOfKey.value(item.key(), -1);
    if (row < 0)
        return;
    Row &r = m_rows[row];
    if (!r.answered && !image.isNull())
        ++m_thumbnails;
    r.answered = true;
    r.thumbnail = image;
    r.icon = image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(fittedThumbnail(image)));
    r.thumbnailPath = path;
    const QModelIndex at = index(row);
    Q_EMIT dataChanged(at, at, {Qt::DecorationRole, HasThumbnailRole});
}

bool CameraItemModel::removeItem(const CameraItem &item)
{
    const int row = m_rowOfKey.value(item.key(), -1);
    if (row < 0)
        return false;
    beginRemoveRows({}, row, row);
    if (!m_rows.at(row).thumbnail.isNull())
        --m_thumbnails;
    m_rows.removeAt(row);
    m_rowOfKey.clear();
    for (int i = 0; i < m_rows.size(); ++i)
        m_rowOfKey.insert(m_rows.at(i).item.key(), i);
    endRemoveRows();
    return true;
}

void CameraItemModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_rowOfKey.clear();
    m_thumbnails = 0;
    endResetModel();
}

QList<CameraItem> CameraItemModel::items(const QList<int> &rows) const
{
    QList<CameraItem> chosen;
    for (int row : rows) {
        if (row >= 0 && row < m_rows.size())
            chosen.append(m_rows.at(row).item);
    }
    return chosen;
}

QList<PhotoItem> CameraItemModel::cameraItems() const
{
    QList<PhotoItem> items;
    items.reserve(m_rows.size());
    for (const Row &row : m_rows) {
        PhotoItem item;
        item.fileName = row.item.name;
        item.fileType = row.item.fileType();
        item.fileImage = row.thumbnail;
        item.filePath = row.thumbnailPath;
        items.append(item);
    }
    return items;
}

int CameraItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant CameraItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.item.name;
    case Qt::DecorationRole: {
        // An icon, not the image: a view draws an image at its own size, so thumbnails
        // of other sizes than the cell's would overflow their cells.
        static const QIcon photo(QPixmap::fromImage(placeholder(false)));
        static const QIcon movie(QPixmap::fromImage(placeholder(true)));
        return row.icon.isNull() ? (row.item.isMovie() ? movie : photo) : row.icon;
    }
    case Qt::ToolTipRole: {
        QString tip = row.item.key();
        if (row.item.size >= 0)
            tip += QStringLiteral("\n") + QLocale().formattedDataSize(row.item.size, 1, QLocale::DataSizeSIFormat);
        return tip;
    }
    case KeyRole:
        return row.item.key();
    case FileTypeRole:
        return row.item.fileType();
    case HasThumbnailRole:
        return !row.thumbnail.isNull();
    default:
        return {};
    }
}
