// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JobContext.h"
#include "JobReport.h"
#include "WorkerPool.h"

#include <QList>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

// The two per-photo loops every batch job walks its photos with, on the job's own thread.
namespace jobs {

// For photos that do not depend on each other (the editor commands): `workers` take the
// photos in list order, the calling thread among them, each recording its photo in a
// report of its own, and `report` lists them in list order. Sets report.total; cancel is
// checked before each photo and the photos already started finish, so a cancelled report
// holds the first photos of the list. `step(item, JobReport &own)` runs on several threads
// at once; progress is called from them one at a time, the last call (total, total) when
// nothing was cancelled.
template <typename Item, typename Step>
void forEachPhoto(const QList<Item> &items, JobReport &report, const JobContext &context, Step step,
                  int workers = WorkerPool::photoWorkers())
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
    const int helpers = std::clamp(workers, 1, std::max(total, 1)) - 1;
    if (helpers > 0) {
        WorkerPool pool(QStringLiteral("photo workers"), helpers);
        for (int k = 0; k < helpers; ++k)
            pool.run([&work](const CancelToken &) { work(); });
        work();
        pool.waitForDone();
    } else {
        work();
    }
    for (const JobReport &part : parts)
        report.photos += part.photos;
    report.cancelled = stopped;
}

// How a photo of forEachPhotoInOrder is taken up.
template <typename Outcome>
struct Planned {
    enum class Kind {
        Settled,       // `outcome` is the photo's outcome, no work needed
        Work,          // `work` makes the outcome on a worker
        WaitForCommits // ask again once an earlier photo has been committed
    };
    Kind kind = Kind::Settled;
    Outcome outcome;
    std::function<Outcome()> work;
};

// For photos whose results must land one at a time, in list order, exactly as if one
// worker did them all (compression: totals, texts and which output a clash gets do not
// depend on timing). `plan(index)` runs on the calling thread in list order, at most
// 2 × `workers` photos ahead of the commits, so at most two photos per worker are in
// memory; the photos' work runs on `workers` pool threads; `commit(index, Outcome &&,
// bool worked)` runs on the calling thread in list order and reports progress after it.
// Cancel is checked before each photo is planned and while waiting: photos still being
// worked on are then dropped uncommitted. `work` must not throw. Returns false when
// cancelled.
template <typename Outcome, typename Plan, typename Commit>
bool forEachPhotoInOrder(int total, int workers, const JobContext &context, Plan plan, Commit commit)
{
    struct Done {
        Outcome outcome;
        bool worked = false;
    };
    WorkerPool pool(QStringLiteral("ordered photo workers"), workers);
    const int maxInFlight = 2 * qMax(1, workers);
    std::mutex mutex;
    std::condition_variable doneChanged;
    std::map<int, Done> done; // guarded by mutex
    int nextPlan = 0;
    int nextCommit = 0;
    int inFlight = 0;
    while (nextCommit < total) {
        while (!context.cancelled() && nextPlan < total && inFlight < maxInFlight) {
            Planned<Outcome> planned = plan(nextPlan);
            if (planned.kind == Planned<Outcome>::Kind::WaitForCommits)
                break;
            const int index = nextPlan++;
            if (planned.kind == Planned<Outcome>::Kind::Settled) {
                const std::lock_guard lock(mutex);
                done.emplace(index, Done{std::move(planned.outcome), false});
                continue;
            }
            ++inFlight;
            pool.run([&, index, work = std::move(planned.work)](const CancelToken &) {
                Outcome outcome = work();
                const std::lock_guard lock(mutex);
                done.emplace(index, Done{std::move(outcome), true});
                doneChanged.notify_all();
            });
        }
        Done next;
        {
            std::unique_lock lock(mutex);
            if (context.cancelled() && done.count(nextCommit) == 0) {
                lock.unlock();
                pool.waitForDone();
                return false;
            }
            // The timeout only bounds how late a cancel is noticed; results always notify.
            doneChanged.wait_for(lock, std::chrono::milliseconds(200),
                                 [&] { return done.count(nextCommit) > 0 || context.cancelled(); });
            auto it = done.find(nextCommit);
            if (it == done.end())
                continue;
            next = std::move(it->second);
            done.erase(it);
        }
        if (next.worked)
            --inFlight;
        commit(nextCommit, std::move(next.outcome), next.worked);
        context.report(++nextCommit, total);
    }
    pool.waitForDone();
    return true;
}

} // namespace jobs
