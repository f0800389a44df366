// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlistExchange.h"

#include "EditSteps.h"
#include "MetadataEdit.h"
#include "PropertyList.h"

#include "app/Folders.h"
#include "jobs/OutputNames.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace plistexchange {

using namespace imageio;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PlistExchange)
};

const QLatin1String kExif(keys::ExifGroup);
const QLatin1String kTiff(keys::TiffGroup);
const QLatin1String kGps(keys::GpsGroup);

bool isScalar(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::Double:
    case QMetaType::LongLong:
    case QMetaType::Int:
        return true;
    default:
        return false;
    }
}

bool isValue(const QVariant &v)
{
    if (isScalar(v))
        return true;
    if (v.typeId() != QMetaType::QVariantList)
        return false;
    for (const QVariant &item : v.toList())
        if (!isScalar(item))
            return false;
    return true;
}

bool isNumber(const QVariant &v)
{
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int;
}

bool refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

// Values as the image I/O layer gives them: text, numbers, bytes or lists of these.
// Position numbers are unsigned magnitudes within their range, the side in the refs.
bool checkGroup(const QString &group, const QVariantMap &map, QString *error)
{
    for (auto it = map.begin(); it != map.end(); ++it) {
        if (!isValue(it.value()))
            return refuse(error, Text::tr("%1 %2 is not a value a photo can hold").arg(group, it.key()));
    }
    if (group != kGps)
        return true;
    const struct {
        const char *key;
        double limit;
    } ranges[] = {{keys::GpsLatitude, 90}, {keys::GpsLongitude, 180},
                  {keys::GpsAltitude, 1e6}};
    for (const auto &r : ranges) {
        const auto it = map.find(QLatin1String(r.key));
        if (it == map.end())
            continue;
        const double v = it->toDouble();
        if (!isNumber(*it) || !std::isfinite(v) || v < 0 || v > r.limit)
            return refuse(error, Text::tr("%1 %2 must be a number from 0 to %3")
                                     .arg(group, QLatin1String(r.key))
                                     .arg(r.limit));
    }
    const struct {
        const char *key;
        QStringList allowed;
    } refs[] = {{keys::GpsLatitudeRef, {QStringLiteral("N"), QStringLiteral("S")}},
                {keys::GpsLongitudeRef, {QStringLiteral("E"), QStringLiteral("W")}}};
    for (const auto &r : refs) {
        const auto it = map.find(QLatin1String(r.key));
        // An empty reference is what a photo with an empty GPS block exports: it says nothing.
        if (it != map.end() && !it->toString().trimmed().isEmpty() && !r.allowed.contains(it->toString()))
            return refuse(error, Text::tr("%1 %2 must be %3 or %4")
                                     .arg(group, QLatin1String(r.key), r.allowed.at(0), r.allowed.at(1)));
    }
    return true;
}

bool checkGroupEntry(const QVariantMap &root, const QString &group, QString *error)
{
    const auto it = root.find(group);
    if (it == root.end())
        return true;
    if (it->typeId() != QMetaType::QVariantMap)
        return refuse(error, Text::tr("its %1 entry is not a dictionary").arg(group));
    return checkGroup(group, it->toMap(), error);
}

// What describes the donor's own pixels and file (sizes, layout, encoding, orientation,
// resolution, thumbnail) rather than the photo: it never lands on another photo.
const char *const kTiffLayout[] = {
    keys::TiffOrientation, keys::TiffXResolution, keys::TiffYResolution, "ResolutionUnit",
    "NewSubfileType", "SubfileType", "ImageWidth", "ImageLength", "BitsPerSample", "Compression",
    "PhotometricInterpretation", "FillOrder", "StripOffsets", "SamplesPerPixel", "RowsPerStrip", "StripByteCounts",
    "PlanarConfiguration", "TileWidth", "TileLength", "TileOffsets", "TileByteCounts", "SubIFDs", "ExtraSamples",
    "SampleFormat", "Predictor", "JPEGTables", "YCbCrCoefficients", "YCbCrSubSampling", "YCbCrPositioning",
    "ReferenceBlackWhite", "TransferFunction", "WhitePoint", "PrimaryChromaticities", "ColorMap",
    "JPEGInterchangeFormat", "JPEGInterchangeFormatLength", "InterColorProfile", "XMLPacket", "IPTCNAA",
    "ImageResources"};
