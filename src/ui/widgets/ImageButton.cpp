#include "ImageButton.h"

#include "app/Artwork.h"

#include <QEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget *parent)
    : QPushButton(parent)
{
}

ImageButton::ImageButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}

void ImageButton::setImage(const QString &name)
{
    m_imageName = name;
    m_image = name.isEmpty() ? QPixmap() : artwork::pixmap(name);
    updateGeometry();
    update();
}

QSize ImageButton::sizeHint() const
{
    if (m_image.isNull())
        return QPushButton::sizeHint();
    return m_image.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent *event)
{
    if (m_image.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF imageSize = m_image.deviceIndependentSize().scaled(size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), imageSize);
    target.moveCenter(QRectF(rect()).center());
    painter.drawPixmap(target, m_image, QRectF(m_image.rect()));
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1.5);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(target.adjusted(1, 1, -1, -1), 6, 6);
    }
}

void ImageButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && !m_imageName.isEmpty())
        m_image = artwork::pixmap(m_imageName);
    QPushButton::changeEvent(event);
}

bool ImageButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange && accessibleName().isEmpty())
        setAccessibleName(toolTip());
    return QPushButton::event(event);
}
