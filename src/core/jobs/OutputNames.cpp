// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputNames.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString numbered(const QString &path, int n)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    QString name = QStringLiteral("%1 (%2)").arg(info.completeBaseName()).arg(n);
    if (!suffix.isEmpty())
        name += QLatin1Char('.') + suffix;
    return info.path() + QLatin1Char('/') + name;
}

} // namespace

OutputNames::OutputNames(const QStringList &sourcePaths)
{
    for (const QString &path : sourcePaths)
        if (!path.isEmpty())
            m_sources.insert(samePath(path));
}

QString OutputNames::samePath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName());
}

QString OutputNames::claim(const QString &wanted, bool mayReplaceExisting)
{
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? wanted : numbered(wanted, n);
        const QString key = samePath(candidate);
        if (m_sources.contains(key) || m_claimed.contains(key))
            continue;
        const QFileInfo existing(candidate);
        // A dangling link is taken too: writing there would follow it.
        if (!mayReplaceExisting && (existing.exists() || existing.isSymLink()))
            continue;
        m_claimed.insert(key);
        return candidate;
    }
}
