// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageDestination.h"

#include "ExifColour.h"
#include "ExifEdits.h"
#include "ExivImage.h"
#include "GifBlocks.h"
#include "ImageProperties.h"
#include "JpegMetadataEdit.h"
#include "OverlayPlan.h"
#include "PhotoshopResources.h"
#include "PngChunkEdit.h"
#include "PropertyNames.h"
#include "RewriteCheck.h"
#include "TiffBlock.h"
#include "WebpChunkEdit.h"
#include "XmpEdit.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <set>


namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImageDestination)
};

QByteArray bytesOf(Exiv2::BasicIo &io)
{
    io.seek(0, Exiv2::BasicIo::beg);
    QByteArray out(qsizetype(io.size()), Qt::Uninitialized);
    if (!out.isEmpty() && io.read(reinterpret_cast<Exiv2::byte *>(out.data()), long(out.size())) != long(out.size()))
        throw Exiv2::Error(Exiv2::kerFailedToReadImageData);
    return out;
}

// Whether `overlay` gives the photo a value it does not hold; a removal gives none.
bool setsAnyValue(const QVariantMap &overlay, const QVariantMap &current)
{
    const QVariantMap changed = changedOnly(overlay, current);
    for (auto it = changed.begin(); it != changed.end(); ++it) {
        const bool set = it.value().typeId() == QMetaType::QVariantMap
            ? setsAnyValue(it.value().toMap(), current.value(it.key()).toMap())
            : !it.value().isNull();
        if (set)
            return true;
    }
    return false;
}

// Lays `overlay` over the metadata the image already holds and serialises it, with
// `iccProfile` as the image's profile when given.
QByteArray writeWithOverlay(ExivImage &image, const QVariantMap &overlay, const QByteArray &iccProfile = {})
{
    Exiv2::Image &img = image.image();
    if (!iccProfile.isEmpty()) {
        Exiv2::DataBuf profile(reinterpret_cast<const Exiv2::byte *>(iccProfile.constData()), long(iccProfile.size()));
        img.setIccProfile(profile, false);
    }
    // The overlay may edit XMP and the write serialises it: both under the toolkit lock.
    const auto lock = lockXmpToolkit();
    // Keep an XMP packet byte for byte unless the overlay had to change it.
    img.writeXmpFromPacket(true);
    QString error;
    if (!applyOverlay(img, overlay, &error))
        throw std::runtime_error(error.toStdString());
    Exiv2Warnings warnings;
    if (image.imageType() == Exiv2::ImageType::jpeg) {
        // Exiv2 would quietly drop tags that do not fit one APP1 segment; refuse instead.
        long bytes = 0;
        for (const Exiv2::Exifdatum &d : img.exifData())
            bytes += 12 + (d.size() > 4 ? d.size() : 0);
        if (bytes > 65533)
            throw Exiv2::Error(Exiv2::kerTooLargeJpegSegment, "Exif");
    }
    img.writeMetadata();
    if (const QString loss = warnings.dataLoss(); !loss.isEmpty())
        throw std::runtime_error(Text::tr("the metadata cannot be written completely (%1)").arg(loss).toStdString());
    return bytesOf(img.io());
}

// Every image of a container as Qt decodes it, in one format so stored and converted
// layouts compare by their pixels.
QList<QImage> decodedImages(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QList<QImage> images;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        QImage image = reader.read().convertToFormat(QImage::Format_RGBA8888);
        image.setColorSpace({}); // pixels are compared; a profile the copy gains is not a change of them
        images.append(image);
    }
    return images;
}

// Whether both decode to the same images; pixels that cannot be decoded cannot be shown
// to survive either.
bool samePixels(const QByteArray &source, const QByteArray &copy)
{
    const QList<QImage> before = decodedImages(source);
    const bool decodable = std::all_of(before.begin(), before.end(), [](const QImage &i) { return !i.isNull(); });
    return decodable && before == decodedImages(copy);
}

