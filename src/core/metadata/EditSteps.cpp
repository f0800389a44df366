// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditSteps.h"

#include "app/Folders.h"
#include "imageio/FileDates.h"
#include "imageio/ImageSource.h"
#include "imageio/PhotoFiles.h"
#include "imageio/MetadataRewrite.h"
#include "jobs/PhotoLoops.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <exception>

namespace editsteps {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(EditSteps)
};

} // namespace

PhotoPlan PhotoPlan::rewrite(const QVariantMap &overlay)
{
    PhotoPlan plan;
    plan.overlay = overlay;
    return plan;
}

PhotoPlan PhotoPlan::copyAsIs()
{
    PhotoPlan plan;
    plan.action = Action::CopyAsIs;
    return plan;
}

PhotoPlan PhotoPlan::skip(const QString &reason)
{
    PhotoPlan plan;
    plan.action = Action::Skip;
    plan.reason = reason;
    return plan;
}

PhotoPlan PhotoPlan::fail(const QString &reason)
{
    PhotoPlan plan;
    plan.action = Action::Fail;
    plan.reason = reason;
    return plan;
}

void prepareWorkingFolder(const EditTarget &target)
{
    // A failure shows up as a failed write for each photo, with the reason.
    folders::makePath(target.workingFolder);
}

QString unreadableReason(const QString &error)
{
    return error.isEmpty() ? Text::tr("not a photo that can be read")
                           : Text::tr("not a photo that can be read (%1)").arg(error);
}

namespace {

bool readSource(JobReport &report, const EditSource &source, QByteArray *bytes)
{
    QString error;
    if (!imageio::readPhotoFile(source.sourcePath, bytes, &error)) {
        report.addSkipped(source.fileName, source.sourcePath, error);
        return false;
    }
    return true;
}

// Writes the copy; false (recorded) when nothing was written.
bool writeCopy(JobReport &report, const EditSource &source, const QString &output, const PhotoPlan &plan,
               const Photo &photo)
{
    if (plan.action == PhotoPlan::Action::CopyAsIs) {
        QString error;
        if (imageio::writeFileAtomically(output, photo.bytes, &error))
            return true;
        report.addFailed(source.fileName, source.sourcePath, output,
                         error.isEmpty() ? Text::tr("the copy could not be written") : error);
        return false;
    }
    if (!photo.image) {
        report.addSkipped(source.fileName, source.sourcePath, unreadableReason(photo.readError));
        return false;
    }
    const imageio::RewriteResult result = imageio::rewriteMetadata(*photo.image, output, plan.overlay);
    switch (result.status) {
    case imageio::RewriteResult::Written:
        return true;
    case imageio::RewriteResult::Unreadable:
        report.addSkipped(source.fileName, source.sourcePath, unreadableReason(result.error));
        return false;
    case imageio::RewriteResult::Refused:
        // The source holds what the edit cannot change without damage: it is skipped with why.
        report.addSkipped(source.fileName, source.sourcePath, result.error);
        return false;
    case imageio::RewriteResult::WriteFailed:
        break;
    }
    report.addFailed(source.fileName, source.sourcePath, output,
                     result.error.isEmpty() ? Text::tr("the copy could not be written") : result.error);
    return false;
}

// The copy is complete when this runs; a failure still fails the photo, because a copy
// without the dates the user asked for is not what the command promised.
bool setCopyDates(const QString &output, const PhotoPlan &plan, QString *error)
{
    if ((plan.creation || plan.modification) && !filedates::setFileDates(output, plan.creation, plan.modification)) {
        *error = Text::tr("the copy was written but its file dates could not be set");
        return false;
    }
    return true;
}

} // namespace

void editPhoto(JobReport &report, const EditSource &source, const QString &output, const PlanBuilder &build,
               imageio::ImageSource::Reading reading)
{
    if (source.sourcePath.isEmpty()) {
        report.addSkipped(source.fileName, source.filePath, source.unavailable);
        return;
    }
    QByteArray bytes;
    if (!readSource(report, source, &bytes))
        return;
    QString readError;
    const imageio::ImageSourcePtr image = imageio::ImageSource::create(bytes, &readError, reading);
    const Photo photo{source, bytes, image.get(), readError};
    const PhotoPlan plan = build(photo);
    switch (plan.action) {
    case PhotoPlan::Action::Skip:
        report.addSkipped(source.fileName, source.sourcePath, plan.reason);
        return;
    case PhotoPlan::Action::Fail:
        report.addFailed(source.fileName, source.sourcePath, QString(), plan.reason);
        return;
    case PhotoPlan::Action::Rewrite:
    case PhotoPlan::Action::CopyAsIs:
        break;
    }
    if (!writeCopy(report, source, output, plan, photo))
        return;
    QString error;
    if (!setCopyDates(output, plan, &error)) {
        report.addFailed(source.fileName, source.sourcePath, output, error);
        return;
    }
    report.addWritten(source.fileName, source.sourcePath, output);
}

JobReport runEdit(const EditTarget &target, const QString &outputPrefix, const JobContext &context,
                  const PlanBuilder &build, imageio::ImageSource::Reading reading)
{
    JobReport report;
    if (target.selection.isEmpty()) {
        report.emptySelection = true;
        return report;
    }
    prepareWorkingFolder(target);
    const QList<EditSource> sources = selectedSources(target);
    QStringList sourcePaths;
    for (const EditSource &source : sources)
        sourcePaths.append(source.sourcePath);
    // Every copy's name is settled before the photos run side by side, in list order.
    OutputNames outputs(sourcePaths);
    QList<std::pair<EditSource, QString>> work;
    for (const EditSource &source : sources)
        work.append({source, source.sourcePath.isEmpty() ? QString()
                                                         : outputs.claim(outputPathFor(target, outputPrefix, source.fileName))});
    jobs::forEachPhoto(work, report, context, [&](const std::pair<EditSource, QString> &photo, JobReport &own) {
        // The metadata libraries report some damage by throwing from places no guard
        // foresaw (the XMP toolkit's namespace table is shared by every photo of a
        // job); an escaped exception would end the whole job on a worker thread.
        // Copies are written atomically, so nothing half-written is left behind.
        try {
            editPhoto(own, photo.first, photo.second, build, reading);
        } catch (const std::exception &e) {
            own.photos.clear();
            const QString detail = QString::fromUtf8(e.what());
            own.addFailed(photo.first.fileName, photo.first.sourcePath, QString(),
                          detail.isEmpty() ? Text::tr("the photo's metadata could not be processed")
                                           : Text::tr("the photo's metadata could not be processed (%1)").arg(detail));
        }
    });
    return report;
}

} // namespace editsteps
