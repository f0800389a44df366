// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDates.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>

namespace filedates {

namespace {

QDateTime fromTimespec(qint64 seconds, qint64 nanoseconds)
{
    return QDateTime::fromMSecsSinceEpoch(seconds * 1000 + nanoseconds / 1000000);
}

} // namespace

QDateTime creationDate(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct statx sx;
    if (statx(AT_FDCWD, native.constData(), 0, STATX_BTIME | STATX_MTIME, &sx) == 0) {
        if (sx.stx_mask & STATX_BTIME)
            return fromTimespec(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec);
        return fromTimespec(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
    }
    return {};
}

QDateTime modificationDate(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.lastModified() : QDateTime();
}

bool canSetCreationDate() { return false; }

bool setModificationDate(const QString &path, const QDateTime &date)
{
    if (!date.isValid())
        return false;
    const qint64 ms = date.toMSecsSinceEpoch();
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    times[1].tv_nsec = (ms - times[1].tv_sec * 1000) * 1000000;
    return utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

bool setCreationDate(const QString &path, const QDateTime &date) { return setFileDates(path, date, std::nullopt); }

bool setFileDates(const QString &path, std::optional<QDateTime> creation, std::optional<QDateTime> modification)
{
    // The birth time cannot be set here, so the creation date lives on as the
    // modification date unless the caller gave that one too.
    if (modification)
        return setModificationDate(path, *modification);
    if (creation)
        return setModificationDate(path, *creation);
    return true;
}

} // namespace filedates
