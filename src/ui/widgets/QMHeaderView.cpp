#include "QMHeaderView.h"

#include "app/Artwork.h"

#include <QEvent>
#include <QPainter>

QMHeaderView::QMHeaderView(QWidget *parent)
    : QWidget(parent)
{
}

void QMHeaderView::UpdateWindowImage(const QPixmap &image)
{
    m_headImage = image;
    m_imageSet = true;
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

void QMHeaderView::changeEvent(QEvent *event)
{
    // The default picture follows the palette; one that was set stays.
    if (event->type() == QEvent::PaletteChange && !m_imageSet)
        m_headImage = QPixmap();
    QWidget::changeEvent(event);
}
