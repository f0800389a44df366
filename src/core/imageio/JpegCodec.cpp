// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegCodec.h"

#include "JpegQuantiser.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>
#include <lcms2.h>

namespace imageio {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(JpegCodec)
};

// Refuse photos whose pixels alone would need more than about 1.5 GB.
constexpr qint64 MaxPixels = qint64(1) << 29;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int corruptWarnings;
};

extern "C" void errorExit(j_common_ptr cinfo)
{
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

extern "C" void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    // libjpeg carries on after these with grey filler where the data ran out.
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    switch (cinfo->err->msg_code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_JPEG_EOF:
    case JWRN_MUST_RESYNC:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_NOT_SEQUENTIAL:
        if (manager->corruptWarnings++ == 0)
            (*cinfo->err->format_message)(cinfo, manager->message);
        break;
    default:
        break;
    }
}

void installErrorManager(ErrorManager &manager)
{
    jpeg_std_error(&manager.base);
    manager.base.error_exit = errorExit;
    manager.base.emit_message = emitMessage;
    manager.message[0] = '\0';
    manager.corruptWarnings = 0;
}

// Grows a QByteArray as libjpeg writes, so the result needs no extra copy.
struct ByteArrayDestination {
    jpeg_destination_mgr base;
    QByteArray *buffer;
};

extern "C" void initDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<ByteArrayDestination *>(cinfo->dest);
    dest->base.next_output_byte = reinterpret_cast<JOCTET *>(dest->buffer->data());
    dest->base.free_in_buffer = size_t(dest->buffer->size());
}

extern "C" boolean emptyOutputBuffer(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<ByteArrayDestination *>(cinfo->dest);
    const qsizetype used = dest->buffer->size();
    dest->buffer->resize(used * 2);
    dest->base.next_output_byte = reinterpret_cast<JOCTET *>(dest->buffer->data()) + used;
    dest->base.free_in_buffer = size_t(dest->buffer->size() - used);
    return TRUE;
}

extern "C" void termDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<ByteArrayDestination *>(cinfo->dest);
    dest->buffer->resize(dest->buffer->size() - qsizetype(dest->base.free_in_buffer));
}

// Adobe writes CMYK inverted (0 is full ink); plain CMYK files store ink amounts.
inline uchar cmykToChannel(uchar ink, uchar black, bool inverted)
{
    if (inverted)
        return uchar((unsigned(ink) * black + 127) / 255);
    return uchar((unsigned(255 - ink) * (255 - black) + 127) / 255);
}

bool isCmykProfile(const QByteArray &icc)
{
    // The colour space signature sits at offset 16 of the profile header.
    return icc.size() >= 20 && icc.mid(16, 4) == "CMYK";
}

// Converts CMYK rows through the photo's own profile into sRGB, as a colour-managed viewer
// shows them. Null when the profile cannot be used; the plain formula is the fallback.
class CmykToSrgb
{
public:
    CmykToSrgb(const QByteArray &profile, bool inverted)
    {
        if (!isCmykProfile(profile))
            return;
        cmsHPROFILE cmyk = cmsOpenProfileFromMem(profile.constData(), cmsUInt32Number(profile.size()));
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        if (cmyk && srgb)
            m_transform = cmsCreateTransform(cmyk, inverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8, srgb, TYPE_RGB_8,
                                             INTENT_PERCEPTUAL, cmsFLAGS_BLACKPOINTCOMPENSATION);
        if (cmyk)
            cmsCloseProfile(cmyk);
        if (srgb)
            cmsCloseProfile(srgb);
    }
    ~CmykToSrgb()
    {
        if (m_transform)
            cmsDeleteTransform(m_transform);
    }
    CmykToSrgb(const CmykToSrgb &) = delete;
    CmykToSrgb &operator=(const CmykToSrgb &) = delete;

    bool isValid() const { return m_transform != nullptr; }
    void convert(const uchar *cmyk, uchar *rgb, unsigned pixels) const { cmsDoTransform(m_transform, cmyk, rgb, pixels); }

private:
    cmsHTRANSFORM m_transform = nullptr;
};

