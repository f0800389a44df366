// SPDX-License-Identifier: GPL-3.0-or-later
// The layer on real photos of many makes: what it reads agrees with exiftool, and every
// edit (adding a position or an artist, removing a group, a new date) keeps every other
// tag, maker notes included, and the pixels. Runs when the shared
// corpus is present (GLIMMERSET_CORPUS).

#include "TestSupport.h"

#include "imageio/ImageProperties.h"
#include "imageio/ImageSource.h"
#include "imageio/MetadataRewrite.h"
#include "metadata/PlistExchange.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace imageio;
using namespace testsupport;

namespace {

QString corpusDir() { return qEnvironmentVariable("GLIMMERSET_CORPUS"); }

QStringList corpusFiles()
{
    QStringList files;
    QDirIterator it(corpusDir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.contains("/video/") && !path.endsWith(".tsv") && !path.endsWith(".md"))
            files << path;
    }
    files.sort();
    return files;
}

QString text(const QVariant &v)
{
    if (v.typeId() == QMetaType::QVariantList || v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char('|'));
    return v.toString().trimmed();
}

// ImageMagick's signature of every frame, for many files in one run.
QHash<QString, QString> pixelSignatures(const QStringList &files)
{
    const QByteArray text = run("/usr/bin/identify", QStringList{"-quiet", "-format", "%i\t%#\n"} + files);
    QHash<QString, QString> out;
    for (const QString &line : QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts)) {
        // A file it cannot decode gets an empty line or none, depending on the files before it.
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab > 0 && tab + 1 < line.size())
            out[line.left(tab)] += line.mid(tab + 1) + ' ';
    }
    return out;
}

// What the oracles say of each file: exiftool's tags (-G0:1), its warnings, the pixels.
struct Seen {
    QHash<QString, QVariantMap> tags;
    QHash<QString, QStringList> warnings;
    QHash<QString, QString> pixels;
};

Seen look(const QStringList &files)
{
    Seen seen;
    // One process per slice keeps each well inside run()'s time limit.
    for (qsizetype at = 0; at < files.size(); at += 20) {
        const QStringList slice = files.mid(at, 20);
        seen.tags.insert(exiftoolTags(slice, "-G0:1"));
        seen.warnings.insert(validationWarnings(slice));
        seen.pixels.insert(pixelSignatures(slice));
    }
    return seen;
}

// Tags that describe the file, not the metadata stored in it, or that exiftool derives.
bool isVolatile(const QString &key)
{
    static const QRegularExpression file("^(File|Composite|ExifTool):|^SourceFile$|Offsets?$");
    return file.match(key).hasMatch();
}

// What reading cannot match, each seen on a corpus file. Anything not listed is a failure.
bool isKnownDifference(const QString &path, const QString &tag)
{
    return QFileInfo(path).fileName() == "samplefilehub.heif" && tag == "Orientation";
}

struct Operation {
    const char *name;
    QVariantMap overlay;
    QStringList removedPrefixes; // "Family0:Family1:" key prefixes the edit removes or changes
    QStringList mustBeGone;
    // Read as before even where removedPrefixes allows a change: what describes the
    // photo's own pixels, which no import takes from the donor.
    QStringList kept = {};
};

// What an import of `kind` lays over every photo, from the export of a camera photo
// with a position: most of its Exif, IFD0 and GPS fields.
QVariantMap importedFrom(plistexchange::Kind kind, const char *donorFile)
{
    const auto donor = imageSourceFromFile(QDir(corpusDir()).filePath(donorFile));
    if (!donor)
        return {};
    QString error;
    QVariantMap overlay = plistexchange::importOverlay(kind, plistexchange::exportRoot(kind, donor->properties()), &error)
                              .value_or(QVariantMap{});
    // Readers tell maker notes apart by the camera's name, so an import keeps the photo's own.
    QVariantMap tiff = overlay.value(keys::TiffGroup).toMap();
    tiff.remove(keys::TiffMake);
    tiff.remove(keys::TiffModel);
    if (overlay.contains(keys::TiffGroup))
        overlay.insert(keys::TiffGroup, tiff);
    return overlay;
}

