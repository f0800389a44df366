// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusyDiskView.h"

#include "DiskLayer.h"
#include "app/Artwork.h"

#include <QPainter>
#include <QVariantAnimation>

#include <numbers>

static const QString kRotateKey = QStringLiteral("Rotate");
static const QString kDiskImage = QStringLiteral("flashimage.png");

BusyDiskView::BusyDiskView(QWidget *parent)
    : QWidget(parent)
{
}

void BusyDiskView::prepareDisk()
{
    auto *layer = new DiskLayer(this);
    const QPixmap image = artwork::pixmap(kDiskImage);
    layer->setFrame(QRectF(QPointF(0, 0), image.deviceIndependentSize()));
    layer->setPosition(QPointF(width() / 2.0, height() / 2.0));
    layer->setContents(image);
    setDiskLayer(layer);
}

void BusyDiskView::setDiskLayer(DiskLayer *layer)
{
    if (m_diskLayer == layer)
        return;
    m_diskLayer = layer;
    if (layer)
        connect(layer, &DiskLayer::changed, this, qOverload<>(&QWidget::update));
    update();
}

void BusyDiskView::setContentsFromImage()
{
    if (m_diskLayer)
        m_diskLayer->setContents(artwork::pixmap(kDiskImage));
}

void BusyDiskView::startFlash()
{
    if (!m_diskLayer)
        prepareDisk();
    setContentsFromImage();
    auto *rotate = new QVariantAnimation;
    rotate->setDuration(RotateDurationMs);
    rotate->setStartValue(0.0);
    rotate->setEndValue(2 * std::numbers::pi);
    rotate->setLoopCount(-1);
    m_diskLayer->addAnimation(rotate, kRotateKey);
}

void BusyDiskView::stopFlash()
{
    if (!m_diskLayer)
        return;
    setContentsFromImage();
    m_diskLayer->removeAnimationForKey(kRotateKey);
}

bool BusyDiskView::isFlashing() const
{
    return m_diskLayer && m_diskLayer->animationForKey(kRotateKey);
}

QSize BusyDiskView::sizeHint() const
{
    const QSize image = artwork::size(kDiskImage);
    return image.isValid() ? image : QSize(64, 64);
}

void BusyDiskView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Layouts size the view after set-up, so the disk follows the view's centre.
    if (m_diskLayer)
        m_diskLayer->setPosition(QPointF(width() / 2.0, height() / 2.0));
}

void BusyDiskView::paintEvent(QPaintEvent *)
{
    if (!m_diskLayer || m_diskLayer->contents().isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = m_diskLayer->frame();
    painter.translate(m_diskLayer->position());
    painter.rotate(m_diskLayer->presentationRotation() * 180.0 / std::numbers::pi);
    painter.drawPixmap(QRectF(-frame.width() / 2, -frame.height() / 2, frame.width(), frame.height()),
                       m_diskLayer->contents(), QRectF(m_diskLayer->contents().rect()));
}
