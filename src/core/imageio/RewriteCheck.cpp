// SPDX-License-Identifier: GPL-3.0-or-later
#include "RewriteCheck.h"

#include "ExivImage.h"
#include "JpegSegments.h"
#include "OverlayPlan.h"
#include "PhotoshopResources.h"
#include "PropertyNames.h"
#include "TiffBlock.h"
#include "XmpEdit.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>
#include <unordered_map>
#include <vector>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RewriteCheck)
};

bool removedGroup(const std::string &group, const OverlayPlan &plan)
{
    if (plan.removeGps && group == "GPSInfo")
        return true;
    return plan.removeExif && (group == "Photo" || group == "Iop" || Exiv2::ExifTags::isMakerGroup(group));
}

bool expectedToDiffer(const Exiv2::Exifdatum &d, const CopyCheck &check)
{
    const std::string key = d.key();
    const std::string group = d.groupName();
    const OverlayPlan &plan = *check.plan;
    if (removedGroup(group, plan) || plan.touchedExifKeys.count(key) || check.droppedKeys.count(key)
        || check.editedKeys.count(key))
        return true;
    if (check.makerNoteKeptAsBytes
        && (Exiv2::ExifTags::isMakerGroup(group) || group == "MakerNote" || key == "Exif.Photo.MakerNote"))
        return true;
    if (check.directoriesMoved && (d.tag() == TiffBlock::ExifPointer || d.tag() == TiffBlock::GpsPointer
                                   || d.tag() == TiffBlock::InteropPointer))
        return true;
    if (plan.touchesGpsGroup && group == "GPSInfo")
        return true;
    // A tag newer than the photo's Exif version raises the version with it.
    if (key == "Exif.Photo.ExifVersion" && !plan.touchedExifKeys.empty())
        return true;
    // The further pages of a TIFF file (as Exiv2 names their directories) take the edit too.
    if ((group == "Thumbnail" || group == "Image2" || group == "Image3")
        && plan.touchedExifKeys.count("Exif.Image." + d.tagName()))
        return true;
    if ((plan.removeExif && key == "Exif.Image.ExifTag") || (plan.removeGps && key == "Exif.Image.GPSTag")
        || (plan.removeIptc && key == "Exif.Image.IPTCNAA"))
        return true;
    // An added date moves the directory it goes into; the tags inside are compared instead.
    if (!plan.dates.isEmpty() && (key == "Exif.Image.ExifTag" || key == "Exif.Photo.InteroperabilityTag"))
        return true;
    if (check.exifReserialised) {
        // Offsets move when a block is rebuilt; IFD0's layout tags and the IFDs of other
        // images (sub-images, previews) are not written into a JPEG's Exif.
        if (isStructuralTag(d.tagName()))
            return true;
        if (group.rfind("SubImage", 0) == 0 || group == "Image2" || group == "Image3" || group == "PanasonicRaw")
            return true;
    }
    return false;
}

// The IPTC datasets an edit did not mean to change, in a stable order (writers may sort
// them). The character set follows the edited text and a new block gains its record
// versions, so those count as edited with it. An empty dataset says nothing and is not
// compared: a trailing empty one does not always read back.
std::vector<std::pair<std::string, std::string>> untouchedIptc(const Exiv2::IptcData &iptc, const OverlayPlan &plan)
{
    std::set<std::string> touched;
    for (auto it = plan.iptcChanges.begin(); it != plan.iptcChanges.end(); ++it)
        touched.insert("Iptc.Application2." + iptcExivName(it.key()));
    if (!touched.empty())
        touched.insert({"Iptc.Envelope.CharacterSet", "Iptc.Envelope.ModelVersion", "Iptc.Application2.RecordVersion"});
    std::vector<std::pair<std::string, std::string>> kept;
    for (const Exiv2::Iptcdatum &d : iptc)
        if (!touched.count(d.key()) && d.size() > 0)
            kept.emplace_back(d.key(), d.toString());
    std::sort(kept.begin(), kept.end());
    return kept;
}

QString describe(const Exiv2::Exifdatum &d) { return QString::fromStdString(d.key()); }

// Equal bytes of the same type always print the same; printing every value (maker notes
// run to thousands of numbers) is most of the check's time, so it is left for the rest.
bool sameValue(const Exiv2::Exifdatum &a, const Exiv2::Exifdatum &b)
{
    if (a.typeId() == b.typeId() && a.count() == b.count() && a.size() == b.size()) {
        std::vector<Exiv2::byte> x(a.size()), y(b.size());
        a.copy(x.data(), Exiv2::littleEndian);
        b.copy(y.data(), Exiv2::littleEndian);
        if (x == y)
            return true;
    }
    return a.toString() == b.toString();
}

// What the copy still holds of what the edit removed.
QString leftoverIn(const Exiv2::Image &out, const CopyCheck &check)
{
    const OverlayPlan &plan = *check.plan;
    for (const Exiv2::Exifdatum &d : out.exifData())
        if (removedGroup(d.groupName(), plan))
            return Text::tr("the copy still holds %1").arg(describe(d));
    const bool iptcInExif = out.exifData().findKey(Exiv2::ExifKey("Exif.Image.IPTCNAA")) != out.exifData().end();
    if (plan.removeIptc && (!out.iptcData().empty() || iptcInExif))
        return Text::tr("the copy still holds IPTC data");
    if (check.xmpCheckedElsewhere)
        return {};
    Exiv2::XmpData xmp = out.xmpData(); // edited to see whether anything is left to edit
    if (editXmpProperties(xmp, plan.xmp))
        return Text::tr("the copy still holds XMP properties that were to be removed or moved");
    return {};
}

} // namespace

