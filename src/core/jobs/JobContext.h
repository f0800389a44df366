// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JobReport.h"

#include <QList>

#include <atomic>
#include <functional>

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

} // namespace jobs
