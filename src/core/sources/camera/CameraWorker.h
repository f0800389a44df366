// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/WorkerPool.h"

#include <QMutex>

#include <deque>
#include <functional>
#include <memory>

class CameraBackend;

// The one worker that talks to a camera. Cameras take one request at a time, so
// every call on the backend runs on this worker's single pool thread, in order. Commands
// the user waits for (open, download, delete) go before queued thumbnails, so a download
// is not stuck behind a thousand previews.
class CameraWorker
{
public:
    using Task = std::function<void(CameraBackend &backend)>;
    enum class Priority { Command, Thumbnail };

    explicit CameraWorker(std::unique_ptr<CameraBackend> backend);
    // Finishes the running task, drops the rest, closes the backend.
    ~CameraWorker();

    // Any thread.
    void post(Priority priority, Task task);
    void dropThumbnails();

private:
    // Runs the first waiting command, else the first waiting thumbnail: one per post().
    void runNext();

    std::unique_ptr<CameraBackend> m_backend;
    QMutex m_mutex;
    std::deque<Task> m_commands;
    std::deque<Task> m_thumbnails;
    bool m_stopping = false;
    jobs::WorkerPool m_pool{QStringLiteral("camera"), 1};
};