// Without a usable profile: the plain formula, which is what an unmanaged viewer shows.
void convertCmykRows(QImage &image, const QImage &cmyk, bool inverted, const QByteArray &profile)
{
    const CmykToSrgb managed(profile, inverted);
    for (int y = 0; y < image.height(); ++y) {
        const uchar *in = cmyk.constScanLine(y);
        uchar *rgb = image.scanLine(y);
        if (managed.isValid()) {
            managed.convert(in, rgb, unsigned(image.width()));
            continue;
        }
        for (int x = 0; x < image.width(); ++x, in += 4, rgb += 3) {
            rgb[0] = cmykToChannel(in[0], in[3], inverted);
            rgb[1] = cmykToChannel(in[1], in[3], inverted);
            rgb[2] = cmykToChannel(in[2], in[3], inverted);
        }
    }
}

bool isGreyProfile(const QByteArray &icc)
{
    return icc.size() >= 20 && icc.mid(16, 4) == "GRAY";
}

unsigned scaleNumerator(const QSize &stored, const QSize &minimum)
{
    if (!minimum.isValid() || minimum.isEmpty())
        return 8;
    for (unsigned num = 1; num < 8; ++num) {
        // libjpeg rounds scaled dimensions up.
        const qint64 w = (qint64(stored.width()) * num + 7) / 8;
        const qint64 h = (qint64(stored.height()) * num + 7) / 8;
        if (w >= minimum.width() && h >= minimum.height())
            return num;
    }
    return 8;
}

