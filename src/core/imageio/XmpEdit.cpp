// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmpEdit.h"

#include "ExivImage.h"

#include <QRegularExpression>

#include <set>
#include <string>

namespace imageio {

namespace {

bool startsWith(const std::string &s, const char *prefix) { return s.rfind(prefix, 0) == 0; }

// The key itself or one of its items, qualifiers or struct fields.
bool isUnder(const std::string &key, const std::string &property)
{
    if (!startsWith(key, property.c_str()))
        return false;
    return key.size() == property.size() || key[property.size()] == '[' || key[property.size()] == '/';
}

bool isIptcCarrier(const std::string &key)
{
    static const char *const dcFields[] = {"Xmp.dc.creator", "Xmp.dc.rights", "Xmp.dc.subject", "Xmp.dc.description",
                                           "Xmp.dc.title"};
    if (startsWith(key, "Xmp.iptc.") || startsWith(key, "Xmp.iptcExt.") || startsWith(key, "Xmp.photoshop."))
        return true;
    for (const char *field : dcFields)
        if (isUnder(key, field))
            return true;
    return false;
}

} // namespace

bool removeXmpProperties(Exiv2::XmpData &xmp, int removals)
{
    // Locations of the IPTC Extension are removed whole when any of them holds coordinates:
    // a city next to a removed position would still say where the photo was taken.
    std::set<std::string> locations;
    if (removals & XmpGps) {
        for (const Exiv2::Xmpdatum &d : xmp) {
            const std::string key = d.key();
            for (const char *location : {"Xmp.iptcExt.LocationCreated", "Xmp.iptcExt.LocationShown"})
                if (isUnder(key, location) && key.find("GPS") != std::string::npos)
                    locations.insert(location);
        }
    }
    bool removed = false;
    for (auto it = xmp.begin(); it != xmp.end();) {
        const std::string key = it->key();
        bool drop = (removals & XmpIptc) && isIptcCarrier(key);
        if (removals & XmpGps) {
            drop = drop || startsWith(key, "Xmp.exif.GPS");
            for (const std::string &location : locations)
                drop = drop || isUnder(key, location);
        }
        if (drop) {
            it = xmp.erase(it);
            removed = true;
        } else {
            ++it;
        }
    }
    return removed;
}

bool removeXmpProperties(QByteArray &packet, int removals, bool *changed, QString *error)
{
    *changed = false;
    Exiv2::XmpData xmp;
    std::string text;
    const bool ok = guarded(
        [&] {
            const auto lock = lockXmpToolkit();
            if (Exiv2::XmpParser::decode(xmp, packet.toStdString()) != 0)
                throw Exiv2::Error(Exiv2::kerFailedToReadImageData);
            if (!removeXmpProperties(xmp, removals))
                return;
            if (Exiv2::XmpParser::encode(text, xmp, Exiv2::XmpParser::useCompactFormat) != 0)
                throw Exiv2::Error(Exiv2::kerImageWriteFailed);
            *changed = true;
        },
        error);
    if (!ok) {
        if (error)
            *error = QStringLiteral("the XMP packet cannot be rewritten: %1").arg(*error);
        return false;
    }
    if (*changed) {
        // The toolkit that wrote the packet is itself a property readers show: keep the photo's.
        static const QRegularExpression toolkit(QStringLiteral(" x:xmptk=\"[^\"]*\""));
        const QRegularExpressionMatch original = toolkit.match(QString::fromUtf8(packet));
        QString rewritten = QString::fromStdString(text);
        rewritten.replace(toolkit, original.hasMatch() ? original.captured(0) : QString());
        packet = rewritten.toUtf8();
    }
    return true;
}

} // namespace imageio
