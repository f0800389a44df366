// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContainerCheck.h"

#include <cstring>

namespace imageio {

namespace {

quint32 be32(const uchar *p) { return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3]; }

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

bool pngIsComplete(const QByteArray &data)
{
    static const uchar signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const auto *p = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype n = data.size();
    if (n < 8 || std::memcmp(p, signature, 8) != 0)
        return false;
    qsizetype i = 8;
    bool sawData = false;
    while (i + 8 <= n) {
        const qsizetype length = qsizetype(be32(p + i));
        const char *type = reinterpret_cast<const char *>(p + i + 4);
        if (length < 0 || i + 12 + length > n)
            return false;
        if (std::memcmp(type, "IDAT", 4) == 0)
            sawData = true;
        if (std::memcmp(type, "IEND", 4) == 0)
            return sawData;
        i += 12 + length;
    }
    return false;
}

} // namespace imageio
