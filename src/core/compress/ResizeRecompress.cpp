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
    if (!resizeRequestValid(request) || restPaths.isEmpty())
        return report;
    QList<JobItem> items;
    QString error;
    expandJobItems(CompressionJobKind::Resize, restPaths, &items, &error);
    CompressionOptions resizing = options;
    resizing.resize = request;
    BatchCompressor compressor(resizing, cancel);
    return compressor.run(CompressionJobKind::Resize, items, onEntry);
}

} // namespace compress
