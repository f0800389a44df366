// SPDX-License-Identifier: GPL-3.0-or-later
#include "SmallDisk.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <sys/statvfs.h>

namespace testsupport {

SmallDisk::SmallDisk(const QString &mountPoint, int kilobytes)
    : m_path(mountPoint)
{
    QDir().mkpath(m_path);
    int status = -1;
    QByteArray errors;
    const QString size = QString("size=%1k").arg(kilobytes);
    run("mount", {"-t", "tmpfs", "-o", size, "tmpfs", m_path}, &status, &errors);
    // The size check also catches a mount program that could not be started at all.
    m_unmount = status == 0;
    m_mounted = m_unmount && bytesFree() >= 0 && bytesFree() <= qint64(kilobytes) * 1024;
    if (!m_mounted)
        m_problem = "cannot mount a small tmpfs (needs root): " + QString::fromLocal8Bit(errors).trimmed();
}

SmallDisk::~SmallDisk()
{
    if (m_unmount)
        run("umount", {"-l", m_path});
}

qint64 SmallDisk::bytesFree() const
{
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(m_path).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

bool SmallDisk::leaveFree(qint64 bytes)
{
    QFile filler(filePath(".filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray page(4096, 'f');
    while (bytesFree() > bytes)
        if (filler.write(page) != page.size())
            return false;
    return true;
}

} // namespace testsupport
