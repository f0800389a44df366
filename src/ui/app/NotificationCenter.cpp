// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotificationCenter.h"

#include <algorithm>

NotificationCenter::NotificationCenter(QObject *parent)
    : QObject(parent)
{
}

NotificationCenter *NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return &center;
}

void NotificationCenter::addObserver(QObject *observer, const QString &name, Handler handler)
{
    m_entries.push_back({observer, name, std::move(handler)});
    connect(observer, &QObject::destroyed, this, [this, observer] { removeObserver(observer); });
}

void NotificationCenter::removeObserver(QObject *observer)
{
    std::erase_if(m_entries, [observer](const Entry &e) { return e.observer.isNull() || e.observer == observer; });
}

void NotificationCenter::postNotificationName(const QString &name, QObject *object)
{
    const Notification note{name, object};
    // A handler may add or remove observers, so run over a snapshot of the matching entries.
    std::vector<Entry> matching;
    std::copy_if(m_entries.begin(), m_entries.end(), std::back_inserter(matching),
                 [&name](const Entry &e) { return e.name == name && !e.observer.isNull(); });
    for (const Entry &entry : matching) {
        if (!entry.observer.isNull())
            entry.handler(note);
    }
}

int NotificationCenter::observerCount(const QString &name) const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(),
                             [&name](const Entry &e) { return e.name == name && !e.observer.isNull(); }));
}
