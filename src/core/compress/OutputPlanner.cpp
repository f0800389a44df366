// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputPlanner.h"

#include <QDir>
#include <QFileInfo>

namespace compress {

OutputPlanner::OutputPlanner(const QStringList &sources)
{
    for (const QString &source : sources)
        m_sources.insert(normalised(source));
}

QString OutputPlanner::normalised(const QString &path)
{
    const QFileInfo info(path);
    // A link to a photo of the job is that photo: writing through either name would replace it.
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName());
}

bool OutputPlanner::taken(const QString &candidate, bool mustBeNew) const
{
    const QString key = normalised(candidate);
    return m_claimed.contains(key) || m_sources.contains(key) || (mustBeNew && QFileInfo::exists(candidate));
}

QString OutputPlanner::plan(const QString &sourcePath, const QString &outputFolder, const QString &relativeFolder,
                            bool newJpeg)
{
    const QFileInfo source(sourcePath);
    const bool inPlace = outputFolder.isEmpty();
    if (inPlace && !newJpeg) {
        m_claimed.insert(normalised(sourcePath));
        return sourcePath;
    }
    QString folder = inPlace ? source.path() : outputFolder;
    if (!inPlace && !relativeFolder.isEmpty())
        folder += QLatin1Char('/') + relativeFolder;
    const QString base = source.completeBaseName();
    const QString suffix = newJpeg ? QStringLiteral("jpg") : source.suffix();
    const QString dot = suffix.isEmpty() ? QString() : QStringLiteral(".") + suffix;
    // Beside the source only new names are taken: the user's other files live there.
    const bool mustBeNew = inPlace || normalised(folder) == normalised(source.path());
    QString candidate = folder + QLatin1Char('/') + (newJpeg ? base + dot : source.fileName());
    for (int n = 2; taken(candidate, mustBeNew); ++n)
        candidate = folder + QLatin1Char('/') + base + QStringLiteral(" (%1)").arg(n) + dot;
    m_claimed.insert(normalised(candidate));
    return candidate;
}

} // namespace compress
