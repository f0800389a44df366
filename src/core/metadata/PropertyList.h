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
// files over kMaximumBytes, nesting deeper than kMaximumDepth, roots that are not a
// dictionary and value kinds with no map equivalent. The message says which.
namespace propertylist {

inline constexpr qint64 kMaximumBytes = 16 * 1024 * 1024;
inline constexpr int kMaximumDepth = 32;

// XML property list of the map; values with no property-list kind (null, unknown
// types) are left out.
QByteArray toXml(const QVariantMap &map);

// Writes the XML atomically: a failure leaves an earlier file at `path` as it was.
bool writeFile(const QString &path, const QVariantMap &map, QString *error = nullptr);

// The root dictionary of XML or binary property-list bytes; nothing, with a reason
// in *error, when refused.
std::optional<QVariantMap> fromBytes(const QByteArray &bytes, QString *error = nullptr);

std::optional<QVariantMap> readFile(const QString &path, QString *error = nullptr);

} // namespace propertylist
