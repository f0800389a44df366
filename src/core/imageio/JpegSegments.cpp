// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegSegments.h"

#include "TiffBlock.h"

#include <QCoreApplication>

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

} // namespace imageio
