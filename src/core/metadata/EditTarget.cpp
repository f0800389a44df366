// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditTarget.h"

#include "sources/LocalImport.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(EditTarget)
};

LocalFileResolver defaultResolver(const EditTarget &target)
{
    if (target.capabilities.readsInPlace)
        return [](const PhotoItem &item, QString *) { return item.filePath; };
    return [folder = target.workingFolder](const PhotoItem &item, QString *why) {
        const QString copy = folder + QLatin1Char('/') + item.fileName;
        if (QFileInfo::exists(copy))
            return copy;
        *why = Text::tr("not yet copied from the camera into the Working folder");
        return QString();
    };
}

} // namespace

QList<EditSource> selectedSources(const EditTarget &target)
{
    QList<int> indices = target.selection;
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());

    const LocalFileResolver resolve = target.resolve ? target.resolve : defaultResolver(target);
    QList<EditSource> sources;
    for (int index : indices) {
        if (index < 0 || index >= target.items.size())
            continue;
        const PhotoItem &item = target.items.at(index);
        EditSource source;
        source.index = index;
        source.fileName = item.fileName;
        source.filePath = item.filePath;
        source.sourcePath = resolve(item, &source.unavailable);
        sources.append(source);
    }
    return sources;
}

QString outputPathFor(const EditTarget &target, const QString &prefix, const QString &fileName)
{
    return target.workingFolder + QLatin1Char('/') + prefix + fileName;
}

EditTarget EditTarget::forFiles(const QStringList &paths, const QString &workingFolder)
{
    EditTarget target;
    target.items = localimport::itemsFromPaths(paths);
    for (int i = 0; i < target.items.size(); ++i)
        target.selection.append(i);
    target.workingFolder = workingFolder;
    return target;
}