// The further pages of a TIFF file have image directories of their own; an edit of the
// photo's descriptive tags belongs on each, or a reader of page two still sees the old ones.
QString editEveryPage(QByteArray &tiff, const OverlayPlan &plan)
{
    TiffBlock block(&tiff);
    bool ok = block.isValid();
    for (auto key = plan.touchedExifKeys.begin(); ok && key != plan.touchedExifKeys.end(); ++key) {
        if (key->rfind("Exif.Image.", 0) != 0)
            continue;
        bool copied = true;
        QString unknownKey;
        const bool known = guarded(
            [&] {
                const Exiv2::ExifKey exifKey(*key);
                const quint16 tag = exifKey.tag();
                if (!isStructuralTag(exifKey.tagName()) && tag != TiffBlock::ExifPointer && tag != TiffBlock::GpsPointer)
                    copied = block.copyToPages(tag);
            },
            &unknownKey);
        ok = known && copied;
    }
    return ok ? QString() : Text::tr("the edit cannot be written to every page of the TIFF file");
}

// A TIFF file keeps its XMP packet and its IPTC datasets as IFD0 entries: their new values
// join the Exif edits as entries like any other, so the rest of the file keeps its place.
// False with no reason when only a rebuild can make them (IPTC inside image resources).
bool addTiffPacketEdits(const ImageSource &source, const OverlayPlan &plan, ExifEdits *edits, QString *error)
{
    const QByteArray &tiff = source.data();
    QByteArray bytes = tiff; // shared, never written: TiffBlock only reads here
    const TiffBlock block(&bytes);
    TiffBlock::Directory ifd0;
    if (!block.isValid() || !block.readDirectory(block.ifd0Offset(), &ifd0))
        return false;
    const auto valueOf = [&](const TiffBlock::Entry &e) { return tiff.mid(e.valueOffset, qsizetype(e.valueSize)); };
    // The packets' own contents are compared as XMP and IPTC by the check.
    const auto set = [&](quint16 tag, quint16 type, const QByteArray &value) {
        const quint32 count = quint32(value.size() / (type == 4 ? 4 : 1));
        edits->changes.append({TiffBlock::Ifd::Ifd0, tag, type, count, value, value});
        edits->changedKeys.insert(tag == TiffBlock::IptcNaa ? "Exif.Image.IPTCNAA" : "Exif.Image.XMLPacket");
    };
    if (!plan.xmp.isEmpty()) {
        // New XMP properties are only made in a packet the photo has.
        if (const TiffBlock::Entry *xmp = ifd0.find(0x02BC)) {
            QByteArray packet = valueOf(*xmp);
            bool changed = false;
            if (xmp->type != 1 && xmp->type != 7)
                return false;
            if (!editXmpProperties(packet, plan.xmp, &changed, error))
                return false;
            // A packet left with nothing in it goes with its entry.
            if (changed)
                set(0x02BC, packet.isEmpty() ? 0 : xmp->type, packet);
        }
    }
    if (plan.iptcChanges.isEmpty())
        return true;
    const TiffBlock::Entry *resources = ifd0.find(0x8649);
    if (resources && valueOf(*resources).contains("8BIM\x04\x04"))
        return false;
    QList<IptcDataSet> original;
    const TiffBlock::Entry *iptc = ifd0.find(TiffBlock::IptcNaa);
    if (iptc && ((iptc->type != 4 && iptc->type != 7) || !parseIptcDataSets(valueOf(*iptc), &original)))
        return false;
    QByteArray stream;
    if (!composeIptc(original, source, plan, &stream, error))
        return false;
    // Stored as LONGs, as most writers declare it, the datasets are padded to whole values;
    // readers take the bytes as they are in either byte order.
    const quint16 type = iptc ? iptc->type : 4;
    if (type == 4)
        stream.append(QByteArray((4 - stream.size() % 4) % 4, '\0'));
    set(TiffBlock::IptcNaa, type, stream);
    return true;
}

