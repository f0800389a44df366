#include "EditSteps.h"

#include "app/Folders.h"

#include <QFile>
#include <QFileInfo>

namespace editsteps {

void prepareWorkingFolder(const EditTarget &target)
{
    // A failure shows up as a failed write for each photo, with the reason.
    folders::makePath(target.workingFolder);
}

QList<EditSource> startEdit(const EditTarget &target, EditReport &report)
{
    if (target.selection.isEmpty()) {
        report.emptySelection = true;
        return {};
    }
    prepareWorkingFolder(target);
    return selectedSources(target);
}

QString unreadableReason(const QString &error)
{
    return error.isEmpty() ? QStringLiteral("not a photo that can be read")
                           : QStringLiteral("not a photo that can be read (%1)").arg(error);
}

bool record(EditReport &report, const EditSource &source, const QString &outputPath,
            const imageio::RewriteResult &result)
{
    switch (result.status) {
    case imageio::RewriteResult::Written:
        report.written.append(outputPath);
        return true;
    case imageio::RewriteResult::Unreadable:
        report.skipped.append({source.fileName, source.sourcePath, unreadableReason(result.error)});
        return false;
    case imageio::RewriteResult::Refused:
        report.skipped.append({source.fileName, source.sourcePath, result.error});
        return false;
    case imageio::RewriteResult::WriteFailed:
        report.failed.append({source.fileName, outputPath,
                              result.error.isEmpty() ? QStringLiteral("the copy could not be written")
                                                     : result.error});
        return false;
    }
    return false;
}

bool sourcePresent(EditReport &report, const EditSource &source, bool blocalMode)
{
    if (blocalMode || QFileInfo::exists(source.sourcePath))
        return true;
    report.skipped.append({source.fileName, source.sourcePath,
                           QStringLiteral("not yet copied from the camera into the Working folder")});
    return false;
}

bool readSource(EditReport &report, const EditSource &source, QByteArray *bytes)
{
    QFile file(source.sourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        report.skipped.append({source.fileName, source.sourcePath, file.errorString()});
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report.skipped.append({source.fileName, source.sourcePath, file.errorString()});
        return false;
    }
    return true;
}

bool writeCopy(EditReport &report, const EditSource &source, const QString &outputPath,
               const QByteArray &bytes)
{
    QString error;
    if (!imageio::writeFileAtomically(outputPath, bytes, &error)) {
        report.failed.append({source.fileName, outputPath,
                              error.isEmpty() ? QStringLiteral("the copy could not be written") : error});
        return false;
    }
    report.written.append(outputPath);
    return true;
}

} // namespace editsteps
