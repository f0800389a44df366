// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyList.h"

#include "imageio/PhotoFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

#include <plist/plist.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

namespace propertylist {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PropertyList)
};

// Property-list dates count seconds from the start of 2001, UTC.
const QDateTime &plistEpoch()
{
    static const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return epoch;
}

struct PlistDeleter {
    void operator()(void *node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistDeleter>;

plist_t nodeFor(const QVariant &value);

plist_t dictFor(const QVariantMap &map)
{
    plist_t dict = plist_new_dict();
    for (auto it = map.begin(); it != map.end(); ++it)
        if (plist_t item = nodeFor(it.value()))
            plist_dict_set_item(dict, it.key().toUtf8().constData(), item);
    return dict;
}

plist_t nodeFor(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QVariantMap:
        return dictFor(value.toMap());
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        plist_t array = plist_new_array();
        for (const QVariant &item : value.toList())
            if (plist_t node = nodeFor(item))
                plist_array_append_item(array, node);
        return array;
    }
    case QMetaType::QString:
        return plist_new_string(value.toString().toUtf8().constData());
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Long:
        // libplist keeps integers in 64 bits; a negative number survives as its two's complement.
        return plist_new_uint(uint64_t(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::ULong:
        return plist_new_uint(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QDateTime: {
        const qint64 ms = plistEpoch().msecsTo(value.toDateTime());
        const qint64 seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
        return plist_new_date(int32_t(seconds), int32_t((ms - seconds * 1000) * 1000));
    }
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.constData(), uint64_t(bytes.size()));
    }
    default:
        return nullptr;
    }
}

// Why bytes are refused before libplist reads them, judged without recursion.
enum class Shape { Fine, Damaged, TooDeep, TooMany, NulInText };

// An XML property list, judged on its text so that a hostile file never reaches
// libplist's recursive parser. A tag named in a comment counts too, which can only
// refuse a file, never let one through.
Shape xmlShape(const QByteArray &bytes, int depthLimit, qint64 itemLimit)
{
    // A NUL character, raw or as a character reference, would reach libplist's keys (see
    // BinaryTable::textShape).
    static const QRegularExpression nul(QStringLiteral("&#(0+|[xX]0+);"));
    if (bytes.contains('\0') || QString::fromLatin1(bytes).contains(nul))
        return Shape::NulInText;
    int depth = 0;
    qint64 items = 0;
    const char *p = bytes.constData();
    const char *end = p + bytes.size();
    for (; p < end; ++p) {
        if (*p != '<')
            continue;
        const bool closing = p + 1 < end && p[1] == '/';
        const char *name = p + (closing ? 2 : 1);
        // Every element but a key and the plist itself is a value.
        if (!closing && name < end && ((*name >= 'a' && *name <= 'z') || (*name >= 'A' && *name <= 'Z'))
            && !(end - name >= 4 && qstrncmp(name, "key", 3) == 0 && !std::isalpha(uchar(name[3])))
            && !(end - name >= 6 && qstrncmp(name, "plist", 5) == 0 && !std::isalpha(uchar(name[5])))
            && ++items > itemLimit)
            return Shape::TooMany;
        int length = 0;
        if (end - name >= 4 && qstrncmp(name, "dict", 4) == 0)
            length = 4;
        else if (end - name >= 5 && qstrncmp(name, "array", 5) == 0)
            length = 5;
        if (length == 0 || name + length >= end)
            continue;
        const char after = name[length];
        if ((after >= 'a' && after <= 'z') || (after >= 'A' && after <= 'Z'))
            continue;
        const char *close = static_cast<const char *>(memchr(name, '>', size_t(end - name)));
        if (!close)
            return Shape::Damaged;
        if (closing)
            --depth;
        else if (close[-1] != '/' && ++depth > depthLimit)
            return Shape::TooDeep;
        p = close;
    }
    return Shape::Fine;
}

quint64 bigEndian(const uchar *p, int size)
{
    quint64 v = 0;
    for (int i = 0; i < size; ++i)
        v = (v << 8) | p[i];
    return v;
}

// The object table of a binary property list, as its trailer describes it.
struct BinaryTable {
    const uchar *data = nullptr;
    quint64 size = 0;
    int offsetSize = 0;
    int refSize = 0;
    quint64 count = 0;
    quint64 top = 0;
    quint64 tableAt = 0;

    // False when the trailer cannot describe a table inside the file.
    bool read(const QByteArray &bytes)
    {
        data = reinterpret_cast<const uchar *>(bytes.constData());
        size = quint64(bytes.size());
        if (size < 8 + 32)
            return false;
        const uchar *trailer = data + size - 32;
        offsetSize = trailer[6];
        refSize = trailer[7];
        count = bigEndian(trailer + 8, 8);
        top = bigEndian(trailer + 16, 8);
        tableAt = bigEndian(trailer + 24, 8);
        return offsetSize >= 1 && offsetSize <= 8 && refSize >= 1 && refSize <= 8 && count != 0 && top < count
            && tableAt < size && count <= (size - tableAt) / quint64(offsetSize);
    }

