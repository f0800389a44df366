// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small helpers for the editor's tests (core, command line and window). Header-only
// so each test executable can include it without another library.

#include "TestSupport.h"

#include "metadata/EditTarget.h"
#include "sources/LocalImport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <QVariantMap>

namespace editortest {

inline EditTarget localTarget(const QStringList &paths, const QList<int> &selection, const QString &folder)
{
    EditTarget target;
    target.items = localimport::itemsFromPaths(paths);
    target.selection = selection;
    target.workingFolder = folder;
    return target;
}

// exiftool is the independent reader of what the program writes, and makes the fixtures.
inline void requireExiftool()
{
    QVERIFY2(testsupport::hasProgram("exiftool"), "exiftool is needed (scripts/install-deps installs it)");
}

// The running data row's name, fit for a file name.
inline QString rowName() { return QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'); }

inline QByteArray bytesOf(const QString &path) { return testsupport::readFile(path); }
using testsupport::writeFile;

inline bool setModified(const QString &path, const QDateTime &date)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(date, QFileDevice::FileModificationTime);
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// exiftool's metadata tags of a photo ("Group:Tag" -> value), without the groups that
// describe the file rather than its metadata.
inline QVariantMap metadataTags(const QString &path)
{
    QVariantMap tags = testsupport::exiftoolTags(path);
    tags.removeIf([](QVariantMap::iterator it) {
        const QString group = it.key().section(':', 0, 0);
        static const QStringList metadata{"IFD0", "ExifIFD", "InteropIFD", "GPS", "IPTC"};
        return !metadata.contains(group) && !group.startsWith("XMP-");
    });
    return tags;
}

// The tags without those of `groups`, each a whole group or one "Group:Tag".
inline QVariantMap withoutGroups(QVariantMap tags, const QStringList &groups)
{
    tags.removeIf([&groups](QVariantMap::iterator it) {
        return groups.contains(it.key()) || groups.contains(it.key().section(':', 0, 0));
    });
    return tags;
}

inline QString tag(const QString &path, const QString &key)
{
    return testsupport::exiftoolTags(path).value(key).toString();
}

// The tags of `expected` ("Group:Tag" -> value; null: absent) that `tags` holds otherwise, as
// "key: value; ...", empty when there are none. Numbers match within 1e-9: positions go
// through degrees, minutes and seconds, equal to far below a millimetre.
inline QString tagsDiffering(const QVariantMap &tags, const QVariantMap &expected)
{
    QStringList differing;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QVariant got = tags.value(it.key()), want = it.value();
        const bool list = want.typeId() == QMetaType::QStringList || want.typeId() == QMetaType::QVariantList;
        const bool same = want.typeId() == QMetaType::Double ? qAbs(got.toDouble() - want.toDouble()) < 1e-9
                          : list                              ? got.toStringList() == want.toStringList()
                                                              : got.toString() == want.toString();
        if (!same)
            differing << it.key() + ": " + (list ? got.toStringList().join(", ") : got.toString());
    }
    return differing.join("; ");
}

inline QString tagsDiffering(const QString &path, const QVariantMap &expected)
{
    return tagsDiffering(testsupport::exiftoolTags(path), expected);
}

// A JPEG with Exif, TIFF, GPS, IPTC and XMP metadata.
inline QStringList richMetadataArgs()
{
    return {"-IFD0:Make=Canon", "-IFD0:Model=EOS 5D", "-IFD0:Artist=Ada Lovelace", "-IFD0:Copyright=(c) Ada",
            "-IFD0:ImageDescription=Harbour at dawn", "-IFD0:ModifyDate=2019:07:15 08:00:00",
            "-ExifIFD:DateTimeOriginal=2019:07:14 10:20:30", "-ExifIFD:CreateDate=2019:07:14 10:20:31",
            "-ExifIFD:ExposureTime=0.01", "-ExifIFD:FNumber=8", "-ExifIFD:ISO=200", "-ExifIFD:UserComment=Sunny",
            "-GPSLatitude=48.8584", "-GPSLatitudeRef=N", "-GPSLongitude=2.2945", "-GPSLongitudeRef=E",
            "-GPSAltitude=35", "-GPSAltitudeRef=0", "-IPTC:Keywords=harbour", "-IPTC:Keywords=boats",
            "-IPTC:Caption-Abstract=Boats", "-XMP-dc:Title=Harbour"};
}

} // namespace editortest