QString checkCopy(const QByteArray &sourceBytes, const QByteArray &copy, const CopyCheck &check)
{
    const OverlayPlan &plan = *check.plan;
    QString error;
    // Whatever Exiv2 has to say about these bytes it said when the source was read; the
    // check's verdict is what counts here.
    const QuietExiv2Log quiet;
    // Both read the same way: the edit's own reading of the source, or a fresh one.
    std::unique_ptr<ExivImage> fresh;
    const ExivImage *original = check.sourceReading;
    if (!original) {
        fresh = ExivImage::openForReading(sourceBytes, &error);
        if (!fresh)
            return Text::tr("the source does not read again: %1").arg(error);
        original = fresh.get();
    }
    const Exiv2::Image &source = original->image();
    std::unique_ptr<ExivImage> again; // a second reading, for values Exiv2 does not read the same twice
    auto unstable = [&](const Exiv2::Exifdatum &d) {
        if (!again)
            again = ExivImage::openForReading(sourceBytes, &error);
        if (!again)
            return false;
        auto pos = again->image().exifData().findKey(Exiv2::ExifKey(d.key()));
        return pos == again->image().exifData().end() || pos->toString() != d.toString();
    };
    auto written = ExivImage::openForReading(copy, &error,
                                             check.xmpCheckedElsewhere ? ExivImage::Xmp::Skip : ExivImage::Xmp::Parse);
    if (!written)
        return Text::tr("the copy does not read back: %1").arg(error);
    Exiv2::Image &out = written->image();
    QString fault;
    const bool ok = guarded(
        [&] {
            fault = leftoverIn(out, check);
            if (!fault.isEmpty())
                return;
            // The first entry of each key, as findKey would give it; a maker note runs to
            // hundreds of entries, and a search per entry was most of the comparison.
            std::unordered_map<std::string, const Exiv2::Exifdatum *> after;
            after.reserve(out.exifData().count());
            for (const Exiv2::Exifdatum &d : out.exifData())
                after.try_emplace(d.key(), &d);
            for (const Exiv2::Exifdatum &d : source.exifData()) {
                if (expectedToDiffer(d, check))
                    continue;
                const auto pos = after.find(d.key());
                if (pos == after.end()) {
                    fault = Text::tr("the rewrite would lose %1").arg(describe(d));
                    return;
                }
                if (!sameValue(*pos->second, d) && !unstable(d)) {
                    fault = Text::tr("the rewrite would change %1").arg(describe(d));
                    return;
                }
            }
            if (!plan.removeIptc) {
                const auto before = untouchedIptc(source.iptcData(), plan), after = untouchedIptc(out.iptcData(), plan);
                const auto differ = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
                if (differ.first != before.end())
                    fault = Text::tr("the rewrite would change %1").arg(QString::fromStdString(differ.first->first));
                else if (differ.second != after.end())
                    fault = Text::tr("the rewrite would add %1").arg(QString::fromStdString(differ.second->first));
            }
        },
        &error);
    if (!ok)
        return Text::tr("the copy does not read back: %1").arg(error);
    return fault;
}

QString checkJpegRemovals(const QByteArray &jpeg, const OverlayPlan &plan)
{
    JpegFile file;
    QString error;
    if (!file.parse(jpeg, &error))
        return Text::tr("the copy is not a readable JPEG: %1").arg(error);
    for (const JpegSegment &s : std::as_const(file.segments)) {
        if (s.kind == JpegSegment::Exif && (plan.removeGps || plan.removeExif || plan.removeIptc)) {
            QByteArray tiff = s.payload().mid(kExifHeaderSize);
            TiffBlock block(&tiff);
            TiffBlock::Directory ifd0;
            if (block.isValid() && block.readDirectory(block.ifd0Offset(), &ifd0)
                && ((plan.removeGps && ifd0.find(TiffBlock::GpsPointer))
                    || (plan.removeExif && ifd0.find(TiffBlock::ExifPointer))
                    || (plan.removeIptc && ifd0.find(TiffBlock::IptcNaa))))
                return Text::tr("an Exif segment of the copy still holds what was to be removed");
        } else if (s.kind == JpegSegment::Iptc && plan.removeIptc) {
            QList<PhotoshopResource> resources;
            parsePhotoshopResources(s.payload().mid(kIptcHeaderSize), &resources);
            for (const PhotoshopResource &r : std::as_const(resources))
                if (r.id == kIptcResource)
                    return Text::tr("an APP13 segment of the copy still holds IPTC data");
        } else if (s.kind == JpegSegment::Xmp && !plan.xmp.isEmpty()) {
            QByteArray packet = s.payload().mid(kXmpHeaderSize);
            bool changed = false;
            if (!editXmpProperties(packet, plan.xmp, &changed, &error) || changed)
                return Text::tr("an XMP segment of the copy still holds what was to be removed");
        }
    }
    QList<ExtendedXmp> extended;
    if (!plan.xmp.isEmpty() && extendedXmpPackets(file, &extended)) {
        for (ExtendedXmp &e : extended) {
            bool changed = false;
            if (!editXmpProperties(e.packet, continuationChange(plan.xmp), &changed, &error) || changed)
                return Text::tr("the extended XMP of the copy still holds what was to be removed");
        }
    }
    return {};
}

} // namespace imageio
