// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmpEdit.h"

#include "ExivImage.h"
#include "ImageProperties.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <set>
#include <string>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(XmpEdit)
};

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

// XMP date properties and the Exif date each one mirrors.
struct MirroredDate {
    const char *key;
    const char *namespaceUri;
    const char *name;
    XmpDateMove::Field field;
};
constexpr MirroredDate kMirroredDates[] = {
    {"Xmp.exif.DateTimeOriginal", "http://ns.adobe.com/exif/1.0/", "DateTimeOriginal", XmpDateMove::Original},
    {"Xmp.photoshop.DateCreated", "http://ns.adobe.com/photoshop/1.0/", "DateCreated", XmpDateMove::Original},
    {"Xmp.xmp.CreateDate", "http://ns.adobe.com/xap/1.0/", "CreateDate", XmpDateMove::Digitized},
    {"Xmp.exif.DateTimeDigitized", "http://ns.adobe.com/exif/1.0/", "DateTimeDigitized", XmpDateMove::Digitized},
    {"Xmp.xmp.ModifyDate", "http://ns.adobe.com/xap/1.0/", "ModifyDate", XmpDateMove::Modified},
    {"Xmp.tiff.DateTime", "http://ns.adobe.com/tiff/1.0/", "DateTime", XmpDateMove::Modified},
};

// An XMP date is "yyyy-MM-dd", "yyyy-MM-ddTHH:mm" or "yyyy-MM-ddTHH:mm:ss", then perhaps
// fractions and a zone. Returns the stored moment in Exif's spelling, as far as it goes.
QString exifSpelling(const QString &xmpDate, qsizetype *length)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d(T\\d\\d:\\d\\d(:\\d\\d)?)?"));
    const QRegularExpressionMatch m = form.match(xmpDate);
    if (!m.hasMatch())
        return {};
    *length = m.capturedLength();
    QString text = m.captured(0);
    text.replace(QLatin1Char('-'), QLatin1Char(':')).replace(QLatin1Char('T'), QLatin1Char(' '));
    return text;
}

QString movedDate(const QString &value, XmpDateMove::Field field, const QList<XmpDateMove> &dates)
{
    qsizetype length = 0;
    const QString held = exifSpelling(value, &length);
    if (held.isEmpty())
        return {};
    // A property follows the Exif date it mirrors when the photo has that date; only a
    // property whose own date is absent follows another that held the same moment.
    const auto own = std::find_if(dates.begin(), dates.end(), [&](const XmpDateMove &d) { return d.field == field; });
    const XmpDateMove *chosen = nullptr;
    if (own != dates.end()) {
        if (own->from.startsWith(held))
            chosen = &*own;
    } else {
        for (const XmpDateMove &d : dates)
            if (d.from.startsWith(held) && d.from != d.to)
                chosen = &d;
    }
    if (!chosen || chosen->from == chosen->to)
        return {};
    QString moved = chosen->to.left(held.size());
    moved[4] = moved[7] = QLatin1Char('-');
    if (moved.size() > 10)
        moved[10] = QLatin1Char('T');
    // Fractions and the zone the photo gave stay: only the wall-clock time moves.
    return moved + value.mid(length);
}

bool anyDateMoves(const QList<XmpDateMove> &dates)
{
    return std::any_of(dates.begin(), dates.end(), [](const XmpDateMove &d) { return d.from != d.to; });
}

bool moveXmpDates(Exiv2::XmpData &xmp, const QList<XmpDateMove> &dates)
{
    if (!anyDateMoves(dates))
        return false;
    bool moved = false;
    for (const MirroredDate &date : kMirroredDates) {
        auto pos = xmp.findKey(Exiv2::XmpKey(date.key));
        if (pos == xmp.end())
            continue;
        const QString value = QString::fromStdString(pos->toString());
        const QString now = movedDate(value, date.field, dates);
        if (!now.isEmpty() && now != value) {
            pos->setValue(now.toStdString());
            moved = true;
        }
    }
    return moved;
}

