// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Generated photos for the compression tests: no fixture files, no corpus needed.

#include "TestSupport.h"
#include "compress/BatchCompressor.h"
#include "compress/CompressionOptions.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace fixtures {

// A photo-like picture: soft gradients, a few hard shapes and sensor-like noise. Not
// symmetric in any direction, so a turned or mirrored copy differs clearly.
inline QImage photoLikeImage(int width, int height, quint32 seed = 1)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    const double phase = double(seed % 11);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double v = double(y) / height;
            const int noise = int(rng.bounded(13)) - 6;
            const int r = int(40 + 180 * u + 20 * std::sin(v * 9.0 + phase)) + noise;
            const int g = int(60 + 120 * v + 40 * std::cos(u * 7.0 + phase)) + noise;
            const int b = int(200 - 150 * u * v) + noise;
            line[x] = qRgb(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
        }
    }
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 240));
    const int shift = int(seed % 5) * width / 40;
    painter.drawRect(width / 10 + shift, height / 10, width / 4, height / 6); // bright, near the top left
    painter.setBrush(QColor(20, 30, 20));
    painter.drawEllipse(QPoint(width * 3 / 4 - shift, height * 2 / 3), width / 8, height / 8);
    painter.end();
    return image;
}

// Pure noise: nothing for a palette or a JPEG to smooth away.
inline QImage noiseImage(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, rng.generate() | 0xFF000000u);
    return image;
}

inline void exiftool(const QString &path, const QStringList &args)
{
    int status = -1;
    testsupport::run("exiftool", QStringList{"-q", "-overwrite_original"} + args << path, &status);
    QCOMPARE(status, 0);
}

// A JPEG written by Qt's own writer (independent of the code under test) at high quality,
// then given metadata by exiftool.
inline QString writeJpeg(const QString &path, const QImage &image, const QStringList &exiftoolArgs = {})
{
    if (!image.save(path, "JPG", 95))
        return {};
    if (!exiftoolArgs.isEmpty())
        exiftool(path, exiftoolArgs);
    return path;
}

inline QString writeJpeg(const QString &path, int width, int height, const QStringList &exiftoolArgs = {},
                         quint32 seed = 1)
{
    return writeJpeg(path, photoLikeImage(width, height, seed), exiftoolArgs);
}

// A job writing into `folder`, or in place when it is empty.
inline CompressionOptions jobOptions(const QString &folder, bool keepMetadata = true, int workers = 2)
{
    CompressionOptions options;
    options.keepMetadata = keepMetadata;
    options.keepOriginalPhoto = !folder.isEmpty();
    options.outputFolder = folder;
    options.workers = workers;
    return options;
}

// The folder `name` below `root` (or at `name` when absolute), made if missing.
inline QString makeDir(const QTemporaryDir &root, const QString &name)
{
    const QDir dir(root.path());
    dir.mkpath(name);
    return dir.filePath(name);
}

// A job over the photos at `paths`, as chosen one by one.
inline CompressionReport compressFiles(const QStringList &paths, const CompressionOptions &options)
{
    QList<compress::JobItem> items;
    for (const QString &path : paths)
        items.append({path, false});
    return BatchCompressor(options).run(CompressionJobKind::Files, items);
}

// Runs ImageMagick; false when it fails.
inline bool magick(const QStringList &args)
{
    int status = -1;
    testsupport::run("/usr/bin/convert", args, &status);
    return status == 0;
}

// ImageMagick's upright rendering of a photo (orientation applied), as RGB32.
inline QImage uprightByMagick(const QString &path, const QString &scratchPng)
{
    if (!magick({path, "-auto-orient", scratchPng}))
        return {};
    return QImage(scratchPng).convertToFormat(QImage::Format_RGB32);
}

// Mean absolute difference per channel (0..255); -1 when the sizes differ.
inline double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// What the strongest JPEG compression in use is allowed to change on these pictures; a
// turned, mirrored or recoloured copy differs by 30 or more.
inline constexpr double SamePictureTolerance = 8.0;

} // namespace fixtures
