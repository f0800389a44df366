// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JobReport.h"

#include <QList>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// What a job's work sees of its runner: the cancel flag and the progress callback, both
// used on the work's own thread. A job run synchronously (tests, the command line)
// passes a default context: never cancelled, no progress.
struct JobContext {
    const std::atomic_bool *cancel = nullptr;
    std::function<void(int done, int total)> progress;

    bool cancelled() const { return cancel && cancel->load(); }
    void report(int done, int total) const
    {
        if (progress)
            progress(done, total);
    }
};

namespace jobs {

// The one per-photo loop of every batch job: sets report.total, checks cancel before
// each photo (a cancelled job marks the report and stops), runs `step` and counts
// progress after it, so the last call is (total, total) when nothing was cancelled.
template <typename Item, typename Step>
void forEachPhoto(const QList<Item> &items, JobReport &report, const JobContext &context, Step step)
{
    const int total = static_cast<int>(items.size());
    report.total = total;
    int done = 0;
    for (const Item &item : items) {
        if (context.cancelled()) {
            report.cancelled = true;
            return;
        }
        step(item);
        context.report(++done, total);
    }
}

// The same loop for photos that do not depend on each other, on every core: workers take
// the photos in list order, each recording its photo in a report of its own, and the
// report lists them in list order. Cancel is checked before each photo; the photos already
// started finish, so a cancelled report holds the first photos of the list. `step` runs on
// several threads at once; progress is called from them one at a time.
template <typename Item, typename Step>
void forEachPhotoConcurrently(const QList<Item> &items, JobReport &report, const JobContext &context, Step step)
{
    const int total = static_cast<int>(items.size());
    report.total = total;
    std::vector<JobReport> parts(static_cast<size_t>(total));
    std::atomic_int next{0};
    std::atomic_bool stopped{false};
    std::mutex progressLock;
    int done = 0;
    const auto work = [&] {
        for (;;) {
            if (next.load() >= total)
                return;
            if (context.cancelled()) {
                stopped = true;
                return;
            }
            const int i = next.fetch_add(1);
            if (i >= total)
                return;
            step(items.at(i), parts[static_cast<size_t>(i)]);
            const std::lock_guard lock(progressLock);
            context.report(++done, total);
        }
    };
    std::vector<std::thread> helpers;
    // A photo's step waits on the disk (every copy is synced before its rename) about as
    // long as it computes: twice as many workers as cores keep the cores busy meanwhile.
    const int workers = std::clamp(2 * QThread::idealThreadCount(), 1, std::max(total, 1));
    for (int k = 1; k < workers; ++k)
        helpers.emplace_back(work);
    work();
    for (std::thread &t : helpers)
        t.join();
    for (const JobReport &part : parts)
        report.photos += part.photos;
    report.cancelled = stopped;
}

} // namespace jobs
