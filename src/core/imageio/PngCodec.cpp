// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngCodec.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>

#include <algorithm>

#include <csetjmp>
#include <vector>

#include <libimagequant.h>
#include <png.h>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(PngCodec)
};

struct WriteState {
    QByteArray *out;
    char message[200];
};

extern "C" void pngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto *state = static_cast<WriteState *>(png_get_io_ptr(png));
    state->out->append(reinterpret_cast<const char *>(data), qsizetype(length));
}

extern "C" void pngFlush(png_structp) {}

extern "C" void pngError(png_structp png, png_const_charp message)
{
    auto *state = static_cast<WriteState *>(png_get_error_ptr(png));
    qsnprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

extern "C" void pngWarning(png_structp, png_const_charp) {}

struct PngLayout {
    int width = 0;
    int height = 0;
    int bitDepth = 8;
    int colorType = PNG_COLOR_TYPE_RGB;
    bool swap16 = false;       // rows hold little-endian 16-bit samples
    bool stripFiller = false;  // rows hold a fourth byte/word to drop
    std::vector<png_color> palette;
    std::vector<png_byte> alphas;
    int filters = PNG_ALL_FILTERS;
};

// The steps that may jump back on a libpng error; nothing here has a destructor.
bool runWrite(png_structp png, png_infop info, const PngLayout &layout, png_bytepp rows,
              const QByteArray &icc)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, png_get_io_ptr(png), pngWrite, pngFlush);
    // A profile libpng frowns upon is left out rather than failing the photo.
    png_set_benign_errors(png, 1);
    png_set_compression_level(png, 9);
    png_set_compression_mem_level(png, 9);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, layout.filters);
    png_set_IHDR(png, info, png_uint_32(layout.width), png_uint_32(layout.height), layout.bitDepth,
                 layout.colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    if (!layout.palette.empty())
        png_set_PLTE(png, info, layout.palette.data(), int(layout.palette.size()));
    if (!layout.alphas.empty())
        png_set_tRNS(png, info, layout.alphas.data(), int(layout.alphas.size()), nullptr);
    if (!icc.isEmpty())
        png_set_iCCP(png, info, "ICC Profile", PNG_COMPRESSION_TYPE_BASE,
                     reinterpret_cast<png_const_bytep>(icc.constData()), png_uint_32(icc.size()));
    png_write_info(png, info);
    if (layout.bitDepth < 8)
        png_set_packing(png);
    if (layout.swap16)
        png_set_swap(png);
    if (layout.stripFiller)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

PngCodec::Encoded writePng(const PngLayout &layout, std::vector<png_bytep> &rows, const QByteArray &icc,
                           PngCodec::Kind kind)
{
    PngCodec::Encoded result;
    result.kind = kind;
    QByteArray out;
    WriteState state{&out, {}};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, pngError, pngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        result.error = Text::tr("libpng could not start");
        return result;
    }
    png_set_write_fn(png, &state, pngWrite, pngFlush);
    const bool ok = runWrite(png, info, layout, rows.data(), icc);
    png_destroy_write_struct(&png, &info);
    if (!ok) {
        result.error = QString::fromLatin1(state.message);
        return result;
    }
    result.bytes = out;
    return result;
}

struct LiqDeleter {
    void operator()(liq_attr *p) const { liq_attr_destroy(p); }
    void operator()(liq_image *p) const { liq_image_destroy(p); }
    void operator()(liq_result *p) const { liq_result_destroy(p); }
};

void choosePaletteDepth(PngLayout &layout, size_t count)
{
    layout.colorType = PNG_COLOR_TYPE_PALETTE;
    layout.filters = PNG_FILTER_NONE; // filters only hurt index data
    layout.bitDepth = count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8;
}

// Screenshots and icons often hold 256 colours or fewer: those get an exact palette, so
// no pixel changes. Null result when the image holds more.
PngCodec::Encoded encodeExactPalette(const QImage &source, const QByteArray &icc)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> indexOf;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            // Fully transparent pixels are one colour whatever their RGB says.
            const QRgb c = qAlpha(line[x]) == 0 ? 0 : line[x];
            if (!indexOf.contains(c)) {
                if (indexOf.size() == 256)
                    return {};
                indexOf.insert(c, 0);
            }
        }
    }
    // Translucent entries first, so the tRNS chunk stays short.
    QList<QRgb> colours = indexOf.keys();
    std::stable_sort(colours.begin(), colours.end(), [](QRgb a, QRgb b) {
        return (qAlpha(a) == 255) < (qAlpha(b) == 255) || ((qAlpha(a) == 255) == (qAlpha(b) == 255) && a < b);
    });
    PngLayout layout;
    layout.width = argb.width();
    layout.height = argb.height();
    choosePaletteDepth(layout, size_t(colours.size()));
    for (int i = 0; i < colours.size(); ++i) {
        const QRgb c = colours[i];
        indexOf[c] = i;
        layout.palette.push_back(png_color{png_byte(qRed(c)), png_byte(qGreen(c)), png_byte(qBlue(c))});
        if (qAlpha(c) != 255)
            layout.alphas.push_back(png_byte(qAlpha(c)));
    }
    std::vector<uchar> indices(size_t(layout.width) * size_t(layout.height));
    std::vector<png_bytep> rows(static_cast<size_t>(layout.height));
    for (int y = 0; y < layout.height; ++y) {
        uchar *row = indices.data() + size_t(y) * size_t(layout.width);
        rows[size_t(y)] = row;
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < layout.width; ++x)
            row[x] = uchar(indexOf.value(qAlpha(line[x]) == 0 ? 0 : line[x]));
    }
    return writePng(layout, rows, icc, PngCodec::Kind::Palette);
}

} // namespace

