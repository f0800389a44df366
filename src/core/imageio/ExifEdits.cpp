// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifEdits.h"

#include "ExivImage.h"
#include "PropertyNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExifEdits)
};

std::optional<TiffBlock::Ifd> ifdOf(const std::string &group)
{
    if (group == "Image")
        return TiffBlock::Ifd::Ifd0;
    if (group == "Photo")
        return TiffBlock::Ifd::Exif;
    if (group == "GPSInfo")
        return TiffBlock::Ifd::Gps;
    if (group == "Iop")
        return TiffBlock::Ifd::Interop;
    return std::nullopt;
}

// The TIFF type a value is stored with; 0 for the library's own types that have none.
quint16 tiffType(const Exiv2::Exifdatum &d)
{
    const Exiv2::TypeId id = d.typeId();
    if (id >= Exiv2::unsignedByte && id <= Exiv2::tiffIfd)
        return quint16(id);
    if (id == Exiv2::comment || id == Exiv2::undefined)
        return 7;
    if (id == Exiv2::string)
        return 2;
    return 0;
}

QByteArray valueBytes(const Exiv2::Exifdatum &d, Exiv2::ByteOrder order)
{
    QByteArray out(qsizetype(d.size()), '\0');
    if (!out.isEmpty())
        d.copy(reinterpret_cast<Exiv2::byte *>(out.data()), order);
    return out;
}

bool sameEntry(const Exiv2::Exifdatum &a, const Exiv2::Exifdatum &b)
{
    return a.typeId() == b.typeId() && a.count() == b.count()
        && valueBytes(a, Exiv2::littleEndian) == valueBytes(b, Exiv2::littleEndian);
}

using Key = std::pair<std::string, quint16>; // group, tag
using Entries = std::map<Key, std::vector<const Exiv2::Exifdatum *>>;

Entries entriesOf(const Exiv2::ExifData &exif)
{
    Entries out;
    for (const Exiv2::Exifdatum &d : exif)
        out[{d.groupName(), d.tag()}].push_back(&d);
    return out;
}

// Pointers belong to the layout, which the block keeps; the edit is in what they lead to.
bool isPointer(const Key &key)
{
    return (key.first == "Image" && (key.second == TiffBlock::ExifPointer || key.second == TiffBlock::GpsPointer))
        || (key.first == "Photo" && key.second == TiffBlock::InteropPointer);
}

// One change per entry the overlay altered; anything the block writer cannot place exactly
// (layout tags, repeated entries, the maker note) leaves the edit inexact with the reason.
void collectChanges(const Exiv2::ExifData &before, const Exiv2::ExifData &after, ExifEdits *edits)
{
    const Entries was = entriesOf(before);
    const Entries now = entriesOf(after);
    std::set<Key> keys;
    for (const auto &[key, list] : was)
        keys.insert(key);
    for (const auto &[key, list] : now)
        keys.insert(key);
    for (const Key &key : keys) {
        const auto a = was.find(key);
        const auto b = now.find(key);
        const std::vector<const Exiv2::Exifdatum *> none;
        const auto &old = a == was.end() ? none : a->second;
        const auto &fresh = b == now.end() ? none : b->second;
        if (old.size() == fresh.size()
            && std::equal(old.begin(), old.end(), fresh.begin(),
                          [](const Exiv2::Exifdatum *x, const Exiv2::Exifdatum *y) { return sameEntry(*x, *y); }))
            continue;
        if (isPointer(key))
            continue;
        const std::string name = Exiv2::ExifKey(key.second, key.first).key();
        const auto ifd = ifdOf(key.first);
        const bool layout = key.first == "Image" && isStructuralTag(Exiv2::ExifKey(name).tagName());
        if (!ifd || layout || old.size() > 1 || fresh.size() > 1 || (key.first == "Photo" && key.second == 0x927C)) {
            edits->why = Text::tr("the edit reaches %1").arg(QString::fromStdString(name));
            return;
        }
        edits->changedKeys.insert(name);
        ExifEdits::Change change{*ifd, key.second, 0, 0, {}, {}};
        if (!fresh.empty()) {
            const Exiv2::Exifdatum &d = *fresh.front();
            change.type = tiffType(d);
            if (!change.type) {
                edits->why = Text::tr("%1 has no TIFF type").arg(QString::fromStdString(name));
                return;
            }
            change.little = valueBytes(d, Exiv2::littleEndian);
            change.big = valueBytes(d, Exiv2::bigEndian);
            change.count = change.type == 7 || change.type == 2 ? quint32(change.little.size()) : quint32(d.count());
        }
        edits->changes.append(change);
    }
    edits->exact = true;
}

