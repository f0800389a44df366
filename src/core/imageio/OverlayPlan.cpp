// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverlayPlan.h"

#include "ExivImage.h"
#include "ImageProperties.h"
#include "PropertyNames.h"
#include "TiffBlock.h"
#include "XmpEdit.h"

#include <QDateTime>

namespace imageio {

namespace {

// A date that fits the 20 bytes cameras store ("yyyy:MM:dd HH:mm:ss" and its zero).
bool isPatchableDate(const QVariant &v)
{
    if (v.typeId() != QMetaType::QString)
        return false;
    const QString text = v.toString();
    return text.size() == 19 && QDateTime::fromString(text, QStringLiteral("yyyy:MM:dd HH:mm:ss")).isValid();
}

} // namespace

bool OverlayPlan::changesExif() const
{
    return removeExif || removeGps || removeIptc || !dates.isEmpty() || orientation || pixelWidth || pixelHeight
        || exifStructureChanges;
}

OverlayPlan planOverlay(const QVariantMap &overlay, const QVariantMap &current, QSize pixelSize)
{
    OverlayPlan plan;
    plan.xmp = xmpChangeFor(overlay, current);
    auto group = [&](const char *name) { return current.value(QLatin1String(name)).toMap(); };
    for (auto it = overlay.begin(); it != overlay.end(); ++it) {
        const QString &name = it.key();
        const QVariant &v = it.value();
        const bool isMap = v.typeId() == QMetaType::QVariantMap;
        if (name == QLatin1String(keys::ExifGroup) || name == QLatin1String(keys::TiffGroup)) {
            const bool exifIfd = name == QLatin1String(keys::ExifGroup);
            if (v.isNull()) {
                if (exifIfd) {
                    plan.removeExif = true;
                } else {
                    // The writer removes IFD0's descriptive tags; the structural ones stay.
                    plan.exifStructureChanges = true;
                    for (const char *tag : kDescriptiveTiffTags)
                        plan.touchedExifKeys.insert(std::string("Exif.Image.") + tag);
                }
                continue;
            }
            if (!isMap)
                continue;
            const QVariantMap changes = changedOnly(v.toMap(), group(exifIfd ? keys::ExifGroup
                                                                              : keys::TiffGroup));
            for (auto c = changes.begin(); c != changes.end(); ++c) {
                plan.touchedExifKeys.insert((exifIfd ? "Exif.Photo." : "Exif.Image.") + c.key().toStdString());
                const bool isDate = exifIfd ? (c.key() == QLatin1String(keys::ExifDateTimeOriginal)
                                               || c.key() == QLatin1String(keys::ExifDateTimeDigitized))
                                            : c.key() == QLatin1String(keys::TiffDateTime);
                if (isDate && isPatchableDate(c.value())) {
                    const quint16 tag = !exifIfd ? TiffBlock::DateTime
                        : c.key() == QLatin1String(keys::ExifDateTimeOriginal) ? TiffBlock::DateTimeOriginal
                                                                                        : TiffBlock::DateTimeDigitized;
                    plan.dates.append({tag, exifIfd, c.value().toString().toLatin1()});
                } else {
                    plan.exifStructureChanges = true;
                }
            }
        } else if (name == QLatin1String(keys::GpsGroup)) {
            if (v.isNull()) {
                plan.removeGps = true;
            } else if (isMap && !changedOnly(v.toMap(), group(keys::GpsGroup)).isEmpty()) {
                plan.exifStructureChanges = true;
                plan.touchesGpsGroup = true;
            }
        } else if (name == QLatin1String(keys::IptcGroup)) {
            if (v.isNull())
                plan.removeIptc = true;
            else if (isMap)
                plan.iptcChanges = changedOnly(v.toMap(), group(keys::IptcGroup));
        } else if (name == QLatin1String(keys::Orientation)) {
            if (v != current.value(name)) {
                plan.touchedExifKeys.insert("Exif.Image.Orientation");
                bool ok = false;
                const int value = v.toInt(&ok);
                if (ok && value >= 1 && value <= 8)
                    plan.orientation = quint32(value);
                else
                    plan.exifStructureChanges = true; // the writer refuses it with its reason
            }
        } else if (name == QLatin1String(keys::PixelWidth) || name == QLatin1String(keys::PixelHeight)) {
            const bool width = name == QLatin1String(keys::PixelWidth);
            const qlonglong value = v.toLongLong();
            if (value == (width ? pixelSize.width() : pixelSize.height()) || value <= 0 || value > 0xFFFFFFFFLL)
                continue;
            plan.touchedExifKeys.insert(width ? "Exif.Photo.PixelXDimension" : "Exif.Photo.PixelYDimension");
            (width ? plan.pixelWidth : plan.pixelHeight) = quint32(value);
        } else if (name == QLatin1String(keys::DpiWidth) || name == QLatin1String(keys::DpiHeight)) {
            if (v != current.value(name)) {
                plan.exifStructureChanges = true;
                plan.touchedExifKeys.insert(name == QLatin1String(keys::DpiWidth) ? "Exif.Image.XResolution"
                                                                                            : "Exif.Image.YResolution");
            }
        }
    }
    return plan;
}

bool OverlayPlan::onlyValueEdits() const
{
    return !removeExif && !removeGps && !removeIptc && !exifStructureChanges && iptcChanges.isEmpty()
        && (!dates.isEmpty() || orientation || pixelWidth || pixelHeight);
}

void removeInPlace(TiffBlock &block, const OverlayPlan &plan)
{
    if (plan.removeGps)
        block.removeSubDirectory(TiffBlock::GpsPointer);
    if (plan.removeExif)
        block.removeSubDirectory(TiffBlock::ExifPointer);
    if (plan.removeIptc)
        block.removeValue(block.ifd0Offset(), TiffBlock::IptcNaa);
}

bool patchValuesInPlace(TiffBlock &block, const OverlayPlan &plan)
{
    using Directory = TiffBlock::Directory;
    Directory ifd0;
    if (!block.isValid() || !block.readDirectory(block.ifd0Offset(), &ifd0))
        return false;
    bool ok = true;
    for (const OverlayPlan::DatePatch &date : plan.dates) {
        if (!block.readDirectory(block.ifd0Offset(), &ifd0))
            return false;
        const quint32 dir = date.inExifDirectory ? block.pointer(ifd0, TiffBlock::ExifPointer) : ifd0.offset;
        Directory held;
        const bool present = dir && block.readDirectory(dir, &held) && held.find(date.tag);
        // A photo without the date gets it appended; one with it keeps its layout.
        ok = (present ? block.replaceAscii(dir, date.tag, date.text)
                      : block.addAscii(date.tag, date.inExifDirectory, date.text))
            && ok;
    }
    // Added dates may have moved the directories.
    const quint32 ifd0Before = ifd0.offset;
    if (!block.readDirectory(block.ifd0Offset(), &ifd0))
        return false;
    if (ifd0.offset != ifd0Before)
        block.leaveRoomAfterIfd0();
    const quint32 exif = block.pointer(ifd0, TiffBlock::ExifPointer);
    if (plan.orientation)
        ok = block.replaceUnsigned(ifd0.offset, TiffBlock::Orientation, *plan.orientation) && ok;
    Directory exifDir;
    if (exif && block.readDirectory(exif, &exifDir)) {
        // Only photos that already state their size get the new one.
        if (plan.pixelWidth && exifDir.find(TiffBlock::PixelXDimension))
            ok = block.replaceUnsigned(exif, TiffBlock::PixelXDimension, *plan.pixelWidth) && ok;
        if (plan.pixelHeight && exifDir.find(TiffBlock::PixelYDimension))
            ok = block.replaceUnsigned(exif, TiffBlock::PixelYDimension, *plan.pixelHeight) && ok;
    }
    return ok;
}

} // namespace imageio
