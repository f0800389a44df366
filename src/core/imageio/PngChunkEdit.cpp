// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngChunkEdit.h"

#include "ExifColour.h"
#include "ExifEdits.h"
#include "JpegMetadataEdit.h"
#include "PhotoshopResources.h"
#include "ImageDestination.h"
#include "ImageSource.h"
#include "OverlayPlan.h"
#include "TiffBlock.h"
#include "XmpEdit.h"

#include <QCoreApplication>
#include <QList>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PngChunkEdit)
};

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kSignatureSize = 8;

struct Chunk {
    QByteArray type;
    QByteArray data;
    QByteArray raw; // length, type, data and CRC as stored; empty once the chunk changed
    bool dropped = false;

    void setData(const QByteArray &d)
    {
        data = d;
        raw.clear();
    }
    QByteArray bytes() const
    {
        if (!raw.isEmpty())
            return raw;
        QByteArray out(4, Qt::Uninitialized);
        qToBigEndian(quint32(data.size()), out.data());
        out += type + data;
        uLong crc = crc32(0, reinterpret_cast<const Bytef *>(type.constData()), uInt(type.size()));
        crc = crc32(crc, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size()));
        QByteArray tail(4, Qt::Uninitialized);
        qToBigEndian(quint32(crc), tail.data());
        return out + tail;
    }
};

bool parseChunks(const QByteArray &png, QList<Chunk> *chunks)
{
    if (!png.startsWith(QByteArray(kSignature, kSignatureSize)))
        return false;
    qsizetype at = kSignatureSize;
    while (at < png.size()) {
        if (png.size() - at < 12)
            return false;
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint64(png.size() - at - 12))
            return false;
        Chunk c;
        c.type = png.mid(at + 4, 4);
        c.data = png.mid(at + 8, length);
        c.raw = png.mid(at, 12 + length);
        chunks->append(c);
        at += 12 + length;
        if (c.type == "IEND")
            break;
    }
    // Bytes after IEND are not ours to judge; they stay.
    if (at < png.size())
        chunks->append(Chunk{QByteArray(), QByteArray(), png.mid(at)});
    return true;
}

bool inflateAll(const QByteArray &in, QByteArray *out)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    z.avail_in = uInt(in.size());
    char buffer[16384];
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = reinterpret_cast<Bytef *>(buffer);
        z.avail_out = sizeof buffer;
        rc = inflate(&z, Z_NO_FLUSH);
        out->append(buffer, qsizetype(sizeof buffer - z.avail_out));
        if (rc == Z_BUF_ERROR && z.avail_in == 0)
            break;
    }
    inflateEnd(&z);
    return rc == Z_STREAM_END;
}

QByteArray deflateAll(const QByteArray &in)
{
    uLongf size = compressBound(uLong(in.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(in.constData()),
                  uLong(in.size()), Z_BEST_COMPRESSION)
        != Z_OK)
        return {};
    out.resize(qsizetype(size));
    return out;
}

// A text chunk split into its keyword, the bytes before the text and the text itself
// (inflated when the chunk stores it compressed).
struct TextChunk {
    QByteArray keyword;
    QByteArray prefix;
    QByteArray text;
    bool compressed = false;
};

bool readText(const Chunk &c, TextChunk *t)
{
    const qsizetype nul = c.data.indexOf('\0');
    if (nul < 0)
        return false;
    t->keyword = c.data.left(nul);
    qsizetype at = nul + 1;
    if (c.type == "zTXt") {
        at += 1; // compression method
        t->compressed = true;
    } else if (c.type == "iTXt") {
        if (c.data.size() < at + 2)
            return false;
        t->compressed = c.data.at(at) != 0;
        at += 2;
        for (int field = 0; field < 2; ++field) { // language tag, translated keyword
            const qsizetype end = c.data.indexOf('\0', at);
            if (end < 0)
                return false;
            at = end + 1;
        }
    } else if (c.type != "tEXt") {
        return false;
    }
    if (at > c.data.size())
        return false;
    t->prefix = c.data.left(at);
    const QByteArray stored = c.data.mid(at);
    if (!t->compressed) {
        t->text = stored;
        return true;
    }
    return inflateAll(stored, &t->text);
}

bool writeText(Chunk &c, const TextChunk &t)
{
    QByteArray stored = t.text;
    if (t.compressed) {
        stored = deflateAll(t.text);
        if (stored.isEmpty())
            return false;
    }
    c.setData(t.prefix + stored);
    return true;
}

bool isTextChunk(const Chunk &c) { return c.type == "tEXt" || c.type == "zTXt" || c.type == "iTXt"; }

