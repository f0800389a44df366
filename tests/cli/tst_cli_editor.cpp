// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/metadata/EditorTestKit.h"
#include "CliRun.h"

#include "imageio/FileDates.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using clitest::cli;
using clitest::Run;

class TestCliEditor : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QString m_a;
    QString m_b;

    QString working() const { return m_home.filePath("Pictures/com.Vantoric.tessaloupe"); }

private Q_SLOTS:
    void initTestCase()
    {
        requireExiftool();
        // The program, started from here, finds its Working folder and time zone in these.
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("TZ", "Europe/Berlin");
        QDir().mkpath(m_home.filePath("photos"));
        m_a = testsupport::makeJpeg(m_home.filePath("photos/a.jpg"), 40, 30, richMetadataArgs());
        m_b = testsupport::makeJpeg(m_home.filePath("photos/b.jpg"), 40, 30,
                                    {"-ExifIFD:DateTimeOriginal=2020:05:05 05:05:05",
                                     "-ExifIFD:CreateDate=2020:05:05 05:05:05"});
    }

    // Each verb, its options mapped onto the core command; "mtime" is the copy's file date.
    void verbsWriteTheirCopies_data()
    {
        QTest::addColumn<QStringList>("args"); // A, B: the photos; INTO: a folder of the row's own
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QVariantMap>("expected"); // exiftool tag -> value; null: gone
        const QVariant gone;
        QTest::newRow("strip --exif") << QStringList{"strip", "--exif", "A", "--into", "INTO"} << "NoExif_a.jpg"
                                      << QVariantMap{{"ExifIFD:DateTimeOriginal", gone}, {"IFD0:Make", "Canon"}};
        QTest::newRow("strip --gps") << QStringList{"strip", "--gps", "A", "--into", "INTO"} << "NoGPS_a.jpg"
                                     << QVariantMap{{"GPS:GPSLatitude", gone}, {"IPTC:Keywords", QStringList{"harbour", "boats"}}};
        QTest::newRow("strip --iptc") << QStringList{"strip", "--iptc", "A", "--into", "INTO"} << "NoIPTC_a.jpg"
                                      << QVariantMap{{"IPTC:Keywords", gone}, {"GPS:GPSLatitudeRef", "N"}};
        QTest::newRow("strip --exif-gps") << QStringList{"strip", "--exif-gps", "A", "--into", "INTO"} << "NoExifAndGPS_a.jpg"
                                          << QVariantMap{{"GPS:GPSLatitude", gone}, {"ExifIFD:ISO", gone}, {"IFD0:Make", "Canon"}};
        QTest::newRow("dates --shift") << QStringList{"dates", "B", "--shift", "-0:1:0:1:0:0", "--into", "INTO"} << "b.jpg"
                                       << QVariantMap{{"ExifIFD:DateTimeOriginal", "2020:04:05 04:05:05"}};
        QTest::newRow("dates --set") << QStringList{"dates", "B", "--set", "2001-02-03 04:05:06", "--into", "INTO"} << "b.jpg"
                                     << QVariantMap{{"IFD0:ModifyDate", "2001:02:03 04:05:06"}, {"mtime", "2001-02-03T04:05:06"}};
        // The reference photo a.jpg was taken at 2019:07:14 10:20:30 / 10:20:31.
        QTest::newRow("dates --reference")
            << QStringList{"dates", "B", "--reference", "A", "--to", "2019:07:14 12:20:30", "2019:07:14 10:20:41", "--into", "INTO"}
            << "b.jpg" << QVariantMap{{"ExifIFD:DateTimeOriginal", "2020:05:05 07:05:05"}, {"ExifIFD:CreateDate", "2020:05:05 05:05:15"}};
        QTest::newRow("file-dates") << QStringList{"file-dates", "B", "--into", "INTO"} << "NewDate_b.jpg"
                                    << QVariantMap{{"mtime", "2020-05-05T05:05:05"}};
        // Without --into: the Working folder.
        QTest::newRow("gps") << QStringList{"gps", "--lat", "-33.8688", "--lon", "151.2093", "--alt", "-5", "B"} << "NewGPS_b.jpg"
                             << QVariantMap{{"GPS:GPSLatitudeRef", "S"}, {"GPS:GPSAltitudeRef", "1"}};
        QTest::newRow("apply") << QStringList{"apply", "--artist", "Ada", "--keywords", "harbour, boats", "B", "--into", "INTO"}
                               << "After_b.jpg" << QVariantMap{{"IFD0:Artist", "Ada"}, {"IPTC:Keywords", QStringList{"harbour", "boats"}}};
    }

    void verbsWriteTheirCopies()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, copy);
        QFETCH(QVariantMap, expected);
        const QString into = m_home.filePath("into/" + rowName());
        const QString path = (args.contains("INTO") ? into : working()) + '/' + copy;
        args.replaceInStrings(QRegularExpression("^A$"), m_a);
        args.replaceInStrings(QRegularExpression("^B$"), m_b);
        args.replaceInStrings(QRegularExpression("^INTO$"), into);
        const QByteArray sourceBytes = bytesOf(m_a) + bytesOf(m_b);
        const Run run = cli(args);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines(), QStringList{path});
        QCOMPARE(bytesOf(m_a) + bytesOf(m_b), sourceBytes);
        const QVariant mtime = expected.take("mtime");
        if (mtime.isValid()) {
            QDateTime local = QDateTime::fromString(mtime.toString(), Qt::ISODate);
            local.setTimeZone(QTimeZone(QByteArray("Europe/Berlin")));
            QCOMPARE(filedates::modificationDate(path).toSecsSinceEpoch(), local.toSecsSinceEpoch());
        }
        QCOMPARE(tagsDiffering(path, expected), QString());
    }

    void failuresAreNamedAndFailTheRun()
    {
        const QString text = m_home.filePath("photos/readme.jpg");
        QVERIFY(writeFile(text, "text"));
        const QString into = m_home.filePath("elsewhere");
        const Run run = cli({"strip", "--gps", text, m_b, "--into", into});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.lines(), QStringList{into + "/NoGPS_b.jpg"});
        QVERIFY2(run.err.contains(text), qPrintable(run.err));
        QCOMPARE(filesIn(into), QStringList{"NoGPS_b.jpg"});
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("strip without group") << QStringList{"strip", "x.jpg"};
        QTest::newRow("strip with two groups") << QStringList{"strip", "--gps", "--exif", "x.jpg"};
        QTest::newRow("dates with two modes") << QStringList{"dates", "x.jpg", "--set", "2020:01:01 00:00:00", "--shift", "0:0:0:1:0:0"};
        QTest::newRow("negative shift field") << QStringList{"dates", "x.jpg", "--shift", "0:-1:0:0:0:0"};
        QTest::newRow("--set no such day or hour") << QStringList{"dates", "x.jpg", "--set", "2013:02:30 25:00:00"};
        QTest::newRow("gps latitude 123") << QStringList{"gps", "--lat", "123", "--lon", "0", "--alt", "0", "x.jpg"};
        QTest::newRow("apply letters as longitude") << QStringList{"apply", "--lat", "1", "--lon", "east", "x.jpg"};
        QTest::newRow("reference without --to") << QStringList{"dates", "x.jpg", "--reference", "y.jpg"};
        QTest::newRow("gps without altitude") << QStringList{"gps", "--lat", "1", "--lon", "0", "x.jpg"};
        QTest::newRow("apply with nothing") << QStringList{"apply", "x.jpg"};
        QTest::newRow("export two kinds") << QStringList{"export", "--exif", "--tiff", "x.jpg"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run run = cli(args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.lines().isEmpty());
        QVERIFY(!run.err.isEmpty());
    }

    void exportAndImport()
    {
        const QString into = m_home.filePath("plists");
        Run run = cli({"export", "--tiff", m_a, "--into", into});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines(), QStringList{into + "/a_Tiff.plist"});
        run = cli({"import", "--tiff", run.lines().first(), m_b, "--into", into});
        QCOMPARE(run.status, 0);
        QCOMPARE(tag(into + "/After_b.jpg", "IFD0:Artist"), "Ada Lovelace");

        run = cli({"export", "--template", "--make", "Leica", "--keywords", "a, b", "--into", into});
        QCOMPARE(run.status, 0);
        const QString plist = into + "/templatefile.plist";
        QCOMPARE(run.lines(), QStringList{plist});
        // The template keeps the keywords as the one text typed.
        QVERIFY(bytesOf(plist).contains("<key>Keywords</key>\n\t<string>a, b</string>"));
        QVERIFY(bytesOf(plist).contains("<key>LensMake</key>\n\t<string>Leica</string>"));
        // A second export never replaces the first.
        run = cli({"export", "--template", "--make", "Zeiss", "--into", into});
        QCOMPARE(run.lines(), QStringList{into + "/templatefile (2).plist"});
        QVERIFY(bytesOf(plist).contains("Leica"));

        const QString refused = m_home.filePath("refused");
        run = cli({"import", "--template", m_a, m_b, "--into", refused});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("not a property list"), qPrintable(run.err));
        QVERIFY(filesIn(refused).isEmpty());
    }

    // info: one JSON object of every readable photo's groups; an unreadable file is named on
    // the error output and fails the run.
    void infoPrintsGroupsAsNestedObjects()
    {
        const QString photo = testsupport::testData("gps_htc_desire.jpg");
        const QString bad = m_home.filePath("photos/bad.jpg");
        QVERIFY(writeFile(bad, "nope"));
        Run run = cli({"info", bad, photo});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(bad), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        const QJsonObject all = QJsonDocument::fromJson(run.text.toUtf8()).object();
        QCOMPARE(all.keys(), QStringList{photo});
        const QJsonObject entry = all.value(photo).toObject();
        QCOMPARE(entry.value("Type").toString(), "public.jpeg");
        const auto group = [&entry](const char *name) { return entry.value(QLatin1String(name)).toObject(); };
        QCOMPARE(group("{TIFF}").value("Make").toString(), "HTC");
        QVERIFY(group("{GPS}").value("Latitude").toDouble() > 45.5);
        QCOMPARE(cli({"info", photo}).status, 0);
        QCOMPARE(cli({"info"}).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestCliEditor)
#include "tst_cli_editor.moc"
