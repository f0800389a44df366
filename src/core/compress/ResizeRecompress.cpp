// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResizeRecompress.h"

#include "JobItems.h"

namespace compress {

CompressionReport resizeAndRecompress(const QStringList &restPaths, const ResizeRequest &request,
                                      const CompressionOptions &options, const std::atomic_bool *cancel,
                                      const BatchCompressor::EntryCallback &onEntry)
{
    CompressionReport report;
    report.kind = CompressionJobKind::Resize;
    if (cancel && cancel->load()) {
        report.cancelled = true;
        return report;
    }
    const ResizeStepResult step = resizePhotosForRecompression(restPaths, request);
    if (!step.proceed || step.paths.isEmpty())
        return report;
    QList<JobItem> items;
    QString error;
    expandJobItems(CompressionJobKind::Resize, step.paths, &items, &error);
    BatchCompressor compressor(options, cancel);
    report = compressor.run(CompressionJobKind::Resize, items, onEntry);
    report.notResized = step.problems;
    return report;
}

} // namespace compress
