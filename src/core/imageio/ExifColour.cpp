// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExifColour.h"

#include "ExivImage.h"
#include "ImageSource.h"

#include <lcms2.h>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExifColour)
};

constexpr long ColorSpaceSrgb = 1;
constexpr long ColorSpaceAdobeRgb = 2; // not in the Exif standard, but only ever meant this
constexpr long ColorSpaceUncalibrated = 0xFFFF;

const cmsCIExyY d65 = {0.3127, 0.3290, 1.0};

// Adobe RGB (1998): its published primaries and D65 white, and a pure gamma of 563/256
// (2.2 as the format stores it). Greyscale pixels take its grey axis alone.
cmsHPROFILE createAdobeRgbProfile(bool grey)
{
    const cmsCIExyYTRIPLE primaries = {{0.6400, 0.3300, 1.0}, {0.2100, 0.7100, 1.0}, {0.1500, 0.0600, 1.0}};
    cmsToneCurve *gamma = cmsBuildGamma(nullptr, 563.0 / 256.0);
    if (!gamma)
        return nullptr;
    cmsToneCurve *curves[3] = {gamma, gamma, gamma};
    cmsHPROFILE profile = grey ? cmsCreateGrayProfile(&d65, gamma) : cmsCreateRGBProfile(&d65, &primaries, curves);
    cmsFreeToneCurve(gamma);
    return profile;
}

// sRGB, or for greyscale pixels its grey axis: D65 white and the sRGB tone curve
// (lcms2's parametric type 4 with the IEC 61966-2-1 constants).
cmsHPROFILE createSrgbProfile(bool grey)
{
    if (!grey)
        return cmsCreate_sRGBProfile();
    const cmsFloat64Number parameters[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    cmsToneCurve *curve = cmsBuildParametricToneCurve(nullptr, 4, parameters);
    if (!curve)
        return nullptr;
    cmsHPROFILE profile = cmsCreateGrayProfile(&d65, curve);
    cmsFreeToneCurve(curve);
    return profile;
}

} // namespace

bool exifSaysAdobeRgb(const ImageSource &source)
{
    return exifSaysAdobeRgb(source.exiv());
}

bool exifSaysAdobeRgb(const ExivImage &image)
{
    long colorSpace = 0;
    std::string interop;
    const bool read = guarded(
        [&] {
            const Exiv2::ExifData &exif = image.image().exifData();
            const auto space = exif.findKey(Exiv2::ExifKey("Exif.Photo.ColorSpace"));
            if (space != exif.end() && space->count() > 0)
                colorSpace = space->toLong();
            const auto index = exif.findKey(Exiv2::ExifKey("Exif.Iop.InteroperabilityIndex"));
            if (index != exif.end())
                interop = index->toString();
        },
        nullptr);
    if (!read || colorSpace == ColorSpaceSrgb)
        return false;
    // Cameras pad the four-byte field with NULs or spaces.
    const QString index = QString::fromStdString(interop).remove(QChar(0)).trimmed();
    if (colorSpace == ColorSpaceUncalibrated)
        return index == QLatin1String("R03");
    return colorSpace == ColorSpaceAdobeRgb && index != QLatin1String("R98");
}

bool convertAdobeRgbToSrgb(QImage &image, QString *error)
{
    if (image.isNull())
        return true;
    QImage::Format format = QImage::Format_RGB888;
    cmsUInt32Number pixelType = TYPE_RGB_8;
    const bool grey = image.format() == QImage::Format_Grayscale8 || image.format() == QImage::Format_Grayscale16;
    if (grey) {
        format = image.format();
        pixelType = format == QImage::Format_Grayscale8 ? TYPE_GRAY_8 : TYPE_GRAY_16;
    } else if (image.depth() > 32) {
        format = QImage::Format_RGBA64;
        pixelType = TYPE_RGBA_16;
    } else if (image.hasAlphaChannel()) {
        format = QImage::Format_RGBA8888;
        pixelType = TYPE_RGBA_8;
    }

    cmsHPROFILE adobe = createAdobeRgbProfile(grey);
    cmsHPROFILE srgb = createSrgbProfile(grey);
    cmsHTRANSFORM transform = adobe && srgb ? cmsCreateTransform(adobe, pixelType, srgb, pixelType,
                                                                 INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_COPY_ALPHA)
                                            : nullptr;
    if (adobe)
        cmsCloseProfile(adobe);
    if (srgb)
        cmsCloseProfile(srgb);
    if (!transform) {
        if (error)
            *error = Text::tr("cannot build the Adobe RGB to sRGB conversion");
        return false;
    }
    QImage converted = image.convertToFormat(format);
    // In place, a row at a time: lcms2 takes the same buffer for input and output when
    // both have one layout, and rows may be padded.
    for (int y = 0; y < converted.height(); ++y) {
        uchar *row = converted.scanLine(y);
        cmsDoTransform(transform, row, row, cmsUInt32Number(converted.width()));
    }
    cmsDeleteTransform(transform);
    image = std::move(converted);
    return true;
}

QByteArray adobeRgbIccProfile(bool grey)
{
    cmsHPROFILE profile = createAdobeRgbProfile(grey);
    if (!profile)
        return {};
    cmsSetProfileVersion(profile, 2.1);
    QByteArray bytes;
    if (cmsMLU *description = cmsMLUalloc(nullptr, 1)) {
        cmsMLUsetASCII(description, "en", "US", grey ? "Adobe RGB (1998) compatible grey" : "Adobe RGB (1998) compatible");
        cmsWriteTag(profile, cmsSigProfileDescriptionTag, description);
        cmsMLUfree(description);
        cmsUInt32Number size = 0;
        if (cmsSaveProfileToMem(profile, nullptr, &size) && size > 0) {
            bytes.resize(size);
            if (!cmsSaveProfileToMem(profile, bytes.data(), &size))
                bytes.clear();
        }
        // lcms2 stamps the time of saving; a fixed one keeps copies of the same photo identical.
        static const char created[12] = {0x07, char(0xEA), 0, 1, 0, 1, 0, 0, 0, 0, 0, 0}; // 2026-01-01
        if (bytes.size() >= 36)
            bytes.replace(24, 12, created, 12);
    }
    cmsCloseProfile(profile);
    return bytes;
}

} // namespace imageio
