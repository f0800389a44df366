// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorldMapView.h"

#include "app/Palette.h"

#include "metadata/LandOutline.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QList<QPolygonF> &sharedOutline()
{
    static const QList<QPolygonF> outline = [] {
        QFile file(QStringLiteral(":/map/land-110m.bin"));
        return file.open(QIODevice::ReadOnly) ? landoutline::parse(file.readAll()) : QList<QPolygonF>();
    }();
    return outline;
}

} // namespace

WorldMapView::WorldMapView(QWidget *parent)
    : QWidget(parent)
    , m_outline(sharedOutline())
{
    setObjectName(QStringLiteral("worldMapView"));
    setMinimumSize(360, 180);
}

void WorldMapView::setPosition(std::optional<QPointF> latitudeLongitude)
{
    m_position = latitudeLongitude;
    update();
}

// The largest 2:1 rectangle that fits, centred.
QRectF WorldMapView::mapRect() const
{
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
    const double width = std::min(area.width(), area.height() * 2);
    const QSizeF size(width, width / 2);
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

QPointF WorldMapView::project(double longitude, double latitude) const
{
    const QRectF r = mapRect();
    return {r.left() + (longitude + 180.0) / 360.0 * r.width(), r.top() + (90.0 - latitude) / 180.0 * r.height()};
}

QPointF WorldMapView::markerPoint() const
{
    return m_position ? project(m_position->y(), m_position->x()) : QPointF();
}

void WorldMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = mapRect();
    painter.fillRect(rect(), palette::surface());
    painter.fillRect(r, QColor(0xDD, 0xE8, 0xF5)); // sea

    QPen grid(QColor(0xC4, 0xD3, 0xE6), 0.6);
    painter.setPen(grid);
    for (int lon = -150; lon <= 150; lon += 30)
        painter.drawLine(project(lon, 90), project(lon, -90));
    for (int lat = -60; lat <= 60; lat += 30)
        painter.drawLine(project(-180, lat), project(180, lat));

    QPainterPath land;
    land.setFillRule(Qt::WindingFill);
    for (const QPolygonF &ring : m_outline) {
        QPolygonF projected;
        projected.reserve(ring.size());
        for (const QPointF &p : ring)
            projected << project(p.x(), p.y());
        land.addPolygon(projected);
    }
    painter.setPen(QPen(QColor(0x8A, 0x9A, 0x7A), 0.7));
    painter.setBrush(QColor(0xE9, 0xEB, 0xDC));
    painter.drawPath(land);

    if (m_position) {
        const QPointF at = markerPoint();
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(QColor(0xD6, 0x3A, 0x2F));
        painter.drawEllipse(at, 6, 6);
        painter.setPen(QPen(QColor(0xD6, 0x3A, 0x2F), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 12, 12);
    }
}