// Removing Exif takes what says a photo is Adobe RGB, where the Exif alone said so: a
// profile says it instead (none for CMYK or other pixels an RGB or grey profile cannot
// describe). Empty when the copy needs none.
QByteArray profileKeepingColours(const ImageSource &source, const OverlayPlan &plan)
{
    Exiv2::Image &image = source.exiv().image();
    if (!plan.removeExif || image.iccProfileDefined() || !exifSaysAdobeRgb(source.exiv()))
        return {};
    if (source.type() != QLatin1String(filetypes::Tiff))
        return adobeRgbIccProfile(false);
    const auto photometric = image.exifData().findKey(Exiv2::ExifKey("Exif.Image.PhotometricInterpretation"));
    const long kind = photometric != image.exifData().end() ? photometric->toLong() : -1;
    return kind == 0 || kind == 1 ? adobeRgbIccProfile(true) : kind == 2 ? adobeRgbIccProfile(false) : QByteArray();
}

// Exif of a TIFF also describes its pixel layout (strips, tiles, further pages); none of
// that may follow the metadata into a freshly encoded container.
Exiv2::ExifData portableExif(const Exiv2::ExifData &exif)
{
    Exiv2::ExifData out;
    for (const Exiv2::Exifdatum &d : exif) {
        const std::string group = d.groupName();
        const bool keep = group == "Photo" || group == "GPSInfo" || group == "Iop"
            || Exiv2::ExifTags::isMakerGroup(group) || (group == "Image" && !isStructuralTag(d.tagName()));
        if (keep)
            out.add(d);
    }
    return out;
}

// The IFD0 tags a JPEG's Exif must hold, which another container keeps with its structure or
// lacks: the source's resolution where it states one, else what exiftool gives a new block.
void addJpegIfd0Tags(const Exiv2::ExifData &from, Exiv2::ExifData &to)
{
    const struct {
        const char *key;
        Exiv2::TypeId type;
        const char *text;
        bool fromSource; // the sample positioning is the new JPEG's own
    } required[] = {{"Exif.Image.XResolution", Exiv2::unsignedRational, "72/1", true},
                    {"Exif.Image.YResolution", Exiv2::unsignedRational, "72/1", true},
                    {"Exif.Image.ResolutionUnit", Exiv2::unsignedShort, "2", true},
                    {"Exif.Image.YCbCrPositioning", Exiv2::unsignedShort, "1", false}};
    for (const auto &r : required) {
        const Exiv2::ExifKey key(r.key);
        if (to.findKey(key) != to.end())
            continue;
        if (const auto held = from.findKey(key); r.fromSource && held != from.end()) {
            to.add(*held);
            continue;
        }
        Exiv2::Value::AutoPtr value = Exiv2::Value::create(r.type);
        if (value->read(r.text) == 0)
            to.add(key, value.get());
    }
}

} // namespace

ImageDestination::ImageDestination(QByteArray *buffer, QString type, int count)
    : m_buffer(buffer)
    , m_type(std::move(type))
    , m_count(count)
{
}

void ImageDestination::addImageFromSource(const ImageSource &source, int index, const QVariantMap &properties)
{
    m_images.push_back({&source, index, properties});
}

void ImageDestination::setProperties(const QVariantMap &properties) { m_containerProperties = properties; }

bool ImageDestination::finalize()
{
    m_output.clear();
    m_sourceTail = {};
    if (m_buffer)
        m_buffer->clear();
    if (!build()) {
        m_output.clear();
        m_sourceTail = {};
        return false;
    }
    if (m_buffer) {
        *m_buffer = m_output;
        m_buffer->append(m_sourceTail);
    }
    return true;
}

QList<QByteArrayView> ImageDestination::pieces() const
{
    QList<QByteArrayView> out{QByteArrayView(m_output)};
    if (!m_sourceTail.isEmpty())
        out.append(m_sourceTail);
    return out;
}

