// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExivImage.h"
#include "ImageProperties.h"
#include "PropertyNames.h"
#include "XmpEdit.h"


#include <QCoreApplication>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <set>
#include <numeric>

Q_LOGGING_CATEGORY(lcMapping, "glimmerset.imageio.mapping")

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PropertyWriting)
};

QString rationalText(double x, bool isSigned)
{
    if (!std::isfinite(x))
        x = 0;
    if (!isSigned)
        x = std::fabs(x);
    const double limit = isSigned ? 2147483647.0 : 4294967295.0;
    if (std::floor(x) == x && std::fabs(x) <= limit)
        return QStringLiteral("%1/1").arg(qlonglong(x));
    // The largest power-of-ten denominator that still keeps the numerator in range.
    qlonglong den = 1000000;
    while (den > 1 && std::fabs(x) * double(den) > limit)
        den /= 10;
    qlonglong num = std::llround(x * double(den));
    const qlonglong g = std::gcd(num < 0 ? -num : num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    return QStringLiteral("%1/%2").arg(num).arg(den);
}

QString degreesText(double degrees)
{
    degrees = std::fabs(degrees);
    double d = std::floor(degrees);
    double minutesTotal = (degrees - d) * 60.0;
    double m = std::floor(minutesTotal);
    double s = (minutesTotal - m) * 60.0;
    // Seconds to 1/10000: far finer than the 1e-6 degree a round trip must keep.
    qlonglong sNum = std::llround(s * 10000.0);
    if (sNum >= 600000) {
        sNum -= 600000;
        m += 1;
    }
    if (m >= 60) {
        m -= 60;
        d += 1;
    }
    return QStringLiteral("%1/1 %2/1 %3/10000").arg(qlonglong(d)).arg(qlonglong(m)).arg(sNum);
}

QString timeStampText(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d{1,2}):(\\d{1,2}(?:\\.\\d+)?)$"));
    const auto match = re.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    return QStringLiteral("%1/1 %2/1 %3")
        .arg(match.captured(1).toInt())
        .arg(match.captured(2).toInt())
        .arg(rationalText(match.captured(3).toDouble(), false));
}

QString scalarText(const QVariant &v, Exiv2::TypeId type)
{
    switch (type) {
    case Exiv2::unsignedRational:
        return rationalText(v.toDouble(), false);
    case Exiv2::signedRational:
        return rationalText(v.toDouble(), true);
    case Exiv2::unsignedByte:
    case Exiv2::unsignedShort:
    case Exiv2::unsignedLong:
    case Exiv2::signedByte:
    case Exiv2::signedShort:
    case Exiv2::signedLong:
        if (v.typeId() == QMetaType::QString)
            return v.toString().trimmed();
        return QString::number(std::llround(v.toDouble()));
    default:
        return v.toString();
    }
}

QString valueText(const QVariant &v, Exiv2::TypeId type)
{
    if (v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList) {
        QStringList parts;
        for (const QVariant &item : v.toList())
            parts << scalarText(item, type);
        return parts.join(QLatin1Char(' '));
    }
    return scalarText(v, type);
}

void eraseKey(Exiv2::ExifData &exif, const std::string &key)
{
    auto it = exif.findKey(Exiv2::ExifKey(key));
    if (it != exif.end())
        exif.erase(it);
}

// A value this layer cannot store as asked fails the whole rewrite: writing the rest
// would report an edit as made that was only partly made.
QString unstorableReason(const std::string &keyName, const QVariant &v, const QString &special)
{
    if (v.isNull())
        return {};
    if (special == QLatin1String("degrees")) {
        bool ok = false;
        const double x = v.typeId() == QMetaType::QString ? v.toString().toDouble(&ok) : v.toDouble(&ok);
        const double limit = keyName.find("Latitude") != std::string::npos ? 90.0 : 180.0;
        if (!ok || !std::isfinite(x))
            return Text::tr("is not a number");
        if (std::fabs(x) > limit)
            return Text::tr("is out of range (at most %1 degrees)").arg(limit);
    }
    if (keyName == "Exif.Image.Orientation" && (v.toInt() < 1 || v.toInt() > 8))
        return Text::tr("is not an orientation (1 to 8)");
    return {};
}

