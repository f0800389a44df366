// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifBlocks.h"

#include "XmpEdit.h"

#include <QCoreApplication>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(GifBlocks)
};

constexpr char kXmpIdentifier[] = "XMP DataXMP";
constexpr qsizetype kXmpHeaderSize = 3 + 11; // introducer, label, block size, identifier

// 0x01, 0xFF down to 0x00, and the block terminator: wherever a reader of sub-blocks lands
// in it, the length it reads there takes it to the terminator.
QByteArray magicTrailer()
{
    QByteArray trailer(258, '\0');
    trailer[0] = '\x01';
    for (int i = 1; i <= 256; ++i)
        trailer[i] = char(256 - i);
    return trailer;
}

// The end of the sub-blocks starting at `at` (after their terminator); -1 when they run past
// the end of the bytes.
qsizetype subBlocksEnd(const QByteArray &bytes, qsizetype at)
{
    while (at < bytes.size()) {
        const uchar length = uchar(bytes.at(at));
        at += 1 + length;
        if (length == 0)
            return at;
    }
    return -1;
}

// A real packet declares the RDF namespace; some writers leave an extension with only
// padding, which holds nothing an edit could change.
bool holdsProperties(const QByteArray &packet)
{
    return packet.contains("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
}

} // namespace

bool isGif(const QByteArray &bytes)
{
    return bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
}

bool GifFile::parse(const QByteArray &bytes)
{
    blocks.clear();
    m_bytes = bytes;
    if (!isGif(bytes) || bytes.size() < 13)
        return false;
    const auto colourTable = [](uchar flags) { return flags & 0x80 ? 3 * (qsizetype(2) << (flags & 7)) : 0; };
    qsizetype at = 13 + colourTable(uchar(bytes.at(10)));
    blocks.append({GifBlock::Screen, 0, 0, at});
    while (at < bytes.size()) {
        GifBlock block;
        block.offset = at;
        qsizetype end = -1;
        switch (uchar(bytes.at(at))) {
        case 0x21:
            if (at + 2 > bytes.size())
                return false;
            block.kind = GifBlock::Extension;
            block.label = uchar(bytes.at(at + 1));
            if (block.label == 0xFF && bytes.mid(at + 2, 12) == QByteArray("\x0B") + kXmpIdentifier) {
                block.kind = GifBlock::Xmp;
                end = subBlocksEnd(bytes, at + kXmpHeaderSize);
            } else {
                end = subBlocksEnd(bytes, at + 2);
            }
            break;
        case 0x2C:
            if (at + 10 > bytes.size())
                return false;
            block.kind = GifBlock::Image;
            // The descriptor, its colour table and the LZW code size, then the data's sub-blocks.
            end = subBlocksEnd(bytes, at + 10 + colourTable(uchar(bytes.at(at + 9))) + 1);
            break;
        case 0x3B:
            blocks.append({GifBlock::Trailer, 0, at, 1});
            return true;
        default:
            return false;
        }
        if (end < 0 || end > bytes.size())
            return false;
        block.size = end - at;
        blocks.append(block);
        at = end;
    }
    return false;
}

QByteArray GifFile::xmpPacket(const GifBlock &block) const
{
    // The sub-block walk ended on the terminator; a packet written without the trailer is
    // everything before that, as other readers take it.
    const QByteArray stored = m_bytes.mid(block.offset + kXmpHeaderSize, block.size - kXmpHeaderSize);
    static const QByteArray trailer = magicTrailer();
    return stored.endsWith(trailer) ? stored.chopped(trailer.size()) : stored.chopped(1);
}

QList<QByteArray> GifFile::xmpPackets() const
{
    QList<QByteArray> packets;
    for (const GifBlock &b : blocks)
        if (b.kind == GifBlock::Xmp)
            packets << xmpPacket(b);
    return packets;
}

QByteArray GifFile::mainXmpPacket() const
{
    for (const QByteArray &p : xmpPackets())
        if (holdsProperties(p))
            return p;
    return {};
}

