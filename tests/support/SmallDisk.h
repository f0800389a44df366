// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace testsupport {

// A real, tiny tmpfs mounted for the test (needs root, as in CI) and unmounted when it
// goes. Writes on it fail the way they do on a full disk: the system says ENOSPC.
class SmallDisk
{
public:
    SmallDisk(const QString &mountPoint, int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    // Why it could not be mounted, for the QSKIP message.
    QString problem() const { return m_problem; }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const { return m_path + QLatin1Char('/') + name; }

    // Takes up the free space with a filler file until at most `bytes` are left.
    bool leaveFree(qint64 bytes);
    qint64 bytesFree() const;

private:
    QString m_path;
    QString m_problem;
    bool m_mounted = false;
    bool m_unmount = false;
};

} // namespace testsupport
