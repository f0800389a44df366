// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorldMapView.h"

#include "app/Palette.h"

#include "metadata/LandOutline.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMaxZoom = 64;

const QList<QPolygonF> &sharedOutline()
{
    static const QList<QPolygonF> outline = [] {
        QFile file(QStringLiteral(":/map/land-110m.bin"));
        return file.open(QIODevice::ReadOnly) ? landoutline::continuousRings(landoutline::parse(file.readAll()))
                                              : QList<QPolygonF>();
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
    setCursor(Qt::CrossCursor);
    setToolTip(tr("Click or drag to place the photos; scroll to zoom, drag with the right button to move the map"));
}

void WorldMapView::setPosition(std::optional<QPointF> latitudeLongitude)
{
    m_position = latitudeLongitude;
    update();
}

// The largest 2:1 rectangle that fits, centred: the whole world at zoom 1.
QRectF WorldMapView::mapRect() const
{
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
    const double width = std::min(area.width(), area.height() * 2);
    const QSizeF size(width, width / 2);
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

// Pixels per degree.
double WorldMapView::scale() const
{
    return mapRect().width() / 360.0 * m_zoom;
}

QPointF WorldMapView::project(double longitude, double latitude) const
{
    const QPointF mid = mapRect().center();
    return {mid.x() + (longitude - m_centre.x()) * scale(), mid.y() - (latitude - m_centre.y()) * scale()};
}

QPointF WorldMapView::placeAt(const QPointF &point) const
{
    const QPointF mid = mapRect().center();
    const double longitude = m_centre.x() + (point.x() - mid.x()) / scale();
    const double latitude = m_centre.y() - (point.y() - mid.y()) / scale();
    return {std::clamp(latitude, -90.0, 90.0), std::clamp(longitude, -180.0, 180.0)};
}

QPointF WorldMapView::markerPoint() const
{
    return m_position ? project(m_position->y(), m_position->x()) : QPointF();
}

// The view never shows past the world's edges.
void WorldMapView::keepCentreInside()
{
    const double halfWidth = 180.0 / m_zoom;
    const double halfHeight = 90.0 / m_zoom;
    m_centre.setX(std::clamp(m_centre.x(), -180.0 + halfWidth, 180.0 - halfWidth));
    m_centre.setY(std::clamp(m_centre.y(), -90.0 + halfHeight, 90.0 - halfHeight));
}

void WorldMapView::pick(const QPointF &point)
{
    const QPointF at = placeAt(point);
    setPosition(at);
    Q_EMIT positionPicked(at.x(), at.y());
}

void WorldMapView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && mapRect().contains(event->position())) {
        m_picking = true;
        pick(event->position());
    } else if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
        m_panFrom = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void WorldMapView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_picking) {
        pick(event->position());
    } else if (m_panFrom) {
        const QPointF moved = event->position() - *m_panFrom;
        m_centre -= QPointF(moved.x() / scale(), -moved.y() / scale());
        m_panFrom = event->position();
        keepCentreInside();
        update();
    }
}

void WorldMapView::mouseReleaseEvent(QMouseEvent *)
{
    m_picking = false;
    if (m_panFrom) {
        m_panFrom.reset();
        setCursor(Qt::CrossCursor);
    }
}

void WorldMapView::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    // The place under the pointer stays under it.
    const QPointF under = placeAt(event->position());
    m_zoom = std::clamp(m_zoom * std::pow(1.5, steps), 1.0, kMaxZoom);
    const QPointF mid = mapRect().center();
    m_centre = QPointF(under.y() - (event->position().x() - mid.x()) / scale(),
                       under.x() + (event->position().y() - mid.y()) / scale());
    keepCentreInside();
    update();
    event->accept();
}

void WorldMapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = mapRect();
    painter.fillRect(rect(), palette::surface());
    painter.fillRect(r, QColor(0xDD, 0xE8, 0xF5)); // sea
    painter.setClipRect(r);

    QPen grid(QColor(0xC4, 0xD3, 0xE6), 0.6);
    painter.setPen(grid);
    for (int lon = -150; lon <= 150; lon += 30)
        painter.drawLine(project(lon, 90), project(lon, -90));
    for (int lat = -60; lat <= 60; lat += 30)
        painter.drawLine(project(-180, lat), project(180, lat));

    // Rings that cross the date line reach past ±180; drawn once more a world to the
    // side, their other part shows at the opposite edge, and the clip cuts the rest.
    QPainterPath land;
    land.setFillRule(Qt::WindingFill);
    for (const double offset : {-360.0, 0.0, 360.0}) {
        for (const QPolygonF &ring : m_outline) {
            QPolygonF projected;
            projected.reserve(ring.size());
            for (const QPointF &p : ring)
                projected << project(p.x() + offset, p.y());
            if (projected.boundingRect().intersects(r))
                land.addPolygon(projected);
        }
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
