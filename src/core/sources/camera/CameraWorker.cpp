// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraWorker.h"

#include "CameraBackend.h"

CameraWorker::CameraWorker(std::unique_ptr<CameraBackend> backend)
    : m_backend(std::move(backend))
{
}

CameraWorker::~CameraWorker()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_commands.clear();
        m_thumbnails.clear();
    }
    m_pool.waitForDone();
    m_backend->close();
}

void CameraWorker::post(Priority priority, Task task)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_stopping)
            return;
        (priority == Priority::Command ? m_commands : m_thumbnails).push_back(std::move(task));
    }
    m_pool.run([this](const jobs::CancelToken &) { runNext(); });
}

void CameraWorker::dropThumbnails()
{
    QMutexLocker lock(&m_mutex);
    m_thumbnails.clear();
}

void CameraWorker::runNext()
{
    Task task;
    {
        QMutexLocker lock(&m_mutex);
        if (m_stopping || (m_commands.empty() && m_thumbnails.empty()))
            return;
        std::deque<Task> &queue = m_commands.empty() ? m_thumbnails : m_commands;
        task = std::move(queue.front());
        queue.pop_front();
    }
    task(*m_backend);
}
