// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmpEdit.h"

#include "ExivImage.h"
#include "ImageProperties.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <memory>
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
    static const char *const fields[] = {
        "Xmp.dc.creator", "Xmp.dc.rights", "Xmp.dc.subject", "Xmp.dc.description", "Xmp.dc.title",
        // photoshop: holds IPTC Core fields beside its own (ColorMode, ICCProfile, History), which stay.
        "Xmp.photoshop.Headline", "Xmp.photoshop.City", "Xmp.photoshop.State", "Xmp.photoshop.Country",
        "Xmp.photoshop.AuthorsPosition", "Xmp.photoshop.Credit", "Xmp.photoshop.Source",
        "Xmp.photoshop.Instructions", "Xmp.photoshop.TransmissionReference", "Xmp.photoshop.CaptionWriter",
        "Xmp.photoshop.DateCreated", "Xmp.photoshop.Category", "Xmp.photoshop.SupplementalCategories",
        "Xmp.photoshop.Urgency", "Xmp.photoshop.LegacyIPTCDigest"};
    if (startsWith(key, "Xmp.iptc.") || startsWith(key, "Xmp.iptcExt."))
        return true;
    for (const char *field : fields)
        if (isUnder(key, field))
            return true;
    return false;
}

bool isExifCopy(const std::string &key)
{
    if (startsWith(key, "Xmp.exif."))
        return !startsWith(key, "Xmp.exif.GPS"); // the GPS block is a group of its own
    return startsWith(key, "Xmp.exifEX.") || startsWith(key, "Xmp.aux.") || startsWith(key, "Xmp.tiff.");
}

