// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContainerCheck.h"

#include <cstring>

#include <zlib.h>

namespace imageio {

namespace {

quint32 be32(const uchar *p) { return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3]; }

// The PNG reader lifts libpng's limits, so a compressed text or profile chunk is inflated
// in full: a few kilobytes can unpack to gigabytes. Real text and profiles stay far below
// these (libpng's own default cap per chunk is 8 MB).
constexpr qint64 MaxInflatedChunk = 8 * 1024 * 1024;
constexpr qint64 MaxInflatedTotal = 32 * 1024 * 1024;

// Bytes the zlib stream inflates to, counted without keeping them; -1 once past the limit.
qint64 inflatedSize(const uchar *data, qsizetype size, qint64 limit)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return -1;
    uchar scratch[16384];
    stream.next_in = const_cast<uchar *>(data);
    stream.avail_in = uInt(size);
    qint64 total = 0;
    int status = Z_OK;
    while (status == Z_OK && total <= limit) {
        stream.next_out = scratch;
        stream.avail_out = sizeof scratch;
        status = inflate(&stream, Z_NO_FLUSH);
        total += qint64(sizeof scratch - stream.avail_out);
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break; // stream cut short: the reader reports that itself
    }
    inflateEnd(&stream);
    return total <= limit ? total : -1;
}

// Where the compressed part of a zTXt, iTXt or iCCP chunk starts, or -1 if it holds none.
qsizetype compressedStart(const char *type, const uchar *body, qsizetype length)
{
    const bool text = std::memcmp(type, "zTXt", 4) == 0 || std::memcmp(type, "iCCP", 4) == 0;
    const bool international = std::memcmp(type, "iTXt", 4) == 0;
    if (!text && !international)
        return -1;
    const auto *keywordEnd = static_cast<const uchar *>(std::memchr(body, 0, size_t(length)));
    if (!keywordEnd)
        return -1;
    qsizetype at = keywordEnd - body + 1;
    if (text)
        return at + 1 <= length ? at + 1 : -1; // skip the method byte
    // iTXt: compression flag, method, language and translated keyword, each NUL-ended.
    if (at + 2 > length || body[at] != 1)
        return -1;
    at += 2;
    for (int field = 0; field < 2; ++field) {
        const auto *end = static_cast<const uchar *>(std::memchr(body + at, 0, size_t(length - at)));
        if (!end)
            return -1;
        at = end - body + 1;
    }
    return at;
}

} // namespace

bool jpegIsComplete(const QByteArray &data)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype n = data.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return false;
    qsizetype i = 2;
    bool sawScan = false;
    while (i + 1 < n) {
        if (p[i] != 0xFF) {
            ++i; // stray byte between segments: tolerated, as decoders do
            continue;
        }
        const uchar marker = p[i + 1];
        if (marker == 0xFF) {
            ++i; // fill byte
            continue;
        }
        if (marker == 0xD9)
            return sawScan;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        if (i + 3 >= n)
            return false;
        const qsizetype length = (qsizetype(p[i + 2]) << 8) | p[i + 3];
        if (length < 2 || i + 2 + length > n)
            return false;
        i += 2 + length;
        if (marker != 0xDA)
            continue;
        // Entropy-coded data: runs until a marker other than a stuffed zero or a restart.
        sawScan = true;
        while (i + 1 < n) {
            const void *ff = std::memchr(p + i, 0xFF, size_t(n - i - 1));
            if (!ff)
                return false;
            i = static_cast<const uchar *>(ff) - p;
            const uchar next = p[i + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7) || next == 0xFF) {
                i += next == 0xFF ? 1 : 2;
                continue;
            }
            break;
        }
    }
    return false;
}

bool pngIsSound(const QByteArray &data)
{
    static const uchar signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype n = data.size();
    if (n < 8 || std::memcmp(p, signature, 8) != 0)
        return false;
    qsizetype i = 8;
    bool sawData = false;
    qint64 inflatedTotal = 0;
    while (i + 8 <= n) {
        const qsizetype length = qsizetype(be32(p + i));
        const char *type = reinterpret_cast<const char *>(p + i + 4);
        if (length < 0 || i + 12 + length > n)
            return false;
        const uchar *body = p + i + 8;
        if (const qsizetype start = compressedStart(type, body, length); start >= 0) {
            const qint64 limit = qMin(MaxInflatedChunk, MaxInflatedTotal - inflatedTotal);
            const qint64 inflated = inflatedSize(body + start, length - start, limit);
            if (inflated < 0)
                return false;
            inflatedTotal += inflated;
        }
        if (std::memcmp(type, "IDAT", 4) == 0)
            sawData = true;
        if (std::memcmp(type, "IEND", 4) == 0)
            return sawData;
        i += 12 + length;
    }
    return false;
}

QImage imageFromData(const QByteArray &data)
{
    if (data.startsWith("\x89PNG") && !pngIsSound(data))
        return {};
    return QImage::fromData(data);
}

} // namespace imageio
