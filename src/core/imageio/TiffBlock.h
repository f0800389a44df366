// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: a TIFF structure (the body of an Exif segment) edited in
// place. Every change keeps the block's size and the position of everything it does not
// touch, so offsets elsewhere (maker notes, thumbnails) stay valid byte for byte.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace imageio {

class TiffBlock
{
public:
    enum Tag : quint16 {
        ExifPointer = 0x8769,
        GpsPointer = 0x8825,
        InteropPointer = 0xA005,
        Orientation = 0x0112,
        DateTime = 0x0132,
        DateTimeOriginal = 0x9003,
        DateTimeDigitized = 0x9004,
        PixelXDimension = 0xA002,
        PixelYDimension = 0xA003,
        IptcNaa = 0x83BB, // IPTC data some cameras keep in IFD0
    };

    struct Entry {
        quint32 position = 0; // of the 12-byte entry in the block
        quint16 tag = 0;
        quint16 type = 0;
        quint32 count = 0;
        quint32 valueOffset = 0; // where the value starts: inside the entry when it fits 4 bytes
        quint64 valueSize = 0;
        bool validType() const { return type >= 1 && type <= 13; }
    };
    struct Directory {
        quint32 offset = 0;
        QList<Entry> entries;
        const Entry *find(quint16 tag) const;
    };

    // `bytes` is the TIFF block (from its byte-order mark on); edits change it in place.
    explicit TiffBlock(QByteArray *bytes);
    bool isValid() const { return m_valid; }

    // IFD0, and the directories its pointers lead to (zero when absent or out of bounds).
    bool readDirectory(quint32 offset, Directory *dir) const;
    quint32 ifd0Offset() const;
    quint32 pointer(const Directory &dir, quint16 tag) const;

    // Removes the entry from its directory by moving the later entries up; the freed
    // 12 bytes become zero. Nothing else moves.
    bool removeEntry(quint32 directoryOffset, quint16 tag);
    // Zeroes a directory, its values and the directories it points to: what was removed
    // is gone from the file, not only unreachable.
    void blankDirectory(quint32 offset, int depth = 0);
    // Removes an entry and zeroes its value, as far as nothing else uses the bytes.
    bool removeValue(quint32 directoryOffset, quint16 tag);
    // Removes the pointer entry from IFD0 (or the Exif IFD for Interop) and blanks its directory.
    bool removeSubDirectory(quint16 pointerTag);

    // Replaces an ASCII value by one of the same stored length (text plus its terminating zero).
    bool replaceAscii(quint32 directoryOffset, quint16 tag, const QByteArray &text);
    // Adds an ASCII entry the block lacks (creating the Exif IFD when `inExif` and it is
    // absent). The block grows: the changed directory is copied to the end with the new
    // entry, and what pointed to it points to the copy, so nothing else moves.
    bool addAscii(quint16 tag, bool inExif, const QByteArray &text);
    // Replaces a one-value SHORT or LONG; false when absent or when the value does not fit its type.
    bool replaceUnsigned(quint32 directoryOffset, quint16 tag, quint32 value);

    // The directories a metadata edit reaches.
    enum class Ifd { Ifd0, Exif, Gps, Interop };
    struct Field {
        quint16 tag = 0;
        quint16 type = 0; // 0: the entry is removed
        quint32 count = 0;
        QByteArray value; // in the block's byte order
    };
    // Sets and removes entries of one directory, creating it (and its pointer) when absent.
    // A value that fits where the old one was is written there; a longer value, a new entry
    // and a new directory go to the end of the block, and only the pointers to what moved
    // change, so everything addressed by absolute offsets (maker notes, thumbnails) stays
    // valid byte for byte. False, the block then partly edited, when a pointer on the way
    // leads nowhere or a directory is full.
    bool setFields(Ifd ifd, const QList<Field> &fields);
    // Zeroes the values and directory tables that setFields left behind and nothing uses any
    // more: an old position must not stay readable to anyone who looks at the bytes.
    void clearLeftovers();
    // ExifTool reads the directories that follow IFD0 (the thumbnail's) within the room IFD0
    // has up to the end of the block: once IFD0 moved to the end, a larger one would read as
    // cut short. Pads the block to give them that room.
    void leaveRoomAfterIfd0();
    bool littleEndian() const { return m_little; }
    quint64 size() const { return quint64(m_bytes->size()); }
    // An Exif, GPS or Interop pointer that leads to no directory.
    bool hasDamagedPointer() const
    {
        return referenceTo(Ifd::Exif) < 0 || referenceTo(Ifd::Gps) < 0 || referenceTo(Ifd::Interop) < 0;
    }
    // The furthest end of a maker-note value that lies past the end of the block (a damaged
    // offset), as far as the maker note reads as a directory; 0 when there is none. Once the
    // block grows over it, readers would take the grown bytes for that value, so the first
    // growth pads the block with zeros up to a reach not too far away.
    quint64 makerNoteReachPastEnd() const;
    bool keptClearUpTo(quint64 reach) const { return reach <= m_clearedTo; }

    // Gives every directory after IFD0 in its chain (the further pages of a TIFF file)
    // IFD0's value of `tag`, or removes the tag from them where IFD0 has none.
    bool copyToPages(quint16 tag);

    // Removes entries of no valid TIFF type from IFD0, the Exif, GPS and Interop IFDs.
    struct Dropped {
        const char *directory; // as exiftool names it
        const char *exivGroup;
        quint16 tag;
        quint16 type;
    };
    QList<Dropped> dropInvalidEntries();

    quint16 get16(quint64 at) const;
    quint32 get32(quint64 at) const;

private:
    // Copies the directory at the offset stored at `reference` to the end, with a new entry
    // holding `value` (appended when longer than 4 bytes), and points `reference` at the copy.
    bool insertEntry(quint64 reference, quint16 tag, quint16 type, quint32 count, const QByteArray &value);
    bool insertEntries(quint64 reference, QList<Field> fields);
    quint32 appendDirectory(QList<Field> fields);
    quint32 appendValue(const QByteArray &value); // the entry's 4-byte field: inline, or an offset
    void writeField(const Entry &entry, const Field &field);
    // Where the offset of the directory is stored; 0 when it is absent, -1 when its pointer is damaged.
    qint64 referenceTo(Ifd ifd) const;
    // The directories after IFD0 in its chain (the thumbnail's IFD1, further pages).
    QList<quint32> followingDirectories() const;
    quint32 append(const QByteArray &data); // at an even offset; returns it
    // Pads the block so a directory whose next-directory link the block cut off reads as the last.
    void endTruncatedLinks();
    void keepMakerNoteReachClear();
    bool removeEntryAt(const Directory &dir, int index);
    // Zeroes bytes, except those a directory still in use refers to.
    void zero(quint64 at, quint64 size);
    void keepDirectory(quint32 offset, quint32 removed, int depth = 0);
    void put16(quint64 at, quint16 v);
    void put32(quint64 at, quint32 v);
    bool inBounds(quint64 at, quint64 size) const { return at <= quint64(m_bytes->size()) && size <= quint64(m_bytes->size()) - at; }

    QByteArray *m_bytes;
    bool m_little = true;
    bool m_valid = false;
    bool m_grown = false;
    quint64 m_clearedTo = 0;
    QList<std::pair<quint64, quint64>> m_kept; // [from, to) ranges zero() leaves alone
    QList<std::pair<quint64, quint64>> m_leftovers; // (offset, size) that setFields no longer uses
};

// Exif segment bodies start with this header before the TIFF block.
inline constexpr char kExifHeader[] = "Exif\0\0";
inline constexpr int kExifHeaderSize = 6;

} // namespace imageio