const char *const kExifLayout[] = {keys::ExifPixelXDimension, keys::ExifPixelYDimension,
                                   "ComponentsConfiguration", "CompressedBitsPerPixel"};

QVariantMap withoutLayout(QVariantMap group, const QString &name)
{
    if (name == kTiff)
        for (const char *key : kTiffLayout)
            group.remove(QLatin1String(key));
    if (name == kExif)
        for (const char *key : kExifLayout)
            group.remove(QLatin1String(key));
    return group;
}

// A position is imported whole, replacing the photo's fix, or not at all: one coordinate
// would pair with the other of another fix. Empty references say nothing and are left out.
std::optional<QVariantMap> importedGps(QVariantMap gps)
{
    // An empty text says nothing (some cameras store a blank direction reference); written
    // back it would read as an unknown value.
    for (auto it = gps.begin(); it != gps.end();)
        it = it->typeId() == QMetaType::QString && it->toString().trimmed().isEmpty() ? gps.erase(it) : std::next(it);
    if (!gps.contains(QLatin1String(keys::GpsLatitude)) || !gps.contains(QLatin1String(keys::GpsLongitude)))
        return std::nullopt;
    return MetadataEdit::replacingGpsFix(gps);
}

// The overlay for a file's groups: each group without the donor's layout.
QVariantMap importedGroups(QVariantMap overlay)
{
    for (auto it = overlay.begin(); it != overlay.end();) {
        if (it.key() == kGps) {
            const std::optional<QVariantMap> gps = importedGps(it->toMap());
            if (!gps) {
                it = overlay.erase(it);
                continue;
            }
            *it = *gps;
        } else if (it.key() == kTiff || it.key() == kExif) {
            *it = withoutLayout(it->toMap(), it.key());
        }
        ++it;
    }
    return overlay;
}

QVariantMap withoutPixelDescription(QVariantMap root)
{
    for (const char *key : {keys::PixelWidth, keys::PixelHeight, keys::Orientation,
                            keys::DpiWidth, keys::DpiHeight, keys::FileSize})
        root.remove(QLatin1String(key));
    return importedGroups(root);
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Whole:
        return Text::tr("metadata");
    case Kind::Exif:
        return QStringLiteral("Exif");
    case Kind::Tiff:
        return QStringLiteral("TIFF");
    case Kind::ExifAndTiff:
        return Text::tr("Exif or TIFF");
    }
    return {};
}

} // namespace

QString exportPath(Kind kind, const QString &folder, const QString &photoFileName)
{
    const QString base = QFileInfo(photoFileName).completeBaseName();
    switch (kind) {
    case Kind::Exif:
        return QStringLiteral("%1/%2_Exif.plist").arg(folder, base);
    case Kind::Tiff:
        return QStringLiteral("%1/%2_Tiff.plist").arg(folder, base);
    case Kind::Whole:
    case Kind::ExifAndTiff:
        break;
    }
    return QStringLiteral("%1/%2.plist").arg(folder, base);
}

QVariantMap exportRoot(Kind kind, const QVariantMap &properties)
{
    switch (kind) {
    case Kind::Whole:
        return properties;
    case Kind::Exif:
        return properties.value(kExif).toMap();
    case Kind::Tiff:
        return properties.value(kTiff).toMap();
    case Kind::ExifAndTiff: {
        QVariantMap root;
        for (const QString &group : {QString(kExif), QString(kTiff)})
            if (!properties.value(group).toMap().isEmpty())
                root.insert(group, properties.value(group));
        return root;
    }
    }
    return {};
}

ExportResult exportPhoto(Kind kind, const QString &photoPath, const QString &folder)
{
    folders::makePath(folder);
    // Nobody is asked here: an earlier export keeps its file and this one takes the next name.
    return exportPhotoTo(kind, photoPath, OutputNames({}).claim(exportPath(kind, folder, QFileInfo(photoPath).fileName())));
}

