// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the image I/O layer: the one header through which Exiv2 enters the code.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <exiv2/bmffimage.hpp>
#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>

#include <memory>
#include <mutex>

namespace imageio {

struct XmpChange;

// Call before any other Exiv2 use; safe from any thread.
void initializeExiv2();

// Collects the warnings Exiv2 raises on this thread while it lives (Exiv2 reports them
// through one global handler, from the thread doing the work). Nests.
class Exiv2Warnings
{
public:
    Exiv2Warnings();
    ~Exiv2Warnings();
    Exiv2Warnings(const Exiv2Warnings &) = delete;
    Exiv2Warnings &operator=(const Exiv2Warnings &) = delete;
    void add(const QString &message);
    const QStringList &messages() const { return m_messages; }
    // The first warning saying Exiv2 kept less than the file holds; empty when none did.
    QString dataLoss() const;

private:
    QStringList m_messages;
    Exiv2Warnings *m_outer;
};

// Keeps Exiv2's messages on this thread out of the log while it lives (an Exiv2Warnings
// still collects them): for readings that repeat one whose messages were already logged,
// such as the check of a copy, which reads the source again. Nests.
class QuietExiv2Log
{
public:
    QuietExiv2Log();
    ~QuietExiv2Log();
    QuietExiv2Log(const QuietExiv2Log &) = delete;
    QuietExiv2Log &operator=(const QuietExiv2Log &) = delete;

private:
    bool m_outer;
};

// Exiv2 0.27 locks only namespace registration in its XMP toolkit; parsing a packet
// (readMetadata) and serialising one (writeMetadata) share toolkit state, and two threads
// doing either at once fail photos at random. Hold this around those calls and nothing
// else, so decoding and encoding pixels stay parallel.
std::unique_lock<std::recursive_mutex> lockXmpToolkit();

// A parsed container. Owns its Exiv2 image, which reads from its own copy of the bytes.
class ExivImage
{
public:
    // Null when Exiv2 does not recognise the bytes or cannot parse the metadata.
    static std::unique_ptr<ExivImage> open(const QByteArray &data, QString *error);
    enum class Xmp { Parse, Skip };
    // The same reading as open(), for images that are never written: a JPEG's Exif and IPTC
    // are then parsed outside the XMP toolkit's lock, which covers only its packet, so
    // photos read side by side. Xmp::Skip leaves the packet unparsed, for a caller that
    // checks it by other means.
    static std::unique_ptr<ExivImage> openForReading(const QByteArray &data, QString *error, Xmp xmp = Xmp::Parse);

    Exiv2::Image &image() { return *m_image; }
    const Exiv2::Image &image() const { return *m_image; }
    int imageType() const { return m_imageType; }
    QString typeIdentifier() const;
    bool canWrite() const;
    // Set when reading the file already lost part of its metadata (an entry past the end of
    // the segment, say): a rewrite from this image would drop that data silently.
    QString readDataLoss() const { return m_readDataLoss; }
    // Everything Exiv2 said while reading, for checks a rebuild must pass.
    const QStringList &readWarnings() const { return m_readWarnings; }

private:
    static std::unique_ptr<ExivImage> parse(const QByteArray &data, QString *error, bool lockToolkit,
                                            const QByteArray *xmpPacket);

    QByteArray m_bytes; // what Exiv2 reads, when it is not the caller's own bytes
    QString m_readDataLoss;
    QStringList m_readWarnings;
    Exiv2::Image::AutoPtr m_image;
    int m_imageType = 0;
};

QString typeIdentifierForExivType(int imageType);
int exivTypeForTypeIdentifier(const QString &type);

// Property maps <-> Exiv2 metadata.
QVariantMap propertiesFromMetadata(Exiv2::Image &image);
// The entries of `wanted` that differ from `current` (null entries always count).
QVariantMap changedOnly(const QVariantMap &wanted, const QVariantMap &current);
// Lays the overlay over the image's metadata in memory. Unknown keys are skipped; a value
// that cannot be stored (wrong type, out of range) makes it false, with the reasons in *error,
// and the image must then not be written.
bool applyOverlay(Exiv2::Image &image, const QVariantMap &overlay, QString *error);
// Gives the image's Exif the tags every Exif IFD must carry that it lacks (for a JPEG also its
// component layout and pixel size), so validators do not find it worse than its source.
void completeNewExifDirectory(Exiv2::Image &image);
// For a container whose only metadata is XMP (GIF): the Exif values `overlay` sets are set on
// the XMP properties the metadata library converts them to (exif:FNumber, tiff:Orientation),
// beside the twins `change` already sets. False, with the reasons, for a value no tag can hold.
bool setExifValuesInXmp(XmpChange &change, const QVariantMap &overlay, QString *error);

// Runs `fn`, turning Exiv2 and std exceptions into false plus a message.
template<typename Fn>
bool guarded(Fn &&fn, QString *error)
{
    try {
        fn();
        return true;
    } catch (const Exiv2::AnyError &e) {
        if (error)
            *error = QString::fromStdString(e.what());
    } catch (const std::exception &e) {
        if (error)
            *error = QString::fromStdString(e.what());
    }
    // Some Exiv2 errors carry no text; a failure is never reported without a reason.
    if (error && error->isEmpty())
        *error = QCoreApplication::translate("ExivImage", "the metadata library failed without saying why");
    return false;
}

} // namespace imageio
