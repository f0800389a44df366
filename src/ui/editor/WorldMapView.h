// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPolygonF>
#include <QWidget>

#include <optional>

// A flat (equirectangular) world map drawn from the shipped coastline outline, with
// a marker at one position. Needs no network: the outline is a resource.
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

    QSize sizeHint() const override { return {540, 280}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF mapRect() const;
    QPointF project(double longitude, double latitude) const;

    QList<QPolygonF> m_outline;
    std::optional<QPointF> m_position;
};
