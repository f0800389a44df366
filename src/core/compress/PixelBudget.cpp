// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelBudget.h"

#include <chrono>

#include <unistd.h>

namespace compress {

PixelBudget::PixelBudget(qint64 pixels)
    : m_total(qMax<qint64>(1, pixels))
    , m_free(m_total)
{
}

qint64 PixelBudget::defaultPixels()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    // Unknown memory: assume a modest 4 GB machine.
    const qint64 memory = pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : (qint64(4) << 30);
    return memory / 4 / BytesPerPixel;
}

bool PixelBudget::acquire(qint64 pixels, const std::atomic_bool *cancel)
{
    if (pixels > m_total)
        return false;
    std::unique_lock lock(m_mutex);
    while (m_free < pixels) {
        if (cancel && cancel->load())
            return false;
        // The timeout only bounds how late a cancel is noticed; release() always notifies.
        m_changed.wait_for(lock, std::chrono::milliseconds(200));
    }
    m_free -= pixels;
    return true;
}

void PixelBudget::release(qint64 pixels)
{
    {
        std::lock_guard lock(m_mutex);
        m_free = qMin(m_total, m_free + pixels);
    }
    m_changed.notify_all();
}

} // namespace compress