QList<Operation> operations()
{
    // PrintIM sits in the maker note of some cameras; one in IFD0 would stay (the layer checks that).
    // XMP's copies of Exif go with it: exif: (its GPS fields are the GPS group's), exifEX:, aux:, tiff:.
    const QStringList exif{"EXIF:ExifIFD:", "EXIF:InteropIFD:", "MakerNotes:", "PrintIM:",
                           "XMP:XMP-exif:", "XMP:XMP-exifEX:", "XMP:XMP-aux:", "XMP:XMP-tiff:"};
    const QStringList gps{"EXIF:GPS:", "XMP:XMP-exif:GPS", "XMP:XMP-iptcExt:LocationCreated",
                          "XMP:XMP-iptcExt:LocationShown"};
    const QStringList iptc{"IPTC:", "Photoshop:IPTCDigest", "XMP:XMP-iptcCore:", "XMP:XMP-iptcExt:",
                           "XMP:XMP-photoshop:", "XMP:XMP-dc:Creator", "XMP:XMP-dc:Rights", "XMP:XMP-dc:Subject",
                           "XMP:XMP-dc:Description", "XMP:XMP-dc:Title",
                           "XMP:XMP-x:"}; // a packet left empty goes, with its toolkit name
    const QStringList exifGone{"EXIF:ExifIFD:", "MakerNotes:", "XMP:XMP-aux:", "XMP:XMP-tiff:", "XMP:XMP-exifEX:"};
    // Only the coordinates leave an IPTC Extension location.
    const QStringList gpsGone{"EXIF:GPS:", "XMP:XMP-exif:GPS", "XMP:XMP-iptcExt:LocationCreatedGPS",
                              "XMP:XMP-iptcExt:LocationShownGPS"};
    const QStringList iptcGone{"IPTC:", "XMP:XMP-iptcCore:", "XMP:XMP-dc:Subject"};
    const QVariant removed;
    const QString exifKey = keys::ExifGroup, gpsKey = keys::GpsGroup, iptcKey = keys::IptcGroup;
    // Edits that add tags: every maker note, thumbnail and other tag reads as before.
    const QVariantMap position{{keys::GpsLatitude, 33.8688}, {keys::GpsLatitudeRef, "S"},
                               {keys::GpsLongitude, 151.2093}, {keys::GpsLongitudeRef, "E"},
                               {keys::GpsAltitude, 5.0}, {keys::GpsAltitudeRef, 1}};
    const QVariantMap described{{keys::TiffArtist, "Ada"}, {keys::TiffCopyright, "(c) Ada"},
                                {keys::TiffImageDescription, "Boats"}};
    // An import may set any Exif, IFD0 or GPS field and their twins, and nothing else.
    const QStringList imported{"EXIF:IFD0:", "EXIF:ExifIFD:", "EXIF:GPS:", "EXIF:InteropIFD:",
                               "XMP:", "IPTC:", "Photoshop:IPTCDigest", "RIFF:WebP_Flags"};
    const QStringList ownPixels{"EXIF:IFD0:Orientation", "EXIF:IFD0:XResolution", "EXIF:IFD0:YResolution",
                                "EXIF:IFD0:ResolutionUnit", "EXIF:IFD0:Make", "EXIF:IFD0:Model",
                                "EXIF:ExifIFD:ExifImageWidth", "EXIF:ExifIFD:ExifImageHeight"};
    return {
        // An Exif 2.21 donor on newer photos, and a 2.31 one (lens, time zone) on older ones.
        {"ImportWhole", importedFrom(plistexchange::Kind::Whole, "camera/Apple_iPhone_4.jpg"), imported, {}, ownPixels},
        {"ImportExifAndTiff", importedFrom(plistexchange::Kind::ExifAndTiff, "metadata/iPhone_XR_1x1_issue508.jpg"),
         imported, {}, ownPixels},
        {"NewGPS", {{gpsKey, position}}, {"EXIF:GPS:", "XMP:XMP-exif:GPS", "RIFF:WebP_Flags"}, {}},
        // LensModel is an Exif 2.3 tag: older photos' Exif version rises with it.
        {"Described",
         {{keys::TiffGroup, described}, {exifKey, QVariantMap{{keys::ExifLensModel, "Holga 60mm"}}},
          {iptcKey, QVariantMap{{keys::IptcKeywords, QStringList{"harbour", "boats"}}}}},
         {"EXIF:IFD0:Artist", "EXIF:IFD0:Copyright", "EXIF:IFD0:ImageDescription", "EXIF:ExifIFD:LensModel",
          "EXIF:ExifIFD:ExifVersion", "IPTC:", "Photoshop:IPTCDigest", "XMP:XMP-dc:", "RIFF:WebP_Flags"},
         {}},
        {"NoExif", {{exifKey, removed}}, exif, exifGone},
        {"NoGPS", {{gpsKey, removed}}, gps, gpsGone},
        {"NoIPTC", {{iptcKey, removed}}, iptc, iptcGone},
        {"NoAll", {{exifKey, removed}, {gpsKey, removed}, {iptcKey, removed}}, exif + gps + iptc,
         exifGone + gpsGone + iptcGone},
        {"Dated",
         {{exifKey, QVariantMap{{keys::ExifDateTimeOriginal, "2001:02:03 04:05:06"}}}},
         // A WebP that gains an Exif chunk announces it in its header flags; IPTC and XMP dates
         // that held the capture moment move with it (and IPTC's digest no longer describes it).
         {"EXIF:ExifIFD:DateTimeOriginal", "RIFF:WebP_Flags", "IPTC:DateCreated", "IPTC:TimeCreated",
          "Photoshop:IPTCDigest", "XMP:XMP-exif:DateTimeOriginal", "XMP:XMP-photoshop:DateCreated",
          "XMP:XMP-xmp:CreateDate"},
         {}},
    };
}

} // namespace

