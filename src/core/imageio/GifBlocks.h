// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: a GIF's blocks, walked without decoding pixels, so its
// XMP application extensions can be read, replaced, added or dropped and every other block
// written back byte for byte. XMP is the only metadata a GIF holds.

#include <QByteArray>
#include <QList>
#include <QString>

namespace imageio {

struct XmpChange;

struct GifBlock {
    enum Kind { Screen, Extension, Xmp, Image, Trailer };
    Kind kind = Screen;
    uchar label = 0; // an extension's label (0xF9 graphic control, 0xFF application)
    qsizetype offset = 0;
    qsizetype size = 0;
};

struct GifFile {
    // The header with the logical screen and its colour table, then every extension and
    // image to the trailer; bytes after the trailer are kept as they are.
    QList<GifBlock> blocks;

    // False when the bytes are not a GIF whose blocks can be followed to its trailer.
    bool parse(const QByteArray &bytes);
    // The packet an XMP extension holds: stored raw after its identifier, up to the trailer
    // that lets a reader of sub-blocks skip it.
    QByteArray xmpPacket(const GifBlock &block) const;
    QList<QByteArray> xmpPackets() const;
    // The packet readers take: the first that holds anything (some writers leave extensions
    // of padding alone); empty when none does.
    QByteArray mainXmpPacket() const;

private:
    QByteArray m_bytes;
};

// The XMP extension holding `packet`.
QByteArray gifXmpExtension(const QByteArray &packet);

// Whether the bytes start as a GIF does.
bool isGif(const QByteArray &bytes);

enum class GifEditOutcome { Done, Unchanged, Failed };

// The copy of `gif` with `change` made in every XMP extension: one left with nothing goes,
// and where the change sets values and no extension holds any, a new packet with them goes
// into the first XMP extension or, with none, a new one before the first image. Unchanged
// when nothing is to be stored; Failed with a reason when the blocks cannot be followed or
// a packet cannot be rewritten.
GifEditOutcome editGifXmp(const QByteArray &gif, const XmpChange &change, QByteArray *out, QString *error);

// Empty when `copy` keeps every block of `source` but the XMP extensions as stored and each
// packet it holds reads as the change meant; else the fault.
QString checkGifCopy(const QByteArray &source, const QByteArray &copy, const XmpChange &change);

} // namespace imageio