void setExif(Exiv2::ExifData &exif, const std::string &keyName, const QVariant &v, QStringList &problems,
             const QString &special = {})
{
    auto refuse = [&](const QString &why) {
        problems << Text::tr("%1 value '%2' %3")
                        .arg(QString::fromStdString(keyName), v.toString().left(40), why);
    };
    if (const QString why = unstorableReason(keyName, v, special); !why.isEmpty()) {
        refuse(why);
        return;
    }
    try {
        Exiv2::ExifKey key(keyName);
        if (v.isNull()) {
            eraseKey(exif, keyName);
            return;
        }
        Exiv2::TypeId type = key.defaultTypeId();
        auto existing = exif.findKey(key);
        if (existing != exif.end() && type == Exiv2::invalidTypeId)
            type = existing->typeId();
        if (type == Exiv2::invalidTypeId)
            type = v.typeId() == QMetaType::QString ? Exiv2::asciiString : Exiv2::unsignedLong;

        Exiv2::Value::AutoPtr value = Exiv2::Value::create(type);
        int rc = 0;
        if (special == QLatin1String("degrees")) {
            rc = value->read(degreesText(v.toDouble()).toStdString());
        } else if (special == QLatin1String("timestamp")) {
            const QString text = v.typeId() == QMetaType::QString ? timeStampText(v.toString())
                                                                  : valueText(v, type);
            if (text.isEmpty()) {
                refuse(Text::tr("is not a time of the form HH:mm:ss"));
                return;
            }
            rc = value->read(text.toStdString());
        } else if (special == QLatin1String("version")) {
            rc = value->read(v.toString().replace(QLatin1Char('.'), QLatin1Char(' ')).toStdString());
        } else if (type == Exiv2::comment) {
            const QString text = v.toString();
            const QString charset = isAsciiText(text) ? QStringLiteral("Ascii") : QStringLiteral("Unicode");
            rc = value->read(QStringLiteral("charset=%1 %2").arg(charset, text).toStdString());
        } else if (type == Exiv2::undefined && v.typeId() == QMetaType::QByteArray) {
            const QByteArray raw = v.toByteArray();
            rc = value->read(reinterpret_cast<const Exiv2::byte *>(raw.constData()), long(raw.size()),
                             Exiv2::littleEndian);
        } else if (type == Exiv2::undefined) {
            const QByteArray raw = v.toString().toLatin1();
            rc = value->read(reinterpret_cast<const Exiv2::byte *>(raw.constData()), long(raw.size()),
                             Exiv2::littleEndian);
        } else if (type == Exiv2::asciiString || type == Exiv2::string) {
            rc = value->read(v.toString().toStdString());
        } else {
            rc = value->read(valueText(v, type).toStdString());
        }
        if (rc != 0) {
            refuse(Text::tr("cannot be stored in that tag"));
            return;
        }
        if (existing != exif.end())
            existing->setValue(value.get());
        else
            exif.add(key, value.get());
    } catch (const Exiv2::AnyError &e) {
        refuse(QString::fromStdString(e.what()));
    }
}

void eraseGroups(Exiv2::ExifData &exif, const std::function<bool(const std::string &group)> &match)
{
    for (auto it = exif.begin(); it != exif.end();) {
        if (match(it->groupName()))
            it = exif.erase(it);
        else
            ++it;
    }
}

bool isMakerNoteGroup(const std::string &group)
{
    return Exiv2::ExifTags::isMakerGroup(group);
}

// A new packet. Exiv2 would pad it by the toolkit's 2 KB, which lets other editors rewrite
// it in place where they do so (JPEG, TIFF); in a PNG, WebP or GIF it is only bytes.
void writeNewXmp(Exiv2::Image &image)
{
    const int type = image.imageType();
    std::string text;
    if (type != Exiv2::ImageType::jpeg && type != Exiv2::ImageType::tiff) {
        const auto lock = lockXmpToolkit();
        if (Exiv2::XmpParser::encode(text, image.xmpData(), Exiv2::XmpParser::useCompactFormat, 1) == 0) {
            image.setXmpPacket(text);
            image.writeXmpFromPacket(true);
            return;
        }
    }
    image.writeXmpFromPacket(false);
}

