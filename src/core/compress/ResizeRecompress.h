// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BatchCompressor.h"
#include "CompressionOptions.h"
#include "CompressionReport.h"
#include "ResizePresets.h"

#include <QStringList>

#include <atomic>

namespace compress {

// The resize workflow of the window and the command line alike: a Resize job over the
// photos at their Output paths, each decoded, scaled to the request (never up) and
// compressed in memory, then committed whole where it was. A photo that cannot be scaled
// fails with its reason and stays as it was. A request that is off (a custom size below
// 1) or no paths give an empty report and touch nothing.
CompressionReport resizeAndRecompress(const QStringList &restPaths, const ResizeRequest &request,
                                      const CompressionOptions &options, const std::atomic_bool *cancel = nullptr,
                                      const BatchCompressor::EntryCallback &onEntry = {});

} // namespace compress
