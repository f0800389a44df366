// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResizePresets.h"

#include "imageio/HeifCodec.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/JpegCodec.h"
#include "imageio/Orientation.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <climits>
#include <cmath>

namespace compress {

namespace {

int orientationOf(const imageio::ImageSource &source)
{
    bool ok = false;
    const int o = source.properties().value(QLatin1String(imageio::keys::Orientation)).toInt(&ok);
    return ok ? o : 1;
}

QSize storedToDisplayed(const QSize &stored, int orientation)
{
    return imageio::swapsDimensions(orientation) ? stored.transposed() : stored;
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

bool resizeRequestValid(const ResizeRequest &request)
{
    if (request.title == QLatin1String(CustomPresetTitle))
        return request.customWidth >= 1 && request.customHeight >= 1;
    return presetByTitle(request.title).has_value();
}

std::optional<QSizeF> resizeTargetSize(const ResizeRequest &request, const QSizeF &photoSize)
{
    if (!resizeRequestValid(request) || photoSize.width() <= 0 || photoSize.height() <= 0)
        return std::nullopt;
    const double w = photoSize.width();
    const double h = photoSize.height();
    // Scaling up only makes a file larger and a photo softer: never above 1.
    const auto scaled = [&](double factor) { return factor >= 1.0 ? photoSize : QSizeF(w * factor, h * factor); };
    if (request.title == QLatin1String(CustomPresetTitle)) {
        if (!request.keepProportions)
            return QSizeF(qMin<double>(request.customWidth, w), qMin<double>(request.customHeight, h));
        return scaled(qMin(request.customWidth / w, request.customHeight / h));
    }
    const auto preset = presetByTitle(request.title);
    if (w > h)
        return scaled(preset->width / w);
    return scaled(preset->height / h);
}

QSize resizedPixelSize(const ResizeRequest &request, const QSize &photoSize)
{
    const auto target = resizeTargetSize(request, QSizeF(photoSize));
    return target ? scalePixels(*target) : QSize();
}

QSize scalePixels(const QSizeF &target)
{
    return QSize(qMax(1, int(std::lround(target.width()))), qMax(1, int(std::lround(target.height()))));
}

QSize displayedSize(const imageio::ImageSource &source)
{
    const int orientation = orientationOf(source);
    QSize stored;
    // HEIF turns its pixels itself: its displayed size is the container's.
    if (source.type() == QLatin1String(imageio::filetypes::Heic))
        return imageio::HeifCodec::displayedSize(source.data());
    if (source.type() == QLatin1String(imageio::filetypes::Jpeg)) {
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

QSize photoDisplaySize(const QString &path)
{
    const auto source = imageio::imageSourceFromFile(path);
    return source ? displayedSize(*source) : QSize();
}

} // namespace compress
