// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

// Property-list files through libplist: a property map (nested QVariantMaps and
// lists of strings, numbers, booleans, dates and byte arrays, the shapes the image
// I/O layer gives) to XML, and XML or binary back to a map. Numbers keep their kind:
// integers come back as qlonglong, reals as double.
//
// Reading refuses what a photo's metadata never looks like, before libplist walks it:
// files over kMaximumBytes, nesting deeper than kMaximumDepth, more than kMaximumItems
// values, texts holding a NUL, roots that are not a dictionary and value kinds with no
// map equivalent. The message says which.
namespace propertylist {

inline constexpr qint64 kMaximumBytes = 16 * 1024 * 1024;
inline constexpr int kMaximumDepth = 32;
// Values of every kind, containers included, as libplist would build them. A photo's
// whole metadata holds a few thousand at most; a million would keep the reader busy
// for seconds and take hundreds of megabytes.
inline constexpr qint64 kMaximumItems = 100000;

// XML property list of the map; values with no property-list kind (null, unknown
// types) are left out.
QByteArray toXml(const QVariantMap &map);

// Writes the XML atomically: a failure leaves an earlier file at `path` as it was.
bool writeFile(const QString &path, const QVariantMap &map, QString *error = nullptr);

// True when libplist may be given the bytes: a property list within the limits above,
// judged without recursion and in time linear in the size. False with the reason in
// *reason ("it is nested more than 32 levels deep") otherwise. The version list goes
// through here too.
bool screen(const QByteArray &bytes, QString *reason = nullptr);

// The root dictionary of XML or binary property-list bytes; nothing, with a reason
// in *error, when refused.
std::optional<QVariantMap> fromBytes(const QByteArray &bytes, QString *error = nullptr);

std::optional<QVariantMap> readFile(const QString &path, QString *error = nullptr);

} // namespace propertylist
