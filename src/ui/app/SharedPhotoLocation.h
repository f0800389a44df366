// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QString>

// The Output folder as a running job sees it: the job asks once per photo on its own
// thread, so a folder chosen meanwhile applies from the next photo on.
class SharedPhotoLocation
{
public:
    QString path() const
    {
        QMutexLocker lock(&m_mutex);
        return m_path;
    }
    void setPath(const QString &path)
    {
        QMutexLocker lock(&m_mutex);
        m_path = path;
    }

private:
    mutable QMutex m_mutex;
    QString m_path;
};
