// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPolygonF>
#include <QUrl>

// The world's coastlines the map window draws, and where it sends the user for a
// closer look. Points are (longitude, latitude) in degrees.
namespace landoutline {

// Rings of the shipped outline file (format in scripts/make-land-map.py); empty when
// the bytes are not such a file or are cut short.
QList<QPolygonF> parse(const QByteArray &bytes);

// The rings with their longitudes made continuous where they cross the date line (they
// then reach past ±180; drawing them again 360° to the side fills the other edge), and
// a ring that circles a pole closed along that pole's edge, so each fills as one area.
QList<QPolygonF> continuousRings(const QList<QPolygonF> &rings);

// The position on openstreetmap.org, zoomed to a town's scale.
QUrl openStreetMapUrl(double latitude, double longitude);

} // namespace landoutline
