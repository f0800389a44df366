// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExivImage.h"
#include "ImageProperties.h"

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
    initializeExiv2();
    auto result = std::unique_ptr<ExivImage>(new ExivImage);
    Exiv2Warnings warnings;
    const bool ok = guarded(
        [&] {
            result->m_image = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(data.constData()),
                                                        long(data.size()));
            if (!result->m_image.get())
                throw Exiv2::Error(Exiv2::kerFileContainsUnknownImageType);
            result->m_imageType = Exiv2::ImageFactory::getType(
                reinterpret_cast<const Exiv2::byte *>(data.constData()), long(data.size()));
            const auto lock = lockXmpToolkit();
            result->m_image->readMetadata();
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
