// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-ssim [--stored] REFERENCE IMAGE...: prints the mean SSIM of each IMAGE against
// REFERENCE on the luma channel (Gaussian window 11, sigma 1.5, the usual constants), one
// line each ("nan" when the sizes differ). Both are shown upright (Exif orientation
// applied) before comparing, so a tool that turns the pixels and one that keeps the tag
// are judged alike; --stored compares the stored pixels instead, for outputs that lost
// the tag without turning anything.

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

std::vector<float> luma(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<float> y(size_t(rgb.width()) * size_t(rgb.height()));
    for (int row = 0; row < rgb.height(); ++row) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(row));
        for (int x = 0; x < rgb.width(); ++x)
            y[size_t(row) * size_t(rgb.width()) + size_t(x)]
                = 0.299f * float(qRed(line[x])) + 0.587f * float(qGreen(line[x])) + 0.114f * float(qBlue(line[x]));
    }
    return y;
}

// Separable Gaussian blur, edges clamped (the clamping only near the borders).
std::vector<float> blur(const std::vector<float> &in, int w, int h)
{
    const auto at = [](const float *row, int x, int n) { return row[std::clamp(x, 0, n - 1)]; };
    static const std::vector<float> kernel = [] {
        std::vector<float> k(11);
        float sum = 0;
        for (int i = 0; i < 11; ++i)
            sum += k[size_t(i)] = std::exp(-float((i - 5) * (i - 5)) / (2 * 1.5f * 1.5f));
        for (float &v : k)
            v /= sum;
        return k;
    }();
    std::vector<float> tmp(in.size()), out(in.size());
    for (int y = 0; y < h; ++y) {
        const float *row = in.data() + size_t(y) * size_t(w);
        float *dst = tmp.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            float s = 0;
            if (x >= 5 && x + 5 < w)
                for (int i = -5; i <= 5; ++i)
                    s += kernel[size_t(i + 5)] * row[x + i];
            else
                for (int i = -5; i <= 5; ++i)
                    s += kernel[size_t(i + 5)] * at(row, x + i, w);
            dst[x] = s;
        }
    }
    // Vertical pass row by row, so memory is read in order.
    for (int y = 0; y < h; ++y) {
        float *dst = out.data() + size_t(y) * size_t(w);
        std::fill(dst, dst + w, 0.0f);
        for (int i = -5; i <= 5; ++i) {
            const float k = kernel[size_t(i + 5)];
            const float *src = tmp.data() + size_t(std::clamp(y + i, 0, h - 1)) * size_t(w);
            for (int x = 0; x < w; ++x)
                dst[x] += k * src[x];
        }
    }
    return out;
}

double ssim(const QImage &a, const QImage &b)
{
    const int w = a.width();
    const int h = a.height();
    const std::vector<float> x = luma(a);
    const std::vector<float> y = luma(b);
    std::vector<float> xx(x.size()), yy(x.size()), xy(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        xx[i] = x[i] * x[i];
        yy[i] = y[i] * y[i];
        xy[i] = x[i] * y[i];
    }
    const std::vector<float> mx = blur(x, w, h), my = blur(y, w, h);
    const std::vector<float> sxx = blur(xx, w, h), syy = blur(yy, w, h), sxy = blur(xy, w, h);
    const double c1 = (0.01 * 255) * (0.01 * 255);
    const double c2 = (0.03 * 255) * (0.03 * 255);
    double sum = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const double vx = sxx[i] - double(mx[i]) * mx[i];
        const double vy = syy[i] - double(my[i]) * my[i];
        const double cov = sxy[i] - double(mx[i]) * my[i];
        sum += ((2 * double(mx[i]) * my[i] + c1) * (2 * cov + c2))
            / ((double(mx[i]) * mx[i] + double(my[i]) * my[i] + c1) * (vx + vy + c2));
    }
    return sum / double(x.size());
}

QImage load(const QString &path, bool upright)
{
    QImageReader reader(path);
    reader.setAutoTransform(upright);
    reader.setAllocationLimit(2048);
    return reader.read();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool upright = !args.removeOne(QStringLiteral("--stored"));
    QTextStream out(stdout);
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: glimmerset-ssim REFERENCE IMAGE...\n";
        return 2;
    }
    const QImage reference = load(args.first(), upright);
    if (reference.isNull()) {
        QTextStream(stderr) << "cannot read " << args.first() << '\n';
        return 1;
    }
    for (const QString &path : args.mid(1)) {
        const QImage image = load(path, upright);
        if (image.size() != reference.size()) {
            out << "nan " << path << '\n';
            continue;
        }
        out << QString::number(ssim(reference, image), 'f', 5) << ' ' << path << '\n';
    }
    return 0;
}
