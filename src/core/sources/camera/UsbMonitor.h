// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// Tells when a USB device is plugged in or out, through libudev's monitor. Where
// udev is not available (containers, some sandboxes) isActive() is false and the
// owner polls instead.
class UsbMonitor : public QObject
{
    Q_OBJECT
public:
    explicit UsbMonitor(QObject *parent = nullptr);
    ~UsbMonitor() override;

    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void changed();

private:
    void readEvents();

    struct udev *m_udev = nullptr;
    struct udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
