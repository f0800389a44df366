// SPDX-License-Identifier: GPL-3.0-or-later
#include "CameraWorker.h"

#include "CameraBackend.h"

CameraWorker::CameraWorker(std::unique_ptr<CameraBackend> backend)
    : m_backend(std::move(backend))
{
    setObjectName(QStringLiteral("camera"));
}

CameraWorker::~CameraWorker()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_commands.clear();
        m_thumbnails.clear();
    }
    m_wake.wakeAll();
    wait();
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
    m_wake.wakeOne();
}

void CameraWorker::dropThumbnails()
{
    QMutexLocker lock(&m_mutex);
    m_thumbnails.clear();
}

int CameraWorker::queuedThumbnails() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_thumbnails.size());
}

void CameraWorker::run()
{
    for (;;) {
        Task task;
        {
            QMutexLocker lock(&m_mutex);
            while (!m_stopping && m_commands.empty() && m_thumbnails.empty())
                m_wake.wait(&m_mutex);
            if (m_stopping)
                return;
            std::deque<Task> &queue = m_commands.empty() ? m_thumbnails : m_commands;
            task = std::move(queue.front());
            queue.pop_front();
        }
        task(*m_backend);
    }
}
