// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrashReplace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace compress {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TrashReplace)
};

// The Trash keeps "files/<name>" beside "info/<name>.trashinfo".
QString trashInfoFor(const QString &pathInTrash)
{
    const QFileInfo entry(pathInTrash);
    return QDir::cleanPath(entry.absolutePath() + QStringLiteral("/../info/") + entry.fileName()
                           + QStringLiteral(".trashinfo"));
}

// A freedesktop.org Trash: ~/.local/share/Trash, or $topdir/.Trash/$uid, $topdir/.Trash-$uid.
bool isInTrash(const QString &pathInTrash)
{
    const QFileInfo entry(pathInTrash);
    if (!entry.isAbsolute())
        return false;
    const QDir files = entry.absoluteDir();
    if (files.dirName() != QLatin1String("files"))
        return false;
    const QString trash = QFileInfo(files.absolutePath()).absolutePath();
    const QString name = QFileInfo(trash).fileName();
    const QString parent = QFileInfo(QFileInfo(trash).absolutePath()).fileName();
    return name == QLatin1String("Trash") || name.startsWith(QLatin1String(".Trash-"))
        || parent == QLatin1String(".Trash");
}

// The Trash keeps "<name>.trashinfo" beside the file, and Qt adds "-<n>" to a name
// already taken there. A file system allows 255 bytes to a name; past that Qt retries
// for ever.
constexpr qsizetype kLongestTrashName = 255 - qsizetype(sizeof(".trashinfo") - 1) - qsizetype(sizeof("-99999") - 1);

// Whether the photo lives on the home Trash's file system. Asked after Qt gave up: on
// another file system without a Trash of its own, Qt tries to move the photo into the
// home Trash, which the system refuses ("Invalid cross-device link").
bool sharesHomeDisk(const QString &path, const QString &dataHome)
{
    return QStorageInfo(QFileInfo(path).absolutePath()) == QStorageInfo(dataHome);
}

} // namespace

QString noTrashHere()
{
    return Text::tr("cannot move the original to the Trash: this disk has no Trash");
}

bool replaceThroughTrash(const QString &path, const std::function<bool(QString *error)> &write, QString *error)
{
    // The home Trash lives in the data folder; Qt does not create that folder itself.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        QDir().mkpath(dataHome);
    const qsizetype nameBytes = QFile::encodeName(QFileInfo(path).fileName()).size();
    if (nameBytes > kLongestTrashName) {
        if (error)
            *error = Text::tr("cannot move the original to the Trash: its name is %1 bytes long, the Trash takes "
                              "names up to %2 bytes")
                         .arg(nameBytes)
                         .arg(kLongestTrashName);
        return false;
    }
    QFile original(path);
    if (!original.moveToTrash()) {
        if (error)
            *error = !dataHome.isEmpty() && !sharesHomeDisk(path, dataHome)
                ? noTrashHere()
                : Text::tr("cannot move the original to the Trash: %1").arg(original.errorString());
        return false;
    }
    const QString inTrash = original.fileName();
    // Qt 6.4 reports success even when it found no Trash and moved the file into "files/"
    // below the working folder: only a real Trash counts.
    if (!isInTrash(inTrash)) {
        QFile::rename(inTrash, path);
        QFile::remove(trashInfoFor(inTrash));
        if (error)
            *error = noTrashHere();
        return false;
    }
    QString reason;
    if (write(&reason))
        return true;
    // The result never arrived: the original goes back where it was, as if nothing happened.
    if (QFile::rename(inTrash, path))
        QFile::remove(trashInfoFor(inTrash));
    else
        reason += Text::tr(" (the original is in the Trash: %1)").arg(inTrash);
    if (error)
        *error = reason;
    return false;
}

} // namespace compress
