// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CompressionOptions.h"
#include "CompressionReport.h"
#include "JobItems.h"

#include <QList>

#include <atomic>
#include <functional>

// Compresses a list of photos on a pool of workers and commits the results strictly in
// list order (jobs::forEachPhotoInOrder), so every entry, total and text is what a single
// worker would produce: an entry is appended only after every earlier photo is written.
// Outputs are chosen in list order (OutputNames): no two photos share one and no result
// replaces another photo of the job. Each source is handled once, however often it is listed. At most two
// photos per worker are in memory at once, and their decoded pixels together stay within
// the job's PixelBudget. A result that replaces its source (in place) commits only after
// the original went to the Trash, unless the options say otherwise.
//
// run() blocks its calling thread; `onEntry` is called on that thread, once per entry,
// in list order. GUI-free: the window reaches it through CompressionJob.
class BatchCompressor
{
public:
    using EntryCallback = std::function<void(const ResultRow &entry, int position, int total)>;

    explicit BatchCompressor(CompressionOptions options, const std::atomic_bool *cancel = nullptr);

    CompressionReport run(CompressionJobKind kind, const QList<compress::JobItem> &items,
                          const EntryCallback &onEntry = {});

    // Workers a run uses: options.workers, or one per core.
    int workerCount() const;

private:
    CompressionOptions m_options;
    const std::atomic_bool *m_cancel;
};
