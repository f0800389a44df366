// SPDX-License-Identifier: GPL-3.0-or-later
#include "TiffBlock.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace imageio {

namespace {

quint64 typeSize(quint16 type)
{
    switch (type) {
    case 1: case 2: case 6: case 7:
        return 1;
    case 3: case 8:
        return 2;
    case 4: case 9: case 11: case 13:
        return 4;
    case 5: case 10: case 12:
        return 8;
    default:
        return 0;
    }
}

// Directories with more entries than this are damage, not photos.
constexpr quint16 kMaxEntries = 1000;

} // namespace

const TiffBlock::Entry *TiffBlock::Directory::find(quint16 tag) const
{
    for (const Entry &e : entries)
        if (e.tag == tag)
            return &e;
    return nullptr;
}

TiffBlock::TiffBlock(QByteArray *bytes)
    : m_bytes(bytes)
{
    if (m_bytes->size() < 8)
        return;
    const char *p = m_bytes->constData();
    if (p[0] == 'I' && p[1] == 'I')
        m_little = true;
    else if (p[0] == 'M' && p[1] == 'M')
        m_little = false;
    else
        return;
    m_valid = get16(2) == 42;
}

quint16 TiffBlock::get16(quint64 at) const
{
    if (!inBounds(at, 2))
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(m_bytes->constData()) + at;
    return m_little ? quint16(p[0] | (p[1] << 8)) : quint16((p[0] << 8) | p[1]);
}

quint32 TiffBlock::get32(quint64 at) const
{
    if (!inBounds(at, 4))
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(m_bytes->constData()) + at;
    return m_little ? (quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24)
                    : (quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]));
}

void TiffBlock::put16(quint64 at, quint16 v)
{
    if (!inBounds(at, 2))
        return;
    auto *p = reinterpret_cast<uchar *>(m_bytes->data()) + at;
    p[m_little ? 0 : 1] = uchar(v & 0xFF);
    p[m_little ? 1 : 0] = uchar(v >> 8);
}

void TiffBlock::put32(quint64 at, quint32 v)
{
    if (!inBounds(at, 4))
        return;
    auto *p = reinterpret_cast<uchar *>(m_bytes->data()) + at;
    for (int i = 0; i < 4; ++i)
        p[m_little ? i : 3 - i] = uchar((v >> (8 * i)) & 0xFF);
}

quint32 TiffBlock::ifd0Offset() const { return m_valid ? get32(4) : 0; }

bool TiffBlock::readDirectory(quint32 offset, Directory *dir) const
{
    if (!m_valid || offset < 8 || !inBounds(offset, 2))
        return false;
    const quint16 count = get16(offset);
    if (count > kMaxEntries || !inBounds(offset + 2, quint64(count) * 12))
        return false;
    dir->offset = offset;
    dir->entries.clear();
    for (quint16 i = 0; i < count; ++i) {
        Entry e;
        e.position = offset + 2 + 12u * i;
        e.tag = get16(e.position);
        e.type = get16(e.position + 2);
        e.count = get32(e.position + 4);
        e.valueSize = typeSize(e.type) * e.count;
        e.valueOffset = e.valueSize <= 4 ? e.position + 8 : get32(e.position + 8);
        dir->entries.append(e);
    }
    return true;
}

quint32 TiffBlock::pointer(const Directory &dir, quint16 tag) const
{
    const Entry *e = dir.find(tag);
    if (!e || (e->type != 4 && e->type != 13) || e->count != 1)
        return 0;
    const quint32 target = get32(e->position + 8);
    Directory probe;
    return readDirectory(target, &probe) ? target : 0;
}

bool TiffBlock::removeEntry(quint32 directoryOffset, quint16 tag)
{
    Directory dir;
    if (!readDirectory(directoryOffset, &dir))
        return false;
    for (int i = 0; i < dir.entries.size(); ++i)
        if (dir.entries.at(i).tag == tag)
            return removeEntryAt(dir, i);
    return false;
}

