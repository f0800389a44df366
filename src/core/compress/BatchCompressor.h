#pragma once

#include "CompressionOptions.h"
#include "CompressionReport.h"
#include "JobItems.h"

#include <QList>

#include <atomic>
#include <functional>

// Compresses a list of photos on a pool of workers and commits the results strictly in
// list order, so every entry, total and text is what a single worker would produce:
// an entry is appended only after every earlier photo is written, a photo reading a
// file an earlier photo writes waits for that write, and of two photos with one output
// path the later one wins. At most two photos per worker are in memory at once.
//
// run() blocks its calling thread; `onEntry` is called on that thread, once per entry,
// in list order. GUI-free: the window reaches it through CompressionJob.
class BatchCompressor
{
public:
    using EntryCallback = std::function<void(const NSFileNode &entry, int position, int total)>;

    explicit BatchCompressor(CompressionOptions options, const std::atomic_bool *cancel = nullptr);

    CompressionReport run(CompressionJobKind kind, const QList<compress::JobItem> &items,
                          const EntryCallback &onEntry = {});

    // Workers a run uses: options.workers, or one per core.
    int workerCount() const;

private:
    CompressionOptions m_options;
    const std::atomic_bool *m_cancel;
};