// Removals and value edits of one TIFF block.
bool patchTiff(QByteArray *tiff, const OverlayPlan &plan, const ExifEdits *exact)
{
    TiffBlock block(tiff);
    if (!block.isValid())
        return false;
    removeInPlace(block, plan);
    QString why;
    return exact ? applyExifEdits(block, *exact, &why) : patchValuesInPlace(block, plan);
}

// A "Raw profile" text: a line with the profile name, one with its length, then hex digits
// over many lines. The patched bytes go back into the same digits, so the layout stays;
// a block that had to grow is handed back in *grown instead.
bool patchRawExifProfile(QByteArray *text, const OverlayPlan &plan, const ExifEdits *exact, QByteArray *grown)
{
    QList<qsizetype> digits;
    qsizetype at = 0;
    for (int line = 0; line < 3 && at >= 0; ++line)
        at = text->indexOf('\n', at) + 1; // past the leading newline, the name and the length
    if (at <= 0)
        return false;
    QByteArray hex;
    for (qsizetype i = at; i < text->size(); ++i) {
        if (isxdigit(uchar(text->at(i)))) {
            digits.append(i);
            hex.append(text->at(i));
        }
    }
    if (hex.size() % 2)
        return false;
    QByteArray bytes = QByteArray::fromHex(hex);
    const int skip = bytes.startsWith(QByteArray(kExifHeader, kExifHeaderSize)) ? kExifHeaderSize : 0;
    QByteArray tiff = bytes.mid(skip);
    const qsizetype size = tiff.size();
    if (!patchTiff(&tiff, plan, exact))
        return false;
    if (tiff.size() != size) {
        *grown = tiff;
        return true;
    }
    bytes = bytes.left(skip) + tiff;
    const bool upper = hex != hex.toLower();
    QByteArray patched = bytes.toHex();
    if (upper)
        patched = patched.toUpper();
    for (qsizetype i = 0; i < digits.size(); ++i)
        (*text)[digits.at(i)] = patched.at(i);
    return true;
}

// The hex digits of a "Raw profile" text as bytes (after its name and length lines).
QByteArray rawProfileBytes(const QByteArray &text)
{
    qsizetype at = 0;
    for (int line = 0; line < 3 && at >= 0; ++line)
        at = text.indexOf('\n', at) + 1;
    if (at <= 0)
        return {};
    QByteArray hex;
    for (qsizetype i = at; i < text.size(); ++i)
        if (isxdigit(uchar(text.at(i))))
            hex.append(text.at(i));
    return QByteArray::fromHex(hex);
}

// A "Raw profile" text as other tools write it: name, length, then hex in lines of 72 digits.
QByteArray rawProfileText(const char *name, const QByteArray &bytes)
{
    QByteArray text = QByteArray("\n") + name + '\n' + QByteArray::number(bytes.size()).rightJustified(8, ' ') + '\n';
    const QByteArray hex = bytes.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 72)
        text += hex.mid(i, 72) + '\n';
    return text;
}

// The IPTC datasets of a "Raw profile type iptc" text: image resources as Photoshop keeps
// them, or the bare datasets.
bool iptcDataSetsOf(const QByteArray &profile, QList<IptcDataSet> *sets)
{
    if (!profile.startsWith("8BIM"))
        return parseIptcDataSets(profile, sets);
    QList<PhotoshopResource> resources;
    if (!parsePhotoshopResources(profile, &resources))
        return false;
    for (const PhotoshopResource &r : std::as_const(resources))
        if (r.id == kIptcResource && !parseIptcDataSets(r.data, sets))
            return false;
    return true;
}

// Writes the plan's IPTC changes into the photo's IPTC profile chunk, or a new one before
// the image data; datasets the edit does not touch keep their bytes.
bool editPngIptc(QList<Chunk> &chunks, const ImageSource &source, const OverlayPlan &plan, QString *error)
{
    int home = -1;
    QList<IptcDataSet> original;
    for (int i = 0; i < chunks.size() && home < 0; ++i) {
        TextChunk t;
        if (!isTextChunk(chunks.at(i)) || !readText(chunks.at(i), &t) || t.keyword.toLower() != "raw profile type iptc")
            continue;
        if (!iptcDataSetsOf(rawProfileBytes(t.text), &original)) {
            *error = Text::tr("the IPTC data cannot be read, so it cannot be edited");
            return false;
        }
        home = i;
    }
    QByteArray stream;
    if (!composeIptc(original, source, plan, &stream, error))
        return false;
    Chunk c;
    c.type = "zTXt";
    TextChunk t{"Raw profile type iptc", QByteArray("Raw profile type iptc\0\0", 23),
                rawProfileText("iptc", photoshopResource(kIptcResource, stream)), true};
    if (!writeText(c, t)) {
        *error = Text::tr("the IPTC data cannot be compressed");
        return false;
    }
    if (home >= 0) {
        chunks[home] = c;
        return true;
    }
    for (int i = 0; i < chunks.size(); ++i)
        if (chunks.at(i).type == "IDAT" || chunks.at(i).type == "IEND") {
            chunks.insert(i, c);
            return true;
        }
    *error = Text::tr("the PNG chunks cannot be read");
    return false;
}

