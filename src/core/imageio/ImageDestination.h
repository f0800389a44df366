// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageSource.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace imageio {

struct CopyCheck;
struct ExifEdits;
struct OverlayPlan;

// Collects images taken from sources, with properties to lay over their own, and
// on finalize writes the container into the caller's buffer. Image data is copied
// as it is stored: metadata edits never re-encode pixels.
class ImageDestination
{
public:
    // With a null buffer the written container is only available as pieces().
    ImageDestination(QByteArray *buffer, QString type, int count);
    // Null when the type cannot be written (the caller writes nothing).
    static std::unique_ptr<ImageDestination> create(QByteArray *buffer, const QString &type, int count);

    void addImageFromSource(const ImageSource &source, int index, const QVariantMap &properties);
    void setProperties(const QVariantMap &properties);
    // False when the container cannot be written; the buffer is then left empty
    // and errorString() says why.
    bool finalize();
    // The written container as consecutive pieces, after a successful finalize: a copy
    // that keeps its source's image data refers to the source's bytes rather than
    // copying them, so the pieces are valid while the source and this object live.
    QList<QByteArrayView> pieces() const;
    QString errorString() const { return m_error; }
    // The failure is the source's: it holds what the edit cannot change without damage.
    bool refused() const { return m_refused; }
    // Entries left out of the written copy because no reader could use them, with the reason.
    QStringList dropped() const { return m_dropped; }

private:
    struct Added {
        const ImageSource *source;
        int index;
        QVariantMap properties;
    };
    // How one way of writing the copy went: the copy is written, it failed (m_error
    // says why), or this way does not apply and the next one is tried.
    enum class Attempt { Written, Failed, NotApplicable };

    bool build();
    const ImageSource *commonSource();
    bool copyUnwritable(const ImageSource &source, const QVariantMap &overlay);
    QVariantMap combinedOverlay() const;
    bool writeJpeg(const ImageSource &source, const QVariantMap &overlay);
    bool writeGif(const ImageSource &source, const QVariantMap &overlay);
    Attempt patchTiff(const ImageSource &source, const OverlayPlan &plan, const ExifEdits *entries,
                      bool xmpChanges, const CopyCheck &check);
    Attempt editChunks(const ImageSource &source, const OverlayPlan &plan, const ExifEdits *entries,
                       const CopyCheck &check);
    bool rebuild(const ImageSource &source, const QVariantMap &overlay, const OverlayPlan &plan, CopyCheck check);
    bool keepChecked(const ImageSource &source, QByteArray &copy, const CopyCheck &check);

    QByteArray *m_buffer;
    QByteArray m_output;
    QByteArrayView m_sourceTail; // follows m_output: image data kept from the source
    QString m_type;
    int m_count;
    std::vector<Added> m_images;
    QVariantMap m_containerProperties;
    QString m_error;
    bool m_refused = false;
    QStringList m_dropped;
};

using ImageDestinationPtr = std::unique_ptr<ImageDestination>;


// Lays `overlay` over the metadata of an encoded container (in place). Used to give
// freshly encoded photos metadata; see MetadataParts for what is carried over.
enum MetadataPart {
    ExifPart = 1,
    IptcPart = 2,
    XmpPart = 4,
    IccProfilePart = 8,
    AllMetadataParts = ExifPart | IptcPart | XmpPart | IccProfilePart,
};

// Copies the chosen metadata parts of `source` into `target` (freshly encoded bytes,
// any writable container), then lays `overlay` over the result. False with a reason
// when the target cannot be parsed or written; `target` is unchanged then.
bool copyMetadata(const ImageSource &source, QByteArray &target, int parts,
                  const QVariantMap &overlay = {}, QString *error = nullptr);
// A JPEG whose Exif lacks the pixel size a JPEG's must state (a HEIC's Exif, carried over as
// libheif gives it) gets it by the checked edit. False with a reason when that fails.
bool completeJpegPixelSize(QByteArray &jpeg, QString *error = nullptr);

} // namespace imageio