// Edits the stored packet where there is one, so the rest of it (its toolkit, its layout)
// stays as the photo had it.
void editXmp(Exiv2::Image &image, const XmpChange &change, QStringList &problems)
{
    if (change.isEmpty())
        return;
    // Otherwise xmpPacket() serialises the parsed properties anew, which is neither the
    // photo's packet nor something that can fail on a packet the toolkit only half reads.
    image.writeXmpFromPacket(true);
    QByteArray packet = QByteArray::fromStdString(image.xmpPacket());
    if (packet.isEmpty()) {
        if (editXmpProperties(image.xmpData(), change))
            writeNewXmp(image);
        return;
    }
    bool changed = false;
    QString error;
    if (!editXmpProperties(packet, change, &changed, &error)) {
        problems << error;
    } else if (changed) {
        image.setXmpPacket(packet.toStdString());
        image.writeXmpFromPacket(true);
    }
}

// A container without IPTC (WebP) holds its IPTC fields only as their XMP twins: without a
// packet to take them, one is made with every twin of the edit, or the fields would be lost
// without a word.
void keepIptcInXmp(Exiv2::Image &image, const QVariantMap &overlay, const XmpChange &change)
{
    if (image.supportsMetadata(Exiv2::mdIptc) || !image.xmpData().empty() || !image.xmpPacket().empty())
        return;
    XmpChange fromIptc;
    setIptcInXmp(fromIptc, overlay);
    if (fromIptc.sets.isEmpty())
        return;
    if (makeXmpTwins(image.xmpData(), change))
        writeNewXmp(image);
}

double signedNumber(const QVariant &v)
{
    return v.typeId() == QMetaType::QString ? v.toString().toDouble() : v.toDouble();
}

void applyGps(Exiv2::Image &image, const QVariantMap &gps, QStringList &problems)
{
    Exiv2::ExifData &exif = image.exifData();
    for (auto it = gps.begin(); it != gps.end(); ++it) {
        const QString &name = it.key();
        const QVariant &v = it.value();
        const std::string key = gpsExivKey(name);
        if (name == QLatin1String(keys::GpsLatitude) || name == QLatin1String(keys::GpsLongitude)
            || name == QLatin1String("DestLatitude") || name == QLatin1String("DestLongitude")) {
            setExif(exif, key, v, problems, QStringLiteral("degrees"));
            // A negative coordinate names its side through the ref, unless the caller gave one.
            const QString refName = name + QLatin1String("Ref");
            if (!v.isNull() && signedNumber(v) < 0 && !gps.contains(refName)) {
                const bool lat = name.endsWith(QLatin1String("Latitude"));
                setExif(exif, gpsExivKey(refName), lat ? QStringLiteral("S") : QStringLiteral("W"), problems);
            }
        } else if (name == QLatin1String(keys::GpsAltitude)) {
            bool numeric = true;
            if (v.typeId() == QMetaType::QString)
                v.toString().toDouble(&numeric);
            if (!numeric) {
                problems << Text::tr("%1 value '%2' is not a number").arg(QString::fromStdString(key), v.toString().left(40));
                continue;
            }
            setExif(exif, key, v.isNull() ? v : QVariant(std::fabs(signedNumber(v))), problems);
            if (!v.isNull() && signedNumber(v) < 0 && !gps.contains(QLatin1String(keys::GpsAltitudeRef)))
                setExif(exif, gpsExivKey(QLatin1String(keys::GpsAltitudeRef)), 1, problems);
        } else if (name == QLatin1String(keys::GpsTimeStamp)) {
            setExif(exif, key, v, problems, QStringLiteral("timestamp"));
        } else if (name == QLatin1String(keys::GpsVersion)) {
            setExif(exif, key, v, problems, QStringLiteral("version"));
        } else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int
                   || v.typeId() == QMetaType::LongLong) {
            // Speeds, tracks and directions are unsigned in the GPS IFD: store the magnitude.
            setExif(exif, key, QVariant(std::fabs(v.toDouble())), problems);
        } else {
            setExif(exif, key, v, problems);
        }
    }
}

