#pragma once

#include "CompressionReport.h"

#include <QList>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

// The output size presets and the resize step that runs before a resize job. GUI-free:
// the resize sheet only collects a title and two field values and calls in here.
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
// as upright), "Custom" fills both with the photo's size.
struct ResizeFields {
    QString widthText;
    QString heightText;
    bool proportional = false;
};
ResizeFields fieldsForSelection(const QString &title, const QSize &photoSize);

// The size a photo of `photoSize` is scaled to. A preset keeps the proportions, fixing
// the width of a landscape photo and the height of an upright or square one; "Custom"
// is used as given. Null when a custom value is below 1 (the whole resize is off) or
// the title is unknown. Not rounded: scalePixels() rounds when the pixels are made.
std::optional<QSizeF> resizeTargetSize(const QString &title, const QSizeF &photoSize, int customWidth,
                                       int customHeight);
// Pixel size for a target: rounded to the nearest pixel, at least 1 × 1.
QSize scalePixels(const QSizeF &target);

// The displayed size of the photo at `path` (orientation applied); invalid when it
// cannot be read.
QSize photoDisplaySize(const QString &path);

struct ResizeRequest {
    QString title;       // a preset title or "Custom"
    int customWidth = 0; // fieldIntValue of the fields, used for "Custom"
    int customHeight = 0;
};

struct ResizeStepResult {
    // False when the custom size is below 1: nothing was rewritten and no job follows.
    bool proceed = false;
    // Every input path, in order, for the resize job (rewritten or not).
    QStringList paths;
    // Files that could not be scaled or written: they go into the job unchanged.
    QList<CompressionProblem> problems;
};

// Scales each photo at `restPaths` to its target size (white behind transparent parts)
// and writes it as uncompressed TIFF over the same path, atomically, keeping the name.
// Large JPEGs are decoded at a reduced DCT scale when that still covers the target.
ResizeStepResult resizePhotosForRecompression(const QStringList &restPaths, const ResizeRequest &request);

} // namespace compress
