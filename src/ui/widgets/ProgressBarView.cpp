// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressBarView.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// The geometry is that of a y-up drawing system; with h the height, a y-up rectangle
// (x, y, w, hh) sits at y-down (x, h - y - hh, w, hh).
static QRectF flipped(qreal x, qreal y, qreal w, qreal hh, qreal h)
{
    return QRectF(x, h - y - hh, w, hh);
}

ProgressBarView::ProgressBarView(QWidget *parent)
    : QWidget(parent)
{
}

void ProgressBarView::setProgressValue(float value)
{
    m_value = value;
    update();
}

std::optional<QRectF> ProgressBarView::barRect(float value, const QSizeF &frame)
{
    if (!(value > 0.0f && value <= 1.0f))
        return std::nullopt;
    qreal width = qreal(value) * frame.width() - 4;
    if (width <= 0)
        width = 2.0;
    return flipped(2.0, 1.0, width, frame.height() - 4 + 0.5, frame.height());
}

void ProgressBarView::drawBezel(QPainter &painter)
{
    const qreal w = width();
    const qreal h = height();
    painter.save();
    QPainterPath a;
    a.addRoundedRect(flipped(0.5, 0, w - 1, h - 1, h), 8.0, 8.0);
    // The highlight is stroked on the upper half only.
    painter.setClipRect(flipped(0, h / 2, w, h / 2, h));
    painter.strokePath(a, QPen(QColor::fromRgbF(1, 1, 1, 0.2), 1.0));
    painter.restore();

    QPainterPath b;
    b.addRoundedRect(flipped(1.0, -0.5, w, h - 1, h), 8.0, 8.0);
    painter.fillPath(b, QColor::fromRgbF(168 / 255.0, 168 / 255.0, 168 / 255.0, 1.0));
}

void ProgressBarView::drawRect(QPainter &painter)
{
    drawBezel(painter);
    const std::optional<QRectF> bar = barRect(m_value, size());
    if (!bar)
        return;
    QPainterPath path;
    path.addRoundedRect(*bar, 4.0, 4.0);
    // A 90-degree gradient runs from the bottom edge up.
    QLinearGradient gradient(bar->bottomLeft(), bar->topLeft());
    gradient.setColorAt(0, QColor::fromRgbF(230 / 255.0, 231 / 255.0, 232 / 255.0, 1.0));
    gradient.setColorAt(1, QColor::fromRgbF(233 / 255.0, 234 / 255.0, 234 / 255.0, 1.0));
    painter.fillPath(path, gradient);
}

void ProgressBarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawRect(painter);
}