// IIM stores a date as "CCYYMMDD" and a time as "HHMMSS", its zone optional. Exiv2's
// types always write a zone and refuse the partial dates photos do hold ("2010:00:00"), so
// a time without a zone and a date Exiv2 refuses are written as the digits they are.
Exiv2::Value::AutoPtr iptcDigits(const QString &text, Exiv2::TypeId type)
{
    static const QRegularExpression date(QStringLiteral("^(\\d{4})[-:]?(\\d\\d)[-:]?(\\d\\d)$"));
    static const QRegularExpression time(QStringLiteral("^(\\d\\d):?(\\d\\d):?(\\d\\d)$"));
    const QRegularExpressionMatch m = (type == Exiv2::date ? date : time).match(text.trimmed());
    if ((type != Exiv2::date && type != Exiv2::time) || !m.hasMatch())
        return Exiv2::Value::AutoPtr();
    Exiv2::Value::AutoPtr value = Exiv2::Value::create(Exiv2::string);
    value->read((m.captured(1) + m.captured(2) + m.captured(3)).toStdString());
    return value;
}

void applyIptc(Exiv2::IptcData &iptc, const QVariantMap &map, QStringList &problems)
{
    bool needsUtf8 = false;
    for (auto it = map.begin(); it != map.end(); ++it) {
        try {
            Exiv2::IptcKey key("Iptc.Application2." + iptcExivName(it.key()));
            for (auto pos = iptc.findKey(key); pos != iptc.end(); pos = iptc.findKey(key))
                iptc.erase(pos);
            const QVariant &v = it.value();
            if (v.isNull())
                continue;
            QVariantList values = (v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList)
                ? v.toList()
                : QVariantList{v};
            for (const QVariant &item : values) {
                const QString text = item.toString();
                needsUtf8 = needsUtf8 || !isAsciiText(text);
                const Exiv2::TypeId type = Exiv2::IptcDataSets::dataSetType(key.tag(), key.record());
                Exiv2::Value::AutoPtr value = type == Exiv2::time ? iptcDigits(text, type) : Exiv2::Value::AutoPtr();
                if (!value.get()) {
                    value = Exiv2::Value::create(type);
                    if (value->read(text.toUtf8().toStdString()) != 0)
                        value = iptcDigits(text, type);
                }
                if (!value.get()) {
                    problems << Text::tr("IPTC %1 value '%2' cannot be stored").arg(it.key(), text.left(40));
                    continue;
                }
                iptc.add(key, value.get());
            }
        } catch (const Exiv2::AnyError &e) {
            problems << QStringLiteral("IPTC %1: %2").arg(it.key(), QString::fromStdString(e.what()));
        }
    }
    if (needsUtf8 || (!iptc.empty() && iptcIsUtf8(iptc))) {
        Exiv2::IptcKey charset("Iptc.Envelope.CharacterSet");
        auto pos = iptc.findKey(charset);
        if (pos == iptc.end())
            iptc.add(charset, Exiv2::Value::create(Exiv2::string).get());
        iptc["Iptc.Envelope.CharacterSet"] = std::string("\x1b%G");
    }
}

} // namespace

bool hasExifDirectory(const Exiv2::ExifData &exif)
{
    return std::any_of(exif.begin(), exif.end(), [](const Exiv2::Exifdatum &d) { return d.groupName() == "Photo"; });
}

void completeNewExifDirectory(Exiv2::Image &image)
{
    Exiv2::ExifData &exif = image.exifData();
    auto addMissing = [&](const char *key, Exiv2::TypeId type, const std::string &text) {
        if (exif.findKey(Exiv2::ExifKey(key)) != exif.end())
            return;
        Exiv2::Value::AutoPtr value = Exiv2::Value::create(type);
        if (value->read(text) == 0)
            exif.add(Exiv2::ExifKey(key), value.get());
    };
    addMissing("Exif.Photo.ExifVersion", Exiv2::undefined, "48 50 51 50");     // "0232"
    addMissing("Exif.Photo.FlashpixVersion", Exiv2::undefined, "48 49 48 48"); // "0100"
    addMissing("Exif.Photo.ColorSpace", Exiv2::unsignedShort, "65535");        // uncalibrated: nothing is claimed
    if (image.imageType() == Exiv2::ImageType::jpeg) {
        addMissing("Exif.Photo.ComponentsConfiguration", Exiv2::undefined, "1 2 3 0");
        addMissing("Exif.Photo.PixelXDimension", Exiv2::unsignedLong, std::to_string(image.pixelWidth()));
        addMissing("Exif.Photo.PixelYDimension", Exiv2::unsignedLong, std::to_string(image.pixelHeight()));
    }
}

