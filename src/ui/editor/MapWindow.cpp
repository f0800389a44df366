// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapWindow.h"

#include "WorldMapView.h"

#include "app/Palette.h"

#include "metadata/LandOutline.h"

#include <QLabel>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString degreesText(double value, char positive, char negative)
{
    return QStringLiteral("%1° %2").arg(std::fabs(value), 0, 'f', 5).arg(QLatin1Char(value < 0 ? negative : positive));
}

} // namespace

MapWindow::MapWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("mapWindow"));
    setWindowTitle(tr("Map"));
    setPalette(palette::lightPalette());

    mapView = new WorldMapView(this);
    positionLabel = new QLabel(this);
    positionLabel->setObjectName(QStringLiteral("positionLabel"));
    linkLabel = new QLabel(this);
    linkLabel->setObjectName(QStringLiteral("linkLabel"));
    linkLabel->setTextFormat(Qt::RichText);
    linkLabel->setOpenExternalLinks(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mapView, 1);
    layout->addWidget(positionLabel);
    layout->addWidget(linkLabel);
    resize(580, 380);
}

void MapWindow::showPosition(double latitude, double longitude, const QString &source)
{
    mapView->setPosition(QPointF(latitude, longitude));
    positionLabel->setText(tr("%1, %2 (%3)")
                               .arg(degreesText(latitude, 'N', 'S'), degreesText(longitude, 'E', 'W'), source));
    const QString url = landoutline::openStreetMapUrl(latitude, longitude).toString();
    linkLabel->setText(tr("<a href=\"%1\">Open this place on openstreetmap.org</a>").arg(url.toHtmlEscaped()));
    linkLabel->setToolTip(url);
}
