#include "ResizePresets.h"

#include "ImageScaling.h"
#include "Orientation.h"
#include "PhotoDecoder.h"

#include "imageio/ImageDestination.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/JpegCodec.h"
#include "imageio/MetadataRewrite.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLoggingCategory>

#include <climits>
#include <cmath>

Q_LOGGING_CATEGORY(lcResize, "glimmerset.compress.resize", QtWarningMsg)

namespace compress {

namespace {

int orientationOf(const imageio::ImageSource &source)
{
    bool ok = false;
    const int o = source.properties().value(QLatin1String(imageio::kCGImagePropertyOrientation)).toInt(&ok);
    return ok ? o : 1;
}

QSize storedToDisplayed(const QSize &stored, int orientation)
{
    return swapsDimensions(orientation) ? stored.transposed() : stored;
}

struct LoadedPhoto {
    QImage image; // upright
    QString error;
};

// Decodes the photo upright, at a reduced DCT scale when that still covers `target`.
LoadedPhoto loadUpright(const imageio::ImageSource &source, const QSizeF &target)
{
    const int orientation = orientationOf(source);
    QSize minimum;
    if (target.isValid()) {
        const QSize upright(int(std::ceil(target.width())), int(std::ceil(target.height())));
        minimum = swapsDimensions(orientation) ? upright.transposed() : upright;
    }
    DecodedPhoto decoded = decodeFirstImage(source, minimum);
    if (!decoded.ok())
        return {QImage(), decoded.error};
    QImage upright = orientedImage(decoded.image, orientation);
    if (!decoded.iccProfile.isEmpty())
        upright.setColorSpace(QColorSpace::fromIccProfile(decoded.iccProfile));
    return {upright, QString()};
}

QSize displayedSize(const imageio::ImageSource &source)
{
    const int orientation = orientationOf(source);
    QSize stored;
    if (source.type() == QLatin1String(imageio::kUTTypeJPEG)) {
        stored = imageio::JpegCodec::storedSize(source.data());
    } else {
        QBuffer buffer;
        buffer.setData(source.data());
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setAutoTransform(false);
        stored = reader.size();
    }
    return stored.isValid() ? storedToDisplayed(stored, orientation) : QSize();
}

QByteArray tiffBytes(const QImage &image, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    writer.setCompression(0); // uncompressed: the resize job compresses it
    if (!writer.write(image)) {
        *error = writer.errorString();
        return {};
    }
    return buffer.data();
}

} // namespace

const QList<ResizePreset> &resizePresets()
{
    static const QList<ResizePreset> presets = {
        {QLatin1String(CustomPresetTitle), 0, 0},
        {QStringLiteral("320 x 240"), 320, 240},
        {QStringLiteral("640 x 480"), 640, 480},
        {QStringLiteral("800 x 600"), 800, 600},
        {QStringLiteral("1024 x 768"), 1024, 768},
        {QStringLiteral("1280 x 1024"), 1280, 1024},
        {QStringLiteral("1280 x 720"), 1280, 720},
        {QStringLiteral("1920 x 1080"), 1920, 1080},
    };
    return presets;
}

QStringList resizePresetTitles()
{
    QStringList titles;
    for (const ResizePreset &preset : resizePresets())
        titles << preset.title;
    return titles;
}

std::optional<ResizePreset> presetByTitle(const QString &title)
{
    for (const ResizePreset &preset : resizePresets())
        if (preset.title == title && preset.width > 0)
            return preset;
    return std::nullopt;
}

int fieldIntValue(const QString &text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        value = qMin<qint64>(value * 10 + (text.at(i).unicode() - '0'), qint64(INT_MAX) + 1);
    if (negative)
        return int(qMax<qint64>(-value, INT_MIN));
    return int(qMin<qint64>(value, INT_MAX));
}

ResizeFields fieldsForSelection(const QString &title, const QSize &photoSize)
{
    ResizeFields fields;
    const auto preset = presetByTitle(title);
    if (!preset) {
        fields.widthText = QString::number(photoSize.width());
        fields.heightText = QString::number(photoSize.height());
        fields.proportional = false;
        return fields;
    }
    if (photoSize.width() > photoSize.height())
        fields.widthText = QString::number(preset->width);
    else
        fields.heightText = QString::number(preset->height);
    fields.proportional = true;
    return fields;
}

std::optional<QSizeF> resizeTargetSize(const QString &title, const QSizeF &photoSize, int customWidth,
                                       int customHeight)
{
    if (title == QLatin1String(CustomPresetTitle)) {
        if (customWidth < 1 || customHeight < 1)
            return std::nullopt;
        return QSizeF(customWidth, customHeight);
    }
    const auto preset = presetByTitle(title);
    if (!preset || photoSize.width() <= 0 || photoSize.height() <= 0)
        return std::nullopt;
    const double w = photoSize.width();
    const double h = photoSize.height();
    if (w > h)
        return QSizeF(preset->width, h * preset->width / w);
    return QSizeF(w * preset->height / h, preset->height);
}

QSize scalePixels(const QSizeF &target)
{
    return QSize(qMax(1, int(std::lround(target.width()))), qMax(1, int(std::lround(target.height()))));
}

QSize photoDisplaySize(const QString &path)
{
    const auto source = imageio::imageSourceFromFile(path);
    return source ? displayedSize(*source) : QSize();
}

ResizeStepResult resizePhotosForRecompression(const QStringList &restPaths, const ResizeRequest &request)
{
    ResizeStepResult result;
    const bool custom = request.title == QLatin1String(CustomPresetTitle);
    if (restPaths.isEmpty() || (custom && (request.customWidth < 1 || request.customHeight < 1))
        || (!custom && !presetByTitle(request.title)))
        return result;
    result.proceed = true;
    for (const QString &path : restPaths) {
        result.paths << path;
        const auto problem = [&](const QString &reason) {
            qCDebug(lcResize).noquote() << "not resized:" << path << reason;
            result.problems.append({path, reason});
        };
        QString error;
        const auto source = imageio::imageSourceFromFile(path, &error);
        if (!source) {
            problem(error);
            continue;
        }
        const auto target = resizeTargetSize(request.title, QSizeF(displayedSize(*source)), request.customWidth,
                                             request.customHeight);
        if (!target) {
            problem(QStringLiteral("size unknown"));
            continue;
        }
        const LoadedPhoto photo = loadUpright(*source, *target);
        if (photo.image.isNull()) {
            problem(photo.error);
            continue;
        }
        QImage scaled = resizeTo(photo.image, target->width(), target->height());
        scaled.setColorSpace(photo.image.colorSpace());
        QByteArray tiff = tiffBytes(scaled, &error);
        if (tiff.isEmpty()) {
            problem(error);
            continue;
        }
        // The photo's own metadata rides along, upright now, so a job keeping metadata
        // still has it to keep. A TIFF that cannot take it goes without.
        const QVariantMap overlay{{QLatin1String(imageio::kCGImagePropertyOrientation), 1}};
        QByteArray withMetadata = tiff;
        const int parts = imageio::ExifPart | imageio::IptcPart | imageio::XmpPart
            | (scaled.colorSpace().isValid() ? imageio::IccProfilePart : 0);
        if (imageio::copyMetadata(*source, withMetadata, parts, overlay, &error))
            tiff = std::move(withMetadata);
        else
            qCDebug(lcResize).noquote() << "metadata not carried into" << path << error;
        if (!imageio::writeFileAtomically(path, tiff, &error))
            problem(error);
    }
    return result;
}

} // namespace compress