bool TiffBlock::removeEntryAt(const Directory &dir, int index)
{
    const quint32 directoryOffset = dir.offset;
    const Entry *e = &dir.entries.at(index);
    // Read afresh: an earlier removal from the same directory lowered it.
    const quint16 count = get16(directoryOffset);
    if (index >= count)
        return false;
    const quint64 end = directoryOffset + 2 + quint64(count) * 12; // the next-directory link
    const bool hasLink = inBounds(end, 4);
    char *p = m_bytes->data();
    // Later entries and the link move up by one entry; the directory's tail becomes zero.
    const quint64 tailSize = (end - (e->position + 12)) + (hasLink ? 4 : 0);
    std::memmove(p + e->position, p + e->position + 12, size_t(tailSize));
    std::memset(p + e->position + tailSize, 0, 12);
    put16(directoryOffset, quint16(count - 1));
    return true;
}

void TiffBlock::zero(quint64 at, quint64 size)
{
    if (!inBounds(at, size))
        return;
    char *p = m_bytes->data();
    for (quint64 i = at; i < at + size; ++i) {
        bool kept = false;
        for (const auto &[from, to] : std::as_const(m_kept))
            kept = kept || (i >= from && i < to);
        if (!kept)
            p[i] = 0;
    }
}

void TiffBlock::keepDirectory(quint32 offset, quint32 removed, int depth)
{
    Directory dir;
    if (depth > 4 || offset == removed || !readDirectory(offset, &dir))
        return;
    m_kept.append({offset, offset + 2 + quint64(dir.entries.size()) * 12 + 4});
    for (const Entry &e : std::as_const(dir.entries)) {
        if (e.valueSize > 4)
            m_kept.append({e.valueOffset, e.valueOffset + e.valueSize});
        if (e.tag == ExifPointer || e.tag == GpsPointer || e.tag == InteropPointer)
            if (const quint32 sub = pointer(dir, e.tag); sub && sub != offset)
                keepDirectory(sub, removed, depth + 1);
    }
    // An embedded thumbnail lives wherever IFD1 says.
    const Entry *thumb = dir.find(0x0201);
    const Entry *thumbLength = dir.find(0x0202);
    if (thumb && thumbLength)
        m_kept.append({get32(thumb->valueOffset), quint64(get32(thumb->valueOffset)) + get32(thumbLength->valueOffset)});
    if (depth == 0)
        if (const quint32 next = get32(offset + 2 + quint64(dir.entries.size()) * 12); next && next != offset)
            keepDirectory(next, removed, depth + 1);
}

void TiffBlock::blankDirectory(quint32 offset, int depth)
{
    Directory dir;
    if (depth > 4 || !readDirectory(offset, &dir))
        return;
    for (const Entry &e : std::as_const(dir.entries)) {
        if (e.tag == ExifPointer || e.tag == GpsPointer || e.tag == InteropPointer) {
            const quint32 sub = pointer(dir, e.tag);
            if (sub && sub != offset)
                blankDirectory(sub, depth + 1);
        }
        if (e.valueSize > 4 && e.valueOffset >= 8)
            zero(e.valueOffset, e.valueSize);
    }
    // The entry count, the entries and the link to a next directory (sub-IFDs have none that matter).
    const quint64 size = 2 + quint64(dir.entries.size()) * 12 + 4;
    zero(offset, inBounds(offset, size) ? size : size - 4);
}

bool TiffBlock::removeSubDirectory(quint16 pointerTag)
{
    Directory ifd0;
    if (!readDirectory(ifd0Offset(), &ifd0))
        return false;
    quint32 parent = ifd0.offset;
    Directory dir = ifd0;
    if (pointerTag == InteropPointer) {
        parent = pointer(ifd0, ExifPointer);
        if (!parent || !readDirectory(parent, &dir))
            return false;
    }
    if (!dir.find(pointerTag))
        return false;
    QList<quint32> subs{pointer(dir, pointerTag)};
    if (!removeEntry(parent, pointerTag))
        return false;
    // Some cameras hang an Exif or GPS directory under IFD1 as well: it goes with IFD0's.
    if (pointerTag != InteropPointer) {
        for (const quint32 offset : followingDirectories()) {
            Directory other;
            if (!readDirectory(offset, &other) || !other.find(pointerTag))
                continue;
            subs.append(pointer(other, pointerTag));
            removeEntry(offset, pointerTag);
        }
    }
    for (const quint32 sub : std::as_const(subs)) {
        if (!sub || sub == parent || sub == ifd0.offset)
            continue;
        // Writers share value bytes between directories (IFD1 pointing at the Exif IFD's
        // comment, a GPS IFD inside a maker note's range): what the rest still uses stays.
        m_kept.clear();
        keepDirectory(ifd0.offset, sub);
        blankDirectory(sub);
        m_kept.clear();
    }
    return true;
}

