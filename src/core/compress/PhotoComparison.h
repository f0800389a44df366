// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// What compression did to one photo, as the compare view shows it: the original and
// the result decoded by the program's own reader, each turned upright by its own
// orientation (a result without metadata was turned when it was written), their file
// sizes and the SSIM of the result against the original.
namespace compress {

struct UprightPhoto {
    QImage image;
    qint64 fileSize = -1;
    QString error; // why the photo could not be shown; empty when it was decoded
    bool ok() const { return !image.isNull(); }
};

// Decoded, orientation applied. Any thread.
UprightPhoto decodeUpright(const QString &path);

struct PhotoComparison {
    UprightPhoto original;
    UprightPhoto result;
    double ssim = 0; // NaN when either could not be decoded or their sizes differ (a resized result)
};

// Both photos and the SSIM; seconds for a large photo, so not on the GUI thread.
PhotoComparison comparePhotos(const QString &originalPath, const QString &resultPath);

} // namespace compress
