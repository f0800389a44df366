// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: the image resources of an APP13 segment and the IPTC
// datasets inside them, kept as stored bytes so that what an edit does not touch is
// written back unchanged (a re-encoded IPTC time gains a zone, and the digest goes stale).

#include <QByteArray>
#include <QList>

namespace imageio {

struct PhotoshopResource {
    quint16 id = 0;
    QByteArray raw; // the whole resource: signature, id, name, size, data and padding
    QByteArray data;
};

inline constexpr quint16 kIptcResource = 0x0404;
inline constexpr quint16 kIptcDigestResource = 0x0425;

// False when the resources do not parse to the end of the block.
bool parsePhotoshopResources(const QByteArray &block, QList<PhotoshopResource> *resources);
QByteArray photoshopResource(quint16 id, const QByteArray &data);

struct IptcDataSet {
    quint8 record = 0;
    quint8 number = 0;
    QByteArray raw; // tag marker, record, number, length and value
};

// False when the stream is not a sequence of IPTC datasets.
bool parseIptcDataSets(const QByteArray &stream, QList<IptcDataSet> *dataSets);

} // namespace imageio
