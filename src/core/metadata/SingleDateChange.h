// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jobs/JobReport.h"
#include "EditTarget.h"

#include <QString>
#include <QTimeZone>

// The date command for one photo: show the current photo's capture dates, let the
// user type new ones, and write "NewDate_" copies carrying them.
namespace singledatechange {

struct DateFields {
    QString original;  // capture date text
    QString digitized; // digitized date text
    bool fromExif = false;
};

enum class FileDateStyle {
    WithOffset,    // "yyyy-MM-dd HH:mm:ss +hhmm" (the single-photo window)
    WithoutOffset, // "yyyy-MM-dd HH:mm:ss" (the batch window's reference photo)
};

// The Exif capture and digitized dates as stored when both exist; otherwise (also
// when the file is not a photo) the file's creation and modification dates in `zone`.
// A missing file gives empty texts.
DateFields readDateFields(const QString &path, FileDateStyle style, const QTimeZone &zone);

// The file the date window reads: the current photo's own path when the source's
// photos are read in place, else its copy in the Working folder.
QString currentSource(bool readsInPlace, const QString &currentChooseFilePath,
                      const QString &currentFileName, const QString &workingFolder);

// The batch window's date placeholder, made from the editor's creation-date label:
// "date time" when the label splits at single spaces into exactly three parts
// (date, time, offset), else the whole label.
QString batchPlaceholder(const QString &createDateText);

// Why the typed texts cannot be saved, naming the field; empty when both are real dates.
QString refusal(const QString &original, const QString &digitized, const QTimeZone &zone);

// Writes a "NewDate_" copy of each selected photo whose Exif capture and digitized
// dates are the given texts, stored in the Exif form (a typed offset goes into
// OffsetTimeOriginal / OffsetTimeDigitized). In camera mode the TIFF date gets the
// capture date too, and the copy's file dates are set from it. Texts that are not
// dates write nothing; the report's note says why.
JobReport saveDates(const EditTarget &target, const QString &original, const QString &digitized,
                     const QTimeZone &zone, const JobContext &hooks = {});

} // namespace singledatechange
