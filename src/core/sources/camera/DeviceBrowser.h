// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraItem.h"

#include "jobs/WorkerPool.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class UsbMonitor;

// Keeps the list of attached cameras and says when one comes or goes. A scan runs
// libgphoto2's autodetection away from the main thread; scans run at start, when
// udev reports a USB device plugged in or out (or every few seconds where udev
// cannot be watched), and on rescan(). Cameras named by the user (a model and a
// port, as on the command line) count as attached for as long as they are listed.
// Main thread only.
class DeviceBrowser : public QObject
{
    Q_OBJECT
public:
    // Blocking; called on the browser's own worker.
    using Detector = std::function<QList<CameraInfo>(QString *error)>;
    static constexpr int PollInterval = 3000; // ms

    explicit DeviceBrowser(QObject *parent = nullptr);
    DeviceBrowser(Detector detector, bool watchUsb, QObject *parent = nullptr);
    // Waits for a running scan.
    ~DeviceBrowser() override;

    void start();
    void rescan();
    void setNamedCameras(const QList<CameraInfo> &cameras);

    QList<CameraInfo> cameras() const { return m_cameras; }
    bool watchesHotplug() const;
    bool isPolling() const { return m_poll.isActive(); }

Q_SIGNALS:
    void deviceAdded(const CameraInfo &camera);
    void deviceRemoved(const CameraInfo &camera);
    void scanFailed(const QString &error);
    void scanFinished();

private:
    void scanDone(const QList<CameraInfo> &found, const QString &error);

    Detector m_detector;
    UsbMonitor *m_usb = nullptr;
    QTimer m_poll;
    QTimer m_settle;
    QList<CameraInfo> m_cameras;
    QList<CameraInfo> m_named;
    bool m_scanning = false;
    bool m_rescanPending = false;
    jobs::WorkerPool m_pool{QStringLiteral("DeviceBrowser"), 1};
};