bool TiffBlock::removeValue(quint32 directoryOffset, quint16 tag)
{
    Directory dir;
    if (!readDirectory(directoryOffset, &dir))
        return false;
    const Entry *e = dir.find(tag);
    if (!e)
        return false;
    const Entry entry = *e;
    if (!removeEntry(directoryOffset, tag))
        return false;
    if (entry.valueSize > 4 && entry.valueOffset >= 8) {
        m_kept.clear();
        keepDirectory(ifd0Offset(), 0);
        zero(entry.valueOffset, entry.valueSize);
        m_kept.clear();
    }
    return true;
}

bool TiffBlock::replaceAscii(quint32 directoryOffset, quint16 tag, const QByteArray &text)
{
    Directory dir;
    if (!readDirectory(directoryOffset, &dir))
        return false;
    const Entry *e = dir.find(tag);
    if (!e || e->type != 2 || e->valueSize != quint64(text.size()) + 1 || !inBounds(e->valueOffset, e->valueSize))
        return false;
    std::memcpy(m_bytes->data() + e->valueOffset, text.constData(), size_t(text.size()));
    m_bytes->data()[e->valueOffset + text.size()] = 0;
    return true;
}

void TiffBlock::endTruncatedLinks()
{
    // Some writers end the block right after a directory's entries. Readers take a link they
    // cannot read as the end of the chain, but once data follows, those bytes become a link
    // to a directory that is not there.
    QList<quint32> offsets;
    for (quint32 at = ifd0Offset(); at && offsets.size() < 8 && !offsets.contains(at);) {
        offsets.append(at);
        Directory dir;
        if (!readDirectory(at, &dir))
            break;
        for (const quint16 tag : {quint16(0x8769), quint16(0x8825)})
            if (const quint32 sub = pointer(dir, tag))
                offsets.append(sub);
        at = get32(at + 2 + 12u * quint32(dir.entries.size()));
    }
    for (const quint32 at : std::as_const(offsets)) {
        if (!inBounds(at, 2))
            continue;
        const quint64 link = at + 2 + 12 * quint64(get16(at));
        if (link <= quint64(m_bytes->size()) && link + 4 > quint64(m_bytes->size()))
            m_bytes->append(QByteArray(qsizetype(link + 4 - quint64(m_bytes->size())), '\0'));
    }
}

void TiffBlock::keepMakerNoteReachClear()
{
    // Zeros read as an empty directory or a zero value, where the grown data would be taken
    // for the maker note's own. A damaged offset far beyond stays uncovered: no edit grows
    // the block that much.
    const quint64 reach = makerNoteReachPastEnd();
    if (reach > size() && reach - size() <= 0x10000) {
        m_bytes->append(QByteArray(qsizetype(reach - size()), '\0'));
        m_clearedTo = reach;
    }
}

quint32 TiffBlock::append(const QByteArray &data)
{
    if (!m_grown) {
        m_grown = true;
        endTruncatedLinks();
        keepMakerNoteReachClear();
    }
    if (m_bytes->size() % 2)
        m_bytes->append('\0');
    const quint32 at = quint32(m_bytes->size());
    m_bytes->append(data);
    return at;
}

bool TiffBlock::insertEntry(quint64 reference, quint16 tag, quint16 type, quint32 count, const QByteArray &value)
{
    return insertEntries(reference, {Field{tag, type, count, value}});
}

quint32 TiffBlock::appendValue(const QByteArray &value)
{
    if (value.size() > 4) {
        const quint32 at = append(value);
        return m_little ? qToLittleEndian(at) : qToBigEndian(at);
    }
    quint32 field = 0;
    std::memcpy(&field, value.constData(), size_t(value.size()));
    return field;
}

