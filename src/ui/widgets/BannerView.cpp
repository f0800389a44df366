// SPDX-License-Identifier: GPL-3.0-or-later
#include "BannerView.h"

#include "app/Artwork.h"

#include <QPainter>

BannerView::BannerView(QWidget *parent)
    : QWidget(parent)
{
}

void BannerView::paintEvent(QPaintEvent *)
{
    const QPixmap banner = artwork::pixmap(QStringLiteral("windowtopbanner.png"));
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(rect()), banner, QRectF(banner.rect()));
}
