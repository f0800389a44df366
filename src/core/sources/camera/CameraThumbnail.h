// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CameraBackend.h"

#include <QImage>
#include <QSize>

// A camera item's picture for the browser: the camera's own preview where it offers
// one; else the file is fetched into `scratchFolder` (a private folder) and gives its
// embedded Exif thumbnail, else a scaled decode. Null for a movie without a preview
// and for a file that does not decode. Runs on the camera's worker thread.
namespace camerathumbnail {

QImage make(CameraBackend &backend, const CameraItem &item, QSize maxSize, const QString &scratchFolder,
            CameraResult *result = nullptr);

} // namespace camerathumbnail