bool ImageDestination::build()
{
    const ImageSource *source = commonSource();
    if (!source)
        return false;
    const QVariantMap overlay = combinedOverlay();
    if (m_type == QLatin1String(filetypes::Gif))
        return writeGif(*source, overlay);
    if (!source->exiv().canWrite())
        return copyUnwritable(*source, overlay);
    if (m_type == QLatin1String(filetypes::Jpeg))
        return writeJpeg(*source, overlay);

    Exiv2::Image &before = source->exiv().image();
    const OverlayPlan plan =
        planOverlay(overlay, source->propertiesWithXmpDates(), QSize(before.pixelWidth(), before.pixelHeight()));
    CopyCheck check;
    check.plan = &plan;

    Exiv2::XmpData xmp = before.xmpData();
    const bool xmpChanges = editXmpProperties(xmp, plan.xmp); // IFD0's XMP packet is not patched in place
    // New and grown entries are written into the block as it is, never by rebuilding it.
    ExifEdits exact;
    if (plan.exifStructureChanges) {
        exact = exifEditsFor(source->data(), overlay);
        if (!exact.refusal.isEmpty()) {
            m_error = exact.refusal;
            return false;
        }
    }
    const ExifEdits *entries = exact.exact ? &exact : nullptr;
    check.editedKeys = exact.changedKeys;
    check.directoriesMoved = entries && !exact.changes.isEmpty();
    check.makerNoteKeptAsBytes = entries && exact.renamesCamera();

    const Attempt attempt = m_type == QLatin1String(filetypes::Tiff)
        ? patchTiff(*source, plan, entries, xmpChanges, check)
        : editChunks(*source, plan, entries, check);
    if (attempt != Attempt::NotApplicable)
        return attempt == Attempt::Written;
    return rebuild(*source, overlay, plan, check);
}

const ImageSource *ImageDestination::commonSource()
{
    if (m_images.empty()) {
        m_error = Text::tr("no image was added");
        return nullptr;
    }
    const ImageSource &source = *m_images.front().source;
    for (const Added &added : m_images) {
        if (added.source != &source) {
            m_error = Text::tr("images of one container must come from one source");
            return nullptr;
        }
    }
    if (source.type() != m_type) {
        m_error = Text::tr("cannot convert %1 to %2 without re-encoding").arg(source.type(), m_type);
        return nullptr;
    }
    return &source;
}

bool ImageDestination::copyUnwritable(const ImageSource &source, const QVariantMap &overlay)
{
    if (m_type == QLatin1String(filetypes::Heic)) {
        // Copying it unchanged would pretend an edit (say, removing GPS) had been made.
        m_error = Text::tr("metadata cannot be written into HEIC files");
        return false;
    }
    // A BMP holds no metadata: nothing is left to remove, but a value set would be lost.
    if (setsAnyValue(overlay, source.properties())) {
        m_error = Text::tr("metadata cannot be written into BMP files");
        m_refused = true;
        return false;
    }
    m_output = source.data();
    return true;
}

// Metadata belongs to the container, so every image shares it; the first image's
// properties win where images were given different ones.
QVariantMap ImageDestination::combinedOverlay() const
{
    QVariantMap overlay = m_containerProperties;
    const QVariantMap &first = m_images.front().properties;
    for (auto it = first.begin(); it != first.end(); ++it)
        overlay.insert(it.key(), it.value());
    return overlay;
}

bool ImageDestination::writeJpeg(const ImageSource &source, const QVariantMap &overlay)
{
    JpegEditResult edit = editJpegMetadata(source, overlay);
    m_dropped = edit.dropped;
    if (!edit.ok) {
        m_error = edit.error;
        m_refused = edit.refused;
        return false;
    }
    m_output = std::move(edit.head);
    m_sourceTail = edit.imageData;
    return true;
}

// A GIF keeps its metadata only as XMP, in application extensions that are replaced, added
// or dropped while every other block stays as stored; what the edit gives Exif reaches the
// GIF through its XMP twins.
bool ImageDestination::writeGif(const ImageSource &source, const QVariantMap &overlay)
{
    Exiv2::Image &image = source.exiv().image();
    // The dates the XMP holds stand for the Exif dates a GIF cannot have, so a changed date
    // moves the properties that held its moment, each in its own form.
    OverlayPlan plan =
        planOverlay(overlay, source.propertiesWithXmpDates(), QSize(image.pixelWidth(), image.pixelHeight()));
    plan.xmp.onlyXmp = true;
    setExifInXmp(plan.xmp, overlay, image.xmpData());
    const QStringList unplaced = setIptcInXmp(plan.xmp, overlay);
    if (!unplaced.isEmpty()) {
        m_error = iptcWithoutXmpTwin(unplaced);
        m_refused = true;
        return false;
    }
    if (!setExifValuesInXmp(plan.xmp, overlay, &m_error)) {
        m_refused = true;
        return false;
    }
    QByteArray copy;
    switch (editGifXmp(source.data(), plan.xmp, &copy, &m_error)) {
    case GifEditOutcome::Failed:
        m_refused = true;
        return false;
    case GifEditOutcome::Unchanged:
        m_output = source.data();
        return true;
    case GifEditOutcome::Done:
        break;
    }
    CopyCheck check;
    check.plan = &plan;
    if (const QString fault = checkGifCopy(source.data(), copy, plan.xmp); !fault.isEmpty()) {
        m_error = fault;
        return false;
    }
    return keepChecked(source, copy, check);
}

