// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegMetadataEdit.h"

#include "ExifColour.h"
#include "ExifEdits.h"
#include "ExivImage.h"
#include "ImageDestination.h"
#include "ImageProperties.h"
#include "ImageSource.h"
#include "JpegSegments.h"
#include "OverlayPlan.h"
#include "PhotoshopResources.h"
#include "PropertyNames.h"
#include "RewriteCheck.h"
#include "TiffBlock.h"
#include "XmpEdit.h"

#include <algorithm>
#include <map>

#include <QCoreApplication>
#include <QtEndian>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(JpegMetadataEdit)
};

// One Exif block: usually one segment; other tools split a block larger than a segment
// over several, the later ones continuing the TIFF data after their own header.
struct ExifRun {
    QList<int> segments;
    QList<qsizetype> sizes;
    QByteArray tiff;
};

bool startsTiff(const QByteArray &body)
{
    return body.startsWith(QByteArray("II*\0", 4)) || body.startsWith(QByteArray("MM\0*", 4));
}

QList<ExifRun> exifRuns(const JpegFile &file)
{
    QList<ExifRun> runs;
    int previous = -2;
    for (int i = 0; i < file.segments.size(); ++i) {
        const JpegSegment &s = file.segments.at(i);
        if (s.kind != JpegSegment::Exif)
            continue;
        const QByteArray body = s.payload().mid(kExifHeaderSize);
        if (startsTiff(body) || runs.isEmpty() || previous != i - 1)
            runs.append(ExifRun{});
        ExifRun &run = runs.last();
        run.segments.append(i);
        run.sizes.append(body.size());
        run.tiff.append(body);
        previous = i;
    }
    return runs;
}

void writeBack(JpegFile &file, const ExifRun &run)
{
    qsizetype at = 0;
    for (int k = 0; k < run.segments.size(); ++k) {
        JpegSegment &s = file.segments[run.segments.at(k)];
        const QByteArray payload = s.payload();
        const QByteArray body = run.tiff.mid(at, run.sizes.at(k));
        at += run.sizes.at(k);
        if (payload.mid(kExifHeaderSize) != body)
            s = JpegSegment::make(s.marker, payload.left(kExifHeaderSize) + body);
    }
}

// Applies the plan's in-place edits to one Exif block. The primary block (the one readers
// take) must take every value edit; copies of it only the removals.
bool patchRun(ExifRun &run, const OverlayPlan &plan, bool primary)
{
    TiffBlock block(&run.tiff);
    if (!block.isValid())
        return !primary || (plan.dates.isEmpty() && !plan.orientation);
    removeInPlace(block, plan);
    // A JPEG's new Exif IFD also needs its component and size tags: Exiv2 writes those.
    TiffBlock::Directory ifd0;
    const bool hasExifIfd = block.readDirectory(block.ifd0Offset(), &ifd0) && block.pointer(ifd0, TiffBlock::ExifPointer);
    for (const OverlayPlan::DatePatch &date : plan.dates)
        if (primary && date.inExifDirectory && !hasExifIfd)
            return false;
    const qsizetype before = run.tiff.size();
    const bool patched = patchValuesInPlace(block, plan);
    if (run.tiff.size() != before) {
        // An added value grew the block: fine while it is one segment that can hold it.
        if (run.segments.size() != 1 || kExifHeaderSize + run.tiff.size() > kMaxSegmentPayload)
            return false;
        run.sizes[0] = run.tiff.size();
    }
    return patched || !primary;
}

OverlayPlan removalsOnly(const OverlayPlan &plan)
{
    OverlayPlan removals;
    removals.removeExif = plan.removeExif;
    removals.removeGps = plan.removeGps;
    removals.removeIptc = plan.removeIptc;
    return removals;
}

