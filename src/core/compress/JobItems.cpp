#include "JobItems.h"

#include <QDir>
#include <QFileInfo>

namespace compress {

bool listFolder(const QString &folder, QList<JobItem> *out, QString *error)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        if (error)
            *error = QStringLiteral("%1 is not a folder").arg(folder);
        return false;
    }
    QDir dir(folder);
    if (!dir.isReadable()) {
        if (error)
            *error = QStringLiteral("cannot read the folder %1").arg(folder);
        return false;
    }
    // Sorted by name so a job over the same folder always runs in the same order.
    const QStringList names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                            QDir::Name);
    const QString base = folder.endsWith(QLatin1Char('/')) && folder.size() > 1 ? folder.chopped(1) : folder;
    for (const QString &name : names)
        out->append({base + QLatin1Char('/') + name, name.startsWith(QLatin1Char('.'))});
    return true;
}

bool expandJobItems(CompressionJobKind kind, const QStringList &items, QList<JobItem> *out, QString *error)
{
    out->clear();
    switch (kind) {
    case CompressionJobKind::Folder:
        if (items.isEmpty()) {
            if (error)
                *error = QStringLiteral("no folder given");
            return false;
        }
        return listFolder(items.first(), out, error);
    case CompressionJobKind::Files:
    case CompressionJobKind::Import:
        for (const QString &path : items)
            out->append({path, false});
        return true;
    case CompressionJobKind::Resize:
        for (const QString &path : items)
            out->append({path, path.startsWith(QLatin1Char('.'))});
        return true;
    }
    return false;
}

} // namespace compress