class CorpusImageIoTest : public QObject
{
    Q_OBJECT

    QStringList m_files;
    Seen m_before; // of every corpus file

private Q_SLOTS:
    void initTestCase()
    {
        if (corpusDir().isEmpty() || !QFileInfo(corpusDir()).isDir())
            QSKIP("no photo corpus here");
        m_files = corpusFiles();
        m_before = look(m_files);
        QVERIFY(m_files.size() > 50);
    }

    void readingAgreesWithExiftool()
    {
        int readable = 0, fields = 0, agreeing = 0;
        QStringList disagreements;
        for (const QString &path : std::as_const(m_files)) {
            const auto source = imageSourceFromFile(path);
            if (!source)
                continue;
            ++readable;
            const QVariantMap props = source->properties();
            const auto ours = [&props](const char *group, const char *key) {
                return group ? props.value(group).toMap().value(key) : props.value(key);
            };
            const QVariantMap tags = m_before.tags.value(path);

            auto check = [&](const QString &field, const QString &mine, const QString &theirs) {
                ++fields;
                if (mine == theirs)
                    ++agreeing;
                else if (!isKnownDifference(path, field))
                    disagreements << QStringLiteral("%1 %2: ours '%3' exiftool '%4'")
                                         .arg(QFileInfo(path).fileName(), field, mine.left(60), theirs.left(60));
            };
            check("Make", text(ours(keys::TiffGroup, keys::TiffMake)), text(tags.value("EXIF:IFD0:Make")));
            check("Model", text(ours(keys::TiffGroup, keys::TiffModel)), text(tags.value("EXIF:IFD0:Model")));
            check("DateTimeOriginal", text(ours(keys::ExifGroup, keys::ExifDateTimeOriginal)),
                  text(tags.value("EXIF:ExifIFD:DateTimeOriginal")));
            check("Orientation", text(ours(nullptr, keys::Orientation)),
                  text(tags.value("EXIF:IFD0:Orientation")));
            check("Keywords", text(ours(keys::IptcGroup, keys::IptcKeywords)),
                  text(tags.value("IPTC:Keywords")));
            for (const char *key : {keys::GpsLatitude, keys::GpsLongitude}) {
                const QVariant theirs = tags.value(QString("EXIF:GPS:GPS") + key);
                const QVariant mine = ours(keys::GpsGroup, key);
                const bool same = theirs.isValid() == mine.isValid()
                    && (!mine.isValid() || qAbs(mine.toDouble() - theirs.toDouble()) < 1e-6);
                check(key, same ? "=" : mine.toString(), same ? "=" : theirs.toString());
            }
        }
        qInfo("%d readable files, %d of %d fields agree with exiftool (%.1f%%)", readable, agreeing, fields,
              fields ? 100.0 * agreeing / fields : 0.0);
        for (const QString &d : std::as_const(disagreements))
            qInfo("%s", qPrintable(d));
        QVERIFY(readable > 50);
        QVERIFY2(disagreements.isEmpty(), "reading disagrees with exiftool");
    }

