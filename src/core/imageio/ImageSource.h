// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVariantMap>

#include <memory>

namespace imageio {

class ExivImage;

// A photo held in memory together with its parsed metadata. Owns the file bytes;
// never touches the file system. Not thread-safe: use one source per thread.
class ImageSource
{
public:
    ~ImageSource();
    ImageSource(const ImageSource &) = delete;
    ImageSource &operator=(const ImageSource &) = delete;

    // WithoutXmp leaves a JPEG's XMP packet out of the properties (its bytes stay in data()),
    // for edits that work on the packet's bytes, removals: parsing it is the one part of
    // reading that photos cannot do side by side.
    enum class Reading { Everything, WithoutXmp };
    // Null when the bytes are not a photo we can read (unknown format, metadata
    // that does not parse, or a JPEG/PNG whose image data is cut short).
    static std::unique_ptr<ImageSource> create(QByteArray data, QString *error = nullptr,
                                               Reading reading = Reading::Everything);

    const QByteArray &data() const { return m_data; }
    QString type() const { return m_type; }
    int count() const { return m_count; }
    // Properties are the same for every index: the metadata of a container is shared by its images.
    QVariantMap properties() const { return m_properties; }
    QImage image(int index) const;
    // properties(), and for a photo that holds no capture date in Exif (a GIF cannot; a PNG,
    // WebP or JPEG from some programs does not) the dates its XMP holds, as the Exif and TIFF groups
    // would: what an edit of the dates starts from, so those XMP properties move with them.
    QVariantMap propertiesWithXmpDates() const;

    // For the writing side of this layer only.
    ExivImage &exiv() const { return *m_exiv; }

private:
    ImageSource() = default;
    QByteArray m_data;
    QString m_type;
    int m_count = 0;
    QVariantMap m_properties;
    std::unique_ptr<ExivImage> m_exiv;
};

using ImageSourcePtr = std::unique_ptr<ImageSource>;


// Reads a file and creates its source; null (with a reason in *error) when it cannot be read.
ImageSourcePtr imageSourceFromFile(const QString &path, QString *error = nullptr);

// Whether the photo's Exif holds a maker note: readers tell maker notes apart by the make
// and model, so a photo that has one only keeps it readable under its own camera's names.
bool holdsMakerNote(const ImageSource &source);

// Convenience for callers that only need the first image's properties (empty map when unreadable).
QVariantMap readProperties(const QString &path, QString *error = nullptr);

} // namespace imageio
