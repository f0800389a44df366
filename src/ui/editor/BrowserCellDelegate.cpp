#include "BrowserCellDelegate.h"

#include "app/Palette.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>

BrowserCellDelegate::BrowserCellDelegate(int edge, int cellWidth, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_edge(edge)
    , m_cellWidth(qMax(cellWidth, edge + 14))
{
}

QSize BrowserCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {m_cellWidth, m_edge + option.fontMetrics.height() + 14};
}

void BrowserCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect cell = option.rect.adjusted(2, 2, -2, -2);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->setPen(QPen(palette::accent(), 1));
        painter->setBrush(palette::accentWash());
        painter->drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    }

    const QRect box(cell.x() + (cell.width() - m_edge) / 2, cell.y() + 4, m_edge, m_edge);
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    const QImage image = index.data(Qt::DecorationRole).value<QImage>();
    QPixmap picture = !icon.isNull() ? icon.pixmap(box.size(), painter->device()->devicePixelRatioF())
                                     : QPixmap::fromImage(image);
    if (!picture.isNull()) {
        const QSizeF logical = QSizeF(picture.size()) / picture.devicePixelRatio();
        const QSizeF fitted = logical.scaled(QSizeF(box.size()), Qt::KeepAspectRatio);
        const QSizeF drawn = (fitted.width() > logical.width() && icon.isNull()) ? logical : fitted;
        const QRectF target(box.x() + (box.width() - drawn.width()) / 2, box.y() + (box.height() - drawn.height()) / 2,
                            drawn.width(), drawn.height());
        // A soft drop shadow: a few widening translucent outlines under the picture.
        painter->setPen(Qt::NoPen);
        for (int i = 3; i >= 1; --i) {
            painter->setBrush(QColor(0, 0, 0, 14));
            painter->drawRoundedRect(target.translated(0, 1.5).adjusted(-i, -i + 1, i, i), 2 + i, 2 + i);
        }
        painter->drawPixmap(target, picture, QRectF(QPointF(), picture.size()));
        painter->setPen(QPen(QColor(0, 0, 0, 40), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(target.adjusted(0.5, 0.5, -0.5, -0.5));
    }

    const QRect titleRect(cell.x() + 2, box.bottom() + 5, cell.width() - 4, option.fontMetrics.height());
    const QString title =
        option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideMiddle, titleRect.width());
    painter->setPen(selected ? palette::accent() : palette::text());
    painter->drawText(titleRect, Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter->restore();
}
