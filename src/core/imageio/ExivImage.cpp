// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExivImage.h"
#include "GifBlocks.h"
#include "ImageProperties.h"
#include "JpegSegments.h"
#include "TiffBlock.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <mutex>

Q_LOGGING_CATEGORY(lcExiv2, "glimmerset.imageio.exiv2")

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ExivImage)
};

thread_local Exiv2Warnings *tCapture = nullptr;
thread_local bool tQuiet = false;

void logHandler(int level, const char *message)
{
    // Exiv2 reports oddities of real files (unknown maker-note tags, padding) as warnings:
    // useful when tracing a photo, noise otherwise.
    QByteArray text(message);
    if (text.endsWith('\n'))
        text.chop(1);
    if (tCapture && level >= Exiv2::LogMsg::warn)
        tCapture->add(QString::fromUtf8(text));
    if (tQuiet)
        return;
    if (level >= Exiv2::LogMsg::error)
        qCWarning(lcExiv2).noquote() << text;
    else
        qCDebug(lcExiv2).noquote() << text;
}

struct TypeName {
    int exivType;
    const char *identifier;
};
constexpr TypeName kTypes[] = {
    {Exiv2::ImageType::jpeg, filetypes::Jpeg}, {Exiv2::ImageType::png, filetypes::Png},
    {Exiv2::ImageType::tiff, filetypes::Tiff}, {Exiv2::ImageType::webp, filetypes::WebP},
    {Exiv2::ImageType::gif, filetypes::Gif},   {Exiv2::ImageType::bmp, filetypes::Bmp},
    {Exiv2::ImageType::bmff, filetypes::Heic},
};

// The XMP toolkit keeps global state; Exiv2 asks the application to serialise it.
void xmpLock(void *data, bool lockIt)
{
    auto *mutex = static_cast<std::mutex *>(data);
    if (lockIt)
        mutex->lock();
    else
        mutex->unlock();
}

} // namespace

void initializeExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // The XMP toolkit must be set up before threads use Exiv2 concurrently.
        static std::mutex xmpMutex;
        Exiv2::XmpParser::initialize(xmpLock, &xmpMutex);
        Exiv2::enableBMFF(true);
        Exiv2::LogMsg::setHandler(logHandler);
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
    });
}

Exiv2Warnings::Exiv2Warnings()
    : m_outer(tCapture)
{
    tCapture = this;
}

Exiv2Warnings::~Exiv2Warnings()
{
    tCapture = m_outer;
    if (m_outer)
        for (const QString &m : std::as_const(m_messages))
            m_outer->add(m);
}

void Exiv2Warnings::add(const QString &message) { m_messages << message; }

QString Exiv2Warnings::dataLoss() const
{
    // Exiv2 reads an entry that runs past its segment up to the end and says so; it also
    // leaves out tags that do not fit a segment when writing.
    for (const QString &m : m_messages)
        if (m.contains(QLatin1String("truncating"), Qt::CaseInsensitive)
            || m.contains(QLatin1String("not encoded"), Qt::CaseInsensitive))
            return m;
    return {};
}

QuietExiv2Log::QuietExiv2Log()
    : m_outer(tQuiet)
{
    tQuiet = true;
}

QuietExiv2Log::~QuietExiv2Log() { tQuiet = m_outer; }

std::unique_lock<std::recursive_mutex> lockXmpToolkit()
{
    // Separate from the mutex given to XmpParser::initialize: the toolkit takes that one
    // itself while parsing (to register namespaces), so reusing it here would deadlock.
    // Recursive because a write holds it while the overlay it applies edits XMP packets.
    static std::recursive_mutex toolkitMutex;
    return std::unique_lock(toolkitMutex);
}

QString typeIdentifierForExivType(int imageType)
{
    for (const auto &t : kTypes)
        if (t.exivType == imageType)
            return QString::fromLatin1(t.identifier);
    return {};
}

int exivTypeForTypeIdentifier(const QString &type)
{
    for (const auto &t : kTypes)
        if (type == QLatin1String(t.identifier))
            return t.exivType;
    return Exiv2::ImageType::none;
}

std::unique_ptr<ExivImage> ExivImage::open(const QByteArray &data, QString *error)
{
    return parse(data, error, true, nullptr);
}

