// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegQuantiser.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <numeric>
#include <vector>

namespace imageio {

namespace {

constexpr int Zigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
                            41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
                            30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Luma halfway (geometric mean) between the standard table and a flat 16, scaled by 1.2:
// coarser at the lowest frequencies, finer at the highest. Chroma is the standard table at
// quality 75. With the trellis below, bench/README.md has the calibration.
constexpr quint16 LumaAt50[64] = {19, 16, 15, 19, 24, 30, 34, 37, 17, 17, 18, 21, 24, 37, 37, 36,
                                  18, 17, 19, 24, 30, 36, 40, 36, 18, 20, 23, 26, 34, 45, 43, 38,
                                  20, 23, 29, 36, 40, 50, 49, 42, 24, 28, 36, 38, 43, 49, 51, 46,
                                  34, 38, 42, 45, 49, 53, 53, 48, 41, 46, 47, 48, 51, 48, 49, 48};
constexpr quint16 ChromaAt50[64] = {9,  9,  12, 24, 50, 50, 50, 50, 9,  11, 13, 33, 50, 50, 50, 50,
                                    12, 13, 28, 50, 50, 50, 50, 50, 24, 33, 50, 50, 50, 50, 50, 50,
                                    50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50,
                                    50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};

// How many bits' worth one unit of squared error costs in a flat block: the trellis's one
// calibrated constant. A block's own variance divides it down, offset by structural
// similarity's C2 = (0.03 × 255)², so a flat block keeps its few coefficients and a busy one
// gives up the ones its texture hides.
// At other qualities it scales with the inverse square of the steps, as the error a step
// leaves does.
constexpr float ErrorWeightAt50 = 17.0f;
constexpr float SimilarityOffset = 58.5f;

// Baseline JPEG codes AC values up to 10 bits and DC values (differences aside) to 11.
constexpr int MaxAc = 1023;
constexpr int MaxDc = 2047;

JpegQuantiser::Table scaled(const quint16 (&at50)[64], int quality)
{
    quality = std::clamp(quality, 1, 100);
    const int percent = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    JpegQuantiser::Table table;
    for (int i = 0; i < 64; ++i)
        table[i] = quint16(std::clamp((at50[i] * percent + 50) / 100, 1, 255));
    return table;
}

// Four floats (or ints) the compiler keeps in one SSE or NEON register.
using Quad = float __attribute__((vector_size(16)));
using IntQuad = int __attribute__((vector_size(16)));
using ShortQuad = qint16 __attribute__((vector_size(8)));

struct DctMatrix {
    // What turns the factorisation's outputs into the orthonormal DCT's coefficients.
    Quad scale[16];
    DctMatrix()
    {
        const auto factor = [](int k) { return k ? std::cos(k * M_PI / 16) * std::sqrt(2.0) : 1.0; };
        for (int v = 0; v < 8; ++v)
            for (int u = 0; u < 8; ++u)
                scale[v * 2 + u / 4][u % 4] = float(1.0 / (factor(u) * factor(v) * 8.0));
    }
};
const DctMatrix Dct;

// Each channel's share of level-shifted luma, looked up rather than multiplied.
struct LumaTables {
    float red[256], green[256], blue[256];
    LumaTables()
    {
        for (int v = 0; v < 256; ++v) {
            red[v] = 0.299f * float(v) - 128.0f;
            green[v] = 0.587f * float(v);
            blue[v] = 0.114f * float(v);
        }
    }
};
const LumaTables LumaWeights;

int bitSize(int value)
{
    return std::bit_width(unsigned(value));
}

} // namespace

JpegQuantiser::Table JpegQuantiser::lumaTable(int quality)
{
    return scaled(LumaAt50, quality);
}

JpegQuantiser::Table JpegQuantiser::chromaTable(int quality)
{
    return scaled(ChromaAt50, quality);
}

void JpegQuantiser::forwardDct(const float samples[64], float coefficients[64])
{
    // Arai, Agui and Nakajima's factorisation (5 multiplications for 8 points), run on four
    // rows or columns at once; its outputs come out scaled, which Dct.scale undoes.
    Quad d[16];
    std::memcpy(d, samples, sizeof d);
    for (int pass = 0; pass < 2; ++pass) {
        for (int half = 0; half < 2; ++half) {
            Quad *v = d + half; // v[2 * i]: row i, four columns
            const Quad t0 = v[0] + v[14], t7 = v[0] - v[14];
            const Quad t1 = v[2] + v[12], t6 = v[2] - v[12];
            const Quad t2 = v[4] + v[10], t5 = v[4] - v[10];
            const Quad t3 = v[6] + v[8], t4 = v[6] - v[8];

            const Quad e10 = t0 + t3, e13 = t0 - t3, e11 = t1 + t2, e12 = t1 - t2;
            v[0] = e10 + e11;
            v[8] = e10 - e11;
            const Quad z1 = (e12 + e13) * 0.707106781f;
            v[4] = e13 + z1;
            v[12] = e13 - z1;

            const Quad o10 = t4 + t5, o11 = t5 + t6, o12 = t6 + t7;
            const Quad z5 = (o10 - o12) * 0.382683433f;
            const Quad z2 = o10 * 0.541196100f + z5;
            const Quad z4 = o12 * 1.306562965f + z5;
            const Quad z3 = o11 * 0.707106781f;
            const Quad z11 = t7 + z3, z13 = t7 - z3;
            v[10] = z13 + z2;
            v[6] = z13 - z2;
            v[2] = z11 + z4;
            v[14] = z11 - z4;
        }
        // Transpose, so the second pass runs along the other direction.
        float flat[64];
        std::memcpy(flat, d, sizeof flat);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                d[x * 2 + y / 4][y % 4] = flat[y * 8 + x];
    }
    for (int i = 0; i < 16; ++i)
        d[i] *= Dct.scale[i];
    std::memcpy(coefficients, d, sizeof d);
}

JpegQuantiser::Steps::Steps(const Table &table)
    : table(table)
{
    for (int i = 0; i < 64; ++i)
        reciprocal[i] = 1.0f / float(table[i]);
}

void JpegQuantiser::round(const float coefficients[64], const Steps &steps, Block &out)
{
    for (int i = 0; i < 64; i += 4) {
        Quad value, reciprocal;
        std::memcpy(&value, coefficients + i, sizeof value);
        std::memcpy(&reciprocal, steps.reciprocal.data() + i, sizeof reciprocal);
        value *= reciprocal;
        // Half away from zero: add ±0.5, then truncate.
        const Quad half = 0.5f + __builtin_convertvector(value < 0, Quad);
        IntQuad nearest = __builtin_convertvector(value + half, IntQuad);
        const IntQuad limit = {i ? MaxAc : MaxDc, MaxAc, MaxAc, MaxAc};
        nearest -= (nearest > limit) & (nearest - limit);
        nearest -= (nearest < -limit) & (nearest + limit);
        const auto narrow = __builtin_convertvector(nearest, ShortQuad);
        std::memcpy(out.data() + i, &narrow, sizeof narrow);
    }
}

void JpegQuantiser::trellis(const float coefficients[64], const Steps &steps, const AcCodeLengths &lengths,
                            float errorWeight, Block &out)
{
    round(coefficients, steps, out);

    // In zigzag order from here on: runs of zeros are counted along it.
    float magnitude[64];
    float variance = 0;
    int nonZero = 0;
    for (int k = 1; k < 64; ++k) {
        magnitude[k] = std::fabs(coefficients[Zigzag[k]]);
        variance += magnitude[k] * magnitude[k];
        nonZero += out[Zigzag[k]] != 0;
    }
    if (nonZero == 0)
        return;
    const float lambda = errorWeight / (variance / 64 + SimilarityOffset);

    // zeroed[k]: the error of setting coefficients 1..k to zero.
    float zeroed[64];
    zeroed[0] = 0;
    for (int k = 1; k < 64; ++k)
        zeroed[k] = zeroed[k - 1] + lambda * magnitude[k] * magnitude[k];

    // Only positions that round to a non-zero value can end a run. best[k] is the cheapest
    // coding of 1..k that keeps a value at k, reached from previous[k]; start[i] is kept[i]'s
    // best less the error of zeroing up to it, so a run's cost is start + zeroed + bits.
    int kept[64];
    float start[64];
    int keptCount = 1;
    kept[0] = 0;
    start[0] = 0;
    float best[64];
    int previous[64];
    int value[64];
    for (int k = 1; k < 64; ++k) {
        const int nearest = std::abs(out[Zigzag[k]]);
        if (nearest == 0)
            continue;
        const float step = steps.table[Zigzag[k]];
        float bestCost = INFINITY;
        int searchedSize = 0;
        float runCost = 0;
        int runFrom = 0;
        for (int candidate = nearest; candidate >= std::max(1, nearest - 1); --candidate) {
            const int size = bitSize(candidate);
            // The cheapest way to arrive here depends on the value's size only: both
            // candidates usually share it.
            if (size != searchedSize) {
                searchedSize = size;
                runCost = INFINITY;
                for (int i = 0; i < keptCount; ++i) {
                    const int run = k - kept[i] - 1;
                    const float cost = start[i] + float((run >> 4) * lengths[0xF0] + lengths[((run & 15) << 4) | size]);
                    if (cost < runCost) {
                        runCost = cost;
                        runFrom = kept[i];
                    }
                }
            }
            const float error = magnitude[k] - float(candidate) * step;
            const float cost = runCost + lambda * error * error + float(size);
            if (cost < bestCost) {
                bestCost = cost;
                previous[k] = runFrom;
                value[k] = candidate;
            }
        }
        best[k] = bestCost + zeroed[k - 1];
        kept[keptCount] = k;
        start[keptCount++] = best[k] - zeroed[k];
    }

    float bestTotal = INFINITY;
    int last = 0;
    for (int i = 0; i < keptCount; ++i) {
        const int k = kept[i];
        const float total = start[i] + zeroed[63] + (k < 63 ? lengths[0x00] : 0);
        if (total < bestTotal) {
            bestTotal = total;
            last = k;
        }
    }
    for (int k = 1; k < 64; ++k)
        out[Zigzag[k]] = 0;
    for (int k = last; k > 0; k = previous[k])
        out[Zigzag[k]] = qint16(coefficients[Zigzag[k]] < 0 ? -value[k] : value[k]);
}

JpegQuantiser::Planes::Planes(const QImage &image, int quality, const AcCodeLengths &lumaLengths)
    : m_image(image)
    , m_grey(image.format() == QImage::Format_Grayscale8)
    , m_bytesPerPixel(m_grey ? 1 : (image.format() == QImage::Format_RGB888 ? 3 : 4))
    , m_red(0)
    , m_green(1)
    , m_blue(2)
    , m_lumaBlocks((image.width() + 7) / 8)
    , m_luma(lumaTable(quality))
    , m_chroma(chromaTable(quality))
    , m_lengths(lumaLengths)
{
    const float at50 = float(std::accumulate(std::begin(LumaAt50), std::end(LumaAt50), 0));
    const float steps = float(std::accumulate(m_luma.table.begin(), m_luma.table.end(), 0));
    m_errorWeight = ErrorWeightAt50 * (at50 / steps) * (at50 / steps);
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
        // 0xAARRGGBB words: their byte order in memory follows the machine's.
        const bool little = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
        m_red = little ? 2 : 1;
        m_green = little ? 1 : 2;
        m_blue = little ? 0 : 3;
    }
}