QByteArray gifXmpExtension(const QByteArray &packet)
{
    return QByteArray("\x21\xFF\x0B") + kXmpIdentifier + packet + magicTrailer();
}

GifEditOutcome editGifXmp(const QByteArray &gif, const XmpChange &change, QByteArray *out, QString *error)
{
    GifFile file;
    if (!file.parse(gif)) {
        // Nothing to store and nothing that could hold what a removal takes: the file as it is.
        if (change.sets.isEmpty() && !gif.contains(kXmpIdentifier))
            return GifEditOutcome::Unchanged;
        *error = Text::tr("the GIF file is damaged: its blocks cannot be followed to its end");
        return GifEditOutcome::Failed;
    }
    QList<QByteArray> pieces;
    bool changedAny = false, heldAny = false;
    qsizetype firstXmp = -1, firstImage = -1;
    for (const GifBlock &b : std::as_const(file.blocks)) {
        if (b.kind == GifBlock::Image && firstImage < 0)
            firstImage = pieces.size();
        if (b.kind != GifBlock::Xmp) {
            pieces << gif.mid(b.offset, b.size);
            continue;
        }
        if (firstXmp < 0)
            firstXmp = pieces.size();
        QByteArray packet = file.xmpPacket(b);
        if (!holdsProperties(packet)) {
            pieces << gif.mid(b.offset, b.size);
            continue;
        }
        heldAny = true;
        bool changed = false;
        if (!editXmpProperties(packet, change, &changed, error))
            return GifEditOutcome::Failed;
        changedAny = changedAny || changed;
        if (!changed)
            pieces << gif.mid(b.offset, b.size);
        else if (!packet.trimmed().isEmpty())
            pieces << gifXmpExtension(packet);
        else
            pieces << QByteArray(); // nothing left: the extension goes
    }
    if (!heldAny && !change.sets.isEmpty()) {
        QByteArray packet;
        bool made = false; // not when the edit only empties values, which takes nothing here
        if (!editXmpProperties(packet, change, &made, error))
            return GifEditOutcome::Failed;
        if (made && firstXmp >= 0) {
            pieces[firstXmp] = gifXmpExtension(packet);
        } else if (made) {
            // Before the first image and the graphic control extension that goes with it;
            // a looping animation's NETSCAPE extension, right after the screen, stays first.
            qsizetype at = firstImage < 0 ? pieces.size() - 1 : firstImage;
            while (at > 1 && file.blocks.at(at - 1).kind == GifBlock::Extension && file.blocks.at(at - 1).label == 0xF9)
                --at;
            pieces.insert(at, gifXmpExtension(packet));
        }
        changedAny = made;
    }
    if (!changedAny)
        return GifEditOutcome::Unchanged;
    const GifBlock &last = file.blocks.constLast();
    QByteArray result;
    for (const QByteArray &p : std::as_const(pieces))
        result += p;
    result += gif.mid(last.offset + last.size); // what follows the trailer
    *out = std::move(result);
    return GifEditOutcome::Done;
}

QString checkGifCopy(const QByteArray &source, const QByteArray &copy, const XmpChange &change)
{
    GifFile before, after;
    if (!before.parse(source) || !after.parse(copy))
        return Text::tr("the GIF copy's blocks cannot be followed");
    const auto others = [](const GifFile &file, const QByteArray &bytes) {
        QList<QByteArray> kept;
        for (const GifBlock &b : file.blocks)
            if (b.kind != GifBlock::Xmp)
                kept << bytes.mid(b.offset, b.size);
        const GifBlock &last = file.blocks.constLast();
        return kept << bytes.mid(last.offset + last.size);
    };
    if (others(before, source) != others(after, copy))
        return Text::tr("the GIF copy's image blocks differ from the source's");
    for (QByteArray packet : after.xmpPackets()) {
        bool changed = false;
        QString error;
        if (holdsProperties(packet) && (!editXmpProperties(packet, change, &changed, &error) || changed))
            return Text::tr("an XMP extension of the GIF copy does not hold what the edit meant");
    }
    return {};
}

} // namespace imageio