    quint64 offsetOf(quint64 index) const
    {
        return bigEndian(data + tableAt + index * quint64(offsetSize), offsetSize);
    }

    // libplist aborts on a dictionary key holding a NUL character, and no text of photo
    // metadata holds one: such a list is refused before libplist reads it.
    Shape textShape(quint64 at, quint64 length, int unit) const
    {
        if (length > size || at + length * quint64(unit) > size)
            return Shape::Damaged;
        for (quint64 i = 0; i < length; ++i)
            if (bigEndian(data + at + i * quint64(unit), unit) == 0)
                return Shape::NulInText;
        return Shape::Fine;
    }

    // Children of a container object as indices; *keys says how many of them are a
    // dictionary's keys, which are no values.
    Shape children(quint64 index, std::vector<quint64> &out, qint64 *keys) const
    {
        out.clear();
        *keys = 0;
        const quint64 at = offsetOf(index);
        if (at >= size)
            return Shape::Damaged;
        const uchar marker = data[at];
        const int kind = marker >> 4;
        const bool text = kind == 0x5 || kind == 0x6; // ASCII, UTF-16
        if (kind != 0xA && kind != 0xC && kind != 0xD && !text)
            return Shape::Fine;
        quint64 n = marker & 0x0f;
        quint64 refsAt = at + 1;
        if (n == 0x0f) {
            if (refsAt >= size || (data[refsAt] >> 4) != 0x1)
                return Shape::Damaged;
            const int width = 1 << (data[refsAt] & 0x0f);
            if (width > 8 || refsAt + 1 + quint64(width) > size)
                return Shape::Damaged;
            n = bigEndian(data + refsAt + 1, width);
            refsAt += 1 + quint64(width);
        }
        if (text)
            return textShape(refsAt, n, kind == 0x5 ? 1 : 2);
        const quint64 refs = kind == 0xD ? n * 2 : n;
        if (n > size || refsAt + refs * quint64(refSize) > size)
            return Shape::Damaged;
        if (kind == 0xD)
            *keys = qint64(n);
        for (quint64 i = 0; i < refs; ++i) {
            const quint64 child = bigEndian(data + refsAt + i * quint64(refSize), refSize);
            if (child >= count)
                return Shape::Damaged;
            out.push_back(child);
        }
        return Shape::Fine;
    }
};

// A binary property list, walked over the object table without recursion. Each
// object's depth and the values it expands to are remembered, so a shared object is
// walked once but counted as often as libplist would copy it.
Shape binaryShape(const QByteArray &bytes, int depthLimit, qint64 itemLimit)
{
    BinaryTable table;
    if (!table.read(bytes))
        return Shape::Damaged;

    // depth[i]: 0 unknown, -1 being walked, else the object's depth; items[i]: the values
    // it expands to, itself included.
    std::vector<int> depth(size_t(table.count), 0);
    std::vector<qint64> items(size_t(table.count), 0);
    struct Frame {
        quint64 index;
        std::vector<quint64> kids;
        size_t next = 0;
        int deepest = 0;
        qint64 items = 1;
    };
    std::vector<Frame> stack;
    qint64 keys = 0;
    stack.push_back({table.top, {}});
    if (const Shape shape = table.children(table.top, stack.back().kids, &keys); shape != Shape::Fine)
        return shape;
    stack.back().items -= keys;
    depth[size_t(table.top)] = -1;
    while (!stack.empty()) {
        Frame &frame = stack.back();
        if (frame.items > itemLimit)
            return Shape::TooMany;
        if (frame.next == frame.kids.size()) {
            const int own = frame.kids.empty() ? 1 : frame.deepest + 1;
            depth[size_t(frame.index)] = own;
            items[size_t(frame.index)] = frame.items;
            const qint64 expanded = frame.items;
            stack.pop_back();
            if (!stack.empty()) {
                stack.back().deepest = std::max(stack.back().deepest, own);
                stack.back().items += expanded;
            }
            continue;
        }
        const quint64 child = frame.kids[frame.next++];
        const int known = depth[size_t(child)];
        if (known == -1)
            return Shape::Damaged; // a container inside itself
        if (known > 0) {
            frame.deepest = std::max(frame.deepest, known);
            frame.items += items[size_t(child)];
            continue;
        }
        if (int(stack.size()) >= depthLimit + 1)
            return Shape::TooDeep;
        Frame next{child, {}};
        if (const Shape shape = table.children(child, next.kids, &keys); shape != Shape::Fine)
            return shape;
        next.items -= keys;
        depth[size_t(child)] = -1;
        stack.push_back(std::move(next));
    }
    return depth[size_t(table.top)] <= depthLimit + 1 ? Shape::Fine : Shape::TooDeep; // leaves count as one level
}

QString textOf(plist_t node)
{
    uint64_t length = 0;
    const char *text = plist_get_string_ptr(node, &length);
    return text ? QString::fromUtf8(text, qsizetype(length)) : QString();
}

bool valueFor(plist_t node, QVariant *out, QString *error);

bool dictValue(plist_t node, QVariant *out, QString *error)
{
    QVariantMap map;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(node, &iter);
    bool ok = true;
    while (ok) {
        char *key = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iter, &key, &item);
        if (!item) {
            free(key);
            break;
        }
        QVariant value;
        ok = valueFor(item, &value, error);
        map.insert(QString::fromUtf8(key), value);
        free(key);
    }
    free(iter);
    *out = map;
    return ok;
}

