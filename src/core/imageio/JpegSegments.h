// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: a JPEG's marker segments before its image data, read
// without decoding pixels, so metadata segments can be kept, patched or dropped one by one
// and everything else written back byte for byte.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace imageio {

struct JpegSegment {
    enum Kind { Exif, Xmp, ExtendedXmp, Icc, Iptc, Mpf, Jfif, Adobe, OtherApp, Comment, Structure };
    uchar marker = 0;
    Kind kind = Structure;
    QByteArray raw; // bytes before the marker (padding), the marker, its length and its payload
    int padding = 0;
    QByteArray payload() const;
    // Builds a segment from its payload (at most 65533 bytes).
    static JpegSegment make(uchar marker, const QByteArray &payload);
};

struct JpegFile {
    QList<JpegSegment> segments; // from after SOI to before the first scan

    // From the first SOS marker to the end of the file, as stored: a view of the parsed
    // bytes (shared, never copied; the image data is most of a photo).
    QByteArrayView imageData() const { return QByteArrayView(m_bytes).sliced(m_imageDataStart); }

    // False (with a reason) when the bytes are not a JPEG whose segments can be followed.
    bool parse(const QByteArray &bytes, QString *error);
    // SOI and the segments: everything of the file but its image data (with room for
    // `reserve` more bytes).
    QByteArray head(qsizetype reserve = 0) const;
    QByteArray assemble() const;

    int count(JpegSegment::Kind kind) const;
    void removeAll(JpegSegment::Kind kind);

private:
    QByteArray m_bytes;
    qsizetype m_imageDataStart = 0;
};

// The part of a JPEG's XMP too large for one segment: a packet of its own, split over
// segments that each carry its GUID (the MD5 of the packet, which the main packet names as
// xmpNote:HasExtendedXMP), its length and where the part goes.
struct ExtendedXmp {
    QByteArray guid;
    QByteArray packet;
    QList<qsizetype> segments; // indexes into JpegFile::segments
};
// Every extended packet of `file`; false when the parts of one do not add up to it.
bool extendedXmpPackets(const JpegFile &file, QList<ExtendedXmp> *packets);
// The segments holding `packet`, and its GUID.
QList<JpegSegment> extendedXmpSegments(const QByteArray &packet, QByteArray *guid);

// Exif and standard XMP bodies after their identifying headers.
inline constexpr char kXmpHeader[] = "http://ns.adobe.com/xap/1.0/";
inline constexpr int kXmpHeaderSize = 29;
inline constexpr char kIptcHeader[] = "Photoshop 3.0";
inline constexpr int kIptcHeaderSize = 14;
inline constexpr int kMaxSegmentPayload = 65533;

} // namespace imageio
