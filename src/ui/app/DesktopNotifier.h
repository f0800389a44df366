// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>

// Posts a message to the desktop's notification service (org.freedesktop.Notifications
// on the session bus). Without a service nothing happens: the message is a courtesy.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DesktopNotifier(QObject *parent = nullptr);
    DesktopNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    void notify(const QString &summary, const QString &body);

Q_SIGNALS:
    // The service answered (tests).
    void delivered(bool ok);

private:
    QDBusConnection m_bus;
};
