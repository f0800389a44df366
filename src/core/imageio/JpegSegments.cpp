// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegSegments.h"

#include "TiffBlock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QMap>
#include <QtEndian>

#include <algorithm>

namespace imageio {

namespace {

JpegSegment::Kind kindOf(uchar marker, QByteArrayView payload)
{
    auto starts = [&](const char *header, int size) { return payload.startsWith(QByteArrayView(header, size)); };
    switch (marker) {
    case 0xE0:
        return starts("JFIF\0", 5) || starts("JFXX\0", 5) ? JpegSegment::Jfif : JpegSegment::OtherApp;
    case 0xE1:
        if (starts(kExifHeader, kExifHeaderSize) || starts("Exif\0\xff", 6))
            return JpegSegment::Exif;
        if (starts(kXmpHeader, kXmpHeaderSize))
            return JpegSegment::Xmp;
        if (starts("http://ns.adobe.com/xmp/extension/\0", 35))
            return JpegSegment::ExtendedXmp;
        return JpegSegment::OtherApp;
    case 0xE2:
        if (starts("ICC_PROFILE\0", 12))
            return JpegSegment::Icc;
        return starts("MPF\0", 4) ? JpegSegment::Mpf : JpegSegment::OtherApp;
    case 0xED:
        return starts(kIptcHeader, kIptcHeaderSize) ? JpegSegment::Iptc : JpegSegment::OtherApp;
    case 0xEE:
        return starts("Adobe", 5) ? JpegSegment::Adobe : JpegSegment::OtherApp;
    case 0xFE:
        return JpegSegment::Comment;
    default:
        return marker >= 0xE0 && marker <= 0xEF ? JpegSegment::OtherApp : JpegSegment::Structure;
    }
}

} // namespace

QByteArray JpegSegment::payload() const
{
    return raw.size() > padding + 4 ? raw.mid(padding + 4) : QByteArray();
}

JpegSegment JpegSegment::make(uchar marker, const QByteArray &payload)
{
    JpegSegment s;
    s.marker = marker;
    s.kind = kindOf(marker, payload);
    const int length = int(payload.size()) + 2;
    s.raw.reserve(length + 2);
    s.raw.append(char(0xFF)).append(char(marker)).append(char(length >> 8)).append(char(length & 0xFF));
    s.raw.append(payload);
    return s;
}

bool JpegFile::parse(const QByteArray &bytes, QString *error)
{
    auto fail = [&](const char *why) {
        if (error)
            *error = QCoreApplication::translate("JpegSegments", why);
        return false;
    };
    segments.clear();
    m_bytes.clear();
    m_imageDataStart = 0;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return fail(QT_TRANSLATE_NOOP("JpegSegments", "not a JPEG file"));
    qsizetype i = 2;
    qsizetype start = i; // where the current segment's raw bytes (with padding) begin
    while (i + 1 < n) {
        if (p[i] != 0xFF || p[i + 1] == 0xFF) {
            ++i;
            continue;
        }
        // Fill bytes (0xFF) before a marker are part of the stream and stay with the next
        // segment. Other bytes between segments belong to none: often the tail of a segment
        // whose length field is short, an XMP packet with a position say. A copy must not
        // carry what no reader sees and no removal reaches, so they are dropped.
        qsizetype fill = i;
        while (fill > start && p[fill - 1] == 0xFF)
            --fill;
        start = fill;
        const uchar marker = p[i + 1];
        if (marker == 0xDA || marker == 0xD9) {
            m_bytes = bytes;
            m_imageDataStart = start;
            return true;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            JpegSegment s;
            s.marker = marker;
            s.raw = bytes.mid(start, i + 2 - start);
            segments.append(s);
            i += 2;
            start = i;
            continue;
        }
        if (i + 3 >= n)
            return fail(QT_TRANSLATE_NOOP("JpegSegments", "a JPEG segment is cut short"));
        const qsizetype length = (qsizetype(p[i + 2]) << 8) | p[i + 3];
        if (length < 2 || i + 2 + length > n)
            return fail(QT_TRANSLATE_NOOP("JpegSegments", "a JPEG segment runs past the end of the file"));
        JpegSegment s;
        s.marker = marker;
        s.padding = int(i - start);
        s.raw = bytes.mid(start, i + 2 + length - start);
        s.kind = kindOf(marker, QByteArrayView(bytes).sliced(i + 4, length - 2));
        segments.append(s);
        i += 2 + length;
        start = i;
    }
    return fail(QT_TRANSLATE_NOOP("JpegSegments", "the JPEG has no image data"));
}

QByteArray JpegFile::head(qsizetype reserve) const
{
    qsizetype size = 2 + reserve;
    for (const JpegSegment &s : segments)
        size += s.raw.size();
    QByteArray out;
    out.reserve(size);
    out.append(char(0xFF)).append(char(0xD8));
    for (const JpegSegment &s : segments)
        out.append(s.raw);
    return out;
}

QByteArray JpegFile::assemble() const
{
    const QByteArrayView image = imageData();
    QByteArray out = head(image.size());
    out.append(image);
    return out;
}

int JpegFile::count(JpegSegment::Kind kind) const
{
    int n = 0;
    for (const JpegSegment &s : segments)
        n += s.kind == kind ? 1 : 0;
    return n;
}

void JpegFile::removeAll(JpegSegment::Kind kind)
{
    segments.removeIf([kind](const JpegSegment &s) { return s.kind == kind; });
}

namespace {

constexpr char kExtendedXmpHeader[] = "http://ns.adobe.com/xmp/extension/";
constexpr int kExtendedXmpHeaderSize = 35;
constexpr int kExtendedXmpPrefix = kExtendedXmpHeaderSize + 32 + 8; // the GUID, the length, the offset

} // namespace

bool extendedXmpPackets(const JpegFile &file, QList<ExtendedXmp> *packets)
{
    struct Part {
        quint32 offset;
        QByteArray data;
    };
    QMap<QByteArray, QList<Part>> parts;
    QMap<QByteArray, quint32> lengths;
    QMap<QByteArray, QList<qsizetype>> segments;
    for (qsizetype i = 0; i < file.segments.size(); ++i) {
        if (file.segments.at(i).kind != JpegSegment::ExtendedXmp)
            continue;
        const QByteArray payload = file.segments.at(i).payload();
        if (payload.size() < kExtendedXmpPrefix)
            return false;
        const QByteArray guid = payload.mid(kExtendedXmpHeaderSize, 32);
        const quint32 length = qFromBigEndian<quint32>(payload.constData() + kExtendedXmpHeaderSize + 32);
        if (lengths.contains(guid) && lengths.value(guid) != length)
            return false;
        lengths.insert(guid, length);
        parts[guid].append({qFromBigEndian<quint32>(payload.constData() + kExtendedXmpHeaderSize + 36),
                            payload.mid(kExtendedXmpPrefix)});
        segments[guid].append(i);
    }
    for (auto it = parts.begin(); it != parts.end(); ++it) {
        std::sort(it->begin(), it->end(), [](const Part &a, const Part &b) { return a.offset < b.offset; });
        ExtendedXmp packet{it.key(), {}, segments.value(it.key())};
        for (const Part &part : std::as_const(*it)) {
            if (part.offset != quint32(packet.packet.size()))
                return false;
            packet.packet += part.data;
        }
        if (quint32(packet.packet.size()) != lengths.value(it.key()))
            return false;
        packets->append(packet);
    }
    return true;
}

QList<JpegSegment> extendedXmpSegments(const QByteArray &packet, QByteArray *guid)
{
    *guid = QCryptographicHash::hash(packet, QCryptographicHash::Md5).toHex().toUpper();
    QByteArray length(4, Qt::Uninitialized);
    qToBigEndian(quint32(packet.size()), length.data());
    QList<JpegSegment> out;
    const qsizetype room = kMaxSegmentPayload - kExtendedXmpPrefix;
    for (qsizetype at = 0; at == 0 || at < packet.size(); at += room) {
        QByteArray offset(4, Qt::Uninitialized);
        qToBigEndian(quint32(at), offset.data());
        out.append(JpegSegment::make(0xE1, QByteArray(kExtendedXmpHeader, kExtendedXmpHeaderSize) + *guid + length
                                               + offset + packet.mid(at, room)));
    }
    return out;
}

} // namespace imageio
