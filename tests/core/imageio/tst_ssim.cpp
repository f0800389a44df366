// SPDX-License-Identifier: GPL-3.0-or-later
// The SSIM the benchmarks and the compare view share, against a plain per-pixel
// evaluation of the same definition (a full 11 × 11 window in double precision), on
// pictures tall enough to cross the bands the module works in.
#include "imageio/Ssim.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {

double oracle(const QImage &a, const QImage &b)
{
    const int w = a.width(), h = a.height();
    const auto luma = [](QRgb p) { return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p); };
    double k[11], total = 0;
    for (int i = 0; i < 11; ++i)
        total += k[i] = std::exp(-double((i - 5) * (i - 5)) / (2 * 1.5 * 1.5));
    const double c1 = 6.5025, c2 = 58.5225;
    double sum = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double mx = 0, my = 0, xx = 0, yy = 0, xy = 0;
            for (int j = -5; j <= 5; ++j) {
                for (int i = -5; i <= 5; ++i) {
                    const double weight = k[i + 5] * k[j + 5] / (total * total);
                    const int px = std::clamp(x + i, 0, w - 1), py = std::clamp(y + j, 0, h - 1);
                    const double u = luma(a.pixel(px, py)), v = luma(b.pixel(px, py));
                    mx += weight * u;
                    my += weight * v;
                    xx += weight * u * u;
                    yy += weight * v * v;
                    xy += weight * u * v;
                }
            }
            sum += ((2 * mx * my + c1) * (2 * (xy - mx * my) + c2))
                / ((mx * mx + my * my + c1) * (xx - mx * mx + yy - my * my + c2));
        }
    }
    return sum / (double(w) * h);
}

QImage noise(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256))));
    return image;
}

} // namespace

class TestSsim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void againstThePlainDefinition_data()
    {
        QTest::addColumn<QImage>("a");
        QTest::addColumn<QImage>("b");
        const QImage n = noise(37, 150, 1);
        QImage mixed = n;
        for (int y = 0; y < mixed.height(); y += 3)
            for (int x = 0; x < mixed.width(); ++x)
                mixed.setPixel(x, y, qRgb(128, 128, 128));
        QTest::newRow("same pixels") << n << n;
        QTest::newRow("unrelated noise") << n << noise(37, 150, 2);
        QTest::newRow("every third row grey") << n << mixed;
        const QImage smooth
            = noise(4, 20, 7).scaled(24, 131, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QTest::newRow("smooth, blurred") << smooth << smooth.scaled(12, 65).scaled(24, 131);
        QTest::newRow("one pixel") << noise(1, 1, 3) << noise(1, 1, 4);
        QTest::newRow("one column") << noise(1, 90, 5) << noise(1, 90, 6);
    }
    void againstThePlainDefinition()
    {
        QFETCH(QImage, a);
        QFETCH(QImage, b);
        const double measured = ssim::meanSsim(a, b), expected = oracle(a, b);
        QVERIFY2(std::abs(measured - expected) < 1e-4,
                 qPrintable(QString("%1 against %2").arg(measured).arg(expected)));
    }

    void differentSizesAreNotMeasured()
    {
        QVERIFY(std::isnan(ssim::meanSsim(noise(10, 10, 1), noise(10, 11, 1))));
        QVERIFY(std::isnan(ssim::meanSsim(QImage(), QImage())));
    }
};

QTEST_GUILESS_MAIN(TestSsim)
#include "tst_ssim.moc"
