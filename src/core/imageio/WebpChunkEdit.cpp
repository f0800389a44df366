// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebpChunkEdit.h"

#include "ExifEdits.h"
#include "OverlayPlan.h"
#include "TiffBlock.h"
#include "XmpEdit.h"

#include <QList>
#include <QtEndian>

#include <algorithm>

namespace imageio {

namespace {

struct Chunk {
    QByteArray fourcc;
    QByteArray data;
};

bool parseChunks(const QByteArray &webp, QList<Chunk> *chunks)
{
    if (webp.size() < 12 || !webp.startsWith("RIFF") || webp.mid(8, 4) != "WEBP")
        return false;
    const quint64 end = qMin<quint64>(quint64(webp.size()), 8 + qFromLittleEndian<quint32>(webp.constData() + 4));
    quint64 at = 12;
    while (at + 8 <= end) {
        const quint32 size = qFromLittleEndian<quint32>(webp.constData() + at + 4);
        if (size > end - at - 8)
            return false;
        chunks->append({webp.mid(qsizetype(at), 4), webp.mid(qsizetype(at + 8), qsizetype(size))});
        at += 8 + size + (size & 1);
    }
    return at >= end;
}

} // namespace

WebpEditOutcome editWebpChunks(const QByteArray &webp, const OverlayPlan &plan, const ExifEdits *exact,
                               const QByteArray &iccProfile, QByteArray *out, QString *error)
{
    QList<Chunk> chunks;
    if ((plan.exifStructureChanges && !exact) || !plan.iptcChanges.isEmpty() || plan.removeIptc
        || !parseChunks(webp, &chunks))
        return WebpEditOutcome::NotApplicable;
    bool exifDone = false;
    for (Chunk &c : chunks) {
        if (c.fourcc == "EXIF") {
            // Some writers keep the JPEG segment's "Exif\0\0" header in front of the block.
            const int skip = c.data.startsWith(QByteArray(kExifHeader, kExifHeaderSize)) ? kExifHeaderSize : 0;
            QByteArray tiff = c.data.mid(skip);
            TiffBlock block(&tiff);
            if (!block.isValid())
                return WebpEditOutcome::NotApplicable;
            removeInPlace(block, plan);
            const bool edited = exact ? applyExifEdits(block, *exact, error) : patchValuesInPlace(block, plan);
            if (!edited)
                return exact ? WebpEditOutcome::Failed : WebpEditOutcome::NotApplicable;
            c.data = c.data.left(skip) + tiff;
            exifDone = true;
        } else if (c.fourcc == "XMP " && !plan.xmp.isEmpty()) {
            bool changed = false;
            if (!editXmpProperties(c.data, plan.xmp, &changed, error))
                return WebpEditOutcome::Failed;
            if (changed && c.data.trimmed().isEmpty())
                return WebpEditOutcome::NotApplicable; // the header's XMP flag would have to go too
        }
    }
    if (!exifDone && plan.changesExif())
        return WebpEditOutcome::NotApplicable;
    // The profile goes right after the extended header (an EXIF chunk needs one), whose
    // flags then say it is there.
    const bool hasProfile
        = std::any_of(chunks.begin(), chunks.end(), [](const Chunk &c) { return c.fourcc == "ICCP"; });
    if (!iccProfile.isEmpty() && !hasProfile) {
        if (chunks.isEmpty() || chunks.first().fourcc != "VP8X" || chunks.first().data.isEmpty())
            return WebpEditOutcome::NotApplicable;
        chunks.first().data[0] = char(chunks.first().data.at(0) | 0x20);
        chunks.insert(1, {"ICCP", iccProfile});
    }
    QByteArray result("RIFF\0\0\0\0WEBP", 12);
    for (const Chunk &c : std::as_const(chunks)) {
        QByteArray size(4, Qt::Uninitialized);
        qToLittleEndian(quint32(c.data.size()), size.data());
        result += c.fourcc + size + c.data;
        if (c.data.size() & 1)
            result += '\0';
    }
    qToLittleEndian(quint32(result.size() - 8), result.data() + 4);
    *out = std::move(result);
    return WebpEditOutcome::Done;
}

} // namespace imageio
