// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobItems.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <dirent.h>

namespace compress {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(JobItems)
};

// A name for the report when the bytes are no text: printable ASCII as it is, every
// other byte as \xNN.
QString escapedName(const QByteArray &bytes)
{
    QString name;
    for (const char c : bytes) {
        const auto byte = quint8(c);
        if (byte >= 0x20 && byte < 0x7F)
            name += QLatin1Char(c);
        else
            name += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return name;
}

// The raw names of a folder's entries, without "." and "..". Read through the system
// rather than QDir: a name that is not valid UTF-8 must be seen to be reported.
bool rawNames(const QString &folder, QList<QByteArray> *names)
{
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    while (const dirent *entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names->append(name);
    }
    closedir(dir);
    return true;
}

bool listInto(const QString &folder, const QString &relative, QList<JobItem> *out, QString *error,
              bool includeSubfolders)
{
    QList<QByteArray> names;
    if (!rawNames(folder, &names)) {
        if (error)
            *error = Text::tr("cannot read the folder %1").arg(folder);
        return false;
    }
    // Sorted by name so a job over the same folder always runs in the same order.
    std::sort(names.begin(), names.end(), [](const QByteArray &a, const QByteArray &b) {
        return QString::compare(QFile::decodeName(a), QFile::decodeName(b)) < 0;
    });
    const QString base = folder.endsWith(QLatin1Char('/')) && folder.size() > 1 ? folder.chopped(1) : folder;
    QStringList subfolders;
    for (const QByteArray &raw : std::as_const(names)) {
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) != raw) {
            out->append({base + QLatin1Char('/') + escapedName(raw), false, relative,
                         Text::tr("the file name is not valid UTF-8; rename it to compress it")});
            continue;
        }
        const QString path = base + QLatin1Char('/') + name;
        const bool hidden = name.startsWith(QLatin1Char('.'));
        const QFileInfo info(path);
        // Linked folders are not followed: a link back up would never end.
        if (includeSubfolders && !hidden && info.isDir() && !info.isSymLink()) {
            subfolders << name;
            continue;
        }
        out->append({path, hidden, relative});
    }
    for (const QString &name : std::as_const(subfolders)) {
        const QString path = base + QLatin1Char('/') + name;
        const QString below = relative.isEmpty() ? name : relative + QLatin1Char('/') + name;
        QString reason;
        if (!listInto(path, below, out, &reason, true))
            out->append({path, false, relative, reason});
    }
    return true;
}

} // namespace

bool listFolder(const QString &folder, QList<JobItem> *out, QString *error, bool includeSubfolders)
{
    const QFileInfo info(folder);
    if (!info.isDir()) {
        if (error)
            *error = Text::tr("%1 is not a folder").arg(folder);
        return false;
    }
    return listInto(folder, QString(), out, error, includeSubfolders);
}

bool expandJobItems(CompressionJobKind kind, const QStringList &items, QList<JobItem> *out, QString *error,
                    bool includeSubfolders)
{
    out->clear();
    switch (kind) {
    case CompressionJobKind::Folder:
        if (items.isEmpty()) {
            if (error)
                *error = Text::tr("no folder given");
            return false;
        }
        return listFolder(items.first(), out, error, includeSubfolders);
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