int insertionPoint(const JpegFile &file)
{
    // After the JFIF header and the Exif block, where readers look first.
    int at = 0;
    while (at < file.segments.size()
           && (file.segments.at(at).kind == JpegSegment::Jfif || file.segments.at(at).kind == JpegSegment::Exif))
        ++at;
    return at;
}

// Entries of no valid TIFF type: no reader can use them, and an edit of their directory
// cannot keep them (readers then reject the directory), so they go, and the report says so.
void dropInvalidEntries(TiffBlock &block, JpegEditResult &result, std::set<std::string> *droppedKeys)
{
    for (const TiffBlock::Dropped &d : block.dropInvalidEntries()) {
        result.dropped << QStringLiteral("%1 tag 0x%2 (invalid type %3)")
                              .arg(QLatin1String(d.directory))
                              .arg(d.tag, 4, 16, QLatin1Char('0'))
                              .arg(d.type);
        guarded([&] { droppedKeys->insert(Exiv2::ExifKey(d.tag, d.exivGroup).key()); }, nullptr);
    }
}

// Re-serialises the primary Exif block through Exiv2 with the overlay laid over it.
bool reserialiseExif(JpegFile &file, const QList<ExifRun> &runs, const ImageSource &source,
                     const QVariantMap &overlay, JpegEditResult &result, std::set<std::string> *droppedKeys)
{
    if (!runs.isEmpty() && runs.first().segments.size() > 1) {
        result.error = Text::tr("the Exif data is split over several segments and cannot be rewritten completely");
        return false;
    }
    if (!source.exiv().readDataLoss().isEmpty()) {
        result.error = Text::tr("the Exif data cannot be rewritten completely (%1)").arg(source.exiv().readDataLoss());
        return false;
    }
    JpegFile cleaned = file;
    QByteArray tiff;
    if (!runs.isEmpty()) {
        tiff = runs.first().tiff;
        TiffBlock block(&tiff);
        // Exiv2 sorts entries of no valid type first and other readers then reject the whole IFD.
        dropInvalidEntries(block, result, droppedKeys);
        JpegSegment &first = cleaned.segments[runs.first().segments.first()];
        first = JpegSegment::make(first.marker, first.payload().left(kExifHeaderSize) + tiff);
    }
    auto image = ExivImage::open(cleaned.assemble(), &result.error);
    if (!image)
        return false;
    if (!applyOverlay(image->image(), overlay, &result.error))
        return false;
    QByteArray encoded;
    Exiv2Warnings warnings;
    const bool ok = guarded(
        [&] {
            Exiv2::Image &img = image->image();
            if (img.exifData().empty())
                return;
            Exiv2::ByteOrder order = img.byteOrder() == Exiv2::invalidByteOrder ? Exiv2::littleEndian : img.byteOrder();
            Exiv2::Blob blob;
            // Exiv2 may patch this buffer in place: it must not share memory with `tiff`.
            QByteArray raw(tiff.constData(), tiff.size());
            const auto method = Exiv2::ExifParser::encode(blob, reinterpret_cast<const Exiv2::byte *>(raw.constData()),
                                                          uint32_t(raw.size()), order, img.exifData());
            encoded = method == Exiv2::wmIntrusive
                ? QByteArray(reinterpret_cast<const char *>(blob.data()), qsizetype(blob.size()))
                : raw;
        },
        &result.error);
    if (!ok)
        return false;
    if (const QString loss = warnings.dataLoss(); !loss.isEmpty()) {
        result.error = Text::tr("the Exif data cannot be written completely (%1)").arg(loss);
        return false;
    }
    if (encoded.size() + kExifHeaderSize > kMaxSegmentPayload) {
        result.error = Text::tr("the Exif data does not fit in one JPEG segment (64 KB)");
        return false;
    }
    const QByteArray header(kExifHeader, kExifHeaderSize);
    if (runs.isEmpty()) {
        if (!encoded.isEmpty())
            file.segments.insert(insertionPoint(file), JpegSegment::make(0xE1, header + encoded));
    } else if (encoded.isEmpty()) {
        file.segments.removeAt(runs.first().segments.first());
    } else {
        JpegSegment &first = file.segments[runs.first().segments.first()];
        first = JpegSegment::make(first.marker, first.payload().left(kExifHeaderSize) + encoded);
    }
    return true;
}

