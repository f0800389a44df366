// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceBrowser.h"

#include "CameraDetection.h"
#include "UsbMonitor.h"

#include <QtConcurrent>

DeviceBrowser::DeviceBrowser(QObject *parent)
    : DeviceBrowser(&cameradetection::autodetect, true, parent)
{
}

DeviceBrowser::DeviceBrowser(Detector detector, bool watchUsb, QObject *parent)
    : QObject(parent)
    , m_detector(std::move(detector))
{
    m_pool.setMaxThreadCount(1);
    if (watchUsb) {
        m_usb = new UsbMonitor(this);
        // A camera needs a moment after the USB event before it answers a probe.
        m_settle.setSingleShot(true);
        m_settle.setInterval(700);
        connect(m_usb, &UsbMonitor::changed, &m_settle, qOverload<>(&QTimer::start));
        connect(&m_settle, &QTimer::timeout, this, &DeviceBrowser::rescan);
    }
    m_poll.setInterval(PollInterval);
    connect(&m_poll, &QTimer::timeout, this, &DeviceBrowser::rescan);
    connect(&m_watcher, &QFutureWatcher<Scan>::finished, this, &DeviceBrowser::scanDone);
}

DeviceBrowser::~DeviceBrowser()
{
    m_watcher.waitForFinished();
}

bool DeviceBrowser::watchesHotplug() const
{
    return m_usb && m_usb->isActive();
}

void DeviceBrowser::start()
{
    if (!watchesHotplug())
        m_poll.start();
    rescan();
}

void DeviceBrowser::setNamedCameras(const QList<CameraInfo> &cameras)
{
    m_named = cameras;
    rescan();
}

void DeviceBrowser::rescan()
{
    if (m_watcher.isRunning()) {
        m_rescanPending = true;
        return;
    }
    Detector detector = m_detector;
    m_watcher.setFuture(QtConcurrent::run(&m_pool, [detector] {
        Scan scan;
        scan.cameras = detector(&scan.error);
        return scan;
    }));
}

void DeviceBrowser::scanDone()
{
    const Scan scan = m_watcher.result();
    if (!scan.error.isEmpty())
        Q_EMIT scanFailed(scan.error);
    // A failed scan keeps the cameras known so far rather than reporting them all gone.
    QList<CameraInfo> now = scan.error.isEmpty() ? scan.cameras : m_cameras;
    for (const CameraInfo &named : m_named) {
        if (!now.contains(named))
            now.append(named);
    }
    const QList<CameraInfo> before = m_cameras;
    m_cameras = now;
    for (const CameraInfo &camera : before) {
        if (!now.contains(camera))
            Q_EMIT deviceRemoved(camera);
    }
    for (const CameraInfo &camera : now) {
        if (!before.contains(camera))
            Q_EMIT deviceAdded(camera);
    }
    Q_EMIT scanFinished();
    if (m_rescanPending) {
        m_rescanPending = false;
        rescan();
    }
}
