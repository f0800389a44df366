// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace imageio {

class ExivImage;
class ImageSource;

// Whether the photo's Exif, and only its Exif, says the pixels are Adobe RGB (1998):
// ColorSpace "uncalibrated" (0xFFFF) with interoperability index "R03", the DCF
// convention, or the non-standard ColorSpace 2 some cameras write instead, unless the
// interoperability index says "R98" (sRGB). An uncalibrated ColorSpace alone names no
// space (edited photos and phones write it beside their own profiles), and a "_DSC" file
// name survives no rename, so neither counts: converting sRGB pixels as if they were
// Adobe RGB would oversaturate them, which is worse than leaving a photo as it was.
// An ICC profile, when the photo has one, overrides this; the caller checks that.
bool exifSaysAdobeRgb(const ImageSource &source);
// The same for a container this layer has already parsed.
bool exifSaysAdobeRgb(const ExivImage &image);

// Turns Adobe RGB (1998) pixels into sRGB in place (relative colorimetric: colours
// outside sRGB are clipped), keeping alpha and 16-bit depth; greyscale pixels take sRGB's
// tone curve (shadows move by up to 9 levels). False, with the reason, when lcms2
// fails; `image` is then unchanged.
bool convertAdobeRgbToSrgb(QImage &image, QString *error = nullptr);

// An ICC profile (version 2, for the widest range of readers) that says what the Exif said
// of such pixels, for a copy that keeps them but loses the Exif. Empty when lcms2 fails.
QByteArray adobeRgbIccProfile(bool grey);

} // namespace imageio
