// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-ssim [--stored] REFERENCE IMAGE...: prints the mean SSIM of each IMAGE against
// REFERENCE (src/core/imageio/Ssim.h, the compare view's own measure), one line each
// ("nan" when the sizes differ). Both are shown upright (Exif orientation
// applied) before comparing, so a tool that turns the pixels and one that keeps the tag
// are judged alike; --stored compares the stored pixels instead, for outputs that lost
// the tag without turning anything.

#include "compress/PhotoComparison.h"
#include "compress/PhotoDecoder.h"
#include "imageio/ImageSource.h"
#include "imageio/PhotoFiles.h"
#include "imageio/Ssim.h"

#include <QCoreApplication>
#include <QImage>
#include <QTextStream>

namespace {

// Through the program's own reader, so the numbers match its compare view.
QImage load(const QString &path, bool upright)
{
    if (upright)
        return compress::decodeUpright(path).image;
    QByteArray bytes;
    if (!imageio::readPhotoFile(path, &bytes))
        return {};
    const auto source = imageio::ImageSource::create(std::move(bytes));
    return source ? compress::decodeFirstImage(*source).image : QImage();
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
        out << QString::number(ssim::meanSsim(reference, image), 'f', 5) << ' ' << path << '\n';
    }
    return 0;
}