// The decoding steps that may jump back on a libjpeg error. Kept free of objects with
// destructors, so a jump skips nothing that needed cleaning up.
// CMYK scans land in `cmyk` (four bytes a pixel) and are converted after reading.
bool runDecode(jpeg_decompress_struct &cinfo, ErrorManager &manager, const QByteArray &data,
               const QSize &minimumSize, JpegCodec::Decoded &out, QImage &cmykScan, bool &invertedCmyk)
{
    if (setjmp(manager.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_save_markers(&cinfo, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    out.storedSize = QSize(int(cinfo.image_width), int(cinfo.image_height));

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    out.wasCmyk = cmyk;
    cinfo.out_color_space = cmyk ? JCS_CMYK : (grey ? JCS_GRAYSCALE : JCS_RGB);
    cinfo.scale_num = scaleNumerator(out.storedSize, minimumSize);
    cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&cinfo);
    if (qint64(cinfo.output_width) * cinfo.output_height > MaxPixels) {
        std::snprintf(manager.message, sizeof manager.message, "image too large (%ux%u)", cinfo.output_width,
                      cinfo.output_height);
        return false;
    }

    JOCTET *icc = nullptr;
    unsigned iccLength = 0;
    if (jpeg_read_icc_profile(&cinfo, &icc, &iccLength) && icc) {
        out.iccProfile = QByteArray(reinterpret_cast<const char *>(icc), qsizetype(iccLength));
        std::free(icc);
    }

    jpeg_start_decompress(&cinfo);
    out.image = QImage(int(cinfo.output_width), int(cinfo.output_height),
                       grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (out.image.isNull()) {
        std::snprintf(manager.message, sizeof manager.message, "out of memory for %ux%u pixels",
                      cinfo.output_width, cinfo.output_height);
        return false;
    }

    if (cmyk) {
        cmykScan = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGBA8888);
        invertedCmyk = cinfo.saw_Adobe_marker;
        if (cmykScan.isNull()) {
            std::snprintf(manager.message, sizeof manager.message, "out of memory");
            return false;
        }
        JSAMPROW rows[16];
        while (cinfo.output_scanline < cinfo.output_height) {
            const unsigned first = cinfo.output_scanline;
            const unsigned count = qMin(16u, cinfo.output_height - first);
            for (unsigned i = 0; i < count; ++i)
                rows[i] = cmykScan.scanLine(int(first + i));
            jpeg_read_scanlines(&cinfo, rows, count);
        }
    } else {
        JSAMPROW rows[16];
        while (cinfo.output_scanline < cinfo.output_height) {
            const unsigned first = cinfo.output_scanline;
            const unsigned count = qMin(16u, cinfo.output_height - first);
            for (unsigned i = 0; i < count; ++i)
                rows[i] = out.image.scanLine(int(first + i));
            jpeg_read_scanlines(&cinfo, rows, count);
        }
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

// The set-up both encoders share. Called after their setjmp: a libjpeg error jumps back there.
void createCompress(jpeg_compress_struct &cinfo, const QImage &image, J_COLOR_SPACE space, int components,
                    ByteArrayDestination &dest)
{
    jpeg_create_compress(&cinfo);
    cinfo.dest = &dest.base;
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
}

void writeIccProfile(jpeg_compress_struct &cinfo, const QByteArray &icc)
{
    if (!icc.isEmpty())
        jpeg_write_icc_profile(&cinfo, reinterpret_cast<const JOCTET *>(icc.constData()), unsigned(icc.size()));
}

bool runEncode(jpeg_compress_struct &cinfo, ErrorManager &manager, const QImage &image, J_COLOR_SPACE space,
               int components, int quality, const QByteArray &icc, ByteArrayDestination &dest)
{
    if (setjmp(manager.jump))
        return false;
    createCompress(cinfo, image, space, components, dest);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    writeIccProfile(cinfo, icc);
    JSAMPROW rows[16];
    while (cinfo.next_scanline < cinfo.image_height) {
        const unsigned first = cinfo.next_scanline;
        const unsigned count = qMin(16u, cinfo.image_height - first);
        for (unsigned i = 0; i < count; ++i)
            rows[i] = const_cast<JSAMPROW>(image.constScanLine(int(first + i)));
        jpeg_write_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

// The same file shape as runEncode (baseline, 4:2:0, optimised Huffman codes), but with
// coefficients the quantiser chose, handed to libjpeg for entropy coding only.
bool runQuantisedEncode(jpeg_compress_struct &cinfo, ErrorManager &manager, const QImage &image, int components,
                        int quality, const QByteArray &icc, ByteArrayDestination &dest)
{
    static_assert(sizeof(JBLOCK) == sizeof(JpegQuantiser::Block));
    if (setjmp(manager.jump))
        return false;
    // The quantiser reads the pixels itself; libjpeg only needs to know grey from colour.
    const bool grey = components == 1;
    createCompress(cinfo, image, grey ? JCS_GRAYSCALE : JCS_RGB, grey ? 1 : 3, dest);
    const JpegQuantiser::Table tables[2] = {JpegQuantiser::lumaTable(quality), JpegQuantiser::chromaTable(quality)};
    for (int t = 0; t < 2; ++t) {
        unsigned int entries[64];
        std::copy(tables[t].begin(), tables[t].end(), entries);
        jpeg_add_quant_table(&cinfo, t, entries, 100, TRUE);
    }
    cinfo.optimize_coding = TRUE;

    // What each AC symbol costs under the standard luma code; the optimised code that is
    // finally written differs a little, but not in which choices are cheap.
    JpegQuantiser::AcCodeLengths lengths;
    lengths.fill(32);
    const JHUFF_TBL *code = cinfo.ac_huff_tbl_ptrs[0];
    for (int length = 1, symbol = 0; length <= 16; ++length)
        for (int i = 0; i < code->bits[length]; ++i)
            lengths[code->huffval[symbol++]] = quint8(length);

    const JpegQuantiser::Planes planes(image, quality, lengths);
    jvirt_barray_ptr arrays[3] = {};
    for (int ci = 0; ci < cinfo.num_components; ++ci) {
        const jpeg_component_info &component = cinfo.comp_info[ci];
        const JDIMENSION wide = ci == 0 ? JDIMENSION(planes.lumaBlocksPerRow() + (planes.grey() ? 0 : planes.lumaBlocksPerRow() % 2))
                                        : JDIMENSION(planes.chromaBlocksPerRow());
        const JDIMENSION high = JDIMENSION(planes.bandCount() * component.v_samp_factor);
        arrays[ci] = (*cinfo.mem->request_virt_barray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, FALSE,
                                                        wide, high, JDIMENSION(component.v_samp_factor));
    }
    jpeg_write_coefficients(&cinfo, arrays);
    writeIccProfile(cinfo, icc);
    for (int band = 0; band < planes.bandCount(); ++band) {
        JpegQuantiser::Block *rows[3][2] = {};
        for (int ci = 0; ci < cinfo.num_components; ++ci) {
            const int vertical = cinfo.comp_info[ci].v_samp_factor;
            JBLOCKARRAY blocks = (*cinfo.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&cinfo), arrays[ci],
                                                                  JDIMENSION(band * vertical), JDIMENSION(vertical), TRUE);
            for (int r = 0; r < vertical; ++r)
                rows[ci][r] = reinterpret_cast<JpegQuantiser::Block *>(blocks[r]);
        }
        planes.quantiseBand(band, rows[0], rows[1][0], rows[2][0]);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

} // namespace

QSize JpegCodec::storedSize(const QByteArray &data)
{
    jpeg_decompress_struct cinfo;
    ErrorManager manager;
    installErrorManager(manager);
    cinfo.err = &manager.base;
    QSize size;
    if (!setjmp(manager.jump)) {
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()), static_cast<unsigned long>(data.size()));
        jpeg_read_header(&cinfo, TRUE);
        size = QSize(int(cinfo.image_width), int(cinfo.image_height));
    }
    jpeg_destroy_decompress(&cinfo);
    return size;
}

JpegCodec::Decoded JpegCodec::decode(const QByteArray &data, const QSize &minimumSize)
{
    Decoded out;
    if (data.isEmpty()) {
        out.error = Text::tr("no data");
        return out;
    }
    jpeg_decompress_struct cinfo;
    ErrorManager manager;
    installErrorManager(manager);
    cinfo.err = &manager.base;
    QImage cmykScan;
    bool invertedCmyk = false;
    const bool ok = runDecode(cinfo, manager, data, minimumSize, out, cmykScan, invertedCmyk);
    jpeg_destroy_decompress(&cinfo);
    if (!ok || manager.corruptWarnings > 0) {
        out.image = QImage();
        out.iccProfile.clear();
        out.error = QString::fromLatin1(manager.message);
        return out;
    }
    if (out.wasCmyk)
        convertCmykRows(out.image, cmykScan, invertedCmyk, out.iccProfile);
    if (isCmykProfile(out.iccProfile) || (out.image.format() != QImage::Format_Grayscale8 && isGreyProfile(out.iccProfile)))
        out.iccProfile.clear();
    return out;
}

QByteArray JpegCodec::encode(const QImage &source, int quality, const QByteArray &iccProfile, QString *error,
                             Quantisation quantisation)
{
    if (source.isNull()) {
        if (error)
            *error = Text::tr("no image to encode");
        return {};
    }
    QImage image = source;
    J_COLOR_SPACE space = JCS_RGB;
    int components = 3;
    switch (image.format()) {
    case QImage::Format_Grayscale8:
        space = JCS_GRAYSCALE;
        components = 1;
        break;
    case QImage::Format_RGB888:
        break;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        // 0xAARRGGBB words: their byte order in memory follows the machine's.
        space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
        components = 4;
        break;
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
        space = JCS_EXT_RGBX;
        components = 4;
        break;
    default:
        image = image.convertToFormat(image.isGrayscale() && !image.hasAlphaChannel() ? QImage::Format_Grayscale8
                                                                                     : QImage::Format_RGB888);
        if (image.format() == QImage::Format_Grayscale8) {
            space = JCS_GRAYSCALE;
            components = 1;
        }
        break;
    }

    // A grey profile does not describe RGB data (and the reverse).
    QByteArray icc = iccProfile;
    if (isCmykProfile(icc) || (components == 1) != isGreyProfile(icc))
        icc.clear();

    QByteArray buffer;
    // Strong compression rarely needs more than a tenth of the raw pixels.
    buffer.resize(qMax<qsizetype>(16384, qsizetype(image.width()) * image.height() * components / 10));
    ByteArrayDestination dest;
    dest.base.init_destination = initDestination;
    dest.base.empty_output_buffer = emptyOutputBuffer;
    dest.base.term_destination = termDestination;
    dest.buffer = &buffer;

    jpeg_compress_struct cinfo;
    ErrorManager manager;
    installErrorManager(manager);
    cinfo.err = &manager.base;
    const bool ok = quantisation == Quantisation::RateDistortion
                        ? runQuantisedEncode(cinfo, manager, image, components, qBound(1, quality, 100), icc, dest)
                        : runEncode(cinfo, manager, image, space, components, qBound(1, quality, 100), icc, dest);
    jpeg_destroy_compress(&cinfo);
    if (!ok) {
        if (error)
            *error = QString::fromLatin1(manager.message);
        return {};
    }
    return buffer;
}

} // namespace imageio