// A TIFF file is one TIFF block: values of the same size are patched where they are,
// which keeps every page, strip and private directory as it was.
ImageDestination::Attempt ImageDestination::patchTiff(const ImageSource &source, const OverlayPlan &plan,
                                                      const ExifEdits *entries, bool xmpChanges,
                                                      const CopyCheck &check)
{
    const bool packetChanges = xmpChanges || !plan.iptcChanges.isEmpty();
    ExifEdits edits;
    edits.exact = true;
    if (entries)
        edits = *entries;
    QString fault;
    if ((entries || (packetChanges && !plan.changesExif()))
        && (!packetChanges || addTiffPacketEdits(source, plan, &edits, &fault))) {
        QByteArray patched = source.data();
        TiffBlock block(&patched);
        removeInPlace(block, plan);
        // Readers that follow a damaged pointer of a TIFF file disagree on what it holds.
        if (!block.isValid() || block.hasDamagedPointer() || !applyExifEdits(block, edits, &fault))
            fault = fault.isEmpty() ? Text::tr("the TIFF file cannot be edited") : fault;
        if (fault.isEmpty())
            fault = editEveryPage(patched, plan);
        CopyCheck packetCheck = check;
        packetCheck.editedKeys.insert(edits.changedKeys.begin(), edits.changedKeys.end());
        if (fault.isEmpty())
            fault = checkCopy(source.data(), patched, packetCheck);
        // A strip that reaches past the end of a damaged file would take the appended bytes.
        if (fault.isEmpty() && samePixels(source.data(), patched)) {
            m_output = std::move(patched);
            return Attempt::Written;
        }
        // The ways below may still manage, and are checked the same way.
    }
    if (plan.onlyValueEdits() && !xmpChanges) {
        QByteArray patched = source.data();
        TiffBlock block(&patched);
        if (patchValuesInPlace(block, plan)) {
            QString fault = editEveryPage(patched, plan);
            if (fault.isEmpty())
                fault = checkCopy(source.data(), patched, check);
            if (!fault.isEmpty()) {
                m_error = fault;
                return Attempt::Failed;
            }
            m_output = std::move(patched);
            return Attempt::Written;
        }
    }
    return Attempt::NotApplicable;
}

// A PNG's eXIf and text chunks and a WebP's EXIF and XMP chunks are edited where they are.
ImageDestination::Attempt ImageDestination::editChunks(const ImageSource &source, const OverlayPlan &plan,
                                                       const ExifEdits *entries, const CopyCheck &check)
{
    QByteArray patched;
    if (m_type == QLatin1String(filetypes::Png)) {
        switch (editPngChunks(source, plan, entries, &patched, &m_error)) {
        case PngEditOutcome::Failed:
            return Attempt::Failed;
        case PngEditOutcome::Done:
            return keepChecked(source, patched, check) ? Attempt::Written : Attempt::Failed;
        case PngEditOutcome::NotApplicable:
            break;
        }
    }
    if (m_type == QLatin1String(filetypes::WebP)) {
        switch (editWebpChunks(source.data(), plan, entries, profileKeepingColours(source, plan), &patched, &m_error)) {
        case WebpEditOutcome::Failed:
            m_refused = entries != nullptr;
            return Attempt::Failed;
        case WebpEditOutcome::Done:
            return keepChecked(source, patched, check) ? Attempt::Written : Attempt::Failed;
        case WebpEditOutcome::NotApplicable:
            break;
        }
    }
    return Attempt::NotApplicable;
}

