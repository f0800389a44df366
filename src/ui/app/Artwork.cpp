#include "Artwork.h"

#include <QDebug>
#include <QFile>
#include <QPixmapCache>

namespace artwork {

static QString resourcePath(const QString &name)
{
    return QStringLiteral(":/artwork/") + name;
}

bool exists(const QString &name)
{
    return QFile::exists(resourcePath(name));
}

QPixmap pixmap(const QString &name)
{
    const QString key = QStringLiteral("artwork:") + name;
    QPixmap pm;
    if (QPixmapCache::find(key, &pm))
        return pm;
    if (!pm.load(resourcePath(name))) {
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

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/icon/glimmerset.png"));
}

} // namespace artwork
