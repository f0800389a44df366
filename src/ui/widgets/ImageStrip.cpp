// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageStrip.h"

#include "app/Artwork.h"

#include <QPainter>

ImageStrip::ImageStrip(const QString &imageName, QWidget *parent)
    : QWidget(parent)
    , m_imageName(imageName)
{
}

void ImageStrip::setImage(const QString &imageName)
{
    m_imageName = imageName;
    update();
}

void ImageStrip::paintEvent(QPaintEvent *)
{
    const QPixmap image = artwork::pixmap(m_imageName);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(rect()), image, QRectF(image.rect()));
}