bool ImageDestination::keepChecked(const ImageSource &source, QByteArray &copy, const CopyCheck &check)
{
    if (const QString fault = checkCopy(source.data(), copy, check); !fault.isEmpty()) {
        m_error = fault;
        return false;
    }
    m_output = std::move(copy);
    return true;
}

// Exiv2 re-serialises the metadata: the checked fallback when no edit in place applies.
bool ImageDestination::rebuild(const ImageSource &source, const QVariantMap &overlay, const OverlayPlan &plan,
                               CopyCheck check)
{
    QString error;
    QByteArray out;
    if (!source.exiv().readDataLoss().isEmpty()) {
        m_error = Text::tr("the metadata cannot be rewritten completely (%1)").arg(source.exiv().readDataLoss());
        return false;
    }
    // A TIFF rebuild writes only the directories Exiv2 read: one it skipped as damaged
    // would be gone from the copy, and its strips may decode differently.
    if (m_type == QLatin1String(filetypes::Tiff)) {
        const QStringList &said = source.exiv().readWarnings();
        const auto skipped = std::find_if(said.begin(), said.end(), [](const QString &m) {
            return m.contains(QLatin1String("ignoring it"), Qt::CaseInsensitive);
        });
        if (skipped != said.end()) {
            m_error = Text::tr("the photo has a damaged directory that rewriting would drop (%1)").arg(*skipped);
            m_refused = true;
            return false;
        }
    }
    auto image = ExivImage::open(source.data(), &error);
    const QByteArray profile = profileKeepingColours(source, plan);
    const bool ok = image && guarded([&] { out = writeWithOverlay(*image, overlay, profile); }, &error);
    if (!ok) {
        m_error = error;
        return false;
    }
    check.exifReserialised = true;
    check.editedKeys.clear();
    if (!profile.isEmpty())
        check.editedKeys.insert("Exif.Image.InterColorProfile"); // where a TIFF keeps its profile
    check.directoriesMoved = false;
    check.makerNoteKeptAsBytes = false;
    QString fault = m_type == QLatin1String(filetypes::Tiff) ? editEveryPage(out, plan) : QString();
    if (fault.isEmpty())
        fault = checkCopy(source.data(), out, check);
    if (!fault.isEmpty()) {
        m_error = fault;
        return false;
    }
    // Rebuilding a TIFF moves its strips and directories; a damaged one may then decode
    // differently, and such a copy would not be the same photo.
    if (m_type == QLatin1String(filetypes::Tiff) && !samePixels(source.data(), out)) {
        m_error = Text::tr("the photo's image data is damaged and would not survive rewriting its metadata");
        m_refused = true;
        return false;
    }
    m_output = std::move(out);
    return true;
}

ImageDestinationPtr ImageDestination::create(QByteArray *buffer, const QString &type, int count)
{
    if (count < 1 || exivTypeForTypeIdentifier(type) == Exiv2::ImageType::none)
        return nullptr;
    return std::make_unique<ImageDestination>(buffer, type, count);
}

namespace {

// `photo` with `edit` laid over it, by the same checked edit as any copy, into `out`.
bool editInMemory(const ImageSource &photo, const QVariantMap &edit, QByteArray *out, QString *error)
{
    QByteArray written;
    ImageDestination destination(&written, photo.type(), 1);
    destination.addImageFromSource(photo, 0, edit);
    if (!destination.finalize()) {
        if (error)
            *error = destination.errorString();
        return false;
    }
    *out = std::move(written);
    return true;
}

// The Exif pixel-size entries that do not state the photo's real size: those it holds with
// another value, and with `addMissing` those it lacks.
QVariantMap exifSizeCorrections(const ImageSource &photo, bool addMissing)
{
    const QVariantMap exif = photo.properties().value(QLatin1String(keys::ExifGroup)).toMap();
    Exiv2::Image &image = photo.exiv().image();
    QVariantMap sizes;
    for (const auto &[key, size] : {std::pair{keys::ExifPixelXDimension, image.pixelWidth()},
                                    std::pair{keys::ExifPixelYDimension, image.pixelHeight()}}) {
        const QString name = QLatin1String(key);
        if (exif.contains(name) ? exif.value(name).toLongLong() != size : addMissing)
            sizes.insert(name, qlonglong(size));
    }
    return sizes;
}

// A PNG given its source's chunks as stored: what the overlay changes of orientation, and the
// Exif size tags, are then edited in those chunks like any copy's, and checked.
bool settleCarriedPng(QByteArray &carried, const QVariantMap &overlay, QString *error)
{
    const auto result = ImageSource::create(carried, error);
    if (!result)
        return false;
    QVariantMap edit;
    const QString orientation = QLatin1String(keys::Orientation);
    if (overlay.contains(orientation) && result->properties().contains(orientation))
        edit.insert(orientation, overlay.value(orientation));
    const QVariantMap sizes = exifSizeCorrections(*result, false);
    if (!sizes.isEmpty())
        edit.insert(QLatin1String(keys::ExifGroup), sizes);
    return edit.isEmpty() || editInMemory(*result, edit, &carried, error);
}

} // namespace

