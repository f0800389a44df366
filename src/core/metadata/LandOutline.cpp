// SPDX-License-Identifier: GPL-3.0-or-later
#include "LandOutline.h"

#include <QtEndian>

#include <cmath>

namespace landoutline {

QList<QPolygonF> parse(const QByteArray &bytes)
{
    static const QByteArray magic("GLMLAND1");
    if (!bytes.startsWith(magic))
        return {};
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    qsizetype at = magic.size();
    const qsizetype size = bytes.size();
    auto readCount = [&](quint32 *out) {
        if (size - at < 4)
            return false;
        *out = qFromLittleEndian<quint32>(p + at);
        at += 4;
        return true;
    };
    quint32 rings = 0;
    if (!readCount(&rings))
        return {};
    QList<QPolygonF> outline;
    for (quint32 r = 0; r < rings; ++r) {
        quint32 points = 0;
        if (!readCount(&points) || qint64(points) * 4 > size - at)
            return {};
        QPolygonF ring;
        ring.reserve(points);
        for (quint32 i = 0; i < points; ++i, at += 4)
            ring << QPointF(qFromLittleEndian<qint16>(p + at) / 100.0, qFromLittleEndian<qint16>(p + at + 2) / 100.0);
        outline.append(ring);
    }
    return at == size ? outline : QList<QPolygonF>();
}

QList<QPolygonF> continuousRings(const QList<QPolygonF> &rings)
{
    QList<QPolygonF> out;
    out.reserve(rings.size());
    for (const QPolygonF &ring : rings) {
        if (ring.isEmpty())
            continue;
        // A step of more than half the world is the outline crossing the date line, not a
        // coast that long: carry on past ±180 instead of jumping back.
        QPolygonF continuous;
        continuous.reserve(ring.size() + 2);
        double shift = 0;
        continuous << ring.first();
        for (qsizetype i = 1; i < ring.size(); ++i) {
            const double step = ring.at(i).x() - ring.at(i - 1).x();
            if (step > 180)
                shift -= 360;
            else if (step < -180)
                shift += 360;
            continuous << QPointF(ring.at(i).x() + shift, ring.at(i).y());
        }
        // A ring that goes once round the world (Antarctica) encloses a pole: close it
        // along the map's edge there.
        if (std::abs(shift) > 180) {
            double sum = 0;
            for (const QPointF &p : ring)
                sum += p.y();
            const double pole = sum < 0 ? -90 : 90;
            continuous << QPointF(continuous.last().x(), pole) << QPointF(continuous.first().x(), pole);
        }
        out.append(continuous);
    }
    return out;
}

QUrl openStreetMapUrl(double latitude, double longitude)
{
    const QString lat = QString::number(latitude, 'f', 6);
    const QString lon = QString::number(longitude, 'f', 6);
    return QUrl(QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=12/%1/%2").arg(lat, lon));
}

} // namespace landoutline
