#include "FileDatesFromCapture.h"

#include "DateText.h"
#include "EditSteps.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

namespace filedatesfromcapture {

using namespace imageio;

JobReport copyCaptureDateToFileDate(const EditTarget &target, const QTimeZone &zone, const JobContext &hooks)
{
    return editsteps::runEdit(target, QStringLiteral("NewDate_"), hooks, [&zone](const editsteps::Photo &photo) {
        if (!photo.image)
            return editsteps::PhotoPlan::skip(editsteps::unreadableReason(photo.readError));
        const QVariantMap exif = CGImageSourceCopyPropertiesAtIndex(*photo.image, 0)
                                     .value(QLatin1String(kCGImagePropertyExifDictionary))
                                     .toMap();
        QString capture = exif.value(QLatin1String(kCGImagePropertyExifDateTimeOriginal)).toString();
        const QString digitized = exif.value(QLatin1String(kCGImagePropertyExifDateTimeDigitized)).toString();
        if (capture.isEmpty() || digitized.isEmpty()) {
            // The dates of the file that was read: in camera mode that is the copy in
            // the Working folder, not whatever path the device layer gave the item.
            capture = datetext::fileText(filedates::creationDate(photo.source.sourcePath), zone);
        }
        editsteps::PhotoPlan plan = editsteps::PhotoPlan::copyAsIs();
        const QDateTime date = datetext::parseTwoFormats(capture, zone);
        if (date.isValid())
            plan.creation = date;
        return plan;
    });
}

QString fileDateNote()
{
    if (filedates::canSetCreationDate())
        return QStringLiteral("The copies' creation dates become the capture dates.");
    return QStringLiteral("This system cannot set a file's creation date: the copies' modification dates "
                          "become the capture dates.");
}

} // namespace filedatesfromcapture
