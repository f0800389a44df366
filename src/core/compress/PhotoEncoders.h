// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaptureDates.h"
#include "ResizeRequest.h"

#include <QByteArray>
#include <QString>
#include <QVariantMap>

namespace imageio {
class ImageSource;
}

// The three encoders a compression job chooses between. Each call stands alone, keeps
// no state and may run on any thread.
namespace compress {

// The compression factor results are made with: the strong end of a 0.0 (smallest)
// to 1.0 (best) scale. Fixed, not a setting.
inline constexpr double fixedCompressionFactor = 0.1;

// libjpeg quality for a factor of that scale: 45 + 50 × factor, so 0.1 gives 50.
// The factor scale is perceptual: its strong end still looks presentable, while libjpeg's
// own quality 10 (a literal reading of 0.1) bands skies and blocks faces. At 50 the
// program's encoder looks at least as good as libjpeg's standard tables there, in fewer bytes.
int jpegQualityForCompressionFactor(double factor);

enum class PhotoEncoder {
    Png,
    JpgWithoutMetadata,
    JpgKeepingMetadata,
    PngKeepingMetadata,
};

// "png" in any case takes a PNG encoder, everything else a JPEG encoder, each chosen by
// whether metadata is kept.
PhotoEncoder chooseEncoder(const QString &fileName, bool keepMetadata);

// A result made in memory, not yet written.
struct EncodedPhoto {
    QByteArray bytes; // empty on failure
    // Set for results kept with metadata: the output file gets these dates after writing.
    bool applyDates = false;
    CaptureDates dates;
    QString error;
    // The failure was in reading the pixels, not in making the result.
    bool undecodable = false;
    bool ok() const { return !bytes.isEmpty(); }
};

// Decodes the source's first image and encodes it. Results always display the way the
// source did: a JPEG keeping metadata turns the pixels only for orientation 6 and 8 (writing
// 1 and exchanging the pixel width and height) and keeps the tag otherwise; a PNG turns them
// for every orientation, writing 1 where it keeps metadata; results without metadata have
// no tag, so their pixels are turned for every orientation 2 to 8. The ICC profile is kept
// either way; results that go without the Exif turn pixels whose colour space only the
// Exif names (Adobe RGB) into sRGB.
// `sourcePath` is read only for its file dates.
// With `resize`, the pixels are turned upright and scaled in memory (never up) before
// encoding; kept metadata then says orientation 1.
EncodedPhoto encodePhoto(PhotoEncoder encoder, const imageio::ImageSource &source, const QString &sourcePath,
                         const ResizeRequest *resize = nullptr);

// Writes a result atomically over `outputPath`, then gives it its dates.
bool writeEncodedPhoto(const EncodedPhoto &photo, const QString &outputPath, QString *error = nullptr);

} // namespace compress
