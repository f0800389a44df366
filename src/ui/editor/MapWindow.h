// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class WorldMapView;

// The map window (`mapWindow`): where a position lies on the world map, its
// coordinates in words and a link that opens it on openstreetmap.org. A place picked on
// the map is shown the same way and reported (positionPicked).
class MapWindow : public QDialog
{
    Q_OBJECT
public:
    explicit MapWindow(QWidget *parent = nullptr);

    // Latitude and longitude in signed degrees; `source` says where they come from.
    void showPosition(double latitude, double longitude, const QString &source);
    // No marker yet: the window waits for a pick.
    void showNoPosition();
    // Shows the window beside `owner`, as far as the screen allows, in front of it.
    void showBeside(QWidget *owner);

    WorldMapView *mapView = nullptr;
    QLabel *positionLabel = nullptr;
    QLabel *linkLabel = nullptr;

Q_SIGNALS:
    // The user picked this place on the map (degrees).
    void positionPicked(double latitude, double longitude);

private:
    void describe(double latitude, double longitude, const QString &source);
};