// Where the walk over the chunks leaves the Exif block: whether one took the edit, and
// a block for a new eXIf chunk.
struct ExifBlock {
    bool patched = false;
    QByteArray added;
};

// Done means the chunk is settled and the walk goes on.
PngEditOutcome editExifChunk(Chunk &c, const OverlayPlan &plan, const ExifEdits *exact, ExifBlock *exif)
{
    const QByteArray data = c.data;
    const int skip = data.startsWith(QByteArray(kExifHeader, kExifHeaderSize)) ? kExifHeaderSize : 0;
    QByteArray tiff = data.mid(skip);
    if (!patchTiff(&tiff, plan, exact))
        return PngEditOutcome::NotApplicable;
    if (tiff != data.mid(skip))
        c.setData(data.left(skip) + tiff);
    exif->patched = true;
    return PngEditOutcome::Done;
}

PngEditOutcome editRawExifProfile(Chunk &c, TextChunk &t, const OverlayPlan &plan, const ExifEdits *exact,
                                  ExifBlock *exif)
{
    const QByteArray before = t.text;
    QByteArray grown;
    if (!patchRawExifProfile(&t.text, plan, exact, &grown))
        return PngEditOutcome::NotApplicable; // not Exif: an APP1 profile holding XMP
    exif->patched = true;
    if (!grown.isEmpty()) {
        // The hex layout cannot grow in place; the block moves to the standard chunk.
        c.dropped = true;
        exif->added = grown;
        return PngEditOutcome::Done;
    }
    if (t.text != before && !writeText(c, t))
        return PngEditOutcome::NotApplicable;
    return PngEditOutcome::Done;
}

// An XMP packet kept as raw bytes (a "Raw profile type xmp") or as the packet itself.
PngEditOutcome editXmpText(Chunk &c, TextChunk &t, bool rawProfile, const OverlayPlan &plan, QString *error)
{
    QByteArray packet = rawProfile ? rawProfileBytes(t.text) : t.text;
    bool changed = false;
    if (!editXmpProperties(packet, plan.xmp, &changed, error))
        return PngEditOutcome::Failed;
    if (!changed)
        return PngEditOutcome::Done;
    t.text = rawProfile ? rawProfileText("xmp", packet) : packet;
    if (packet.trimmed().isEmpty())
        c.dropped = true; // nothing left: the chunk goes rather than stay an empty shell
    else if (!writeText(c, t))
        return PngEditOutcome::NotApplicable;
    return PngEditOutcome::Done;
}

PngEditOutcome editTextChunk(Chunk &c, const OverlayPlan &plan, const ExifEdits *exact, ExifBlock *exif,
                             QString *error)
{
    TextChunk t;
    if (!readText(c, &t))
        return PngEditOutcome::Done;
    const bool xmpChanges = !plan.xmp.isEmpty();
    const QByteArray keyword = t.keyword.toLower();
    if (keyword == "raw profile type exif" || keyword == "raw profile type app1")
        return editRawExifProfile(c, t, plan, exact, exif);
    if (keyword == "raw profile type iptc") {
        c.dropped = plan.removeIptc;
    } else if (keyword == "raw profile type xmp" && xmpChanges) {
        return editXmpText(c, t, true, plan, error);
    } else if (keyword == "raw profile type 8bim") {
        // Photoshop resources would need their own editing.
        if (plan.removeIptc || !plan.iptcChanges.isEmpty())
            return PngEditOutcome::NotApplicable;
    } else if (t.keyword == "XML:com.adobe.xmp" && xmpChanges) {
        return editXmpText(c, t, false, plan, error);
    }
    return PngEditOutcome::Done;
}

QByteArray assemble(const QList<Chunk> &chunks, QByteArray newExif)
{
    QByteArray result(kSignature, kSignatureSize);
    for (const Chunk &c : chunks) {
        // eXIf goes before the image data, where readers look for it.
        if (!newExif.isEmpty() && (c.type == "IDAT" || c.type == "IEND")) {
            Chunk exif;
            exif.type = "eXIf";
            exif.setData(newExif);
            result += exif.bytes();
            newExif.clear();
        }
        if (!c.dropped)
            result += c.bytes();
    }
    return result;
}