// Makes the edit in the Exif block itself: what the edit does not change keeps its bytes and
// its offset, which is what maker notes need. Further copies of the block lose only what
// was removed.
bool writeExactExif(JpegFile &file, QList<ExifRun> &runs, const OverlayPlan &plan, const ExifEdits &edits,
                    JpegEditResult &result, std::set<std::string> *droppedKeys)
{
    if (runs.isEmpty()) {
        if (edits.changes.isEmpty())
            return true;
        // A photo without Exif gets a block of its own: the header and an empty IFD0.
        ExifRun fresh;
        fresh.tiff = QByteArray("II*\0\x08\0\0\0\0\0\0\0\0\0", 14);
        fresh.sizes.append(0);
        fresh.segments.append(insertionPoint(file));
        file.segments.insert(fresh.segments.first(),
                             JpegSegment::make(0xE1, QByteArray(kExifHeader, kExifHeaderSize)));
        runs.append(fresh);
    }
    ExifRun &primary = runs.first();
    TiffBlock block(&primary.tiff);
    if (!block.isValid()) {
        result.error = Text::tr("the Exif data cannot be read, so it cannot be edited");
        return false;
    }
    dropInvalidEntries(block, result, droppedKeys);
    removeInPlace(block, plan);
    if (!applyExifEdits(block, edits, &result.error)) {
        result.refused = true;
        return false;
    }
    if (kExifHeaderSize + primary.tiff.size() > kMaxSegmentPayload) {
        result.error = Text::tr("the Exif data does not fit in one JPEG segment (64 KB)");
        return false;
    }
    primary.sizes[0] = primary.tiff.size();
    writeBack(file, primary);
    const OverlayPlan removals = removalsOnly(plan);
    for (int i = 1; i < runs.size(); ++i) {
        patchRun(runs[i], removals, false);
        writeBack(file, runs[i]);
    }
    return true;
}

bool writeIptc(JpegFile &file, const ImageSource &source, const OverlayPlan &plan, QString *error)
{
    if (!plan.removeIptc && plan.iptcChanges.isEmpty())
        return true;
    QList<IptcDataSet> original;
    int home = -1;       // the segment that held the first IPTC resource
    int homeAt = 0;      // and its place among that segment's resources
    QList<QList<PhotoshopResource>> kept;
    QList<int> indexes;
    for (int i = 0; i < file.segments.size(); ++i) {
        if (file.segments.at(i).kind != JpegSegment::Iptc)
            continue;
        QList<PhotoshopResource> resources;
        if (!parsePhotoshopResources(file.segments.at(i).payload().mid(kIptcHeaderSize), &resources)) {
            *error = Text::tr("an APP13 segment cannot be read, so its IPTC data cannot be edited");
            return false;
        }
        QList<PhotoshopResource> rest;
        for (const PhotoshopResource &r : std::as_const(resources)) {
            if (r.id == kIptcResource) {
                QList<IptcDataSet> sets;
                if (!parseIptcDataSets(r.data, &sets)) {
                    *error = Text::tr("the IPTC data cannot be read, so it cannot be edited");
                    return false;
                }
                original += sets;
                if (home < 0) {
                    home = i;
                    homeAt = int(rest.size());
                }
            } else if (r.id != kIptcDigestResource) {
                // The digest describes the old IPTC data; a stale one misleads other editors.
                rest.append(r);
            }
        }
        kept.append(rest);
        indexes.append(i);
    }
    QByteArray resource;
    if (!plan.removeIptc) {
        QByteArray stream;
        if (!composeIptc(original, source, plan, &stream, error))
            return false;
        if (!stream.isEmpty())
            resource = photoshopResource(kIptcResource, stream);
    }
    const QByteArray header(kIptcHeader, kIptcHeaderSize);
    for (int k = int(indexes.size()) - 1; k >= 0; --k) {
        const int i = indexes.at(k);
        QByteArray body;
        for (int r = 0; r < kept.at(k).size(); ++r) {
            if (i == home && r == homeAt)
                body.append(resource);
            body.append(kept.at(k).at(r).raw);
        }
        if (i == home && homeAt == kept.at(k).size())
            body.append(resource);
        if (body.isEmpty()) {
            file.segments.removeAt(i);
        } else if (header.size() + body.size() > kMaxSegmentPayload) {
            *error = Text::tr("the IPTC data does not fit in one JPEG segment (64 KB)");
            return false;
        } else if (file.segments.at(i).payload().mid(kIptcHeaderSize) != body) {
            file.segments[i] = JpegSegment::make(0xED, header + body);
        }
    }
    if (home < 0 && !resource.isEmpty()) {
        int at = insertionPoint(file);
        while (at < file.segments.size() && file.segments.at(at).kind == JpegSegment::Xmp)
            ++at;
        file.segments.insert(at, JpegSegment::make(0xED, header + resource));
    }
    return true;
}