namespace {

// Where a JPEG's standard XMP segments are, so Exiv2 can be given the photo with them
// hidden and read its Exif and IPTC without the XMP toolkit.
struct XmpSegments {
    QList<qsizetype> identifiers; // offsets of their identifiers
    QByteArray packet; // the first one's, the one Exiv2 reads
    qsizetype headSize = 0; // up to the image data, where Exiv2 stops reading
};

// False when reading the JPEG could still reach the toolkit with the segments hidden (XMP
// inside the Exif, a segment holding only part of an identifier) or when its segments cannot
// be followed: then it is read under the lock as any other image.
bool findXmpSegments(const QByteArray &data, XmpSegments *found)
{
    JpegFile file;
    if (!file.parse(data, nullptr))
        return false;
    const QByteArrayView identifier(kXmpHeader, kXmpHeaderSize);
    found->headSize = data.size() - file.imageData().size();
    qsizetype at = 2;
    for (const JpegSegment &s : std::as_const(file.segments)) {
        const qsizetype payloadAt = at + s.padding + 4;
        at += s.raw.size();
        if (s.marker != 0xE1)
            continue;
        const QByteArray payload = s.payload();
        if (s.kind == JpegSegment::Exif) {
            QByteArray tiff = payload.mid(kExifHeaderSize);
            TiffBlock block(&tiff);
            TiffBlock::Directory ifd0;
            if (!block.isValid() || !block.readDirectory(block.ifd0Offset(), &ifd0) || ifd0.find(0x02BC))
                return false;
        } else if (s.kind == JpegSegment::Xmp) {
            if (QByteArrayView(data).sliced(payloadAt).first(kXmpHeaderSize) != identifier)
                return false;
            if (found->identifiers.isEmpty())
                found->packet = payload.mid(kXmpHeaderSize);
            found->identifiers.append(payloadAt);
        } else if (!payload.isEmpty() && payload.size() < kXmpHeaderSize && identifier.startsWith(payload)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::unique_ptr<ExivImage> ExivImage::openForReading(const QByteArray &data, QString *error, Xmp xmp)
{
    if (isGif(data)) {
        // Exiv2 reads no metadata from a GIF: its packet is read here.
        GifFile file;
        QByteArray packet;
        if (xmp == Xmp::Parse && file.parse(data))
            packet = file.mainXmpPacket();
        return parse(data, error, false, &packet);
    }
    XmpSegments segments;
    if (!findXmpSegments(data, &segments))
        return open(data, error);
    QByteArray hidden = data;
    if (!segments.identifiers.isEmpty()) {
        // A copy of the segments only, ended as a JPEG: Exiv2 reads nothing of the image data.
        hidden = data.first(segments.headSize) + QByteArray("\xFF\xD9", 2);
        for (const qsizetype at : std::as_const(segments.identifiers))
            hidden[at] = 'X'; // no longer the identifier Exiv2 looks for
    }
    // Exiv2 stops early once it has met every kind of segment it reads; with the packet hidden
    // it reads on and may fail on damage after that point, which the plain reading never saw.
    if (auto result = parse(hidden, error, false, xmp == Xmp::Parse ? &segments.packet : nullptr))
        return result;
    return open(data, error);
}

std::unique_ptr<ExivImage> ExivImage::parse(const QByteArray &data, QString *error, bool lockToolkit,
                                            const QByteArray *xmpPacket)
{
    initializeExiv2();
    auto result = std::unique_ptr<ExivImage>(new ExivImage);
    result->m_bytes = data;
    Exiv2Warnings warnings;
    const bool ok = guarded(
        [&] {
            const auto *bytes = reinterpret_cast<const Exiv2::byte *>(data.constData());
            if (isGif(data)) {
                // Exiv2's type detection gives up on a GIF of less than a few hundred bytes;
                // the header and screen descriptor (13 bytes) are the least a GIF has.
                if (data.size() < 13)
                    throw Exiv2::Error(Exiv2::kerMemoryContainsUnknownImageType);
                Exiv2::BasicIo::AutoPtr io(new Exiv2::MemIo(bytes, long(data.size())));
                result->m_image.reset(new Exiv2::GifImage(io));
                result->m_imageType = Exiv2::ImageType::gif;
            } else {
                result->m_image = Exiv2::ImageFactory::open(bytes, long(data.size()));
                if (!result->m_image.get())
                    throw Exiv2::Error(Exiv2::kerMemoryContainsUnknownImageType);
                result->m_imageType = Exiv2::ImageFactory::getType(bytes, long(data.size()));
            }
            {
                std::unique_lock<std::recursive_mutex> lock;
                if (lockToolkit)
                    lock = lockXmpToolkit();
                result->m_image->readMetadata();
            }
            if (xmpPacket && !xmpPacket->isEmpty()) {
                const auto lock = lockXmpToolkit();
                // Set before the properties: with none, Exiv2 hands out the packet as stored.
                std::string &packet = result->m_image->xmpPacket();
                packet.assign(xmpPacket->constData(), size_t(xmpPacket->size()));
                // As Exiv2's own JPEG reading does: a packet that does not parse is a warning.
                if (Exiv2::XmpParser::decode(result->m_image->xmpData(), packet) && Exiv2::LogMsg::handler()
                    && Exiv2::LogMsg::warn >= Exiv2::LogMsg::level())
                    Exiv2::LogMsg(Exiv2::LogMsg::warn).os() << "Failed to decode XMP metadata.\n";
            }
        },
        error);
    if (!ok)
        return nullptr;
    result->m_readDataLoss = warnings.dataLoss();
    result->m_readWarnings = warnings.messages();
    if (result->typeIdentifier().isEmpty()) {
        if (error)
            *error = Text::tr("not a photo format we read");
        return nullptr;
    }
    return result;
}

QString ExivImage::typeIdentifier() const { return typeIdentifierForExivType(m_imageType); }

bool ExivImage::canWrite() const
{
    switch (m_imageType) {
    case Exiv2::ImageType::jpeg:
    case Exiv2::ImageType::png:
    case Exiv2::ImageType::tiff:
    case Exiv2::ImageType::webp:
        return true;
    default:
        return false;
    }
}

} // namespace imageio
