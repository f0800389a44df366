// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExivImage.h"
#include "ImageProperties.h"
#include "PropertyNames.h"

#include <QStringDecoder>

#include <cmath>

namespace imageio {

namespace {

QString textFromBytes(const std::string &bytes)
{
    // Trailing NULs pad many camera strings.
    std::string trimmed = bytes;
    while (!trimmed.empty() && trimmed.back() == '\0')
        trimmed.pop_back();
    auto decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(QByteArray::fromStdString(trimmed));
    if (decoder.hasError())
        text = QString::fromLatin1(trimmed.data(), qsizetype(trimmed.size()));
    return text;
}

double rationalToDouble(const Exiv2::Rational &r)
{
    return r.second == 0 ? 0.0 : double(r.first) / double(r.second);
}

double urationalToDouble(const Exiv2::URational &r)
{
    return r.second == 0 ? 0.0 : double(r.first) / double(r.second);
}

Exiv2::URational urationalAt(const Exiv2::Value &value, long i)
{
    if (const auto *u = dynamic_cast<const Exiv2::URationalValue *>(&value))
        return u->value_.at(size_t(i));
    const Exiv2::Rational r = value.toRational(i);
    return {uint32_t(r.first), uint32_t(r.second)};
}

QVariant numberAt(const Exiv2::Value &value, long i)
{
    switch (value.typeId()) {
    case Exiv2::unsignedRational:
        return urationalToDouble(urationalAt(value, i));
    case Exiv2::signedRational:
        return rationalToDouble(value.toRational(i));
    case Exiv2::tiffFloat:
    case Exiv2::tiffDouble:
        return double(value.toFloat(i));
    default:
        return qlonglong(value.toLong(i));
    }
}

QVariant undefinedValue(const Exiv2::Value &value)
{
    std::vector<Exiv2::byte> bytes(size_t(value.size()));
    if (!bytes.empty())
        value.copy(bytes.data(), Exiv2::invalidByteOrder);
    QByteArray raw(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    // Version fields ("0230") and short codes read best as text.
    bool printable = !raw.isEmpty();
    for (char c : raw)
        printable = printable && c >= 0x20 && c < 0x7f;
    if (printable)
        return QString::fromLatin1(raw);
    return raw;
}

QString commentText(const Exiv2::Value &value)
{
    if (value.typeId() == Exiv2::comment)
        return QString::fromStdString(static_cast<const Exiv2::CommentValue &>(value).comment()).trimmed();
    // Stored as plain undefined bytes by some cameras: same layout, charset prefix then text.
    std::vector<Exiv2::byte> bytes(size_t(value.size()));
    if (!bytes.empty())
        value.copy(bytes.data(), Exiv2::invalidByteOrder);
    Exiv2::CommentValue comment;
    comment.read(bytes.data(), long(bytes.size()), Exiv2::littleEndian);
    return QString::fromStdString(comment.comment()).remove(QChar(0)).trimmed();
}

QVariant exifValue(const Exiv2::Exifdatum &datum)
{
    const Exiv2::Value &value = datum.value();
    if (datum.tagName() == "UserComment")
        return commentText(value);
    switch (value.typeId()) {
    case Exiv2::asciiString:
    case Exiv2::string:
        return textFromBytes(value.toString());
    case Exiv2::undefined:
        return undefinedValue(value);
    default:
        break;
    }
    const long n = value.count();
    if (n == 1)
        return numberAt(value, 0);
    QVariantList list;
    for (long i = 0; i < n; ++i)
        list << numberAt(value, i);
    return list;
}

// A part with a zero denominator is undefined, and so is the coordinate: some cameras
// write 0/0 seconds when they have no fix, and other readers then show no position.
QVariant degreesFromTriple(const Exiv2::Value &value)
{
    double result = 0;
    double unit = 1;
    for (long i = 0; i < value.count() && i < 3; ++i, unit *= 60) {
        const Exiv2::URational part = urationalAt(value, i);
        if (part.second == 0)
            return {};
        result += urationalToDouble(part) / unit;
    }
    return result;
}

QVariant gpsValue(const Exiv2::Exifdatum &datum, const QString &name)
{
    const Exiv2::Value &value = datum.value();
    if (name == QLatin1String(keys::GpsVersion)) {
        QStringList parts;
        for (long i = 0; i < value.count(); ++i)
            parts << QString::number(value.toLong(i));
        return parts.join(QLatin1Char('.'));
    }
    if ((name == QLatin1String(keys::GpsLatitude) || name == QLatin1String(keys::GpsLongitude)
         || name == QLatin1String("DestLatitude") || name == QLatin1String("DestLongitude"))
        && value.typeId() == Exiv2::unsignedRational)
        return degreesFromTriple(value);
    if (name == QLatin1String(keys::GpsTimeStamp) && value.typeId() == Exiv2::unsignedRational
        && value.count() == 3) {
        const double h = numberAt(value, 0).toDouble();
        const double m = numberAt(value, 1).toDouble();
        const double s = numberAt(value, 2).toDouble();
        const bool whole = std::floor(s) == s;
        return QStringLiteral("%1:%2:%3")
            .arg(int(h), 2, 10, QLatin1Char('0'))
            .arg(int(m), 2, 10, QLatin1Char('0'))
            .arg(s, whole ? 2 : 5, 'f', whole ? 0 : 2, QLatin1Char('0'));
    }
    return exifValue(datum);
}

void insertRepeated(QVariantMap &map, const QString &key, const QVariant &value, bool alwaysList)
{
    auto it = map.find(key);
    if (it == map.end()) {
        map.insert(key, alwaysList ? QVariant(QVariantList{value}) : value);
        return;
    }
    QVariantList list = it->typeId() == QMetaType::QVariantList ? it->toList() : QVariantList{*it};
    list << value;
    *it = list;
}

} // namespace

QVariantMap propertiesFromMetadata(Exiv2::Image &image)
{
    QVariantMap props;
    QVariantMap exif, tiff, gps, iptc;

    for (const Exiv2::Exifdatum &datum : image.exifData()) {
        const std::string group = datum.groupName();
        const std::string tag = datum.tagName();
        if (tag.rfind("0x", 0) == 0 || isOffsetTag(tag))
            continue; // unknown tags have no stable name to exchange; offsets mean nothing outside the file
        if (group == "Image") {
            tiff.insert(QString::fromStdString(tag), exifValue(datum));
        } else if (group == "Photo") {
            if (tag == "MakerNote")
                continue;
            exif.insert(QString::fromStdString(tag), exifValue(datum));
        } else if (group == "GPSInfo") {
            const QString name = gpsPropertyName(tag);
            if (const QVariant v = gpsValue(datum, name); v.isValid())
                gps.insert(name, v);
        }
    }

    const Exiv2::IptcData &iptcData = image.iptcData();
    const bool utf8 = iptcIsUtf8(iptcData);
    for (const Exiv2::Iptcdatum &datum : iptcData) {
        if (datum.record() != Exiv2::IptcDataSets::application2 || datum.tag() == 0)
            continue;
        const QString name = iptcPropertyName(datum.tagName());
        const std::string raw = datum.toString();
        const QVariant value = utf8 ? QVariant(QString::fromUtf8(raw.data(), qsizetype(raw.size())))
                                    : QVariant(textFromBytes(raw));
        insertRepeated(iptc, name, value, name == QLatin1String(keys::IptcKeywords));
    }

    if (!exif.isEmpty())
        props.insert(QLatin1String(keys::ExifGroup), exif);
    if (!tiff.isEmpty())
        props.insert(QLatin1String(keys::TiffGroup), tiff);
    if (!gps.isEmpty())
        props.insert(QLatin1String(keys::GpsGroup), gps);
    if (!iptc.isEmpty())
        props.insert(QLatin1String(keys::IptcGroup), iptc);

    if (tiff.contains(QLatin1String(keys::TiffOrientation)))
        props.insert(QLatin1String(keys::Orientation), tiff.value(QLatin1String(keys::TiffOrientation)));
    const QVariant xres = tiff.value(QLatin1String(keys::TiffXResolution));
    const QVariant yres = tiff.value(QLatin1String(keys::TiffYResolution));
    // Dots per inch only where the resolution has a unit: 1 means "aspect ratio only".
    const int unit = tiff.value(QStringLiteral("ResolutionUnit"), 2).toInt();
    if (xres.isValid() && yres.isValid() && (unit == 2 || unit == 3)) {
        const double perInch = unit == 3 ? 2.54 : 1.0;
        props.insert(QLatin1String(keys::DpiWidth), xres.toDouble() * perInch);
        props.insert(QLatin1String(keys::DpiHeight), yres.toDouble() * perInch);
    }
    return props;
}

} // namespace imageio