// The four digits of the Exif IFD's version ("0221"), empty when there is none.
std::string exifVersionOf(const Exiv2::ExifData &exif)
{
    const auto pos = exif.findKey(Exiv2::ExifKey("Exif.Photo.ExifVersion"));
    if (pos == exif.end() || pos->size() != 4)
        return {};
    std::string digits(4, '0');
    for (long i = 0; i < 4; ++i)
        digits[size_t(i)] = char(pos->toLong(i));
    return digits;
}

// The oldest Exif version that defines a tag of the Exif IFD, for tags newer than 2.21.
const char *versionDefining(quint16 tag)
{
    if ((tag >= 0x8830 && tag <= 0x8835) || (tag >= 0xa430 && tag <= 0xa435) || tag == 0xa500)
        return "0230";
    if ((tag >= 0x9010 && tag <= 0x9012) || (tag >= 0x9400 && tag <= 0x9405))
        return "0231";
    if (tag >= 0xa460 && tag <= 0xa462)
        return "0232";
    return "";
}

// The version says which tags the Exif IFD may hold: an edit never lowers it (a donor's
// older version would make the photo's own newer tags invalid), and a newer tag it adds
// raises it, as validators expect.
void keepExifVersionValid(Exiv2::ExifData &exif, const std::string &before, const std::set<quint16> &tagsBefore)
{
    std::string wanted = std::max(before, exifVersionOf(exif));
    for (const Exiv2::Exifdatum &d : exif)
        if (d.groupName() == "Photo" && !tagsBefore.count(d.tag()))
            wanted = std::max(wanted, std::string(versionDefining(d.tag())));
    if (wanted.empty() || wanted == exifVersionOf(exif))
        return;
    Exiv2::Value::AutoPtr value = Exiv2::Value::create(Exiv2::undefined);
    value->read(reinterpret_cast<const Exiv2::byte *>(wanted.data()), 4, Exiv2::invalidByteOrder);
    exif["Exif.Photo.ExifVersion"].setValue(value.get());
}

// Keys whose value equals what the photo already holds are left alone, so laying a
// photo's own map back over it (as several edits do) keeps every stored value exact.
QVariantMap changedOnly(const QVariantMap &wanted, const QVariantMap &current)
{
    QVariantMap changed;
    for (auto it = wanted.begin(); it != wanted.end(); ++it) {
        auto cur = current.find(it.key());
        if (cur == current.end() || it.value().isNull() || *cur != it.value())
            changed.insert(it.key(), it.value());
    }
    return changed;
}

// Only photos that already describe their size in Exif get the new one, and only when it is
// a new size: the container's real size laid back is no change.
void setPixelDimension(Exiv2::Image &image, bool width, qlonglong pixels, QStringList &problems)
{
    if (pixels == (width ? image.pixelWidth() : image.pixelHeight()))
        return;
    const Exiv2::ExifKey key(width ? "Exif.Photo.PixelXDimension" : "Exif.Photo.PixelYDimension");
    const auto pos = image.exifData().findKey(key);
    if (pos == image.exifData().end())
        return;
    // Keep the stored type (SHORT or LONG) so readers see the same layout.
    Exiv2::Value::AutoPtr value = Exiv2::Value::create(pos->typeId());
    if (value->read(QString::number(pixels).toStdString()) == 0)
        pos->setValue(value.get());
    else
        problems << Text::tr("%1 value %2 cannot be stored").arg(QString::fromStdString(key.key())).arg(pixels);
}