bool completeJpegPixelSize(QByteArray &jpeg, QString *error)
{
    const auto photo = ImageSource::create(jpeg, error);
    if (!photo)
        return false;
    if (photo->properties().value(QLatin1String(keys::ExifGroup)).toMap().isEmpty())
        return true;
    const QVariantMap sizes = exifSizeCorrections(*photo, true);
    return sizes.isEmpty() || editInMemory(*photo, {{QLatin1String(keys::ExifGroup), sizes}}, &jpeg, error);
}

bool copyMetadata(const ImageSource &source, QByteArray &target, int parts, const QVariantMap &overlay, QString *error)
{
    switch (carryJpegMetadata(source, target, parts, overlay, error)) {
    case CarryOutcome::Done:
        return true;
    case CarryOutcome::Failed:
        return false;
    case CarryOutcome::NotApplicable:
        break;
    }
    if (source.type() == QLatin1String(filetypes::Png)) {
        QByteArray carried = target;
        if (carryPngChunks(source.data(), carried, parts)) {
            if (!settleCarriedPng(carried, overlay, error))
                return false;
            target = std::move(carried);
            return true;
        }
    }
    QByteArray out;
    auto image = ExivImage::open(target, error);
    if (!image)
        return false;
    if (!image->canWrite()) {
        if (error)
            *error = Text::tr("cannot write metadata into %1").arg(image->typeIdentifier());
        return false;
    }
    const bool ok = guarded(
        [&] {
            Exiv2::Image &from = source.exiv().image();
            Exiv2::Image &to = image->image();
            to.clearMetadata();
            if (parts & ExifPart) {
                to.setExifData(source.type() == QLatin1String(filetypes::Jpeg) ? from.exifData()
                                                                            : portableExif(from.exifData()));
                if (image->imageType() == Exiv2::ImageType::jpeg && source.type() != QLatin1String(filetypes::Jpeg)
                    && !to.exifData().empty()) {
                    addJpegIfd0Tags(from.exifData(), to.exifData());
                    completeNewExifDirectory(to);
                }
            }
            if (parts & IptcPart)
                to.setIptcData(from.iptcData());
            if (parts & XmpPart) {
                to.setXmpPacket(from.xmpPacket());
                to.setXmpData(from.xmpData());
            }
            if ((parts & IccProfilePart) && from.iccProfileDefined()) {
                Exiv2::DataBuf icc(from.iccProfile()->pData_, from.iccProfile()->size_);
                to.setIccProfile(icc, false);
            }
            // The Exif size fields describe the new pixels, which may be scaled or turned.
            for (const auto &[key, size] : {std::pair{"Exif.Photo.PixelXDimension", to.pixelWidth()},
                                            std::pair{"Exif.Photo.PixelYDimension", to.pixelHeight()}}) {
                auto pos = to.exifData().findKey(Exiv2::ExifKey(key));
                if (pos != to.exifData().end() && size > 0) {
                    Exiv2::Value::AutoPtr value = Exiv2::Value::create(pos->typeId());
                    if (value->read(std::to_string(size)) == 0)
                        pos->setValue(value.get());
                }
            }
            out = writeWithOverlay(*image, overlay);
        },
        error);
    if (!ok)
        return false;
    target = std::move(out);
    return true;
}

} // namespace imageio
