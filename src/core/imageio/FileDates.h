// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// A file's own dates. Linux keeps a birth time but offers no way to set it: where
// a command sets a creation date, the modification date takes it instead (unless
// the command sets a modification date of its own).
namespace filedates {

// Birth time where the file system records one, else the modification time. Invalid when the file is missing.
QDateTime creationDate(const QString &path);
QDateTime modificationDate(const QString &path);

// False when the platform cannot set a file's creation date (always on Linux).
bool canSetCreationDate();

// Sets the dates that are given, following the rule above. Call after the file is closed.
bool setFileDates(const QString &path, std::optional<QDateTime> creation,
                  std::optional<QDateTime> modification);
bool setModificationDate(const QString &path, const QDateTime &date);
bool setCreationDate(const QString &path, const QDateTime &date);

} // namespace filedates
