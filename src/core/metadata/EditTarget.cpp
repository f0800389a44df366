#include "EditTarget.h"

#include "sources/LocalImport.h"

#include <algorithm>

QList<EditSource> selectedSources(const EditTarget &target)
{
    QList<int> indices = target.selection;
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());

    QList<EditSource> sources;
    for (int index : indices) {
        if (index < 0 || index >= target.items.size())
            continue;
        const IKImageItem &item = target.items.at(index);
        EditSource source;
        source.index = index;
        source.fileName = item.fileName;
        source.filePath = item.filePath;
        source.sourcePath = target.blocalMode ? item.filePath
                                              : target.workingFolder + QLatin1Char('/') + item.fileName;
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
    target.blocalMode = true;
    target.workingFolder = workingFolder;
    return target;
}
