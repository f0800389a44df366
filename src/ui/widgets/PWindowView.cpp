// SPDX-License-Identifier: GPL-3.0-or-later
#include "PWindowView.h"

#include "app/Artwork.h"

#include <QPainter>

PWindowView::PWindowView(QWidget *parent)
    : QWidget(parent)
{
}

void PWindowView::paintEvent(QPaintEvent *)
{
    const QPixmap banner = artwork::pixmap(QStringLiteral("windowtopbanner.png"));
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(rect()), banner, QRectF(banner.rect()));
}