// A coordinate field inside an IPTC Extension location ("...LocationShown[1]/Iptc4xmpExt:GPSLatitude").
// A coordinate's name begins with "GPS" (exif:GPSLatitude), which is what
// holdsNothingToRemove looks for in the packet's bytes.
bool isLocationCoordinate(const std::string &key, const std::string &location)
{
    const auto field = key.rfind('/');
    const auto colon = field == std::string::npos ? field : key.find(':', field);
    return isUnder(key, location) && colon != std::string::npos && key.compare(colon + 1, 3, "GPS") == 0;
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

// The Exif dates XMP dates mirror.
struct ExifDate {
    const char *group, *key;
    XmpDateMove::Field field;
};
constexpr ExifDate kExifDates[] = {{keys::ExifGroup, keys::ExifDateTimeOriginal, XmpDateMove::Original},
                                   {keys::ExifGroup, keys::ExifDateTimeDigitized, XmpDateMove::Digitized},
                                   {keys::TiffGroup, keys::TiffDateTime, XmpDateMove::Modified}};

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
    static const char *const kLocations[] = {"Xmp.iptcExt.LocationCreated", "Xmp.iptcExt.LocationShown"};
    // Only the coordinates leave a location; one that held nothing else goes whole, for an
    // empty item in a list is not something the XMP toolkit writes.
    std::set<std::string> wholeLocations;
    if ((removals & XmpGps) && !(removals & XmpIptc)) {
        for (const char *location : kLocations) {
            std::set<std::string> items, itemsKept;
            for (const Exiv2::Xmpdatum &d : xmp) {
                const std::string key = d.key();
                const auto field = key.rfind('/');
                if (!isUnder(key, location) || field == std::string::npos)
                    continue;
                const std::string item = key.substr(0, key.find('/', std::string(location).size()));
                items.insert(item);
                if (!isLocationCoordinate(key, location))
                    itemsKept.insert(item);
            }
            if (items.size() != itemsKept.size())
                wholeLocations.insert(location);
        }
    }
    bool removed = false;
    for (auto it = xmp.begin(); it != xmp.end();) {
        const std::string key = it->key();
        bool drop = ((removals & XmpIptc) && isIptcCarrier(key)) || ((removals & XmpExif) && isExifCopy(key));
        if (removals & XmpGps) {
            drop = drop || startsWith(key, "Xmp.exif.GPS");
            for (const char *location : kLocations)
                drop = drop || isLocationCoordinate(key, location)
                    || (wholeLocations.count(location) && isUnder(key, location));
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

std::unique_ptr<Exiv2::Value> xmpValue(const XmpSet &set)
{
    switch (set.form) {
    case XmpSet::Text: {
        auto value = std::make_unique<Exiv2::XmpTextValue>();
        value->read(set.values.value(0).toStdString());
        return value;
    }
    case XmpSet::Seq:
    case XmpSet::Bag: {
        auto value = std::make_unique<Exiv2::XmpArrayValue>(set.form == XmpSet::Seq ? Exiv2::xmpSeq : Exiv2::xmpBag);
        for (const QString &item : set.values)
            value->read(item.toStdString());
        return value;
    }
    case XmpSet::LangAlt: {
        auto value = std::make_unique<Exiv2::LangAltValue>();
        value->read("lang=x-default " + set.values.value(0).toStdString());
        return value;
    }
    }
    return nullptr;
}

// Sets every twin; a property that already holds the value is left as it is, so making the
// change again on a copy that has it changes nothing (which is how the copy is checked).
bool setXmpProperties(Exiv2::XmpData &xmp, const QList<XmpSet> &sets, bool makePacket = false)
{
    // No packet, no twins: XMP is not added to a photo that had none.
    if (sets.isEmpty() || (xmp.empty() && !makePacket))
        return false;
    bool changed = false;
    for (const XmpSet &set : sets) {
        const std::unique_ptr<Exiv2::Value> wanted = set.values.isEmpty() ? nullptr : xmpValue(set);
        bool same = false, present = false;
        for (const Exiv2::Xmpdatum &d : xmp) {
            if (!isUnder(d.key(), set.key))
                continue;
            present = true;
            same = wanted && d.key() == set.key && d.typeId() == wanted->typeId() && d.toString() == wanted->toString();
            if (!same)
                break;
        }
        if (same || (!present && (!wanted || set.onlyWhereHeld)))
            continue;
        for (auto it = xmp.begin(); it != xmp.end();)
            it = isUnder(it->key(), set.key) ? xmp.erase(it) : std::next(it);
        if (wanted)
            xmp.add(Exiv2::XmpKey(set.key), wanted.get());
        changed = true;
    }
    return changed;
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
    // Every name GPS removal takes begins with "GPS", after a prefix or opening a tag. The
    // bare letters turn up by chance in the base64 data of large packets, which would then
    // be parsed for nothing.
    if ((removals & XmpGps) && (packet.contains(":GPS") || packet.contains("<GPS")))
        return false;
    if (removals & XmpExif) {
        for (const char *uri : {"http://ns.adobe.com/exif/1.0/", "http://cipa.jp/exif/1.0/", "http://ns.adobe.com/tiff/1.0/"})
            if (packet.contains(uri))
                return false;
    }
    if (removals & XmpIptc) {
        for (const char *uri : {"http://iptc.org/std/Iptc4xmpCore/", "http://iptc.org/std/Iptc4xmpExt/",
                                "http://ns.adobe.com/photoshop/1.0/", "http://purl.org/dc/elements/1.1/"})
            if (packet.contains(uri))
                return false;
    }
    return true;
}

// The whitespace a packet leaves for editors that rewrite it in place. Asked for none, the
// toolkit adds 2 KB, which would grow every edited PNG or WebP by that much.
quint32 paddingOf(const QByteArray &packet)
{
    const qsizetype end = packet.lastIndexOf("<?xpacket end");
    const qsizetype meta = packet.lastIndexOf("</x:xmpmeta>", end);
    if (end < 0 || meta < 0)
        return 1;
    return quint32(std::max<qsizetype>(1, end - meta - qsizetype(sizeof "</x:xmpmeta>")));
}

bool editParsed(QByteArray &packet, const XmpChange &change, bool *changed, QString *error)
{
    *changed = false;
    const int removals = change.removals;
    if (change.sets.isEmpty() && (!removals || holdsNothingToRemove(packet, removals)))
        return true;
    Exiv2::XmpData xmp;
    std::string text;
    const bool ok = guarded(
        [&] {
            const auto lock = lockXmpToolkit();
            if (Exiv2::XmpParser::decode(xmp, packet.toStdString()) != 0)
                throw Exiv2::Error(Exiv2::kerFailedToReadImageData);
            const bool removed = removeXmpProperties(xmp, removals);
            if (!setXmpProperties(xmp, change.sets, change.onlyXmp) && !removed)
                return;
            if (Exiv2::XmpParser::encode(text, xmp, Exiv2::XmpParser::useCompactFormat, paddingOf(packet)) != 0)
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
        const QString before = QString::fromUtf8(packet);
        QString rewritten = QString::fromStdString(text);
        // The toolkit that wrote the packet is itself a property readers show: keep the
        // photo's, under the old name (x:xaptk) too.
        static const QRegularExpression toolkit(QStringLiteral("\\sx:x(?:mp|ap)tk=(\"[^\"]*\"|'[^']*')"));
        const QRegularExpressionMatch original = toolkit.match(before);
        rewritten.replace(toolkit, QString());
        if (original.hasMatch())
            rewritten.replace(QStringLiteral("<x:xmpmeta "), QStringLiteral("<x:xmpmeta x:xmptk=%1 ").arg(original.captured(1)));
        // So is the resource the packet describes, which the library writes empty.
        static const QRegularExpression about(QStringLiteral("\\s(?:rdf:)?about=(\"[^\"]+\"|'[^']+')"));
        if (const QRegularExpressionMatch subject = about.match(before); subject.hasMatch())
            rewritten.replace(QStringLiteral("rdf:about=\"\""), QStringLiteral("rdf:about=") + subject.captured(1));
        // A prefix keeps the namespace name the photo gave it (the library knows some under
        // another spelling, which readers then report as corrected).
        static const QRegularExpression xmlns(QStringLiteral("xmlns:([A-Za-z0-9_]+)=(\"[^\"]*\"|'[^']*')"));
        for (auto it = xmlns.globalMatch(before); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QRegularExpression same(QStringLiteral("xmlns:%1=\"[^\"]*\"").arg(m.captured(1)));
            QString uri = m.captured(2).mid(1, m.captured(2).size() - 2);
            rewritten.replace(same, QStringLiteral("xmlns:%1=\"%2\"").arg(m.captured(1), uri.toHtmlEscaped()));
        }
        packet = rewritten.toUtf8();
    }
    return true;
}


QString rationalText(double x)
{
    const qlonglong scaled = std::llround(std::fabs(x) * 10000.0);
    return scaled % 10000 == 0 ? QStringLiteral("%1/1").arg(scaled / 10000) : QStringLiteral("%1/10000").arg(scaled);
}

// XMP's GPSCoordinate: degrees, decimal minutes and the side, "48,51.504000N".
QString coordinateText(double degrees, const QString &side)
{
    const double magnitude = std::fabs(degrees);
    const double whole = std::floor(magnitude);
    return QStringLiteral("%1,%2%3").arg(qlonglong(whole)).arg((magnitude - whole) * 60.0, 0, 'f', 6).arg(side);
}

// An empty text empties its twin: XMP writes no empty item, so the property goes.
QStringList textList(const QVariant &v)
{
    QStringList list = v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList ? v.toStringList()
                                                                                                    : QStringList{v.toString()};
    list.removeAll(QString());
    return list;
}

// The exif:GPS* twins of a GPS group laid over the photo's: a key mapped to null takes its
// twin away too, so a new position leaves no part of the old fix in XMP either.
void gpsTwins(const QVariantMap &gps, const QVariantMap &currentGps, QList<XmpSet> &sets)
{
    auto value = [&](const char *key) { return gps.contains(QLatin1String(key)) ? gps.value(QLatin1String(key)) : currentGps.value(QLatin1String(key)); };
    auto set = [&](const std::string &key, const QVariant &v) {
        sets.append({key, XmpSet::Text, v.isNull() ? QStringList() : QStringList{v.toString()}});
    };
    for (auto it = gps.begin(); it != gps.end(); ++it) {
        const QString &name = it.key();
        const QVariant &v = it.value();
        if (name == QLatin1String(keys::GpsLatitude) || name == QLatin1String(keys::GpsLongitude)) {
            const bool latitude = name == QLatin1String(keys::GpsLatitude);
            QString side = value(latitude ? keys::GpsLatitudeRef : keys::GpsLongitudeRef).toString();
            const double number = v.toDouble();
            if (side.isEmpty())
                side = latitude ? (number < 0 ? QStringLiteral("S") : QStringLiteral("N"))
                                : (number < 0 ? QStringLiteral("W") : QStringLiteral("E"));
            set("Xmp.exif.GPS" + name.toStdString(), v.isNull() ? v : QVariant(coordinateText(number, side)));
        } else if (name == QLatin1String(keys::GpsLatitudeRef) || name == QLatin1String(keys::GpsLongitudeRef)) {
            continue; // part of the coordinate in XMP
        } else if (name == QLatin1String(keys::GpsVersion)) {
            set("Xmp.exif.GPSVersionID", v);
        } else if (name == QLatin1String(keys::GpsDateStamp) || name == QLatin1String(keys::GpsTimeStamp)) {
            continue; // one date-time in XMP, below
        } else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            const bool isRef = name.endsWith(QLatin1String("Ref"));
            set("Xmp.exif.GPS" + name.toStdString(), isRef ? QVariant(QString::number(v.toLongLong())) : QVariant(rationalText(v.toDouble())));
        } else if (v.isNull() || v.typeId() == QMetaType::QString) {
            set("Xmp.exif.GPS" + name.toStdString(), v);
        }
    }
    const QLatin1String dateKey(keys::GpsDateStamp), timeKey(keys::GpsTimeStamp);
    if (gps.contains(dateKey) || gps.contains(timeKey)) {
        const QDate date = QDate::fromString(value(keys::GpsDateStamp).toString(), QStringLiteral("yyyy:MM:dd"));
        const QTime time = QTime::fromString(value(keys::GpsTimeStamp).toString().left(8), QStringLiteral("HH:mm:ss"));
        // GPS time is UTC; a stamp that is not whole names no moment and leaves none behind.
        set("Xmp.exif.GPSTimeStamp", date.isValid() && time.isValid()
                ? QVariant(date.toString(Qt::ISODate) + QLatin1Char('T') + time.toString(Qt::ISODate) + QLatin1Char('Z'))
                : QVariant());
    }
}

// The dc: twins of the TIFF and IPTC texts an overlay changes (a value equal to the photo's is no edit).
QList<XmpSet> twinSets(const QVariantMap &overlay, const QVariantMap &current)
{
    QList<XmpSet> sets;
    const struct {
        const char *group, *key, *xmpKey;
        XmpSet::Form form;
    } texts[] = {{keys::TiffGroup, keys::TiffArtist, "Xmp.dc.creator", XmpSet::Seq},
                 {keys::TiffGroup, keys::TiffCopyright, "Xmp.dc.rights", XmpSet::LangAlt},
                 {keys::TiffGroup, keys::TiffImageDescription, "Xmp.dc.description", XmpSet::LangAlt},
                 {keys::IptcGroup, keys::IptcKeywords, "Xmp.dc.subject", XmpSet::Bag}};
    for (const auto &t : texts) {
        const QVariant group = overlay.value(QLatin1String(t.group));
        if (group.typeId() != QMetaType::QVariantMap || !group.toMap().contains(QLatin1String(t.key)))
            continue;
        const QVariant v = group.toMap().value(QLatin1String(t.key));
        if (v.isNull() || v == current.value(QLatin1String(t.group)).toMap().value(QLatin1String(t.key)))
            continue;
        sets.append({t.xmpKey, t.form, textList(v)});
    }
    // Pixels turned upright leave an XMP orientation that says otherwise turning them again.
    const QVariant orientation = overlay.value(QLatin1String(keys::Orientation));
    if (orientation.isValid() && orientation != current.value(QLatin1String(keys::Orientation))
        && orientation.toInt() >= 1 && orientation.toInt() <= 8)
        sets.append({"Xmp.tiff.Orientation", XmpSet::Text, {QString::number(orientation.toInt())}, true});
    const QVariant gps = overlay.value(QLatin1String(keys::GpsGroup));
    const QVariantMap currentGps = current.value(QLatin1String(keys::GpsGroup)).toMap();
    const QVariantMap gpsMap = gps.toMap();
    // The photo's own block laid back over it is no edit of its position.
    const bool gpsChanges = std::any_of(gpsMap.keyBegin(), gpsMap.keyEnd(), [&](const QString &key) {
        return gpsMap.value(key).isNull() ? currentGps.contains(key) : gpsMap.value(key) != currentGps.value(key);
    });
    if (gps.typeId() == QMetaType::QVariantMap && gpsChanges)
        gpsTwins(gpsMap, currentGps, sets);
    return sets;
}

} // namespace

XmpChange xmpChangeFor(const QVariantMap &overlay, const QVariantMap &current)
{
    XmpChange change;
    auto removes = [&](const char *group) {
        return overlay.contains(QLatin1String(group)) && overlay.value(QLatin1String(group)).isNull();
    };
    if (removes(keys::GpsGroup))
        change.removals |= XmpGps;
    if (removes(keys::IptcGroup))
        change.removals |= XmpIptc;
    if (removes(keys::ExifGroup))
        change.removals |= XmpExif;
    change.sets = twinSets(overlay, current);
    for (const ExifDate &d : kExifDates) {
        const QVariant changed = overlay.value(QLatin1String(d.group)).toMap().value(QLatin1String(d.key));
        const QString before = current.value(QLatin1String(d.group)).toMap().value(QLatin1String(d.key)).toString();
        if (before.size() != 19)
            continue;
        const bool moves = changed.typeId() == QMetaType::QString && changed.toString().size() == 19;
        change.dates.append({d.field, before, moves ? changed.toString() : before});
    }
    return change;
}

void setExifInXmp(XmpChange &change, const QVariantMap &overlay, const Exiv2::XmpData &xmp)
{
    // The fields the editor's own commands write whose twins live in XMP alone.
    const struct {
        const char *group, *key, *xmpKey;
        XmpSet::Form form;
    } fields[] = {{keys::TiffGroup, keys::TiffMake, "Xmp.tiff.Make", XmpSet::Text},
                  {keys::TiffGroup, keys::TiffModel, "Xmp.tiff.Model", XmpSet::Text},
                  {keys::ExifGroup, keys::ExifUserComment, "Xmp.exif.UserComment", XmpSet::LangAlt},
                  {keys::ExifGroup, keys::ExifLensMake, "Xmp.exifEX.LensMake", XmpSet::Text},
                  {keys::ExifGroup, keys::ExifLensModel, "Xmp.exifEX.LensModel", XmpSet::Text}};
    for (const auto &f : fields) {
        const QVariantMap group = overlay.value(QLatin1String(f.group)).toMap();
        if (group.contains(QLatin1String(f.key)))
            change.sets.append({f.xmpKey, f.form, textList(group.value(QLatin1String(f.key)))});
    }
    for (const ExifDate &d : kExifDates) {
        const QVariant wanted = overlay.value(QLatin1String(d.group)).toMap().value(QLatin1String(d.key));
        const QString text = wanted.toString();
        // Read as a date and a time, not a moment: a wall-clock time in a zone's spring gap is
        // still the one the user gave.
        if (wanted.typeId() != QMetaType::QString || text.size() != 19
            || !QDate::fromString(text.left(10), QStringLiteral("yyyy:MM:dd")).isValid()
            || !QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss")).isValid())
            continue;
        // A date the XMP already held moves there with the properties that held it.
        const auto moves = [&](const XmpDateMove &m) { return m.field == d.field; };
        if (std::any_of(change.dates.begin(), change.dates.end(), moves))
            continue;
        QString date = text;
        date[4] = date[7] = QLatin1Char('-');
        date[10] = QLatin1Char('T');
        const MirroredDate *first = nullptr;
        bool held = false;
        for (const MirroredDate &mirror : kMirroredDates) {
            if (mirror.field != d.field)
                continue;
            first = first ? first : &mirror;
            const auto pos = xmp.findKey(Exiv2::XmpKey(mirror.key));
            if (pos == xmp.end())
                continue;
            // The zone the photo gave stays: only the wall-clock time moves.
            qsizetype length = 0;
            const QString value = QString::fromStdString(pos->toString());
            const QString zone = exifSpelling(value, &length).isEmpty() ? QString() : value.mid(length);
            static const QRegularExpression zoneForm(QStringLiteral("^(Z|[+-]\\d\\d:\\d\\d)$"));
            const bool keepZone = zoneForm.match(zone).hasMatch();
            change.sets.append({mirror.key, XmpSet::Text, {date + (keepZone ? zone : QString())}});
            held = true;
        }
        if (!held && first)
            change.sets.append({first->key, XmpSet::Text, {date}});
    }
}

namespace {

// IIM keeps a moment as a date and a time of two fields ("CCYYMMDD" or "CCYY-MM-DD", then
// "HHMMSS" or "HH:MM:SS", a zone optional); XMP as one ISO 8601 date. Empty when the date
// is not one.
QString xmpDateFromIptc(const QVariant &date, const QVariant &time)
{
    static const QRegularExpression dateForm(QStringLiteral("^(\\d{4})[-:]?(\\d\\d)[-:]?(\\d\\d)$"));
    static const QRegularExpression timeForm(
        QStringLiteral("^(\\d\\d):?(\\d\\d):?(\\d\\d)(?:([+-])(\\d\\d):?(\\d\\d))?$"));
    const QRegularExpressionMatch d = dateForm.match(date.toString().trimmed());
    if (!d.hasMatch()
        || !QDate(d.captured(1).toInt(), d.captured(2).toInt(), d.captured(3).toInt()).isValid())
        return {};
    QString text = d.captured(1) + u'-' + d.captured(2) + u'-' + d.captured(3);
    const QRegularExpressionMatch t = timeForm.match(time.toString().trimmed());
    if (t.hasMatch() && QTime(t.captured(1).toInt(), t.captured(2).toInt(), t.captured(3).toInt()).isValid()) {
        text += u'T' + t.captured(1) + u':' + t.captured(2) + u':' + t.captured(3);
        if (!t.captured(4).isEmpty())
            text += t.captured(4) + t.captured(5) + u':' + t.captured(6);
    }
    return text;
}

} // namespace

QStringList setIptcInXmp(XmpChange &change, const QVariantMap &overlay)
{
    const struct {
        const char *property, *xmpKey;
        XmpSet::Form form;
    } twins[] = {{"Caption/Abstract", "Xmp.dc.description", XmpSet::LangAlt},
                 {"By-line", "Xmp.dc.creator", XmpSet::Seq},
                 {"By-lineTitle", "Xmp.photoshop.AuthorsPosition", XmpSet::Text},
                 {"CopyrightNotice", "Xmp.dc.rights", XmpSet::LangAlt},
                 {"ObjectName", "Xmp.dc.title", XmpSet::LangAlt},
                 {"Keywords", "Xmp.dc.subject", XmpSet::Bag},
                 {"Headline", "Xmp.photoshop.Headline", XmpSet::Text},
                 {"City", "Xmp.photoshop.City", XmpSet::Text},
                 {"Province/State", "Xmp.photoshop.State", XmpSet::Text},
                 {"Country/PrimaryLocationName", "Xmp.photoshop.Country", XmpSet::Text},
                 {"Country/PrimaryLocationCode", "Xmp.iptc.CountryCode", XmpSet::Text},
                 {"SubLocation", "Xmp.iptc.Location", XmpSet::Text},
                 {"Credit", "Xmp.photoshop.Credit", XmpSet::Text},
                 {"Source", "Xmp.photoshop.Source", XmpSet::Text},
                 {"SpecialInstructions", "Xmp.photoshop.Instructions", XmpSet::Text},
                 {"Writer/Editor", "Xmp.photoshop.CaptionWriter", XmpSet::Text},
                 {"OriginalTransmissionReference", "Xmp.photoshop.TransmissionReference", XmpSet::Text},
                 {"Category", "Xmp.photoshop.Category", XmpSet::Text},
                 {"SuppCategory", "Xmp.photoshop.SupplementalCategories", XmpSet::Bag},
                 {"Urgency", "Xmp.photoshop.Urgency", XmpSet::Text},
                 {"LanguageIdentifier", "Xmp.dc.language", XmpSet::Bag}};
    // A moment is two IIM fields and one XMP property.
    const struct {
        const char *date, *time, *xmpKey;
    } moments[] = {{"DateCreated", "TimeCreated", "Xmp.photoshop.DateCreated"},
                   {"DigitalCreationDate", "DigitalCreationTime", "Xmp.xmp.CreateDate"}};
    const QVariantMap iptc = overlay.value(QLatin1String(keys::IptcGroup)).toMap();
    const auto set = [&](const char *xmpKey, XmpSet::Form form, const QStringList &values) {
        const auto setAlready = [&](const XmpSet &s) { return s.key == xmpKey; };
        if (std::none_of(change.sets.begin(), change.sets.end(), setAlready))
            change.sets.append({xmpKey, form, values});
    };
    QStringList placed;
    for (const auto &t : twins) {
        const QVariant v = iptc.value(QLatin1String(t.property));
        if (v.isNull())
            continue;
        set(t.xmpKey, t.form, textList(v));
        placed << QLatin1String(t.property);
    }
    for (const auto &m : moments) {
        const QVariant date = iptc.value(QLatin1String(m.date));
        const QString text = xmpDateFromIptc(date, iptc.value(QLatin1String(m.time)));
        if (text.isEmpty())
            continue;
        set(m.xmpKey, XmpSet::Text, {text});
        placed << QLatin1String(m.date);
        if (!iptc.value(QLatin1String(m.time)).isNull() && text.size() > 10)
            placed << QLatin1String(m.time);
    }
    QStringList unplaced;
    for (auto it = iptc.begin(); it != iptc.end(); ++it)
        if (!it.value().isNull() && !placed.contains(it.key()))
            unplaced << it.key();
    return unplaced;
}

QVariantMap withXmpDates(const QVariantMap &properties, const Exiv2::XmpData &xmp)
{
    const auto holds = [&](const ExifDate &d) {
        return properties.value(QLatin1String(d.group)).toMap().contains(QLatin1String(d.key));
    };
    if (std::any_of(std::begin(kExifDates), std::end(kExifDates),
                    [&](const ExifDate &d) { return d.field != XmpDateMove::Modified && holds(d); }))
        return properties;
    QVariantMap merged = properties;
    for (const ExifDate &d : kExifDates) {
        if (holds(d))
            continue;
        for (const MirroredDate &mirror : kMirroredDates) {
            if (mirror.field != d.field)
                continue;
            const auto pos = xmp.findKey(Exiv2::XmpKey(mirror.key));
            if (pos == xmp.end())
                continue;
            qsizetype length = 0;
            QString date = exifSpelling(QString::fromStdString(pos->toString()), &length);
            if (date.size() == 16)
                date += QStringLiteral(":00"); // XMP may leave out the seconds
            if (date.size() != 19)
                continue;
            QVariantMap group = merged.value(QLatin1String(d.group)).toMap();
            group.insert(QLatin1String(d.key), date);
            merged.insert(QLatin1String(d.group), group);
            break;
        }
    }
    return merged;
}

QString iptcWithoutXmpTwin(const QStringList &fields)
{
    return Text::tr("IPTC %1 cannot be stored: this file holds IPTC only as XMP, which has no place for it")
        .arg(fields.join(QStringLiteral(", ")));
}

bool XmpChange::isEmpty() const
{
    return !removals && sets.isEmpty() && std::none_of(dates.begin(), dates.end(), [](const XmpDateMove &d) { return d.from != d.to; });
}

bool editXmpProperties(Exiv2::XmpData &xmp, const XmpChange &change)
{
    const bool set = setXmpProperties(xmp, change.sets, change.onlyXmp);
    const bool moved = moveXmpDates(xmp, change.dates);
    return removeXmpProperties(xmp, change.removals) || moved || set;
}

bool makeXmpTwins(Exiv2::XmpData &xmp, const XmpChange &change)
{
    return setXmpProperties(xmp, change.sets, true);
}

bool editXmpProperties(QByteArray &packet, const XmpChange &change, bool *changed, QString *error)
{
    const bool moved = moveXmpDates(packet, change.dates);
    if (!editParsed(packet, change, changed, error))
        return false;
    *changed = *changed || moved;
    return true;
}

} // namespace imageio