bool applyOverlay(Exiv2::Image &image, const QVariantMap &overlay, QString *error)
{
    // Parsing and serialising XMP share the toolkit's namespace table with every other
    // photo of the job.
    const auto lock = lockXmpToolkit();
    QStringList problems;
    Exiv2::ExifData &exif = image.exifData();
    // Dates held only in XMP count as the photo's own: a changed one moves them.
    const QVariantMap current = withXmpDates(propertiesFromMetadata(image), image.xmpData());
    const bool hadExifDirectory = hasExifDirectory(exif);
    const std::string versionBefore = exifVersionOf(exif);
    std::set<quint16> tagsBefore;
    for (const Exiv2::Exifdatum &d : exif)
        if (d.groupName() == "Photo")
            tagsBefore.insert(d.tag());
    auto groupChanges = [&](const char *group, const QVariant &v) {
        return changedOnly(v.toMap(), current.value(QLatin1String(group)).toMap());
    };
    for (auto it = overlay.begin(); it != overlay.end(); ++it) {
        const QString &name = it.key();
        const QVariant &v = it.value();
        const bool isMap = v.typeId() == QMetaType::QVariantMap;
        if (name == QLatin1String(keys::ExifGroup)) {
            if (v.isNull()) {
                // The Exif IFD carries the interoperability IFD and the maker note with it.
                eraseGroups(exif, [](const std::string &g) { return g == "Photo" || g == "Iop" || isMakerNoteGroup(g); });
                eraseKey(exif, "Exif.Image.ExifTag");
            } else if (isMap) {
                const QVariantMap map = groupChanges(keys::ExifGroup, v);
                for (auto e = map.begin(); e != map.end(); ++e)
                    setExif(exif, "Exif.Photo." + e.key().toStdString(), e.value(), problems);
            }
        } else if (name == QLatin1String(keys::TiffGroup)) {
            if (v.isNull()) {
                // Only the descriptive IFD0 tags: structure (sizes, strips, pointers) is the container's.
                for (const char *tag : kDescriptiveTiffTags)
                    eraseKey(exif, std::string("Exif.Image.") + tag);
            } else if (isMap) {
                const QVariantMap map = groupChanges(keys::TiffGroup, v);
                for (auto e = map.begin(); e != map.end(); ++e)
                    if (!isStructuralTag(e.key().toStdString()))
                        setExif(exif, "Exif.Image." + e.key().toStdString(), e.value(), problems);
            }
        } else if (name == QLatin1String(keys::GpsGroup)) {
            if (v.isNull()) {
                eraseGroups(exif, [](const std::string &g) { return g == "GPSInfo"; });
                eraseKey(exif, "Exif.Image.GPSTag");
            } else if (isMap) {
                applyGps(image, groupChanges(keys::GpsGroup, v), problems);
            }
        } else if (name == QLatin1String(keys::IptcGroup)) {
            if (v.isNull()) {
                image.iptcData().clear();
                eraseKey(exif, "Exif.Image.IPTCNAA"); // where some cameras keep it
            } else if (isMap) {
                applyIptc(image.iptcData(), groupChanges(keys::IptcGroup, v), problems);
            }
        } else if (name == QLatin1String(keys::Orientation)) {
            if (v != current.value(name))
                setExif(exif, "Exif.Image.Orientation", v, problems);
        } else if (name == QLatin1String(keys::PixelWidth) || name == QLatin1String(keys::PixelHeight)) {
            setPixelDimension(image, name == QLatin1String(keys::PixelWidth), v.toLongLong(), problems);
        } else if ((name == QLatin1String(keys::DpiWidth) || name == QLatin1String(keys::DpiHeight))
                   && v != current.value(name)) {
            const QVariantMap tiff = current.value(QLatin1String(keys::TiffGroup)).toMap();
            const bool perCentimetre = tiff.value(QStringLiteral("ResolutionUnit"), 2).toInt() == 3;
            setExif(exif, name == QLatin1String(keys::DpiWidth) ? "Exif.Image.XResolution" : "Exif.Image.YResolution",
                    v.toDouble() / (perCentimetre ? 2.54 : 1.0), problems);
        }
    }
    if (!hadExifDirectory && hasExifDirectory(exif))
        completeNewExifDirectory(image);
    else if (hasExifDirectory(exif))
        keepExifVersionValid(exif, versionBefore, tagsBefore);
    // A copy made to hide the location or the IPTC fields must not keep them in XMP, and
    // XMP dates that held a changed Exif date's moment move with it.
    XmpChange xmpChange = xmpChangeFor(overlay, current);
    if (!image.supportsMetadata(Exiv2::mdIptc)) {
        const QStringList unplaced = setIptcInXmp(xmpChange, overlay);
        if (!unplaced.isEmpty())
            problems << iptcWithoutXmpTwin(unplaced);
    }
    editXmp(image, xmpChange, problems);
    keepIptcInXmp(image, overlay, xmpChange);
    if (problems.isEmpty())
        return true;
    if (error)
        *error = problems.join(QStringLiteral("; "));
    return false;
}

