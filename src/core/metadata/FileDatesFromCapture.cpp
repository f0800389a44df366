// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDatesFromCapture.h"

#include "DateText.h"
#include "EditSteps.h"
#include "PhotoDates.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

#include <QCoreApplication>

namespace filedatesfromcapture {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileDatesFromCapture)
};

} // namespace

using namespace imageio;

JobReport copyCaptureDateToFileDate(const EditTarget &target, const QTimeZone &zone, const JobContext &hooks)
{
    return editsteps::runEdit(target, QStringLiteral("NewDate_"), hooks, [&zone](const editsteps::Photo &photo) {
        if (!photo.image)
            return editsteps::PhotoPlan::skip(editsteps::unreadableReason(photo.readError));
        // Only a date the camera recorded: a file date would be the time the photo was
        // copied, which is exactly what the user wants to replace.
        const QDateTime capture = PhotoDates::read(photo.image->properties(), zone).capture();
        if (!capture.isValid())
            return editsteps::PhotoPlan::skip(noCaptureDateReason());
        editsteps::PhotoPlan plan = editsteps::PhotoPlan::copyAsIs();
        plan.creation = capture;
        return plan;
    });
}

QString fileDateNote()
{
    if (filedates::canSetCreationDate())
        return Text::tr("The copies' creation dates become the capture dates.");
    return Text::tr("This system cannot set a file's creation date: the copies' modification dates "
                    "become the capture dates.");
}

} // namespace filedatesfromcapture