// The extended packets edited as the main one is (removals and moved dates; twins stay in
// the main packet), each written anew under its new GUID, which the main packet then names.
bool editExtendedXmp(JpegFile &file, const OverlayPlan &plan, QString *error)
{
    QList<ExtendedXmp> packets;
    if (!file.count(JpegSegment::ExtendedXmp))
        return true;
    if (!extendedXmpPackets(file, &packets)) {
        // Readers cannot reassemble it either; it is kept unless its bytes show what was to go.
        const int removals = plan.xmp.removals;
        for (const JpegSegment &s : std::as_const(file.segments)) {
            const QByteArray payload = s.kind == JpegSegment::ExtendedXmp ? s.payload() : QByteArray();
            if (((removals & XmpGps) && payload.contains("GPS"))
                || ((removals & XmpIptc)
                    && (payload.contains("Iptc4xmp") || payload.contains("photoshop:") || payload.contains("<dc:")))
                || ((removals & XmpExif) && payload.contains("http://ns.adobe.com/exif/1.0/"))) {
                *error = Text::tr("the extended XMP is damaged and holds data to remove");
                return false;
            }
        }
        return true;
    }
    // From the last, so the indexes of the earlier ones stay valid.
    std::sort(packets.begin(), packets.end(),
              [](const ExtendedXmp &a, const ExtendedXmp &b) { return a.segments.first() > b.segments.first(); });
    for (ExtendedXmp &packet : packets) {
        bool changed = false;
        if (!editXmpProperties(packet.packet, continuationChange(plan.xmp), &changed, error))
            return false;
        if (!changed)
            continue;
        if (packet.packet.trimmed().isEmpty())
            packet.packet = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"/>";
        QByteArray guid;
        const QList<JpegSegment> written = extendedXmpSegments(packet.packet, &guid);
        const qsizetype at = packet.segments.first();
        for (auto i = packet.segments.rbegin(); i != packet.segments.rend(); ++i)
            file.segments.removeAt(*i);
        for (qsizetype i = 0; i < written.size(); ++i)
            file.segments.insert(at + i, written.at(i));
        // The GUID has a fixed length: the main packet keeps its size.
        for (JpegSegment &s : file.segments)
            if (s.kind == JpegSegment::Xmp && s.payload().contains(packet.guid))
                s = JpegSegment::make(s.marker, s.payload().replace(packet.guid, guid));
    }
    return true;
}

