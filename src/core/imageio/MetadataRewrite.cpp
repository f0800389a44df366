// SPDX-License-Identifier: GPL-3.0-or-later
#include "MetadataRewrite.h"

#include "ImageDestination.h"
#include "ImageProperties.h"
#include "ImageSource.h"
#include "MetadataTwins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRewrite, "glimmerset.imageio.rewrite")

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(MetadataRewrite)
};

} // namespace

RewriteResult rewriteMetadata(const ImageSource &source, const QString &outputPath, const QVariantMap &properties)
{
    RewriteResult result;
    const int count = source.count();
    // No buffer: a JPEG copy is written from its new segments and the source's image data.
    auto destination = ImageDestination::create(nullptr, source.type(), count);
    if (!destination) {
        result.status = RewriteResult::WriteFailed;
        result.error = Text::tr("cannot write %1 files").arg(source.type());
        return result;
    }
    // IPTC dates follow the capture date that XMP holds for Exif, as they follow Exif's own.
    const QVariantMap overlay = withIptcTwins(properties, source.propertiesWithXmpDates());
    for (int i = 0; i < count; ++i)
        destination->addImageFromSource(source, i, overlay);
    // A failed finalize writes nothing: an earlier good copy at the output path survives.
    // Every copy it returns has been read back and compared with the source.
    const bool finalized = destination->finalize();
    result.dropped = destination->dropped();
    if (!finalized) {
        result.status = destination->refused() ? RewriteResult::Refused : RewriteResult::WriteFailed;
        result.error = destination->errorString();
        qCWarning(lcRewrite).noquote() << "cannot write" << outputPath << result.error;
        return result;
    }
    QString error;
    const QList<QByteArrayView> pieces = destination->pieces();
    // Exiv2 can serialise damaged Exif into a PNG, TIFF or WebP that no longer parses as a
    // whole; such a copy would pass as written and then be unreadable to the user and to us.
    // A JPEG copy's new part is its segments, which the check has parsed already, and its
    // image data is the source's, which was whole when the source was read.
    const QByteArrayView whole = pieces.first();
    if (source.type() != QLatin1String(filetypes::Jpeg)
        && !ImageSource::create(QByteArray::fromRawData(whole.data(), whole.size()), &error)) {
        result.status = RewriteResult::WriteFailed;
        result.error = Text::tr("the copy would not read back: %1").arg(error);
        return result;
    }
    if (!writeFileAtomically(outputPath, pieces, &error)) {
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
    // One photo's failure (memory for a crafted container, say) must not end the command.
    try {
        return rewriteMetadata(*source, outputPath, properties);
    } catch (const std::exception &e) {
        return {RewriteResult::WriteFailed, QString::fromLocal8Bit(e.what()), {}};
    }
}

} // namespace imageio
