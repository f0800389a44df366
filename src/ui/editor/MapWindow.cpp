// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapWindow.h"

#include "WorldMapView.h"

#include "app/Palette.h"

#include "metadata/LandOutline.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
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
    connect(mapView, &WorldMapView::positionPicked, this, [this](double latitude, double longitude) {
        describe(latitude, longitude, tr("picked on the map"));
        Q_EMIT positionPicked(latitude, longitude);
    });
}

void MapWindow::showPosition(double latitude, double longitude, const QString &source)
{
    mapView->setPosition(QPointF(latitude, longitude));
    describe(latitude, longitude, source);
}

void MapWindow::showNoPosition()
{
    mapView->setPosition(std::nullopt);
    positionLabel->setText(tr("Click the map to place the photos there."));
    linkLabel->clear();
}

void MapWindow::showBeside(QWidget *owner)
{
    // A child of the owner: in front of it, and not blocked while the owner is modal.
    if (parentWidget() != owner)
        setParent(owner, windowFlags() | Qt::Dialog);
    QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect ownerFrame = owner->frameGeometry();
    QPoint at(ownerFrame.right() + 8, ownerFrame.top());
    if (area.isValid()) {
        // The title bar and most of the map stay on the screen, even over the owner.
        const QSize outer = frameGeometry().size().expandedTo(size() + QSize(8, 34));
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    }
    move(at);
    show();
    raise();
    activateWindow();
}

void MapWindow::describe(double latitude, double longitude, const QString &source)
{
    positionLabel->setText(tr("%1, %2 (%3)")
                               .arg(degreesText(latitude, 'N', 'S'), degreesText(longitude, 'E', 'W'), source));
    const QString url = landoutline::openStreetMapUrl(latitude, longitude).toString();
    linkLabel->setText(tr("<a href=\"%1\">Open this place on openstreetmap.org</a>").arg(url.toHtmlEscaped()));
    linkLabel->setToolTip(url);
}