bool TiffBlock::insertEntries(quint64 reference, QList<Field> fields)
{
    quint64 grows = 0;
    for (const Field &f : std::as_const(fields))
        grows += quint64(f.value.size()) + 16;
    if (!inBounds(reference, 4) || quint64(m_bytes->size()) + grows > 0xFFFFFFFFu)
        return false;
    const quint32 from = get32(reference);
    Directory dir;
    if (from && !readDirectory(from, &dir))
        return false;
    if (dir.entries.size() + fields.size() > kMaxEntries)
        return false;
    for (const Field &f : std::as_const(fields))
        if (dir.find(f.tag))
            return false;
    std::sort(fields.begin(), fields.end(), [](const Field &a, const Field &b) { return a.tag < b.tag; });
    QList<quint32> stored;
    for (const Field &f : std::as_const(fields))
        stored.append(appendValue(f.value));
    const quint32 next = from ? get32(from + 2 + 12u * quint32(dir.entries.size())) : 0;
    const qsizetype total = dir.entries.size() + fields.size();
    const quint32 to = append(QByteArray(2 + 12 * total + 4, '\0'));
    put16(to, quint16(total));
    quint32 at = to + 2;
    int k = 0;
    auto putNew = [&] {
        const Field &f = fields.at(k);
        put16(at, f.tag);
        put16(at + 2, f.type);
        put32(at + 4, f.count);
        std::memcpy(m_bytes->data() + at + 8, &stored.at(k), 4);
        at += 12;
        ++k;
    };
    for (const Entry &e : std::as_const(dir.entries)) {
        while (k < fields.size() && fields.at(k).tag < e.tag)
            putNew();
        // Read again: the appends above may have moved the buffer, not the offsets.
        std::memcpy(m_bytes->data() + at, m_bytes->constData() + e.position, 12);
        at += 12;
    }
    while (k < fields.size())
        putNew();
    put32(at, next);
    put32(reference, to);
    if (from)
        m_leftovers.append({from, 2 + 12 * quint64(dir.entries.size()) + 4});
    return true;
}

quint32 TiffBlock::appendDirectory(QList<Field> fields)
{
    std::sort(fields.begin(), fields.end(), [](const Field &a, const Field &b) { return a.tag < b.tag; });
    QList<quint32> stored;
    for (const Field &f : std::as_const(fields))
        stored.append(appendValue(f.value));
    const quint32 to = append(QByteArray(2 + 12 * fields.size() + 4, '\0'));
    put16(to, quint16(fields.size()));
    for (int k = 0; k < fields.size(); ++k) {
        const quint32 at = to + 2 + 12u * quint32(k);
        put16(at, fields.at(k).tag);
        put16(at + 2, fields.at(k).type);
        put32(at + 4, fields.at(k).count);
        std::memcpy(m_bytes->data() + at + 8, &stored.at(k), 4);
    }
    return to;
}

void TiffBlock::writeField(const Entry &e, const Field &f)
{
    const quint64 size = quint64(f.value.size());
    const bool inPlace = size > 4 && size == e.valueSize && e.valueOffset >= 8 && inBounds(e.valueOffset, size);
    if (e.valueSize > 4 && !inPlace)
        m_leftovers.append({e.valueOffset, e.valueSize});
    put16(e.position + 2, f.type);
    put32(e.position + 4, f.count);
    if (inPlace) {
        std::memcpy(m_bytes->data() + e.valueOffset, f.value.constData(), size_t(size));
    } else {
        const quint32 field = appendValue(f.value);
        std::memcpy(m_bytes->data() + e.position + 8, &field, 4);
    }
}

qint64 TiffBlock::referenceTo(Ifd ifd) const
{
    if (ifd == Ifd::Ifd0)
        return 4;
    Directory parent;
    if (!readDirectory(ifd0Offset(), &parent))
        return -1;
    if (ifd == Ifd::Interop) {
        const Entry *exif = parent.find(ExifPointer);
        if (!exif)
            return 0;
        if (!pointer(parent, ExifPointer) || !readDirectory(pointer(parent, ExifPointer), &parent))
            return -1;
    }
    const quint16 tag = ifd == Ifd::Exif ? ExifPointer : ifd == Ifd::Gps ? GpsPointer : InteropPointer;
    const Entry *e = parent.find(tag);
    if (!e)
        return 0;
    return pointer(parent, tag) ? qint64(e->position) + 8 : -1;
}