bool editXmp(JpegFile &file, const OverlayPlan &plan, QString *error)
{
    if (plan.xmp.isEmpty())
        return true;
    for (JpegSegment &s : file.segments) {
        if (s.kind != JpegSegment::Xmp)
            continue;
        const QByteArray payload = s.payload();
        QByteArray packet = payload.mid(kXmpHeaderSize);
        bool changed = false;
        if (!editXmpProperties(packet, plan.xmp, &changed, error))
            return false;
        if (!changed)
            continue;
        if (packet.trimmed().isEmpty()) {
            // Nothing left: the segment goes, rather than stay as an empty shell.
            s.kind = JpegSegment::Structure;
            s.raw.clear();
            continue;
        }
        if (kXmpHeaderSize + packet.size() > kMaxSegmentPayload) {
            *error = Text::tr("the XMP packet does not fit in one JPEG segment (64 KB)");
            return false;
        }
        s = JpegSegment::make(s.marker, payload.left(kXmpHeaderSize) + packet);
    }
    return editExtendedXmp(file, plan, error);
}

// The frame header's payload: precision, height, width, components...
QByteArray frameHeader(const JpegFile &file)
{
    for (const JpegSegment &s : file.segments) {
        const uchar m = s.marker;
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC)
            return s.payload();
    }
    return {};
}

QSize frameSize(const JpegFile &file)
{
    const QByteArray p = frameHeader(file);
    return p.size() >= 5 ? QSize((uchar(p.at(3)) << 8) | uchar(p.at(4)), (uchar(p.at(1)) << 8) | uchar(p.at(2)))
                         : QSize();
}

// Without its Exif a photo the Exif called Adobe RGB would be shown as sRGB, its colours
// dulled: the copy says the same with a profile instead.
bool keepColourSpaceAsProfile(JpegFile &file, const ImageSource &source, const OverlayPlan &plan, QString *error)
{
    if (!plan.removeExif || file.count(JpegSegment::Icc) > 0 || !exifSaysAdobeRgb(source.exiv()))
        return true;
    const QByteArray header = frameHeader(file);
    const int components = header.size() >= 6 ? header.at(5) : 0;
    if (components != 1 && components != 3)
        return true; // an RGB profile cannot describe CMYK pixels
    const QByteArray profile = adobeRgbIccProfile(components == 1);
    if (profile.isEmpty() || profile.size() > kMaxSegmentPayload - 14) {
        *error = Text::tr("the photo's colour space cannot be kept as a profile");
        return false;
    }
    file.segments.insert(insertionPoint(file), JpegSegment::make(0xE2, QByteArray("ICC_PROFILE\0\x01\x01", 14) + profile));
    return true;
}

// Readers stop at the image data, which the copy takes unchanged from the source: its head
// closed by an end marker reads back exactly as the whole copy will.
QString checkEditedHead(const ImageSource &source, const QByteArray &head, CopyCheck check)
{
    const QByteArray readable = head + QByteArray("\xFF\xD9", 2);
    check.sourceReading = &source.exiv();
    check.xmpCheckedElsewhere = true; // checkJpegRemovals reads every XMP segment of the copy
    const QString fault = checkJpegRemovals(readable, *check.plan);
    return fault.isEmpty() ? checkCopy(source.data(), readable, check) : fault;
}

// FotoStation keeps records after the image, read from the end of the file: each is its
// marker, its data, a 2-byte type and a 4-byte size that counts the marker; the trailer
// ends with the marker. Type 1 holds the IPTC datasets.
QByteArray withoutTrailerIptc(QByteArrayView imageData)
{
    static constexpr char kMarker[] = "\xa1\xb2\xc3\xd4";
    QByteArray kept(imageData.toByteArray());
    if (!imageData.endsWith(QByteArrayView(kMarker, 4)))
        return kept;
    for (qsizetype end = imageData.size() - 4; end >= 10;) {
        const qsizetype start = end - qsizetype(qFromBigEndian<quint32>(imageData.data() + end - 4));
        if (start < 0 || end - start < 10 || imageData.sliced(start, 4) != QByteArrayView(kMarker, 4))
            break;
        if (qFromBigEndian<quint16>(imageData.data() + end - 6) == 1)
            kept.remove(start, end - start);
        end = start;
    }
    return kept;
}

} // namespace

