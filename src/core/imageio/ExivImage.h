#pragma once

// Internal to the image I/O layer: the one header through which Exiv2 enters the code.

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <exiv2/bmffimage.hpp>
#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>

#include <memory>
#include <mutex>

namespace imageio {

// Call before any other Exiv2 use; safe from any thread.
void initializeExiv2();

// Exiv2 0.27 locks only namespace registration in its XMP toolkit; parsing a packet
// (readMetadata) and serialising one (writeMetadata) share toolkit state, and two threads
// doing either at once fail photos at random. Hold this around those calls and nothing
// else, so decoding and encoding pixels stay parallel.
std::unique_lock<std::mutex> lockXmpToolkit();

// A parsed container. Owns its Exiv2 image, which reads from its own copy of the bytes.
class ExivImage
{
public:
    // Null when Exiv2 does not recognise the bytes or cannot parse the metadata.
    static std::unique_ptr<ExivImage> open(const QByteArray &data, QString *error);

    Exiv2::Image &image() { return *m_image; }
    const Exiv2::Image &image() const { return *m_image; }
    int imageType() const { return m_imageType; }
    QString typeIdentifier() const;
    bool canWrite() const;

private:
    Exiv2::Image::AutoPtr m_image;
    int m_imageType = 0;
};

QString typeIdentifierForExivType(int imageType);
int exivTypeForTypeIdentifier(const QString &type);

// Property maps <-> Exiv2 metadata.
QVariantMap propertiesFromMetadata(Exiv2::Image &image);
// Lays the overlay over the image's metadata in memory. Unknown keys are skipped.
void applyOverlay(Exiv2::Image &image, const QVariantMap &overlay);

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
        *error = QStringLiteral("the metadata library failed without saying why");
    return false;
}

} // namespace imageio
