// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ssim.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace ssim {

namespace {

constexpr int kRadius = 5;
constexpr int kBand = 64; // rows finished per pass; the window reaches kRadius beyond

const std::array<float, 2 * kRadius + 1> &kernel()
{
    static const std::array<float, 2 * kRadius + 1> k = [] {
        std::array<float, 2 * kRadius + 1> weights{};
        float sum = 0;
        for (int i = 0; i < 2 * kRadius + 1; ++i)
            sum += weights[size_t(i)] = std::exp(-float((i - kRadius) * (i - kRadius)) / (2 * 1.5f * 1.5f));
        for (float &w : weights)
            w /= sum;
        return weights;
    }();
    return k;
}

void lumaRow(const QImage &rgb, int row, float *out)
{
    const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(row));
    for (int x = 0; x < rgb.width(); ++x)
        out[x] = 0.299f * float(qRed(line[x])) + 0.587f * float(qGreen(line[x])) + 0.114f * float(qBlue(line[x]));
}

// Horizontal pass of the window over one row, edges clamped.
void blurRow(const float *row, int w, float *out)
{
    const auto &k = kernel();
    for (int x = 0; x < w; ++x) {
        float s = 0;
        if (x >= kRadius && x + kRadius < w) {
            for (int i = -kRadius; i <= kRadius; ++i)
                s += k[size_t(i + kRadius)] * row[x + i];
        } else {
            for (int i = -kRadius; i <= kRadius; ++i)
                s += k[size_t(i + kRadius)] * row[std::clamp(x + i, 0, w - 1)];
        }
        out[x] = s;
    }
}

} // namespace

double meanSsim(const QImage &reference, const QImage &image)
{
    if (reference.isNull() || reference.size() != image.size())
        return std::numeric_limits<double>::quiet_NaN();
    const QImage a = reference.convertToFormat(QImage::Format_RGB32);
    const QImage b = image.convertToFormat(QImage::Format_RGB32);
    const int w = a.width();
    const int h = a.height();
    const auto &k = kernel();
    const double c1 = (0.01 * 255) * (0.01 * 255);
    const double c2 = (0.03 * 255) * (0.03 * 255);

    // Per band: the horizontally blurred x, y, x², y² and xy of the rows the band's
    // vertical window reads, then the vertical pass row by row.
    enum { X, Y, XX, YY, XY, Planes };
    const size_t width = size_t(w);
    std::vector<float> x(width), y(width), product(width);
    std::array<std::vector<float>, Planes> blurred;
    std::array<std::vector<float>, Planes> column;
    for (auto &c : column)
        c.resize(width);
    double sum = 0;
    for (int y0 = 0; y0 < h; y0 += kBand) {
        const int y1 = std::min(h, y0 + kBand);
        const int r0 = std::max(0, y0 - kRadius);
        const int r1 = std::min(h, y1 + kRadius);
        for (auto &p : blurred)
            p.resize(size_t(r1 - r0) * size_t(w));
        for (int row = r0; row < r1; ++row) {
            const size_t at = size_t(row - r0) * size_t(w);
            lumaRow(a, row, x.data());
            lumaRow(b, row, y.data());
            blurRow(x.data(), w, blurred[X].data() + at);
            blurRow(y.data(), w, blurred[Y].data() + at);
            for (int i = 0; i < w; ++i)
                product[size_t(i)] = x[size_t(i)] * x[size_t(i)];
            blurRow(product.data(), w, blurred[XX].data() + at);
            for (int i = 0; i < w; ++i)
                product[size_t(i)] = y[size_t(i)] * y[size_t(i)];
            blurRow(product.data(), w, blurred[YY].data() + at);
            for (int i = 0; i < w; ++i)
                product[size_t(i)] = x[size_t(i)] * y[size_t(i)];
            blurRow(product.data(), w, blurred[XY].data() + at);
        }
        for (int row = y0; row < y1; ++row) {
            for (int p = 0; p < Planes; ++p) {
                float *dst = column[size_t(p)].data();
                std::fill(dst, dst + w, 0.0f);
                for (int i = -kRadius; i <= kRadius; ++i) {
                    const float weight = k[size_t(i + kRadius)];
                    const float *src = blurred[size_t(p)].data() + size_t(std::clamp(row + i, 0, h - 1) - r0) * size_t(w);
                    for (int c = 0; c < w; ++c)
                        dst[c] += weight * src[c];
                }
            }
            for (int c = 0; c < w; ++c) {
                const double mx = column[X][size_t(c)], my = column[Y][size_t(c)];
                const double vx = column[XX][size_t(c)] - mx * mx;
                const double vy = column[YY][size_t(c)] - my * my;
                const double cov = column[XY][size_t(c)] - mx * my;
                sum += ((2 * mx * my + c1) * (2 * cov + c2)) / ((mx * mx + my * my + c1) * (vx + vy + c2));
            }
        }
    }
    return sum / (double(w) * double(h));
}

} // namespace ssim
