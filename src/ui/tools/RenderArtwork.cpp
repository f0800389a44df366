// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders SVG artwork to PNG.
//   glimmerset-render-artwork OUTDIR SCALE FILE.svg...
// Each FILE.svg becomes OUTDIR/FILE.png at SCALE times the SVG's own size.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "usage: glimmerset-render-artwork OUTDIR SCALE FILE.svg...\n";
        return 2;
    }
    const QDir out(args.at(0));
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }
    bool ok = false;
    const double scale = args.at(1).toDouble(&ok);
    if (!ok || scale <= 0) {
        err << "bad scale " << args.at(1) << '\n';
        return 2;
    }
    int failures = 0;
    for (const QString &file : args.mid(2)) {
        QSvgRenderer renderer(file);
        if (!renderer.isValid()) {
            err << "cannot read " << file << '\n';
            ++failures;
            continue;
        }
        const QSizeF size = renderer.viewBoxF().size() * scale;
        QImage image(int(std::lround(size.width())), int(std::lround(size.height())),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
        }
        const QString target = out.filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png"));
        if (!image.save(target, "PNG")) {
            err << "cannot write " << target << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
