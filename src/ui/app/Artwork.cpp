// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

#include "Palette.h"

#include <QAbstractButton>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace artwork {

static QString resourcePath(const QString &name)
{
    return QStringLiteral(":/artwork/") + name;
}

bool exists(const QString &name)
{
    return QFile::exists(resourcePath(name));
}

QString recolouredSvg(const QString &svg, const QPalette &target)
{
    // The artwork is drawn for a light window with dark ink. Its greys are placed on the
    // ramp from the target's window colour to its text colour at the same distance they
    // had from white to the light ink; coloured parts (accents, savings) stay as drawn.
    const QColor window = target.color(QPalette::Window);
    const QColor ink = target.color(QPalette::WindowText);
    const qreal lightInk = QColor(0x1F, 0x24, 0x30).lightnessF();
    static const QRegularExpression hex(QStringLiteral("#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})\\b"));
    QString out;
    qsizetype last = 0;
    auto it = hex.globalMatch(svg);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QColor c = QColor::fromString(m.captured(0));
        // Chroma, not HSL saturation: near-white tints count as greys.
        const float chroma = qMax(c.redF(), qMax(c.greenF(), c.blueF())) - qMin(c.redF(), qMin(c.greenF(), c.blueF()));
        if (c.isValid() && chroma < 0.2f) {
            const qreal t = qBound(0.0, (1.0 - c.lightnessF()) / (1.0 - lightInk), 1.0);
            c = QColor::fromRgbF(float(window.redF() + (ink.redF() - window.redF()) * t),
                                 float(window.greenF() + (ink.greenF() - window.greenF()) * t),
                                 float(window.blueF() + (ink.blueF() - window.blueF()) * t));
        }
        out += QStringView(svg).mid(last, m.capturedStart() - last);
        out += c.name();
        last = m.capturedEnd();
    }
    out += QStringView(svg).mid(last);
    return out;
}

// Draws the SVG source of `name` in the application palette's colours, at twice its size.
static QPixmap drawnInPalette(const QString &name)
{
    QString base = name;
    base.replace(QRegularExpression(QStringLiteral("\\.png$")), QStringLiteral(".svg"));
    QFile file(QStringLiteral(":/artwork-svg/") + base);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSvgRenderer renderer(recolouredSvg(QString::fromUtf8(file.readAll()), QGuiApplication::palette()).toUtf8());
    if (!renderer.isValid())
        return {};
    const QSize size = (renderer.viewBoxF().size() * 2).toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap pixmap(const QString &name)
{
    // The built PNGs are the light drawing; a dark palette draws the source again.
    const bool dark = palette::isDark();
    const QString key = QStringLiteral("artwork:") + name
                        + (dark ? QGuiApplication::palette().color(QPalette::Window).name() : QString());
    QPixmap pm;
    if (QPixmapCache::find(key, &pm))
        return pm;
    if (dark)
        pm = drawnInPalette(name);
    if (pm.isNull() && !pm.load(resourcePath(name))) {
        qWarning() << "missing artwork" << name;
        return {};
    }
    pm.setDevicePixelRatio(2.0);
    QPixmapCache::insert(key, pm);
    return pm;
}

QSize size(const QString &name)
{
    return pixmap(name).deviceIndependentSize().toSize();
}

QIcon icon(const QString &name)
{
    QIcon result;
    result.addPixmap(pixmap(name));
    return result;
}

namespace {

const char kIconProperty[] = "artworkIcon";

class IconRefresher : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
            if (auto *button = qobject_cast<QAbstractButton *>(watched))
                button->setIcon(icon(button->property(kIconProperty).toString()));
        }
        return false;
    }
};

} // namespace

void setIcon(QAbstractButton *button, const QString &name)
{
    static IconRefresher refresher;
    const bool watched = button->property(kIconProperty).isValid();
    button->setProperty(kIconProperty, name);
    button->setIcon(icon(name));
    if (!watched)
        button->installEventFilter(&refresher);
}

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/icon/glimmerset.png"));
}

} // namespace artwork