QList<quint32> TiffBlock::followingDirectories() const
{
    QList<quint32> chain{ifd0Offset()};
    Directory dir;
    while (chain.size() <= kMaxEntries && readDirectory(chain.last(), &dir)) {
        const quint32 next = get32(dir.offset + 2 + 12ull * quint64(dir.entries.size()));
        if (!next || chain.contains(next) || !readDirectory(next, &dir))
            break;
        chain.append(next);
    }
    chain.removeFirst();
    return chain;
}

bool TiffBlock::setFields(Ifd ifd, const QList<Field> &fields)
{
    const qint64 reference = m_valid ? referenceTo(ifd) : -1;
    if (reference < 0)
        return false; // a pointer that leads nowhere is not ours to repair
    QList<Field> added;
    for (const Field &f : fields)
        if (f.type)
            added.append(f);
    if (reference == 0) {
        if (added.isEmpty())
            return true;
        const quint32 at = appendDirectory(added);
        const quint16 tag = ifd == Ifd::Exif ? ExifPointer : ifd == Ifd::Gps ? GpsPointer : InteropPointer;
        QByteArray offset(4, Qt::Uninitialized);
        if (m_little)
            qToLittleEndian(at, offset.data());
        else
            qToBigEndian(at, offset.data());
        return setFields(ifd == Ifd::Interop ? Ifd::Exif : Ifd::Ifd0, {Field{tag, 4, 1, offset}});
    }
    for (const Field &f : fields)
        if (!f.type)
            removeValue(get32(quint64(reference)), f.tag);
    Directory dir;
    const quint32 from = get32(quint64(reference));
    if (!readDirectory(from, &dir))
        return false;
    QList<Field> inserted;
    for (const Field &f : std::as_const(added)) {
        if (const Entry *e = dir.find(f.tag))
            writeField(*e, f);
        else
            inserted.append(f);
    }
    if (inserted.isEmpty())
        return true;
    if (!insertEntries(quint64(reference), inserted))
        return false;
    if (ifd == Ifd::Ifd0) {
        // exiftool gives IFD1 no more room than IFD0 has before the block ends; with IFD0 now
        // last, a larger IFD1 would read as cut short.
        quint64 needed = 0;
        for (const quint32 offset : followingDirectories())
            needed = std::max<quint64>(needed, 2 + 12ull * get16(offset) + 4);
        const quint64 room = quint64(m_bytes->size()) - ifd0Offset();
        if (room < needed)
            m_bytes->append(QByteArray(qsizetype(needed - room), '\0'));
    }
    // Some cameras point IFD1 at IFD0's Exif or GPS directory as well; it follows the move.
    if (ifd == Ifd::Exif || ifd == Ifd::Gps) {
        const quint16 tag = ifd == Ifd::Exif ? ExifPointer : GpsPointer;
        for (const quint32 offset : followingDirectories()) {
            Directory other;
            if (!readDirectory(offset, &other))
                continue;
            if (const Entry *e = other.find(tag); e && get32(e->position + 8) == from)
                put32(e->position + 8, get32(quint64(reference)));
        }
    }
    return true;
}

