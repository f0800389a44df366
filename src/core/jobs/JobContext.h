// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
