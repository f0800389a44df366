#include "FileDatesFromCapture.h"

#include "DateText.h"
#include "EditSteps.h"

#include "imageio/FileDates.h"
#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"

namespace filedatesfromcapture {

using namespace imageio;

EditReport copyCaptureDateToFileDate(const EditTarget &target, const QTimeZone &zone, const EditHooks &hooks)
{
    EditReport report;
    const QList<EditSource> sources = editsteps::startEdit(target, report);
    if (report.emptySelection)
        return report;

    int done = 0;
    for (const EditSource &source : sources) {
        if (hooks.cancelled()) {
            report.cancelled = true;
            break;
        }
        hooks.report(done++, sources.size());
        QByteArray bytes;
        if (!editsteps::sourcePresent(report, source, target.blocalMode)
            || !editsteps::readSource(report, source, &bytes))
            continue;
        QString error;
        const ImageSourcePtr image = CGImageSourceCreateWithData(bytes, &error);
        if (!image) {
            report.skipped.append({source.fileName, source.sourcePath, editsteps::unreadableReason(error)});
            continue;
        }
        const QVariantMap exif =
            CGImageSourceCopyPropertiesAtIndex(*image, 0).value(QLatin1String(kCGImagePropertyExifDictionary)).toMap();
        QString capture = exif.value(QLatin1String(kCGImagePropertyExifDateTimeOriginal)).toString();
        const QString digitized = exif.value(QLatin1String(kCGImagePropertyExifDateTimeDigitized)).toString();
        if (capture.isEmpty() || digitized.isEmpty()) {
            // The dates of the file that was read: in camera mode that is the copy in
            // the Working folder, not whatever path the device layer gave the item.
            capture = datetext::fileText(filedates::creationDate(source.sourcePath), zone);
        }
        const QDateTime date = datetext::parseTwoFormats(capture, zone);
        const QString output = outputPathFor(target, QStringLiteral("NewDate_"), source.fileName);
        if (editsteps::writeCopy(report, source, output, bytes) && date.isValid())
            filedates::setCreationDate(output, date);
    }
    hooks.report(done, sources.size());
    return report;
}

QString fileDateNote()
{
    if (filedates::canSetCreationDate())
        return QStringLiteral("The copies' creation dates become the capture dates.");
    return QStringLiteral("This system cannot set a file's creation date: the copies' modification dates "
                          "become the capture dates.");
}

} // namespace filedatesfromcapture