quint64 TiffBlock::makerNoteReachPastEnd() const
{
    Directory ifd0, exif;
    if (!readDirectory(ifd0Offset(), &ifd0) || !readDirectory(pointer(ifd0, ExifPointer), &exif))
        return 0;
    const Entry *note = exif.find(0x927C);
    if (!note || note->valueSize <= 4 || !inBounds(note->valueOffset, note->valueSize))
        return 0;
    const QByteArray head = m_bytes->mid(note->valueOffset, 32);
    // Maker notes start with a maker's header, then a directory; some (Nikon's) carry a TIFF
    // header of their own, and their offsets count from it.
    quint64 base = 0;
    QList<quint64> starts;
    for (const int skip : {0, 6, 8, 10, 12, 14, 18}) {
        if (head.mid(skip, 4) == QByteArray(m_little ? "II*\0" : "MM\0*", 4)) {
            base = note->valueOffset + quint64(skip);
            starts = {base + get32(base + 4)};
            break;
        }
        starts.append(note->valueOffset + quint64(skip));
    }
    const bool nikon = head.startsWith("Nikon");
    for (const quint64 start : std::as_const(starts)) {
        Directory dir;
        if (start > 0xFFFFFFFFu || !readDirectory(quint32(start), &dir) || dir.entries.isEmpty()
            || std::any_of(dir.entries.begin(), dir.entries.end(), [](const Entry &e) { return !e.validType(); }))
            continue;
        quint64 reach = 0;
        for (const Entry &e : std::as_const(dir.entries)) {
            const quint64 at = e.valueSize > 4 ? base + get32(e.position + 8) : 0;
            if (at + e.valueSize > size())
                reach = std::max(reach, at + e.valueSize);
            // Sub-directories of the maker note: their entry holds where they are.
            const bool subDirectory = e.type == 13 || (nikon && (e.tag == 0x0011 || e.tag == 0x0E10));
            // Its entry count and, should a reader follow it, its next-directory link.
            if (subDirectory && e.count == 1 && base + get32(e.position + 8) + 6 > size())
                reach = std::max(reach, base + get32(e.position + 8) + 6);
        }
        return reach;
    }
    return 0;
}

void TiffBlock::clearLeftovers()
{
    m_kept.clear();
    keepDirectory(ifd0Offset(), 0);
    for (const auto &[at, size] : std::as_const(m_leftovers))
        zero(at, size);
    m_kept.clear();
    m_leftovers.clear();
}

void TiffBlock::leaveRoomAfterIfd0()
{
    const quint64 room = size() - qMin<quint64>(size(), ifd0Offset());
    quint64 needed = 0;
    for (const quint32 at : followingDirectories())
        needed = std::max<quint64>(needed, 2 + 12 * quint64(get16(at)));
    if (needed > room)
        m_bytes->append(QByteArray(qsizetype(needed - room), '\0'));
}

bool TiffBlock::copyToPages(quint16 tag)
{
    Directory ifd0;
    if (!readDirectory(ifd0Offset(), &ifd0))
        return false;
    QByteArray value;
    const Entry *wanted = ifd0.find(tag);
    if (wanted) {
        if (!wanted->validType() || !inBounds(wanted->valueOffset, wanted->valueSize))
            return false;
        value = m_bytes->mid(wanted->valueOffset, qsizetype(wanted->valueSize));
    }
    // `reference` is the link to the page at hand; an inserted entry moves the directory
    // and that link with it, so the next link is read from where the page is now.
    quint64 reference = ifd0.offset + 2 + 12ull * quint64(ifd0.entries.size());
    QList<quint32> seen{ifd0.offset};
    while (inBounds(reference, 4)) {
        const quint32 offset = get32(reference);
        if (offset == 0 || seen.contains(offset) || seen.size() > kMaxEntries)
            break; // the chain ends, or loops back on itself
        seen.append(offset);
        Directory page;
        if (!readDirectory(offset, &page))
            break; // a link into nothing: no reader finds a page there either
        const Entry *held = page.find(tag);
        if (held && wanted && held->type == wanted->type && held->count == wanted->count) {
            const quint64 at = held->valueSize <= 4 ? held->position + 8 : held->valueOffset;
            if (!inBounds(at, quint64(qMax<qsizetype>(value.size(), 4))))
                return false;
            if (held->valueSize <= 4)
                std::memset(m_bytes->data() + at, 0, 4);
            std::memcpy(m_bytes->data() + at, value.constData(), size_t(value.size()));
        } else {
            if (held && !removeValue(offset, tag))
                return false;
            if (wanted && !insertEntry(reference, tag, wanted->type, wanted->count, value))
                return false;
        }
        Directory moved;
        if (!readDirectory(get32(reference), &moved))
            return false;
        seen.append(moved.offset);
        reference = moved.offset + 2 + 12ull * quint64(moved.entries.size());
    }
    return true;
}