// Without its Exif a photo the Exif called Adobe RGB would be shown as sRGB: the copy
// says the same with a profile, unless its own chunks already state a colour space.
bool keepColourSpaceAsProfile(QList<Chunk> &chunks, const ImageSource &source, const OverlayPlan &plan,
                              QString *error)
{
    const auto statesColour = [](const Chunk &c) {
        return c.type == "iCCP" || c.type == "sRGB" || c.type == "gAMA" || c.type == "cHRM";
    };
    if (!plan.removeExif || chunks.isEmpty() || chunks.first().type != "IHDR" || chunks.first().data.size() < 10
        || std::any_of(chunks.begin(), chunks.end(), statesColour) || !exifSaysAdobeRgb(source.exiv()))
        return true;
    const char colourType = chunks.first().data.at(9);
    const QByteArray profile = deflateAll(adobeRgbIccProfile(colourType == 0 || colourType == 4));
    if (profile.size() < 8) {
        *error = Text::tr("the photo's colour space cannot be kept as a profile");
        return false;
    }
    Chunk icc;
    icc.type = "iCCP";
    icc.setData(QByteArray("Adobe RGB (1998)\0\0", 18) + profile);
    chunks.insert(1, icc);
    return true;
}

} // namespace

PngEditOutcome editPngChunks(const ImageSource &source, const OverlayPlan &plan, const ExifEdits *exact, QByteArray *out,
                             QString *error)
{
    const QByteArray &png = source.data();
    const bool xmpChanges = !plan.xmp.isEmpty();
    const bool iptcChanges = !plan.iptcChanges.isEmpty();
    if ((plan.exifStructureChanges && !exact) || (!plan.changesExif() && !xmpChanges && !iptcChanges))
        return PngEditOutcome::NotApplicable;
    QList<Chunk> chunks;
    if (!parseChunks(png, &chunks)) {
        *error = Text::tr("the PNG chunks cannot be read");
        return PngEditOutcome::Failed;
    }
    ExifBlock exif;
    for (Chunk &c : chunks) {
        const PngEditOutcome outcome = c.type == "eXIf" ? editExifChunk(c, plan, exact, &exif)
            : isTextChunk(c)                           ? editTextChunk(c, plan, exact, &exif, error)
                                                       : PngEditOutcome::Done;
        if (outcome != PngEditOutcome::Done)
            return outcome;
    }
    if (!exif.patched && (!plan.dates.isEmpty() || (exact && !exact->changes.isEmpty()))) {
        // New values need a block to go into: an empty one takes them.
        exif.added = QByteArray("MM\0*\0\0\0\x08\0\0\0\0\0\0", 14);
        if (!patchTiff(&exif.added, plan, exact))
            return PngEditOutcome::NotApplicable;
    } else if (!exif.patched && !exact && (plan.orientation || plan.pixelWidth || plan.pixelHeight)) {
        return PngEditOutcome::NotApplicable;
    }

    if (iptcChanges && !plan.removeIptc && !editPngIptc(chunks, source, plan, error))
        return PngEditOutcome::Failed;

    if (!keepColourSpaceAsProfile(chunks, source, plan, error))
        return PngEditOutcome::Failed;
    *out = assemble(chunks, exif.added);
    return PngEditOutcome::Done;
}

bool carryPngChunks(const QByteArray &source, QByteArray &target, int parts)
{
    QList<Chunk> from, to;
    if (!parseChunks(source, &from) || !parseChunks(target, &to))
        return false;
    const bool targetHasDensity = std::any_of(to.begin(), to.end(), [](const Chunk &c) { return c.type == "pHYs"; });
    const auto wanted = [parts, targetHasDensity](const Chunk &c) {
        // The pixel density rides with the Exif as a JPEG's resolution tags do.
        if (c.type == "eXIf" || (c.type == "pHYs" && !targetHasDensity))
            return (parts & ExifPart) != 0;
        if (!isTextChunk(c))
            return false;
        const QByteArray keyword = c.data.left(c.data.indexOf('\0')).toLower();
        if (keyword == "xml:com.adobe.xmp" || keyword == "raw profile type xmp")
            return (parts & XmpPart) != 0;
        if (keyword == "raw profile type iptc" || keyword == "raw profile type 8bim")
            return (parts & IptcPart) != 0;
        if (keyword == "raw profile type icc" || keyword == "raw profile type icm")
            return false;
        return (parts & ExifPart) != 0;
    };
    QByteArray carried;
    for (const Chunk &c : std::as_const(from))
        if (wanted(c))
            carried += c.bytes();
    QByteArray result(kSignature, kSignatureSize);
    for (const Chunk &c : std::as_const(to)) {
        if (c.type == "IDAT" || c.type == "IEND") {
            result += carried;
            carried.clear();
        }
        result += c.bytes();
    }
    target = result;
    return true;
}

} // namespace imageio
