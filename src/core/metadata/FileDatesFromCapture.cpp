// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDatesFromCapture.h"

#include "DateText.h"
#include "EditSteps.h"
#include "PhotoDates.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

#include <QCoreApplication>
#include <QFileInfo>

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
        QDateTime capture = PhotoDates::read(*photo.image, zone).capture();
        if (!capture.isValid()) {
            // The item's own file: in camera mode the device's path when there is one, for
            // the downloaded copy's dates are only when it was downloaded.
            const QString own = QFileInfo(photo.source.filePath).isFile() ? photo.source.filePath : photo.source.sourcePath;
            capture = filedates::creationDate(own);
        }
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
