// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeifCodec.h"

#include <libheif/heif.h>

#include <memory>

#include <QCoreApplication>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(HeifCodec)
};

struct ContextDeleter {
    void operator()(heif_context *context) const { heif_context_free(context); }
};
struct HandleDeleter {
    void operator()(heif_image_handle *handle) const { heif_image_handle_release(handle); }
};
struct ImageDeleter {
    void operator()(heif_image *image) const { heif_image_release(image); }
};
using Context = std::unique_ptr<heif_context, ContextDeleter>;
using Handle = std::unique_ptr<heif_image_handle, HandleDeleter>;
using Image = std::unique_ptr<heif_image, ImageDeleter>;

QString message(const heif_error &error)
{
    return QString::fromUtf8(error.message ? error.message : "unknown libheif error");
}

// The context reads `data` in place: it must outlive the handle.
Handle primaryImage(const QByteArray &data, Context &context, QString *error)
{
    context.reset(heif_context_alloc());
    if (!context) {
        *error = Text::tr("out of memory");
        return {};
    }
    heif_error status = heif_context_read_from_memory_without_copy(context.get(), data.constData(),
                                                                  size_t(data.size()), nullptr);
    if (status.code != heif_error_Ok) {
        *error = message(status);
        return {};
    }
    heif_image_handle *handle = nullptr;
    status = heif_context_get_primary_image_handle(context.get(), &handle);
    if (status.code != heif_error_Ok) {
        *error = message(status);
        return {};
    }
    return Handle(handle);
}

} // namespace

QSize HeifCodec::displayedSize(const QByteArray &data)
{
    Context context;
    QString error;
    const Handle handle = primaryImage(data, context, &error);
    if (!handle)
        return {};
    return QSize(heif_image_handle_get_width(handle.get()), heif_image_handle_get_height(handle.get()));
}

HeifCodec::Decoded HeifCodec::decode(const QByteArray &data)
{
    Decoded decoded;
    Context context;
    const Handle handle = primaryImage(data, context, &decoded.error);
    if (!handle)
        return decoded;
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    heif_image *raw = nullptr;
    const heif_error status
        = heif_decode_image(handle.get(), &raw, heif_colorspace_RGB,
                            alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr);
    if (status.code != heif_error_Ok) {
        decoded.error = message(status);
        return decoded;
    }
    const Image image(raw);
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0) {
        decoded.error = Text::tr("no pixels in the primary image");
        return decoded;
    }
    // The plane belongs to libheif's image: copy it out before that is released.
    decoded.image = QImage(pixels, width, height, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888)
                        .copy();
    if (decoded.image.isNull()) {
        decoded.error = Text::tr("out of memory");
        return decoded;
    }
    const size_t profileSize = heif_image_handle_get_raw_color_profile_size(handle.get());
    if (profileSize > 0) {
        QByteArray profile(qsizetype(profileSize), Qt::Uninitialized);
        if (heif_image_handle_get_raw_color_profile(handle.get(), profile.data()).code == heif_error_Ok)
            decoded.iccProfile = profile;
    }
    return decoded;
}

QByteArray HeifCodec::exif(const QByteArray &data)
{
    Context context;
    QString error;
    const Handle handle = primaryImage(data, context, &error);
    if (!handle)
        return {};
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle.get(), "Exif", &id, 1) < 1)
        return {};
    const size_t size = heif_image_handle_get_metadata_size(handle.get(), id);
    if (size <= 4)
        return {};
    QByteArray block(qsizetype(size), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(handle.get(), id, block.data()).code != heif_error_Ok)
        return {};
    // HEIF puts the offset of the TIFF header (big-endian) before the Exif data.
    const auto byte = [&](int i) { return quint32(quint8(block.at(i))); };
    const quint32 offset = (byte(0) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
    if (offset >= size - 4)
        return {};
    return block.mid(qsizetype(4 + offset));
}

} // namespace imageio