bool arrayValue(plist_t node, QVariant *out, QString *error)
{
    // By index, libplist walks the array from its start for every item.
    QVariantList list;
    list.reserve(qsizetype(plist_array_get_size(node)));
    plist_array_iter iter = nullptr;
    plist_array_new_iter(node, &iter);
    bool ok = true;
    while (ok) {
        plist_t item = nullptr;
        plist_array_next_item(node, iter, &item);
        if (!item)
            break;
        QVariant value;
        ok = valueFor(item, &value, error);
        list.append(value);
    }
    free(iter);
    *out = list;
    return ok;
}

bool valueFor(plist_t node, QVariant *out, QString *error)
{
    switch (plist_get_node_type(node)) {
    case PLIST_DICT:
        return dictValue(node, out, error);
    case PLIST_ARRAY:
        return arrayValue(node, out, error);
    case PLIST_STRING:
        *out = textOf(node);
        return true;
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        *out = b != 0;
        return true;
    }
    case PLIST_UINT: {
        uint64_t v = 0;
        plist_get_uint_val(node, &v);
        *out = qlonglong(v);
        return true;
    }
    case PLIST_REAL: {
        double v = 0;
        plist_get_real_val(node, &v);
        *out = v;
        return true;
    }
    case PLIST_DATE: {
        int32_t sec = 0, usec = 0;
        plist_get_date_val(node, &sec, &usec);
        *out = plistEpoch().addMSecs(qint64(sec) * 1000 + usec / 1000);
        return true;
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char *data = plist_get_data_ptr(node, &length);
        *out = QByteArray(data, qsizetype(length));
        return true;
    }
    default:
        if (error)
            *error = Text::tr("it holds a value of a kind photo metadata never has (a keyed-archive reference)");
        return false;
    }
}

} // namespace

QByteArray toXml(const QVariantMap &map)
{
    PlistPtr root(dictFor(map));
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    QByteArray bytes(xml, qsizetype(length));
    plist_to_xml_free(xml);
    return bytes;
}

bool writeFile(const QString &path, const QVariantMap &map, QString *error)
{
    // The photo writer's way: unbuffered, every write and the sync checked, never through a
    // link. A buffered file reports a full disk only at its last flush, too late to notice.
    return imageio::writeFileAtomically(path, toXml(map), error);
}

bool screen(const QByteArray &bytes, QString *reason)
{
    auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (bytes.size() > kMaximumBytes)
        return refuse(Text::tr("the file is larger than %1 MiB").arg(kMaximumBytes / (1024 * 1024)));
    const bool binary = bytes.startsWith("bplist00");
    if (!binary && !bytes.contains("<plist"))
        return refuse(Text::tr("it is not a property list"));
    switch (binary ? binaryShape(bytes, kMaximumDepth, kMaximumItems) : xmlShape(bytes, kMaximumDepth, kMaximumItems)) {
    case Shape::Fine:
        return true;
    case Shape::Damaged:
        return refuse(Text::tr("it is damaged"));
    case Shape::TooDeep:
        return refuse(Text::tr("it is nested more than %1 levels deep").arg(kMaximumDepth));
    case Shape::TooMany:
        return refuse(Text::tr("it holds more than %1 values").arg(kMaximumItems));
    case Shape::NulInText:
        return refuse(Text::tr("it holds a text with a NUL character"));
    }
    return refuse(Text::tr("it is damaged"));
}

std::optional<QVariantMap> fromBytes(const QByteArray &bytes, QString *error)
{
    auto refuse = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (!screen(bytes, error))
        return std::nullopt;

    plist_t parsed = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &parsed);
    PlistPtr root(parsed);
    if (!root)
        return refuse(Text::tr("it is not a readable property list"));
    if (plist_get_node_type(root.get()) != PLIST_DICT)
        return refuse(Text::tr("its root is not a dictionary"));
    QVariant value;
    QString reason;
    if (!valueFor(root.get(), &value, &reason))
        return refuse(reason);
    return value.toMap();
}

std::optional<QVariantMap> readFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaximumBytes) {
        if (error)
            *error = Text::tr("the file is larger than %1 MiB").arg(kMaximumBytes / (1024 * 1024));
        return std::nullopt;
    }
    return fromBytes(file.readAll(), error);
}

} // namespace propertylist
