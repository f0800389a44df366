// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoDropArea.h"

#include "app/Artwork.h"
#include "app/Palette.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

static const QString kTipsImage = QStringLiteral("importtips.png");

PhotoDropArea::PhotoDropArea(QWidget *parent)
    : QWidget(parent)
    , m_imageName(kTipsImage)
{
    setAcceptDrops(true);
    setCursor(Qt::PointingHandCursor);
}

void PhotoDropArea::setTipText(const QString &title, const QString &detail)
{
    m_title = title;
    m_detail = detail;
    update();
}

Qt::DropAction PhotoDropArea::draggingUpdated(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return Qt::IgnoreAction;
    const QString path = data->urls().constFirst().toLocalFile();
    if (path.isEmpty())
        return Qt::IgnoreAction;
    const QFileInfo info(path);
    // Reading the header is enough to tell a picture, and keeps the drag responsive
    // over large photos.
    const bool isImage = info.isFile() && QImageReader(path).canRead();
    if (isImage && info.exists()) {
        m_isFolder = false;
        return Qt::CopyAction;
    }
    if (info.exists() && info.isDir()) {
        m_isFolder = true;
        return Qt::CopyAction;
    }
    return Qt::IgnoreAction;
}

bool PhotoDropArea::performDragOperation(const QMimeData *data)
{
    if (data && data->hasUrls()) {
        m_urls = data->urls();
        Q_EMIT photosDropped();
    }
    return true;
}

void PhotoDropArea::draggingEnded()
{
    m_imageName = kTipsImage;
    m_hovered = false;
    update();
}

void PhotoDropArea::dragEnterEvent(QDragEnterEvent *event)
{
    // The first item decides once per drag; moves reuse the answer.
    m_lastAnswer = draggingUpdated(event->mimeData());
    if (m_lastAnswer == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(m_lastAnswer);
    event->accept();
    m_hovered = true;
    update();
}

void PhotoDropArea::dragMoveEvent(QDragMoveEvent *event)
{
    if (m_lastAnswer == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(m_lastAnswer);
    event->accept();
}

void PhotoDropArea::dragLeaveEvent(QDragLeaveEvent *event)
{
    QWidget::dragLeaveEvent(event);
    draggingEnded();
}

void PhotoDropArea::dropEvent(QDropEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Announced after the drag has finished, so the handler may start work freely.
    performDragOperation(event->mimeData());
    draggingEnded();
}

void PhotoDropArea::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    event->accept();
}

void PhotoDropArea::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PhotoDropArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const QRectF area = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath frame;
    frame.addRoundedRect(area, 12, 12);
    painter.fillPath(frame, m_hovered ? palette::accentWash() : palette::surface());
    QPen pen(m_hovered ? palette::accent() : palette::dashedBorder(), m_hovered ? 2.0 : 1.5);
    pen.setDashPattern({5, 4});
    painter.setPen(pen);
    painter.drawPath(frame);

    const QPixmap image = artwork::pixmap(m_imageName);
    const bool wide = width() > 2.6 * height();
    const QSizeF nominal = image.deviceIndependentSize();
    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * (wide ? 1.1 : 1.25));
    titleFont.setBold(true);
    QFont detailFont = font();
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF detailMetrics(detailFont);

    if (wide) {
        // Compact strip: picture on the left, text beside it.
        const qreal side = qMin(height() - 24.0, nominal.height());
        const QSizeF imageSize = nominal.scaled(QSizeF(side * 1.4, side), Qt::KeepAspectRatio);
        const qreal textWidth = qMax(titleMetrics.horizontalAdvance(m_title),
                                     detailMetrics.horizontalAdvance(m_detail));
        const qreal total = imageSize.width() + 18 + textWidth;
        const qreal x0 = (width() - total) / 2;
        painter.drawPixmap(QRectF(QPointF(x0, (height() - imageSize.height()) / 2), imageSize), image,
                           QRectF(image.rect()));
        const qreal tx = x0 + imageSize.width() + 18;
        const qreal block = titleMetrics.height() + 4 + detailMetrics.height();
        const qreal ty = (height() - block) / 2;
        painter.setFont(titleFont);
        painter.setPen(palette::text());
        painter.drawText(QRectF(tx, ty, textWidth + 2, titleMetrics.height()), Qt::AlignLeft, m_title);
        painter.setFont(detailFont);
        painter.setPen(palette::secondaryText());
        painter.drawText(QRectF(tx, ty + titleMetrics.height() + 4, textWidth + 2, detailMetrics.height()),
                         Qt::AlignLeft, m_detail);
        return;
    }

    const qreal textBlock = titleMetrics.height() + 6 + detailMetrics.height();
    const qreal room = height() - textBlock - 48;
    const QSizeF imageSize = nominal.scaled(QSizeF(width() - 40.0, qMax(24.0, qMin(room, nominal.height()))),
                                            Qt::KeepAspectRatio);
    const qreal top = (height() - imageSize.height() - 14 - textBlock) / 2;
    painter.drawPixmap(QRectF(QPointF((width() - imageSize.width()) / 2, top), imageSize), image,
                       QRectF(image.rect()));
    qreal y = top + imageSize.height() + 14;
    painter.setFont(titleFont);
    painter.setPen(palette::text());
    painter.drawText(QRectF(8, y, width() - 16, titleMetrics.height()), Qt::AlignHCenter, m_title);
    y += titleMetrics.height() + 6;
    painter.setFont(detailFont);
    painter.setPen(palette::secondaryText());
    painter.drawText(QRectF(8, y, width() - 16, detailMetrics.height()), Qt::AlignHCenter, m_detail);
}