ExportResult exportPhotoTo(Kind kind, const QString &photoPath, const QString &file)
{
    ExportResult result;
    result.path = file;
    QString error;
    const QVariantMap properties = readProperties(photoPath, &error);
    if (properties.isEmpty()) {
        result.error = error.isEmpty() ? Text::tr("%1 has no metadata").arg(QFileInfo(photoPath).fileName())
                                       : editsteps::unreadableReason(error);
        return result;
    }
    const QVariantMap root = exportRoot(kind, properties);
    if (root.isEmpty()) {
        result.error = Text::tr("%1 has no %2 data").arg(QFileInfo(photoPath).fileName(), kindName(kind));
        return result;
    }
    if (!propertylist::writeFile(result.path, root, &error))
        result.error = error.isEmpty() ? Text::tr("the file could not be written") : error;
    return result;
}

std::optional<QVariantMap> importOverlay(Kind kind, const QVariantMap &root, QString *error)
{
    switch (kind) {
    case Kind::Whole: {
        for (auto it = root.begin(); it != root.end(); ++it) {
            const bool group = it.key().startsWith(QLatin1Char('{'));
            if (group && !checkGroupEntry(root, it.key(), error))
                return std::nullopt;
            if (!group && !isValue(it.value())) {
                refuse(error, Text::tr("%1 is not a value a photo can hold").arg(it.key()));
                return std::nullopt;
            }
        }
        return withoutPixelDescription(root);
    }
    case Kind::Exif:
    case Kind::Tiff: {
        const QString group = kind == Kind::Exif ? QString(kExif) : QString(kTiff);
        if (!checkGroup(group, root, error))
            return std::nullopt;
        return importedGroups(QVariantMap{{group, root}});
    }
    case Kind::ExifAndTiff: {
        if (!root.contains(kExif) && !root.contains(kTiff)) {
            refuse(error, Text::tr("it holds neither %1 nor %2").arg(kExif, kTiff));
            return std::nullopt;
        }
        if (!checkGroupEntry(root, kExif, error) || !checkGroupEntry(root, kTiff, error))
            return std::nullopt;
        QVariantMap overlay;
        for (const QString &group : {QString(kExif), QString(kTiff)})
            if (root.contains(group))
                overlay.insert(group, root.value(group));
        return importedGroups(overlay);
    }
    }
    return std::nullopt;
}

JobReport importPlist(Kind kind, const QString &plistPath, const EditTarget &target, const JobContext &context)
{
    JobReport report;
    if (target.selection.isEmpty()) {
        report.emptySelection = true;
        return report;
    }
    QString error;
    std::optional<QVariantMap> overlay;
    if (const auto root = propertylist::readFile(plistPath, &error))
        overlay = importOverlay(kind, *root, &error);
    if (!overlay) {
        report.addFailed(QFileInfo(plistPath).fileName(), plistPath, QString(), Text::tr("not imported: %1").arg(error));
        return report;
    }
    const editsteps::PhotoPlan plan = editsteps::PhotoPlan::rewrite(*overlay);
    // Another camera's make or model would make the photo's own maker note unreadable (or
    // read as that camera's): a photo with one keeps its own.
    QVariantMap ownCamera = *overlay;
    const QString tiffKey = QLatin1String(keys::TiffGroup);
    if (ownCamera.value(tiffKey).typeId() == QMetaType::QVariantMap) {
        QVariantMap tiff = ownCamera.value(tiffKey).toMap();
        tiff.remove(QLatin1String(keys::TiffMake));
        tiff.remove(QLatin1String(keys::TiffModel));
        ownCamera.insert(tiffKey, tiff);
    }
    const editsteps::PhotoPlan keepCamera = editsteps::PhotoPlan::rewrite(ownCamera);
    return editsteps::runEdit(target, QStringLiteral("After_"), context, [&](const editsteps::Photo &photo) {
        return photo.image && imageio::holdsMakerNote(*photo.image) ? keepCamera : plan;
    });
}

} // namespace plistexchange
