// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace compress {

// The pixels a job may hold decoded at once, shared by all its workers. A photo takes
// its share before its pixels are allocated and gives it back once encoded, so a job's
// peak memory follows the budget rather than the number of workers: a few decompression
// bombs on many workers would otherwise each allocate gigabytes at the same time.
class PixelBudget
{
public:
    explicit PixelBudget(qint64 pixels);

    // About a quarter of physical memory, counted at BytesPerPixel per pixel.
    static qint64 defaultPixels();
    // What decoding, turning, flattening and encoding one pixel may cost at the peak.
    static constexpr qint64 BytesPerPixel = 16;

    qint64 total() const { return m_total; }

    // Blocks until `pixels` are free. False, without taking anything, when the request
    // can never fit or `cancel` is set while waiting.
    bool acquire(qint64 pixels, const std::atomic_bool *cancel = nullptr);
    void release(qint64 pixels);

private:
    const qint64 m_total;
    qint64 m_free;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace compress
