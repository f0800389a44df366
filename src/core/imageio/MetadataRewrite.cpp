#include "MetadataRewrite.h"

#include "ImageDestination.h"
#include "ImageSource.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

Q_LOGGING_CATEGORY(lcRewrite, "glimmerset.imageio.rewrite")

namespace imageio {

bool writeFileAtomically(const QString &outputPath, const QByteArray &bytes, QString *error)
{
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

RewriteResult rewriteMetadata(const ImageSource &source, const QString &outputPath, const QVariantMap &properties)
{
    RewriteResult result;
    QByteArray buffer;
    const int count = CGImageSourceGetCount(source);
    auto destination = CGImageDestinationCreateWithData(&buffer, CGImageSourceGetType(source), count);
    if (!destination) {
        result.status = RewriteResult::WriteFailed;
        result.error = QStringLiteral("cannot write %1 files").arg(CGImageSourceGetType(source));
        return result;
    }
    for (int i = 0; i < count; ++i)
        CGImageDestinationAddImageFromSource(*destination, source, i, properties);
    // A failed finalize writes nothing: an earlier good copy at the output path survives.
    const bool finalized = CGImageDestinationFinalize(*destination);
    result.dropped = destination->dropped();
    if (!finalized) {
        result.status = destination->refused() ? RewriteResult::Refused : RewriteResult::WriteFailed;
        result.error = destination->errorString();
        return result;
    }
    QString error;
    if (!writeFileAtomically(outputPath, buffer, &error)) {
        qCWarning(lcRewrite).noquote() << "cannot write" << outputPath << error;
        result.status = RewriteResult::WriteFailed;
        result.error = error;
        return result;
    }
    result.status = RewriteResult::Written;
    return result;
}

RewriteResult rewriteMetadata(const QString &sourcePath, const QString &outputPath, const QVariantMap &properties)
{
    QString error;
    const auto source = imageSourceFromFile(sourcePath, &error);
    if (!source) {
        qCDebug(lcRewrite).noquote() << "skipping" << sourcePath << error;
        return {RewriteResult::Unreadable, error, {}};
    }
    return rewriteMetadata(*source, outputPath, properties);
}

} // namespace imageio
