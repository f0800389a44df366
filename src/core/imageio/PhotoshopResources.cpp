// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoshopResources.h"

namespace imageio {

namespace {

quint32 be(const QByteArray &b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | uchar(b.at(at + i));
    return v;
}

bool knownSignature(const QByteArray &b, qsizetype at)
{
    const QByteArray sig = b.mid(at, 4);
    return sig == "8BIM" || sig == "PHUT" || sig == "AgHg" || sig == "DCSR";
}

} // namespace

bool parsePhotoshopResources(const QByteArray &block, QList<PhotoshopResource> *resources)
{
    resources->clear();
    qsizetype i = 0;
    const qsizetype n = block.size();
    while (i < n) {
        if (n - i < 12 || !knownSignature(block, i))
            return false;
        const qsizetype start = i;
        PhotoshopResource r;
        r.id = quint16(be(block, i + 4, 2));
        const qsizetype nameLength = uchar(block.at(i + 6));
        qsizetype at = i + 6 + ((nameLength + 2) & ~qsizetype(1)); // Pascal name padded to even
        if (at + 4 > n)
            return false;
        const qsizetype size = be(block, at, 4);
        at += 4;
        if (size > n - at)
            return false;
        r.data = block.mid(at, size);
        at += size + (size & 1);
        i = qMin(at, n);
        r.raw = block.mid(start, i - start);
        resources->append(r);
    }
    return true;
}

QByteArray photoshopResource(quint16 id, const QByteArray &data)
{
    QByteArray out("8BIM");
    out.append(char(id >> 8)).append(char(id & 0xFF));
    out.append(2, '\0'); // empty name, padded
    const quint32 size = quint32(data.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((size >> shift) & 0xFF));
    out.append(data);
    if (size & 1)
        out.append('\0');
    return out;
}

bool parseIptcDataSets(const QByteArray &stream, QList<IptcDataSet> *dataSets)
{
    dataSets->clear();
    qsizetype i = 0;
    const qsizetype n = stream.size();
    while (i < n) {
        if (stream.at(i) == '\0') {
            // Padding after the last dataset, as some writers leave it.
            for (qsizetype j = i; j < n; ++j)
                if (stream.at(j) != '\0')
                    return false;
            return true;
        }
        if (uchar(stream.at(i)) != 0x1C || n - i < 5)
            return false;
        IptcDataSet d;
        d.record = quint8(stream.at(i + 1));
        d.number = quint8(stream.at(i + 2));
        qsizetype length = be(stream, i + 3, 2);
        qsizetype header = 5;
        if (length & 0x8000) {
            // Extended dataset: the low bits say how many bytes hold the length.
            const int lengthBytes = int(length & 0x7FFF);
            if (lengthBytes < 1 || lengthBytes > 4 || n - i < 5 + lengthBytes)
                return false;
            length = be(stream, i + 5, lengthBytes);
            header += lengthBytes;
        }
        if (length > n - i - header)
            return false;
        d.raw = stream.mid(i, header + length);
        dataSets->append(d);
        i += header + length;
    }
    return true;
}

} // namespace imageio
