// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class WorldMapView;

// The map window (`mapWindow`): where a position lies on the world map, its
// coordinates in words and a link that opens it on openstreetmap.org.
class MapWindow : public QDialog
{
    Q_OBJECT
public:
    explicit MapWindow(QWidget *parent = nullptr);

    // Latitude and longitude in signed degrees; `source` says where they come from.
    void showPosition(double latitude, double longitude, const QString &source);

    WorldMapView *mapView = nullptr;
    QLabel *positionLabel = nullptr;
    QLabel *linkLabel = nullptr;
};
