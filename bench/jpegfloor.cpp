// SPDX-License-Identifier: GPL-3.0-or-later
// glimmerset-jpegfloor [--quality Q] [--jobs N] [--rate-distortion] OUTDIR FILE...: the least
// work a JPEG recompressor can do, as a yardstick. Each photo is decoded and encoded with
// libjpeg-turbo (through the project's thin codec wrapper: baseline, optimised Huffman,
// standard tables) and written under its name into OUTDIR. No metadata, no orientation, no
// atomic write, N photos at a time (default: one per core). With --rate-distortion the
// program's own quantiser chooses the coefficients instead: the encoder alone, before and after.

#include "imageio/JpegCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int quality = 50;
    int jobs = QThread::idealThreadCount();
    auto quantisation = imageio::JpegCodec::Quantisation::Rounded;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--rate-distortion")) {
            quantisation = imageio::JpegCodec::Quantisation::RateDistortion;
            continue;
        }
        if (args.isEmpty())
            break;
        if (option == QLatin1String("--quality"))
            quality = args.takeFirst().toInt();
        else if (option == QLatin1String("--jobs"))
            jobs = args.takeFirst().toInt();
    }
    if (args.size() < 2 || quality < 1 || jobs < 1) {
        QTextStream(stderr) << "usage: glimmerset-jpegfloor [--quality Q] [--jobs N] [--rate-distortion] OUTDIR FILE...\n";
        return 2;
    }
    const QString outDir = args.takeFirst();
    std::atomic_int next{0};
    std::atomic_int failures{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < jobs; ++w) {
        workers.emplace_back([&] {
            for (int i = next++; i < args.size(); i = next++) {
                QFile in(args[i]);
                const QByteArray data = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
                const auto decoded = imageio::JpegCodec::decode(data);
                const QByteArray encoded =
                    decoded.ok() ? imageio::JpegCodec::encode(decoded.image, quality, {}, nullptr, quantisation) : QByteArray();
                QFile out(outDir + QLatin1Char('/') + QFileInfo(args[i]).fileName());
                if (encoded.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(encoded) != encoded.size())
                    ++failures;
            }
        });
    }
    for (std::thread &t : workers)
        t.join();
    return failures > 0 ? 1 : 0;
}
