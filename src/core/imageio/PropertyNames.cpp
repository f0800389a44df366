// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyNames.h"

#include "ImageProperties.h"

#include <set>

namespace imageio {

namespace {

struct IptcName {
    const char *exiv;
    const char *property;
};
constexpr IptcName kIptcNames[] = {
    {"Caption", "Caption/Abstract"},
    {"Byline", "By-line"},
    {"BylineTitle", "By-lineTitle"},
    {"ProvinceState", "Province/State"},
    {"CountryName", "Country/PrimaryLocationName"},
    {"CountryCode", "Country/PrimaryLocationCode"},
    {"Copyright", "CopyrightNotice"},
    {"Writer", "Writer/Editor"},
    {"TransmissionReference", "OriginalTransmissionReference"},
    {"SubLocation", "SubLocation"},
};

} // namespace

QString iptcPropertyName(const std::string &exivName)
{
    for (const auto &n : kIptcNames)
        if (exivName == n.exiv)
            return QString::fromLatin1(n.property);
    return QString::fromStdString(exivName);
}

std::string iptcExivName(const QString &property)
{
    for (const auto &n : kIptcNames)
        if (property == QLatin1String(n.property))
            return n.exiv;
    return property.toStdString();
}

QString gpsPropertyName(const std::string &tagName)
{
    if (tagName == "GPSVersionID")
        return QString::fromLatin1(keys::GpsVersion);
    QString name = QString::fromStdString(tagName);
    if (name.startsWith(QLatin1String("GPS")))
        name.remove(0, 3);
    return name;
}

std::string gpsExivKey(const QString &property)
{
    if (property == QLatin1String(keys::GpsVersion))
        return "Exif.GPSInfo.GPSVersionID";
    return "Exif.GPSInfo.GPS" + property.toStdString();
}

bool isAsciiText(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() > 0x7e)
            return false;
    return true;
}

bool iptcIsUtf8(const Exiv2::IptcData &iptc)
{
    auto it = iptc.findKey(Exiv2::IptcKey("Iptc.Envelope.CharacterSet"));
    return it != iptc.end() && it->toString() == "\x1b%G";
}

bool isOffsetTag(const std::string &tag)
{
    static const std::set<std::string> offsets = {"ExifTag", "GPSTag", "InteroperabilityTag",
                                                  "JPEGInterchangeFormat", "JPEGInterchangeFormatLength"};
    return offsets.count(tag) > 0;
}

bool isStructuralTag(const std::string &tag)
{
    static const std::set<std::string> structural = {
        "NewSubfileType", "SubfileType", "ImageWidth", "ImageLength", "BitsPerSample", "Compression",
        "PhotometricInterpretation", "FillOrder", "StripOffsets", "SamplesPerPixel", "RowsPerStrip",
        "StripByteCounts", "PlanarConfiguration", "TileWidth", "TileLength", "TileOffsets", "TileByteCounts",
        "SubIFDs", "ExtraSamples", "SampleFormat", "Predictor", "JPEGTables", "YCbCrSubSampling",
        "YCbCrPositioning", "ColorMap", "InterColorProfile", "XMLPacket", "IPTCNAA", "ImageResources"};
    return structural.count(tag) > 0 || isOffsetTag(tag);
}

} // namespace imageio
