#pragma once

// Internal to the image I/O layer: how Exiv2's tag names become property keys and back.

#include <QString>

#include <exiv2/iptc.hpp>

#include <string>

namespace imageio {

// IPTC dataset names as other tools spell them in property dictionaries; the rest keep Exiv2's names.
QString iptcPropertyName(const std::string &exivName);
std::string iptcExivName(const QString &property);

// The GPS IFD's tags are named without their "GPS" prefix, except the version.
QString gpsPropertyName(const std::string &tagName);
std::string gpsExivKey(const QString &property);

// Pointers between IFDs, and tags describing a TIFF's pixel layout: never written from a map.
bool isOffsetTag(const std::string &tag);
bool isStructuralTag(const std::string &tag);

// IFD0's descriptive tags: what removing the {TIFF} group takes away (the rest is structure).
inline constexpr const char *kDescriptiveTiffTags[] = {"ImageDescription", "Make", "Model", "Software", "DateTime",
                                                       "Artist", "Copyright", "HostComputer", "DocumentName",
                                                       "PageName"};

bool isAsciiText(const QString &s);
// True when the IPTC envelope declares UTF-8 text.
bool iptcIsUtf8(const Exiv2::IptcData &iptc);

} // namespace imageio
