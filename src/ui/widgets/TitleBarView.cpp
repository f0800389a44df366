// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleBarView.h"

#include "app/Artwork.h"

#include <QEvent>
#include <QPainter>

TitleBarView::TitleBarView(QWidget *parent)
    : QWidget(parent)
{
}

void TitleBarView::UpdateWindowImage(const QPixmap &image)
{
    m_headImage = image;
    m_imageSet = true;
    update();
}

void TitleBarView::paintEvent(QPaintEvent *)
{
    if (m_headImage.isNull())
        m_headImage = artwork::pixmap(QStringLiteral("tablehead.png"));
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(rect()), m_headImage, QRectF(m_headImage.rect()));
}

void TitleBarView::changeEvent(QEvent *event)
{
    // The default picture follows the palette; one that was set stays.
    if (event->type() == QEvent::PaletteChange && !m_imageSet)
        m_headImage = QPixmap();
    QWidget::changeEvent(event);
}
