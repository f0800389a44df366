// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResizeRequest.h"

#include <QList>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

namespace imageio {
class ImageSource;
}

// The output size presets and the size arithmetic of a resize job. GUI-free: the resize
// sheet only collects a title, two field values and the proportions box and calls in here.
namespace compress {

inline constexpr char CustomPresetTitle[] = "Custom";

struct ResizePreset {
    QString title;
    int width = 0;
    int height = 0;
};

// "Custom" first, then "320 x 240" to "1920 x 1080", in pop-up order.
const QList<ResizePreset> &resizePresets();
QStringList resizePresetTitles();
// Null for "Custom" and for unknown titles.
std::optional<ResizePreset> presetByTitle(const QString &title);

// The integer value of a field's text the way the sheet reads it: leading blanks, an
// optional sign and the digits that follow; anything else gives 0 ("12px" is 12).
int fieldIntValue(const QString &text);

// What the sheet's fields and its proportional box show after choosing `title` for a
// first photo of `photoSize`: a preset fills only the long side's field (square counts
// as upright) and keeps the proportions; "Custom" fills both with the photo's size and
// starts unticked, so what the user types is the size they get.
struct ResizeFields {
    QString widthText;
    QString heightText;
    bool proportional = false;
};
ResizeFields fieldsForSelection(const QString &title, const QSize &photoSize);

// The size a photo of `photoSize` (as displayed) is scaled to; never larger than the
// photo in either direction, so a photo already within the preset keeps its size. A
// preset keeps the proportions, fixing the width of a landscape photo and the height of
// an upright or square one; "Custom" fits the photo inside its two values keeping the
// proportions, or stretches it to them when the request says so. Null when a custom
// value is below 1 (the whole resize is off), the title is unknown or the size is not
// known. Not rounded: scalePixels() rounds when the pixels are made.
std::optional<QSizeF> resizeTargetSize(const ResizeRequest &request, const QSizeF &photoSize);
// Pixel size for a target: rounded to the nearest pixel, at least 1 × 1.
QSize scalePixels(const QSizeF &target);
// The pixels a photo of `photoSize` gets; invalid when there is no target.
QSize resizedPixelSize(const ResizeRequest &request, const QSize &photoSize);
// False when nothing would be resized (a custom value below 1, an unknown title).
bool resizeRequestValid(const ResizeRequest &request);

// The displayed size of the photo at `path` (orientation applied); invalid when it
// cannot be read.
QSize photoDisplaySize(const QString &path);
// The same from a source's header, before any pixel is decoded.
QSize displayedSize(const imageio::ImageSource &source);

} // namespace compress
