// SPDX-License-Identifier: GPL-3.0-or-later
#include "LandOutline.h"

#include <QtEndian>

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

QUrl openStreetMapUrl(double latitude, double longitude)
{
    const QString lat = QString::number(latitude, 'f', 6);
    const QString lon = QString::number(longitude, 'f', 6);
    return QUrl(QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=12/%1/%2").arg(lat, lon));
}

} // namespace landoutline
