// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPolygonF>
#include <QWidget>

#include <optional>

// A flat (equirectangular) world map drawn from the shipped coastline outline, with
// a marker at one position. Needs no network: the outline is a resource.
// A click or a drag with the left button moves the marker and reports the place
// (positionPicked); the wheel zooms about the pointer; the right or middle button pans.
class WorldMapView : public QWidget
{
    Q_OBJECT
public:
    explicit WorldMapView(QWidget *parent = nullptr);

    // Latitude and longitude in degrees; nothing clears the marker.
    void setPosition(std::optional<QPointF> latitudeLongitude);
    std::optional<QPointF> position() const { return m_position; }
    bool hasOutline() const { return !m_outline.isEmpty(); }
    // Where the marker is drawn, in widget coordinates (tests).
    QPointF markerPoint() const;
    // Widget point of a place, and the place (latitude, longitude) under a widget point.
    QPointF project(double longitude, double latitude) const;
    QPointF placeAt(const QPointF &point) const;
    double zoom() const { return m_zoom; }

    QSize sizeHint() const override { return {540, 280}; }

Q_SIGNALS:
    // The user put the marker here (latitude, longitude in degrees).
    void positionPicked(double latitude, double longitude);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QRectF mapRect() const;
    double scale() const;
    void keepCentreInside();
    void pick(const QPointF &point);

    QList<QPolygonF> m_outline;
    std::optional<QPointF> m_position;
    double m_zoom = 1;
    QPointF m_centre; // longitude, latitude shown in the middle
    std::optional<QPointF> m_panFrom;
    bool m_picking = false;
};