PngCodec::Encoded PngCodec::encodePalette(const QImage &source, int minimumQuality, int targetQuality,
                                          const QByteArray &iccProfile)
{
    Encoded result;
    result.kind = Kind::Palette;
    if (source.isNull()) {
        result.error = Text::tr("no image to encode");
        return result;
    }
    Encoded exact = encodeExactPalette(source, iccProfile);
    if (exact.ok() || !exact.error.isEmpty())
        return exact;
    const QImage rgba = source.convertToFormat(QImage::Format_RGBA8888);
    const int width = rgba.width();
    const int height = rgba.height();
    std::vector<void *> inputRows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        inputRows[size_t(y)] = const_cast<uchar *>(rgba.constScanLine(y));

    std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
    if (!attr) {
        result.error = Text::tr("libimagequant could not start");
        return result;
    }
    liq_set_quality(attr.get(), minimumQuality, targetQuality);
    std::unique_ptr<liq_image, LiqDeleter> image(
        liq_image_create_rgba_rows(attr.get(), inputRows.data(), width, height, 0));
    if (!image) {
        result.error = Text::tr("libimagequant refused the image");
        return result;
    }
    liq_result *rawResult = nullptr;
    const liq_error quantized = liq_image_quantize(image.get(), attr.get(), &rawResult);
    std::unique_ptr<liq_result, LiqDeleter> quantization(rawResult);
    if (quantized != LIQ_OK || !quantization) {
        result.error = quantized == LIQ_QUALITY_TOO_LOW ? Text::tr("palette below the quality floor")
                                                        : Text::tr("quantisation failed");
        return result;
    }
    liq_set_dithering_level(quantization.get(), 1.0f);

    std::vector<uchar> indices(size_t(width) * size_t(height));
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[size_t(y)] = indices.data() + size_t(y) * size_t(width);
    if (liq_write_remapped_image_rows(quantization.get(), image.get(), rows.data()) != LIQ_OK) {
        result.error = Text::tr("remapping failed");
        return result;
    }

    const liq_palette *palette = liq_get_palette(quantization.get());
    PngLayout layout;
    layout.width = width;
    layout.height = height;
    const unsigned count = palette->count;
    choosePaletteDepth(layout, count);
    int lastTranslucent = -1;
    for (unsigned i = 0; i < count; ++i) {
        const liq_color &c = palette->entries[i];
        layout.palette.push_back(png_color{c.r, c.g, c.b});
        if (c.a != 255)
            lastTranslucent = int(i);
    }
    for (int i = 0; i <= lastTranslucent; ++i)
        layout.alphas.push_back(palette->entries[i].a);
    return writePng(layout, rows, iccProfile, Kind::Palette);
}

PngCodec::Encoded PngCodec::encodeLossless(const QImage &source, const QByteArray &iccProfile)
{
    if (source.isNull()) {
        Encoded failed;
        failed.error = Text::tr("no image to encode");
        return failed;
    }
    const bool alpha = source.hasAlphaChannel();
    const bool deep = source.depth() > 32 || source.format() == QImage::Format_Grayscale16;
    const bool grey = source.isGrayscale() && !alpha;

    QImage image;
    PngLayout layout;
    layout.width = source.width();
    layout.height = source.height();
    if (grey) {
        image = source.convertToFormat(deep ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8);
        layout.colorType = PNG_COLOR_TYPE_GRAY;
        layout.bitDepth = deep ? 16 : 8;
    } else if (deep) {
        image = source.convertToFormat(alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64);
        layout.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
        layout.bitDepth = 16;
        if (!alpha) {
            layout.colorType = PNG_COLOR_TYPE_RGB;
            layout.stripFiller = true;
        }
    } else if (alpha) {
        image = source.convertToFormat(QImage::Format_RGBA8888);
        layout.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    } else {
        image = source.convertToFormat(QImage::Format_RGB888);
        layout.colorType = PNG_COLOR_TYPE_RGB;
    }
    // QImage keeps 16-bit samples in the machine's order; PNG stores them big-endian.
    layout.swap16 = layout.bitDepth == 16 && QSysInfo::ByteOrder == QSysInfo::LittleEndian;

    std::vector<png_bytep> rows(static_cast<size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[size_t(y)] = const_cast<png_bytep>(image.constScanLine(y));
    return writePng(layout, rows, iccProfile, Kind::Lossless);
}

PngCodec::Encoded PngCodec::encodeSmallest(const QImage &image, const QByteArray &iccProfile)
{
    Encoded palette = encodePalette(image, PaletteQualityFloor, PaletteQualityTarget, iccProfile);
    if (palette.ok())
        return palette;
    return encodeLossless(image, iccProfile);
}

} // namespace imageio
