// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Notification.h"

#include <QObject>

#include <functional>
#include <vector>

// Carries announcements from views to whoever observes them, by name. Posting is
// synchronous: every observer of the name has run when post() returns. Main thread only.
class NotificationCenter : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(const Notification &)>;

    explicit NotificationCenter(QObject *parent = nullptr);

    // The centre views post to unless told otherwise.
    static NotificationCenter *defaultCenter();

    // Observes `name` from any sender until `observer` is destroyed or removed.
    void addObserver(QObject *observer, const QString &name, Handler handler);
    void removeObserver(QObject *observer);

    void postNotificationName(const QString &name, QObject *object);

    int observerCount(const QString &name) const;

private:
    struct Entry {
        QPointer<QObject> observer;
        QString name;
        Handler handler;
    };
    std::vector<Entry> m_entries;
};
