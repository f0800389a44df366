// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsbMonitor.h"

#include <QSocketNotifier>

#include <libudev.h>

UsbMonitor::UsbMonitor(QObject *parent)
    : QObject(parent)
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "usb", "usb_device") < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        return;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0)
        return;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UsbMonitor::readEvents);
}

UsbMonitor::~UsbMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void UsbMonitor::readEvents()
{
    bool any = false;
    while (struct udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(device);
        if (action && (qstrcmp(action, "add") == 0 || qstrcmp(action, "remove") == 0))
            any = true;
        udev_device_unref(device);
    }
    if (any)
        Q_EMIT changed();
}
