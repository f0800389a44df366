// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BatchCompressor.h"
#include "CompressionOptions.h"
#include "CompressionReport.h"
#include "ResizePresets.h"

#include <QStringList>

#include <atomic>

namespace compress {

// The resize workflow of the window and the command line alike: each photo at its
// Output path is scaled to the requested size (one call, resizePhotosForRecompression),
// then the results are compressed again as a Resize job. A photo that could not be
// scaled is compressed as it is and listed in report.notResized. A request that is off
// (a custom size below 1) or no paths give an empty report and touch nothing.
CompressionReport resizeAndRecompress(const QStringList &restPaths, const ResizeRequest &request,
                                      const CompressionOptions &options, const std::atomic_bool *cancel = nullptr,
                                      const BatchCompressor::EntryCallback &onEntry = {});

} // namespace compress
