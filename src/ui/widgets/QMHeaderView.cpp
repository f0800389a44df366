#include "QMHeaderView.h"

#include "app/Artwork.h"

#include <QPainter>

QMHeaderView::QMHeaderView(QWidget *parent)
    : QWidget(parent)
{
}

void QMHeaderView::UpdateWindowImage(const QPixmap &image)
{
    m_headImage = image;
    update();
}

void QMHeaderView::paintEvent(QPaintEvent *)
{
    if (m_headImage.isNull())
        m_headImage = artwork::pixmap(QStringLiteral("tablehead.png"));
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(rect()), m_headImage, QRectF(m_headImage.rect()));
}
