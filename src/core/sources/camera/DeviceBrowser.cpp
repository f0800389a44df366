// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceBrowser.h"

#include "CameraDetection.h"
#include "UsbMonitor.h"

#include <QMetaObject>

DeviceBrowser::DeviceBrowser(QObject *parent)
    : DeviceBrowser(&cameradetection::autodetect, true, parent)
{
}

DeviceBrowser::DeviceBrowser(Detector detector, bool watchUsb, QObject *parent)
    : QObject(parent)
    , m_detector(std::move(detector))
{
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
}

DeviceBrowser::~DeviceBrowser() = default;

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
    if (m_scanning) {
        m_rescanPending = true;
        return;
    }
    m_scanning = true;
    m_pool.run([this, detector = m_detector](const jobs::CancelToken &) {
        QString error;
        const QList<CameraInfo> found = detector(&error);
        QMetaObject::invokeMethod(
            this, [this, found, error] { scanDone(found, error); }, Qt::QueuedConnection);
    });
}

void DeviceBrowser::scanDone(const QList<CameraInfo> &found, const QString &error)
{
    m_scanning = false;
    if (!error.isEmpty())
        Q_EMIT scanFailed(error);
    // A failed scan keeps the cameras known so far rather than reporting them all gone.
    QList<CameraInfo> now = error.isEmpty() ? found : m_cameras;
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
