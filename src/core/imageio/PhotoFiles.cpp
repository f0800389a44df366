// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace imageio {

int (*syncFileToDisk)(int fd) = ::fsync;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PhotoFiles)
};

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString systemReason(int code)
{
    if (code == ENOSPC || code == EDQUOT)
        return Text::tr("disk full");
    return QString::fromLocal8Bit(std::strerror(code));
}

// The reason of a failed QFileDevice operation: Qt keeps the message but not the errno,
// and flags ENOSPC as a resource error.
QString writeReason(const QFileDevice &file, int savedErrno)
{
    if (savedErrno == ENOSPC || savedErrno == EDQUOT || file.error() == QFileDevice::ResourceError)
        return Text::tr("disk full");
    if (!file.errorString().isEmpty() && file.error() != QFileDevice::NoError)
        return file.errorString();
    return savedErrno ? systemReason(savedErrno) : Text::tr("the file could not be written");
}

} // namespace

bool readPhotoFile(const QString &path, QByteArray *bytes, QString *error, qint64 maxSize)
{
    // O_NONBLOCK so that opening a FIFO returns at once instead of waiting for a writer;
    // the type check right after on the open descriptor refuses it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, systemReason(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        setError(error, systemReason(errno));
        ::close(fd);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        setError(error, Text::tr("is a folder"));
        ::close(fd);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        setError(error, Text::tr("not a regular file"));
        ::close(fd);
        return false;
    }
    if (info.st_size > maxSize) {
        setError(error, Text::tr("too large"));
        ::close(fd);
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        setError(error, file.errorString());
        ::close(fd);
        return false;
    }
    try {
        // Bounded by the size seen when opened: a file growing under us is read as it was.
        QByteArray data(qsizetype(info.st_size), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < data.size()) {
            const qint64 n = file.read(data.data() + done, data.size() - done);
            if (n < 0) {
                setError(error, file.errorString());
                return false;
            }
            if (n == 0)
                break;
            done += n;
        }
        data.truncate(done);
        *bytes = std::move(data);
    } catch (const std::bad_alloc &) {
        setError(error, Text::tr("not enough memory to read it"));
        return false;
    }
    return true;
}

bool writeFileAtomically(const QString &outputPath, const QByteArray &bytes, QString *error)
{
    return writeFileAtomically(outputPath, QList<QByteArrayView>{QByteArrayView(bytes)}, error);
}

bool writeFileAtomically(const QString &outputPath, const QList<QByteArrayView> &pieces, QString *error)
{
    // QSaveFile resolves a link and replaces its target; lstat sees the link itself.
    struct stat linkInfo {};
    if (::lstat(QFile::encodeName(outputPath).constData(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        setError(error, Text::tr("is a link: not written through it"));
        return false;
    }

    QSaveFile file(outputPath);
    // Never write into the file itself when a temporary file cannot be made beside it:
    // that would destroy the earlier file on any failure.
    file.setDirectWriteFallback(false);
    // Unbuffered: every write reaches the system at once and reports its own failure.
    // Qt 6.4's commit() ignores a failed flush of its buffer, so a buffered write on a
    // full disk would commit a truncated file and report success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, writeReason(file, errno));
        return false;
    }
    qint64 size = 0;
    for (const QByteArrayView piece : pieces) {
        qint64 done = 0;
        while (done < piece.size()) {
            errno = 0;
            const qint64 n = file.write(piece.data() + done, piece.size() - done);
            if (n <= 0) {
                setError(error, writeReason(file, errno));
                file.cancelWriting();
                return false;
            }
            done += n;
        }
        size += done;
    }
    // The bytes must be on the disk before the rename makes them the file: a file system
    // that defers allocation reports a full disk only here.
    if (syncFileToDisk(file.handle()) != 0) {
        setError(error, systemReason(errno));
        file.cancelWriting();
        return false;
    }
    struct stat written {};
    if (::fstat(file.handle(), &written) != 0 || written.st_size != size) {
        setError(error, Text::tr("the written file has %1 bytes instead of %2")
                            .arg(qlonglong(written.st_size))
                            .arg(qlonglong(size)));
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        setError(error, writeReason(file, errno));
        return false;
    }
    return true;
}

} // namespace imageio