// The same in the packet's text: a moved date has the length it had, so only its digits
// change and the rest of the packet, padding included, stays byte for byte.
bool moveXmpDates(QByteArray &packet, const QList<XmpDateMove> &dates)
{
    if (!anyDateMoves(dates))
        return false;
    bool moved = false;
    const QString text = QString::fromUtf8(packet);
    QString edited = text;
    for (const MirroredDate &date : kMirroredDates) {
        static const QRegularExpression binding(QStringLiteral("xmlns:([\\w.-]+)\\s*=\\s*[\"']([^\"']*)[\"']"));
        for (auto b = binding.globalMatch(text); b.hasNext();) {
            const QRegularExpressionMatch ns = b.next();
            if (ns.captured(2) != QLatin1String(date.namespaceUri))
                continue;
            const QString name = QRegularExpression::escape(ns.captured(1) + QLatin1Char(':') + QLatin1String(date.name));
            // As an attribute (name="value") or as an element (<name>value</name>).
            const QRegularExpression forms(QStringLiteral("[\\s\"']%1\\s*=\\s*[\"']([^\"'<]*)[\"']|<%1(?:\\s[^>]*)?>([^<]*)</%1>")
                                               .arg(name));
            for (auto m = forms.globalMatch(edited); m.hasNext();) {
                const QRegularExpressionMatch found = m.next();
                const int group = found.capturedStart(1) >= 0 ? 1 : 2;
                const QString value = found.captured(group);
                const QString now = movedDate(value, date.field, dates);
                if (now.isEmpty() || now == value || now.size() != value.size())
                    continue;
                edited.replace(found.capturedStart(group), value.size(), now);
                moved = true;
            }
        }
    }
    if (moved)
        packet = edited.toUtf8();
    return moved;
}

bool removeXmpProperties(Exiv2::XmpData &xmp, int removals)
{
    if (!removals)
        return false;
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

// Whether a UTF-8 packet's text shows that it holds nothing a removal takes. XML names
// are spelled out as they are, and every property needs its namespace declared, so a
// packet without "GPS" in any name and without the IPTC carriers' namespaces has nothing
// to lose; most photos' packets are such, and parsing them is most of an edit's XMP work.
bool holdsNothingToRemove(const QByteArray &packet, int removals)
{
    // UTF-16 or UTF-32 text, character references and entity declarations can spell a
    // name or a namespace in other bytes: such a packet is parsed.
    if (packet.contains('\0') || packet.contains("&#") || packet.contains("<!"))
        return false;
    if ((removals & XmpGps) && packet.contains("GPS"))
        return false;
    if (removals & XmpIptc) {
        for (const char *uri : {"http://iptc.org/std/Iptc4xmpCore/", "http://iptc.org/std/Iptc4xmpExt/",
                                "http://ns.adobe.com/photoshop/1.0/", "http://purl.org/dc/elements/1.1/"})
            if (packet.contains(uri))
                return false;
    }
    return true;
}

bool editRemovals(QByteArray &packet, int removals, bool *changed, QString *error)
{
    *changed = false;
    if (!removals || holdsNothingToRemove(packet, removals))
        return true;
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
            *error = Text::tr("the XMP packet cannot be rewritten: %1").arg(*error);
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

} // namespace

XmpChange xmpChangeFor(const QVariantMap &overlay, const QVariantMap &current)
{
    XmpChange change;
    if (overlay.contains(QLatin1String(kCGImagePropertyGPSDictionary))
        && overlay.value(QLatin1String(kCGImagePropertyGPSDictionary)).isNull())
        change.removals |= XmpGps;
    if (overlay.contains(QLatin1String(kCGImagePropertyIPTCDictionary))
        && overlay.value(QLatin1String(kCGImagePropertyIPTCDictionary)).isNull())
        change.removals |= XmpIptc;
    const struct {
        const char *group, *key;
        XmpDateMove::Field field;
    } exifDates[] = {{kCGImagePropertyExifDictionary, kCGImagePropertyExifDateTimeOriginal, XmpDateMove::Original},
                     {kCGImagePropertyExifDictionary, kCGImagePropertyExifDateTimeDigitized, XmpDateMove::Digitized},
                     {kCGImagePropertyTIFFDictionary, kCGImagePropertyTIFFDateTime, XmpDateMove::Modified}};
    for (const auto &d : exifDates) {
        const QVariant changed = overlay.value(QLatin1String(d.group)).toMap().value(QLatin1String(d.key));
        const QString before = current.value(QLatin1String(d.group)).toMap().value(QLatin1String(d.key)).toString();
        if (before.size() != 19)
            continue;
        const bool moves = changed.typeId() == QMetaType::QString && changed.toString().size() == 19;
        change.dates.append({d.field, before, moves ? changed.toString() : before});
    }
    return change;
}

bool XmpChange::isEmpty() const
{
    return !removals && std::none_of(dates.begin(), dates.end(), [](const XmpDateMove &d) { return d.from != d.to; });
}

bool editXmpProperties(Exiv2::XmpData &xmp, const XmpChange &change)
{
    const bool moved = moveXmpDates(xmp, change.dates);
    return removeXmpProperties(xmp, change.removals) || moved;
}

bool editXmpProperties(QByteArray &packet, const XmpChange &change, bool *changed, QString *error)
{
    const bool moved = moveXmpDates(packet, change.dates);
    if (!editRemovals(packet, change.removals, changed, error))
        return false;
    *changed = *changed || moved;
    return true;
}

} // namespace imageio