JpegEditResult editJpegMetadata(const ImageSource &source, const QVariantMap &overlay)
{
    JpegEditResult result;
    JpegFile file;
    if (!file.parse(source.data(), &result.error))
        return result;
    Exiv2::Image &before = source.exiv().image();
    const OverlayPlan plan =
        planOverlay(overlay, source.propertiesWithXmpDates(), QSize(before.pixelWidth(), before.pixelHeight()));
    // Some writers leave a second copy of the IPTC block after the image (an image resource,
    // or a FotoStation trailer record); a copy keeping it would still show what was removed.
    QByteArray imageData;
    if (plan.removeIptc && file.imageData().contains(QByteArrayView("\xa1\xb2\xc3\xd4\x1c\x02", 6)))
        imageData = withoutTrailerIptc(file.imageData());
    if (plan.removeIptc
        && (file.imageData().contains(QByteArrayView("8BIM\x04\x04", 6))
            || imageData.contains(QByteArrayView("\xa1\xb2\xc3\xd4\x1c\x02", 6)))) {
        result.error = Text::tr("IPTC data stored after the image cannot be removed");
        result.refused = true;
        return result;
    }

    QList<ExifRun> runs = exifRuns(file);
    // Dates are patched in place, which needs a block to patch: without one they make it.
    bool reserialise = plan.exifStructureChanges || (runs.isEmpty() && !plan.dates.isEmpty());
    std::set<std::string> droppedKeys;
    ExifEdits exact;
    if (reserialise) {
        // The Exif entries an edit makes do not depend on the photo's other blocks, and
        // its Exif was read with the photo: parsing any of them again would be most of
        // the work. The frame header stays, for the pixel size a new Exif block states.
        JpegFile frameOnly = file;
        for (const JpegSegment::Kind kind :
             {JpegSegment::Exif, JpegSegment::Xmp, JpegSegment::ExtendedXmp, JpegSegment::Iptc})
            frameOnly.removeAll(kind);
        exact = exifEditsFor(frameOnly.head() + QByteArray("\xFF\xD9", 2), overlay, &before.exifData());
        if (!exact.refusal.isEmpty()) {
            result.error = exact.refusal;
            return result;
        }
        if (exact.exact && (runs.isEmpty() || runs.first().segments.size() == 1)) {
            if (!writeExactExif(file, runs, plan, exact, result, &droppedKeys))
                return result;
            reserialise = false;
        }
    }
    if (!reserialise && plan.changesExif()) {
        QList<ExifRun> patched = runs;
        for (int i = 0; i < patched.size() && !reserialise; ++i)
            reserialise = !patchRun(patched[i], plan, i == 0);
        if (!reserialise)
            for (const ExifRun &run : std::as_const(patched))
                writeBack(file, run);
    }
    if (reserialise) {
        if (!reserialiseExif(file, runs, source, overlay, result, &droppedKeys))
            return result;
        // Further copies of the block (some tools write two) lose what was removed too.
        const OverlayPlan removals = removalsOnly(plan);
        for (int i = 1; i < runs.size(); ++i) {
            patchRun(runs[i], removals, false);
            writeBack(file, runs[i]);
        }
    }
    if (!writeIptc(file, source, plan, &result.error) || !editXmp(file, plan, &result.error)
        || !keepColourSpaceAsProfile(file, source, plan, &result.error))
        return result;

    QByteArray head = file.head();
    CopyCheck check;
    check.plan = &plan;
    check.droppedKeys = droppedKeys;
    check.exifReserialised = reserialise;
    check.editedKeys = exact.changedKeys;
    check.directoriesMoved = !reserialise && !exact.changes.isEmpty();
    check.makerNoteKeptAsBytes = !reserialise && exact.renamesCamera();
    result.error = checkEditedHead(source, head, check);
    if (!result.error.isEmpty())
        return result;
    result.head = std::move(head);
    result.imageData = file.imageData();
    // Only then is the image data copied: the trailer's IPTC record left out of it.
    if (!imageData.isNull()) {
        result.head += imageData;
        result.imageData = {};
    }
    result.ok = true;
    return result;
}

