// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The only ways photo bytes enter and leave the program. Reads take regular files only
// and never more than a photo can be; writes replace a file atomically and never report
// success for bytes the disk did not take.
namespace imageio {

// Larger than any photo a camera or phone produces; a bigger "photo" is not read at all.
constexpr qint64 kMaxPhotoFileSize = qint64(1) << 30;

// Reads the whole file into *bytes. Refuses (false plus a reason) what is not a regular
// file, such as a FIFO, a device or a folder, without blocking on it, and files above
// maxSize. A link is followed for reading: it names the photo the user meant.
bool readPhotoFile(const QString &path, QByteArray *bytes, QString *error = nullptr,
                   qint64 maxSize = kMaxPhotoFileSize);

// Replaces outputPath with `bytes` atomically (temporary file in the same folder, synced,
// then renamed over it). A short write, a failed sync or a size that does not match fails
// with the system's reason ("disk full" when the file system is full) and leaves an earlier
// file at outputPath as it was. An outputPath that is a link (even a dangling one) is
// refused: writing would change the file it points at, which the user never chose.
bool writeFileAtomically(const QString &outputPath, const QByteArray &bytes, QString *error = nullptr);
// Same, for a file written from consecutive pieces.
bool writeFileAtomically(const QString &outputPath, const QList<QByteArrayView> &pieces, QString *error = nullptr);

// What writeFileAtomically calls to put the temporary file on the disk before the rename
// (::fsync). Only a test points it elsewhere, to make the sync fail as a dying disk or a
// file system that allocates late would; nothing else may change it.
extern int (*syncFileToDisk)(int fd);

} // namespace imageio