// What readers expect beside what the user set: a version for a new GPS directory, a method
// for a typed position in a TIFF, resolution and chroma siting for a JPEG's new IFD0.
void addExpectedCompanions(const Exiv2::ExifData &before, const Exiv2::ExifData &after, int type,
                           ExifEdits *edits)
{
    const auto inGps = [](const Exiv2::Exifdatum &d) { return d.groupName() == "GPSInfo"; };
    const bool newGps = std::none_of(before.begin(), before.end(), inGps) && std::any_of(after.begin(), after.end(), inGps);
    if (newGps && after.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSVersionID")) == after.end()) {
        edits->changes.append({TiffBlock::Ifd::Gps, 0x0000, 1, 4, QByteArray("\x02\x02\0\0", 4), QByteArray("\x02\x02\0\0", 4)});
        edits->changedKeys.insert("Exif.GPSInfo.GPSVersionID");
    }
    // A position the user typed was found by hand.
    const auto latitude = Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude");
    if (type == Exiv2::ImageType::tiff && edits->changedKeys.count(latitude.key()) && after.findKey(latitude) != after.end()
        && after.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSProcessingMethod")) == after.end()) {
        const QByteArray manual("ASCII\0\0\0MANUAL", 14);
        edits->changes.append({TiffBlock::Ifd::Gps, 0x001B, 7, quint32(manual.size()), manual, manual});
        edits->changedKeys.insert("Exif.GPSInfo.GPSProcessingMethod");
    }
    // A block made from nothing gets what exiftool gives a new one.
    const bool newBlock = std::none_of(before.begin(), before.end(), [](const Exiv2::Exifdatum &d) { return ifdOf(d.groupName()); });
    if (newBlock && !edits->changes.isEmpty() && type == Exiv2::ImageType::jpeg) {
        auto add = [&](quint16 tag, quint16 tiffType, const QByteArray &little, const QByteArray &big) {
            edits->changes.append({TiffBlock::Ifd::Ifd0, tag, tiffType, 1, little, big});
        };
        const QByteArray dpiLittle("\x48\0\0\0\x01\0\0\0", 8), dpiBig("\0\0\0\x48\0\0\0\x01", 8);
        add(0x011A, 5, dpiLittle, dpiBig); // XResolution 72
        add(0x011B, 5, dpiLittle, dpiBig); // YResolution 72
        add(0x0128, 3, QByteArray("\x02\0", 2), QByteArray("\0\x02", 2)); // inches
        add(0x0213, 3, QByteArray("\x01\0", 2), QByteArray("\0\x01", 2)); // centred
        for (const char *key : {"Exif.Image.XResolution", "Exif.Image.YResolution", "Exif.Image.ResolutionUnit",
                                "Exif.Image.YCbCrPositioning"})
            edits->changedKeys.insert(key);
    }
}

} // namespace

ExifEdits exifEditsFor(const QByteArray &source, const QVariantMap &overlay, const Exiv2::ExifData *exif)
{
    ExifEdits edits;
    QString error;
    // Changed in memory only, never written.
    auto image = ExivImage::openForReading(source, &error);
    if (!image) {
        edits.why = error;
        return edits;
    }
    if (exif)
        image->image().setExifData(*exif);
    // Entries of no valid TIFF type are dropped from the block (TiffBlock::dropInvalidEntries)
    // before the edit, as no reader can use them; they must not count as part of it.
    Exiv2::ExifData &entries = image->image().exifData();
    for (auto it = entries.begin(); it != entries.end();) {
        if (ifdOf(it->groupName()) && !tiffType(*it))
            it = entries.erase(it);
        else
            ++it;
    }
    const Exiv2::ExifData before = entries;
    bool laid = false;
    if (!guarded([&] { laid = applyOverlay(image->image(), overlay, &edits.refusal); }, &edits.refusal) || !laid)
        return edits;
    const Exiv2::ExifData &after = image->image().exifData();
    if (!guarded([&] { collectChanges(before, after, &edits); }, &edits.why))
        edits.exact = false;
    if (edits.exact)
        addExpectedCompanions(before, after, image->imageType(), &edits);
    return edits;
}

bool applyExifEdits(TiffBlock &block, const ExifEdits &edits, QString *why)
{
    using Ifd = TiffBlock::Ifd;
    const quint64 reach = block.makerNoteReachPastEnd();
    const quint32 ifd0Before = block.ifd0Offset();
    // Children before parents, so a parent that moves takes the child's new pointer along.
    for (const Ifd ifd : {Ifd::Interop, Ifd::Exif, Ifd::Gps, Ifd::Ifd0}) {
        QList<TiffBlock::Field> fields;
        for (const ExifEdits::Change &c : edits.changes)
            if (c.ifd == ifd)
                fields.append({c.tag, c.type, c.count, block.littleEndian() ? c.little : c.big});
        if (!fields.isEmpty() && !block.setFields(ifd, fields)) {
            *why = Text::tr("the Exif data has a directory pointer that leads nowhere");
            return false;
        }
    }
    if (reach && reach <= block.size() && !block.keptClearUpTo(reach)) {
        *why = Text::tr("the maker note points past the end of the Exif data, where the edit would have to grow it");
        return false;
    }
    block.clearLeftovers();
    if (block.ifd0Offset() != ifd0Before)
        block.leaveRoomAfterIfd0();
    return true;
}

} // namespace imageio