CarryOutcome carryJpegMetadata(const ImageSource &source, QByteArray &target, int parts, const QVariantMap &overlay,
                               QString *error)
{
    if (source.type() != QLatin1String(filetypes::Jpeg))
        return CarryOutcome::NotApplicable;
    for (auto it = overlay.begin(); it != overlay.end(); ++it)
        if (it.key() != QLatin1String(keys::Orientation) && it.key() != QLatin1String(keys::PixelWidth)
            && it.key() != QLatin1String(keys::PixelHeight))
            return CarryOutcome::NotApplicable;
    JpegFile from, to;
    if (!from.parse(source.data(), error) || !to.parse(target, error))
        return CarryOutcome::NotApplicable;

    const bool targetHasIcc = to.count(JpegSegment::Icc) > 0;
    QList<JpegSegment> carried;
    for (const JpegSegment &s : std::as_const(from.segments)) {
        bool keep = false;
        switch (s.kind) {
        case JpegSegment::Exif:
            keep = parts & ExifPart;
            break;
        case JpegSegment::Xmp:
        case JpegSegment::ExtendedXmp:
            keep = parts & XmpPart;
            break;
        case JpegSegment::Iptc:
            keep = parts & IptcPart;
            break;
        case JpegSegment::Icc:
            keep = (parts & IccProfilePart) && !targetHasIcc;
            break;
        case JpegSegment::OtherApp:
        case JpegSegment::Comment:
            // Vendor data (thermal readings, camera settings) rides along with the metadata.
            keep = parts & ExifPart;
            break;
        default:
            // JFIF, Adobe colour transform and multi-picture indexes describe the old encoding.
            keep = false;
        }
        if (keep)
            carried.append(s);
    }
    int at = 0;
    while (at < to.segments.size() && to.segments.at(at).kind == JpegSegment::Jfif)
        ++at;
    for (int i = 0; i < carried.size(); ++i)
        to.segments.insert(at + i, carried.at(i));

    // The size tags describe the new pixels, which may be scaled or turned.
    QVariantMap sizes = overlay;
    const QSize size = frameSize(to);
    sizes.insert(QLatin1String(keys::PixelWidth), size.width());
    sizes.insert(QLatin1String(keys::PixelHeight), size.height());
    Exiv2::Image &before = source.exiv().image();
    OverlayPlan plan = planOverlay(sizes, source.properties(), QSize(before.pixelWidth(), before.pixelHeight()));
    if (plan.orientation && *plan.orientation == 1
        && !source.properties().contains(QLatin1String(keys::Orientation)))
        plan.orientation.reset(); // no orientation stored reads as upright already
    QList<ExifRun> runs = exifRuns(to);
    for (int i = 0; i < runs.size(); ++i) {
        if (!patchRun(runs[i], plan, i == 0))
            return CarryOutcome::NotApplicable;
        writeBack(to, runs[i]);
    }
    if (!editXmp(to, plan, error))
        return CarryOutcome::Failed;
    QByteArray bytes = to.assemble();
    if ((parts & (ExifPart | IptcPart)) == (ExifPart | IptcPart)) {
        CopyCheck check;
        check.plan = &plan;
        check.sourceReading = &source.exiv();
        if (const QString fault = checkCopy(source.data(), bytes, check); !fault.isEmpty()) {
            if (error)
                *error = fault;
            return CarryOutcome::Failed;
        }
    }
    target = std::move(bytes);
    return CarryOutcome::Done;
}

