// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <functional>
#include <memory>

class CameraBackend;

// The one thread that talks to a camera. Cameras take one request at a time, so
// every call on the backend runs here, in order. Commands the user waits for
// (open, download, delete) go before queued thumbnails, so a download is not stuck
// behind a thousand previews.
class CameraWorker : public QThread
{
public:
    using Task = std::function<void(CameraBackend &backend)>;
    enum class Priority { Command, Thumbnail };

    explicit CameraWorker(std::unique_ptr<CameraBackend> backend);
    // Finishes the running task, drops the rest, closes the backend.
    ~CameraWorker() override;

    // Any thread.
    void post(Priority priority, Task task);
    void dropThumbnails();
    int queuedThumbnails() const;

protected:
    void run() override;

private:
    std::unique_ptr<CameraBackend> m_backend;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    std::deque<Task> m_commands;
    std::deque<Task> m_thumbnails;
    bool m_stopping = false;
};