bool setExifValuesInXmp(XmpChange &change, const QVariantMap &overlay, QString *error)
{
    // The Exif the overlay sets, laid over no Exif at all so nothing else is in it.
    QVariantMap exifOnly;
    for (const char *key : {keys::ExifGroup, keys::TiffGroup, keys::Orientation, keys::DpiWidth, keys::DpiHeight})
        if (overlay.contains(QLatin1String(key)) && !overlay.value(QLatin1String(key)).isNull())
            exifOnly.insert(QLatin1String(key), overlay.value(QLatin1String(key)));
    if (exifOnly.isEmpty())
        return true;
    auto image = ExivImage::openForReading(QByteArray("\xFF\xD8\xFF\xD9", 4), error, ExivImage::Xmp::Skip);
    if (!image || !applyOverlay(image->image(), exifOnly, error))
        return false;
    std::set<std::string> wanted;
    const std::pair<const char *, std::string> groups[] = {{keys::ExifGroup, "Exif.Photo."}, {keys::TiffGroup, "Exif.Image."}};
    for (const auto &[group, prefix] : groups) {
        const QVariantMap values = exifOnly.value(QLatin1String(group)).toMap();
        for (auto it = values.begin(); it != values.end(); ++it)
            wanted.insert(prefix + it.key().toStdString());
    }
    if (exifOnly.contains(QLatin1String(keys::Orientation)))
        wanted.insert("Exif.Image.Orientation");
    if (exifOnly.contains(QLatin1String(keys::DpiWidth)) || exifOnly.contains(QLatin1String(keys::DpiHeight)))
        wanted.insert({"Exif.Image.XResolution", "Exif.Image.YResolution"});
    // The dates have their own way into XMP (setExifInXmp), keeping a zone the photo gave.
    for (const char *date : {"Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized", "Exif.Image.DateTime"})
        wanted.erase(date);
    Exiv2::ExifData exif;
    for (const Exiv2::Exifdatum &d : image->image().exifData())
        if (wanted.count(d.key()) && !isStructuralTag(d.tagName()))
            exif.add(d);
    Exiv2::XmpData converted;
    {
        const auto lock = lockXmpToolkit();
        if (!guarded([&] { Exiv2::copyExifToXmp(exif, converted); }, error))
            return false;
    }
    for (const Exiv2::Xmpdatum &d : converted) {
        const auto setAlready = [&](const XmpSet &set) { return set.key == d.key(); };
        if (std::any_of(change.sets.begin(), change.sets.end(), setAlready))
            continue;
        XmpSet set{d.key(), XmpSet::Text, {}};
        if (d.typeId() == Exiv2::langAlt) {
            set.form = XmpSet::LangAlt;
            set.values << QString::fromStdString(static_cast<const Exiv2::LangAltValue &>(d.value()).toString("x-default"));
        } else if (d.typeId() == Exiv2::xmpSeq || d.typeId() == Exiv2::xmpBag) {
            set.form = d.typeId() == Exiv2::xmpSeq ? XmpSet::Seq : XmpSet::Bag;
            for (long i = 0; i < d.count(); ++i)
                set.values << QString::fromStdString(d.toString(i));
        } else if (d.typeId() == Exiv2::xmpText) {
            set.values << QString::fromStdString(d.toString());
        } else {
            continue; // structures and alternatives have no form here
        }
        change.sets.append(set);
    }
    return true;
}

} // namespace imageio