bool composeIptc(const QList<IptcDataSet> &original, const ImageSource &source, const OverlayPlan &plan,
                 QByteArray *stream, QString *error)
{
    // Only its IPTC is wanted, which was read with the photo: an empty JPEG takes it.
    static const QByteArray empty("\xFF\xD8\xFF\xD9", 4);
    auto image = ExivImage::openForReading(empty, error, ExivImage::Xmp::Skip);
    if (!image)
        return false;
    image->image().setIptcData(source.exiv().image().iptcData());
    const QVariantMap overlay{{QLatin1String(keys::IptcGroup), plan.iptcChanges}};
    if (!applyOverlay(image->image(), overlay, error))
        return false;
    using Key = std::pair<int, int>;
    std::map<Key, QByteArray> encoded;
    const bool ok = guarded(
        [&] {
            std::set<Key> touched;
            for (auto it = plan.iptcChanges.begin(); it != plan.iptcChanges.end(); ++it) {
                const Exiv2::IptcKey key("Iptc.Application2." + iptcExivName(it.key()));
                touched.insert({key.record(), key.tag()});
            }
            // The character set follows the text: it is rewritten only when the edit changed it.
            const Exiv2::IptcData &after = image->image().iptcData();
            auto charset = after.findKey(Exiv2::IptcKey("Iptc.Envelope.CharacterSet"));
            if (charset != after.end()) {
                QByteArray storedCharset;
                for (const IptcDataSet &d : original)
                    if (d.record == 1 && d.number == 90)
                        storedCharset = d.raw.mid(5);
                if (storedCharset.toStdString() != charset->toString())
                    touched.insert({1, 90});
            }
            for (const Key &k : touched) {
                Exiv2::IptcData subset;
                for (const Exiv2::Iptcdatum &d : after)
                    if (d.record() == k.first && d.tag() == k.second)
                        subset.add(d);
                const Exiv2::DataBuf buf = Exiv2::IptcParser::encode(subset);
                encoded[k] = QByteArray(reinterpret_cast<const char *>(buf.pData_), qsizetype(buf.size_));
            }
        },
        error);
    if (!ok)
        return false;
    // Exiv2 writes every IIM time with its zone, and reads one stored without as "+00:00". A
    // time that replaces one stored as six bare digits keeps that form, as a real "+0000" keeps
    // its zone.
    for (auto &entry : encoded) {
        const Key key = entry.first;
        QByteArray &bytes = entry.second;
        const bool time = key.first == 2 && (key.second == 60 || key.second == 63);
        const auto bare = [&](const IptcDataSet &d) { return Key{d.record, d.number} == key && d.raw.size() == 5 + 6; };
        if (time && bytes.size() == 5 + 11 && bytes.endsWith("+0000")
            && std::any_of(original.begin(), original.end(), bare)) {
            bytes.truncate(5 + 6);
            bytes[3] = 0;
            bytes[4] = 6;
        }
    }
    QByteArray out;
    for (const auto &entry : encoded) {
        const Key &key = entry.first;
        if (key.first == 1 && std::none_of(original.begin(), original.end(),
                                           [&](const IptcDataSet &d) { return Key{d.record, d.number} == key; }))
            out.append(entry.second);
    }
    std::set<Key> emitted;
    for (const IptcDataSet &d : original) {
        const Key key{d.record, d.number};
        auto pos = encoded.find(key);
        if (pos == encoded.end()) {
            out.append(d.raw);
        } else if (!emitted.count(key)) {
            out.append(pos->second); // in the place of the first dataset it replaces
            emitted.insert(key);
        }
    }
    for (const auto &[key, bytes] : encoded)
        if (key.first != 1 && !emitted.count(key))
            out.append(bytes);
    *stream = out;
    return true;
}

} // namespace imageio