int JpegQuantiser::Planes::bandCount() const
{
    const int rows = m_grey ? 8 : 16;
    return (m_image.height() + rows - 1) / rows;
}

void JpegQuantiser::Planes::quantiseBand(int band, Block *const luma[2], Block *cb, Block *cr) const
{
    const int width = m_image.width();
    const int height = m_image.height();
    const int bandRows = m_grey ? 8 : 16;
    // Whole MCUs: 16 pixels across for colour, so the chroma blocks have all their samples.
    const int paddedWidth = m_grey ? m_lumaBlocks * 8 : chromaBlocksPerRow() * 16;
    const int n = m_bytesPerPixel;

    // One band of level-shifted luma, and of chroma averaged over 2 × 2 pixels.
    std::vector<float> y(size_t(paddedWidth) * bandRows);
    std::vector<float> blue, red;
    const auto line = [&](int row) { return m_image.constScanLine(std::min(height - 1, band * bandRows + row)); };
    if (m_grey) {
        for (int row = 0; row < bandRows; ++row) {
            const uchar *pixels = line(row);
            float *out = &y[size_t(row) * paddedWidth];
            for (int x = 0; x < paddedWidth; ++x)
                out[x] = float(pixels[std::min(width - 1, x)]) - 128.0f;
        }
    } else {
        const int half = paddedWidth / 2;
        blue.resize(size_t(half) * 8);
        red.resize(blue.size());
        // Whole pairs of columns inside the picture need no clamping of x.
        const int inside = width / 2;
        for (int pair = 0; pair < 8; ++pair) {
            const uchar *const lines[2] = {line(pair * 2), line(pair * 2 + 1)};
            for (int column = 0; column < half; ++column) {
                int r = 0, g = 0, b = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) {
                        const int x = column * 2 + dx;
                        const uchar *pixel = lines[dy] + (column < inside ? x : std::min(width - 1, x)) * n;
                        const int red = pixel[m_red], green = pixel[m_green], blueValue = pixel[m_blue];
                        y[size_t(pair * 2 + dy) * paddedWidth + x] =
                            LumaWeights.red[red] + LumaWeights.green[green] + LumaWeights.blue[blueValue];
                        r += red;
                        g += green;
                        b += blueValue;
                    }
                blue[size_t(pair) * half + column] = 0.25f * (-0.168736f * r - 0.331264f * g + 0.5f * b);
                red[size_t(pair) * half + column] = 0.25f * (0.5f * r - 0.418688f * g - 0.081312f * b);
            }
        }
    }

    float samples[64];
    float coefficients[64];
    for (int blockRow = 0; blockRow < bandRows / 8; ++blockRow)
        for (int bx = 0; bx < m_lumaBlocks; ++bx) {
            for (int r = 0; r < 8; ++r)
                std::copy_n(&y[size_t(blockRow * 8 + r) * paddedWidth + bx * 8], 8, &samples[r * 8]);
            forwardDct(samples, coefficients);
            trellis(coefficients, m_luma, m_lengths, m_errorWeight, luma[blockRow][bx]);
        }
    if (m_grey)
        return;
    for (int c = 0; c < 2; ++c) {
        const std::vector<float> &plane = c ? red : blue;
        Block *out = c ? cr : cb;
        for (int bx = 0; bx < chromaBlocksPerRow(); ++bx) {
            for (int r = 0; r < 8; ++r)
                std::copy_n(&plane[size_t(r) * (paddedWidth / 2) + bx * 8], 8, &samples[r * 8]);
            forwardDct(samples, coefficients);
            round(coefficients, m_chroma, out[bx]);
        }
    }
}

} // namespace imageio