    // Each edit on every photo it can write: exiftool validates the copy with no warning the
    // source did not have, reads every tag the edit did not remove as before, and the pixels
    // are the same.
    void editsKeepEverythingElse_data()
    {
        QTest::addColumn<int>("operation");
        const QList<Operation> ops = operations();
        for (int i = 0; i < ops.size(); ++i)
            QTest::newRow(ops.at(i).name) << i;
    }

    void editsKeepEverythingElse()
    {
        QFETCH(int, operation);
        const Operation op = operations().at(operation);
        QVERIFY(!op.overlay.isEmpty());
        QTemporaryDir dir;
        QStringList sources, copies;
        QStringList problems;
        // Removals read photos as the removal command does, without parsing XMP.
        const auto reading = QByteArray(op.name).startsWith("No") ? ImageSource::Reading::WithoutXmp
                                                                   : ImageSource::Reading::Everything;
        for (const QString &path : std::as_const(m_files)) {
            const auto source = ImageSource::create(readFile(path), nullptr, reading);
            if (!source)
                continue;
            const QString out = dir.filePath(QString("%1_%2_%3").arg(op.name).arg(sources.size())
                                                 .arg(QFileInfo(path).fileName()));
            const RewriteResult result = rewriteMetadata(*source, out, op.overlay);
            if (!result.ok()) {
                // Only containers we cannot write, a BMP given values (it holds none) and damaged
                // files may fail; either way with a reason and nothing left behind.
                QVERIFY(!result.error.isEmpty());
                const bool refused = result.status == RewriteResult::Refused;
                const bool setsValues = op.mustBeGone.isEmpty();
                const bool sound = source->type() == filetypes::Heic
                    || (((source->type() == filetypes::Bmp && setsValues) || path.contains("/broken/")) && refused);
                if (!sound)
                    problems << QFileInfo(path).fileName() + ": " + result.error;
                QVERIFY(!QFile::exists(out));
                continue;
            }
            sources << path;
            copies << out;
        }
        const Seen after = look(copies);
        static const QRegularExpression furtherPage("^EXIF:IFD[1-9][0-9]*:");
        auto removedByEdit = [&](const QString &path, QString key) {
            // A TIFF's further pages take the descriptive tags the edit gives its first.
            if (path.endsWith(".tif", Qt::CaseInsensitive) || path.endsWith(".tiff", Qt::CaseInsensitive))
                key.replace(furtherPage, "EXIF:IFD0:");
            if (op.kept.contains(key))
                return false;
            for (const QString &prefix : op.removedPrefixes)
                if (key.startsWith(prefix))
                    return true;
            return false;
        };
        for (int i = 0; i < sources.size(); ++i) {
            const QString name = QFileInfo(sources.at(i)).fileName();
            const QVariantMap before = m_before.tags.value(sources.at(i));
            const QVariantMap tags = after.tags.value(copies.at(i));
            for (auto it = before.begin(); it != before.end(); ++it) {
                if (isVolatile(it.key()) || removedByEdit(sources.at(i), it.key()))
                    continue;
                // A re-serialised XMP packet holds no empty text: an empty property said nothing.
                const bool emptyXmpGone = it.key().startsWith("XMP:") && it.value().toString().isEmpty()
                    && !tags.contains(it.key());
                if (tags.value(it.key()) != it.value() && !emptyXmpGone)
                    problems << QString("%1: %2 was '%3' is '%4'")
                                    .arg(name, it.key(), it.value().toString().left(40),
                                         tags.value(it.key()).toString().left(40));
            }
            for (auto it = tags.begin(); it != tags.end(); ++it)
                for (const QString &prefix : op.mustBeGone)
                    if (it.key().startsWith(prefix))
                        problems << name + ": still has " + it.key();
            const QStringList known = m_before.warnings.value(sources.at(i));
            for (const QString &w : after.warnings.value(copies.at(i)))
                if (!known.contains(w))
                    problems << name + ": new warning " + w;
            if (after.pixels.value(copies.at(i)) != m_before.pixels.value(sources.at(i)))
                problems << name + ": pixels changed";
        }
        qInfo("%s: %lld photos written", op.name, qlonglong(sources.size()));
        for (const QString &p : std::as_const(problems))
            qInfo("%s", qPrintable(p));
        QVERIFY(sources.size() > 50);
        QVERIFY2(problems.isEmpty(), "an edit changed what it should have kept");
    }
};

QTEST_GUILESS_MAIN(CorpusImageIoTest)
#include "tst_corpus_imageio.moc"