bool TiffBlock::addAscii(quint16 tag, bool inExif, const QByteArray &text)
{
    if (!m_valid)
        return false;
    const QByteArray value = text + '\0';
    const quint32 count = quint32(value.size());
    if (!inExif)
        return insertEntry(4, tag, 2, count, value);
    Directory ifd0;
    if (!readDirectory(ifd0Offset(), &ifd0))
        return false;
    if (const Entry *pointerEntry = ifd0.find(ExifPointer)) {
        if (!pointer(ifd0, ExifPointer))
            return false; // a pointer that leads nowhere is not ours to repair
        return insertEntry(pointerEntry->position + 8, tag, 2, count, value);
    }
    // No Exif IFD yet: one with the tags every Exif IFD must carry (version 2.32,
    // Flashpix 1.0, uncalibrated colour: nothing is claimed), behind a new pointer.
    QByteArray fresh(2 + 3 * 12 + 4, '\0');
    const quint32 empty = append(fresh);
    put16(empty, 3);
    const struct {
        quint16 tag, type;
        const char *value;
    } required[] = {{0x9000, 7, "0232"}, {0xA000, 7, "0100"}, {0xA001, 3, nullptr}};
    for (int i = 0; i < 3; ++i) {
        const quint32 at = empty + 2 + 12u * quint32(i);
        put16(at, required[i].tag);
        put16(at + 2, required[i].type);
        put32(at + 4, required[i].value ? 4 : 1);
        if (required[i].value)
            std::memcpy(m_bytes->data() + at + 8, required[i].value, 4);
        else
            put16(at + 8, 0xFFFF);
    }
    QByteArray offset(4, Qt::Uninitialized);
    if (m_little)
        qToLittleEndian(empty, offset.data());
    else
        qToBigEndian(empty, offset.data());
    if (!insertEntry(4, ExifPointer, 4, 1, offset))
        return false;
    Directory moved;
    if (!readDirectory(ifd0Offset(), &moved) || !moved.find(ExifPointer))
        return false;
    return insertEntry(moved.find(ExifPointer)->position + 8, tag, 2, count, value);
}

bool TiffBlock::replaceUnsigned(quint32 directoryOffset, quint16 tag, quint32 value)
{
    Directory dir;
    if (!readDirectory(directoryOffset, &dir))
        return false;
    const Entry *e = dir.find(tag);
    if (!e || e->count != 1)
        return false;
    if (e->type == 3 && value <= 0xFFFF)
        put16(e->valueOffset, quint16(value));
    else if (e->type == 4)
        put32(e->valueOffset, value);
    else
        return false;
    return true;
}

QList<TiffBlock::Dropped> TiffBlock::dropInvalidEntries()
{
    QList<Dropped> dropped;
    Directory ifd0;
    if (!readDirectory(ifd0Offset(), &ifd0))
        return dropped;
    struct Named {
        quint32 offset;
        const char *name;
        const char *group;
    };
    QList<Named> dirs{{ifd0.offset, "IFD0", "Image"}};
    if (const quint32 exif = pointer(ifd0, ExifPointer)) {
        dirs.append({exif, "ExifIFD", "Photo"});
        Directory exifDir;
        if (readDirectory(exif, &exifDir))
            if (const quint32 interop = pointer(exifDir, InteropPointer))
                dirs.append({interop, "InteropIFD", "Iop"});
    }
    if (const quint32 gps = pointer(ifd0, GpsPointer))
        dirs.append({gps, "GPS", "GPSInfo"});
    for (const Named &named : std::as_const(dirs)) {
        Directory dir;
        if (!readDirectory(named.offset, &dir))
            continue;
        // From the last entry back, so removing one never moves those still to check.
        for (int i = int(dir.entries.size()) - 1; i >= 0; --i) {
            const Entry &e = dir.entries.at(i);
            if (e.validType())
                continue;
            if (removeEntryAt(dir, i))
                dropped.append({named.name, named.group, e.tag, e.type});
        }
    }
    return dropped;
}

} // namespace imageio
