// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/metadata/EditorTestKit.h"

#include "imageio/FileDates.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

class TestCliEditor : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QString m_a;
    QString m_b;

    struct Run {
        int status = -1;
        QStringList out;
        QString err;
    };

    Run cli(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Berlin"));
        p.setProcessEnvironment(env);
        p.start(testsupport::cli(), args);
        p.waitForFinished(60000);
        Run run;
        run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        run.out = QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        run.err = QString::fromLocal8Bit(p.readAllStandardError());
        return run;
    }

    QString working() const { return m_home.filePath(QStringLiteral("Pictures/com.Vantoric.tessaloupe")); }

private Q_SLOTS:
    void initTestCase()
    {
        if (!testsupport::hasProgram(QStringLiteral("exiftool")))
            QFAIL("exiftool is needed as the independent reader (scripts/install-deps installs it)");
        QDir().mkpath(m_home.filePath(QStringLiteral("photos")));
        m_a = testsupport::makeJpeg(m_home.filePath(QStringLiteral("photos/a.jpg")), 40, 30, richMetadataArgs());
        m_b = testsupport::makeJpeg(m_home.filePath(QStringLiteral("photos/b.jpg")), 40, 30,
                                    {QStringLiteral("-ExifIFD:DateTimeOriginal=2020:05:05 05:05:05"),
                                     QStringLiteral("-ExifIFD:CreateDate=2020:05:05 05:05:05")});
    }

    void stripWritesIntoWorkingFolder_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("goneTag");
        QTest::newRow("exif") << "--exif" << "NoExif_" << "ExifIFD:DateTimeOriginal";
        QTest::newRow("gps") << "--gps" << "NoGPS_" << "GPS:GPSLatitude";
        QTest::newRow("iptc") << "--iptc" << "NoIPTC_" << "IPTC:Keywords";
        QTest::newRow("exif-gps") << "--exif-gps" << "NoExifAndGPS_" << "GPS:GPSLatitude";
    }

    void stripWritesIntoWorkingFolder()
    {
        QFETCH(QString, option);
        QFETCH(QString, prefix);
        QFETCH(QString, goneTag);
        const Run run = cli({QStringLiteral("strip"), option, m_a, m_b});
        QCOMPARE(run.status, 0);
        const QStringList expected{working() + QLatin1Char('/') + prefix + QStringLiteral("a.jpg"),
                                   working() + QLatin1Char('/') + prefix + QStringLiteral("b.jpg")};
        QCOMPARE(run.out, expected);
        QVERIFY(!metadataTags(expected.first()).contains(goneTag));
        QVERIFY(metadataTags(m_a).contains(goneTag));
        QCOMPARE(tag(expected.first(), QStringLiteral("IFD0:Make")), QStringLiteral("Canon"));
    }

    void failuresAreNamedAndFailTheRun()
    {
        const QString text = m_home.filePath(QStringLiteral("photos/readme.jpg"));
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("text");
        f.close();
        const QString into = m_home.filePath(QStringLiteral("elsewhere"));
        const Run run = cli({QStringLiteral("strip"), QStringLiteral("--gps"), text, m_b, QStringLiteral("--into"), into});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QStringList{into + QStringLiteral("/NoGPS_b.jpg")});
        QVERIFY2(run.err.contains(text), qPrintable(run.err));
        QCOMPARE(filesIn(into), QStringList{"NoGPS_b.jpg"});
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("strip without group") << QStringList{"strip", "x.jpg"};
        QTest::newRow("strip with two groups") << QStringList{"strip", "--gps", "--exif", "x.jpg"};
        QTest::newRow("strip without files") << QStringList{"strip", "--gps"};
        QTest::newRow("dates without mode") << QStringList{"dates", "x.jpg"};
        QTest::newRow("dates with two modes") << QStringList{"dates", "x.jpg", "--set", "2020:01:01 00:00:00", "--shift", "0:0:0:1:0:0"};
        QTest::newRow("bad shift") << QStringList{"dates", "x.jpg", "--shift", "1:2:3"};
        QTest::newRow("negative shift field") << QStringList{"dates", "x.jpg", "--shift", "0:-1:0:0:0:0"};
        QTest::newRow("--set no such day or hour") << QStringList{"dates", "x.jpg", "--set", "2013:02:30 25:00:00"};
        QTest::newRow("--set words") << QStringList{"dates", "x.jpg", "--set", "hello world"};
        QTest::newRow("reference without --to") << QStringList{"dates", "x.jpg", "--reference", "y.jpg"};
        QTest::newRow("unknown option") << QStringList{"file-dates", "--force", "x.jpg"};
        QTest::newRow("--into without folder") << QStringList{"file-dates", "x.jpg", "--into"};
        QTest::newRow("gps latitude 123") << QStringList{"gps", "--lat", "123", "--lon", "0", "--alt", "0", "x.jpg"};
        QTest::newRow("gps without altitude") << QStringList{"gps", "--lat", "1", "--lon", "0", "x.jpg"};
        QTest::newRow("apply with nothing") << QStringList{"apply", "x.jpg"};
        QTest::newRow("apply letters as longitude") << QStringList{"apply", "--lat", "1", "--lon", "east", "x.jpg"};
        QTest::newRow("export two kinds") << QStringList{"export", "--exif", "--tiff", "x.jpg"};
        QTest::newRow("import without file") << QStringList{"import", "x.jpg", "--exif"};
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        const Run run = cli(args);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
    }

    void datesShiftSetAndReference()
    {
        const QString into = m_home.filePath(QStringLiteral("dates"));
        Run run = cli({QStringLiteral("dates"), m_b, QStringLiteral("--shift"), QStringLiteral("-0:1:0:1:0:0"),
                       QStringLiteral("--into"), into});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringList{into + QStringLiteral("/b.jpg")});
        QCOMPARE(tag(into + QStringLiteral("/b.jpg"), QStringLiteral("ExifIFD:DateTimeOriginal")),
                 QStringLiteral("2020:04:05 04:05:05"));

        run = cli({QStringLiteral("dates"), m_b, QStringLiteral("--set"), QStringLiteral("2001-02-03 04:05:06"),
                   QStringLiteral("--into"), into});
        // The first copy stays; the second goes beside it.
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringList{into + QStringLiteral("/b (2).jpg")});
        QCOMPARE(tag(into + QStringLiteral("/b (2).jpg"), QStringLiteral("IFD0:ModifyDate")), QStringLiteral("2001:02:03 04:05:06"));
        QCOMPARE(filedates::modificationDate(into + QStringLiteral("/b (2).jpg")).toSecsSinceEpoch(),
                 QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), QTimeZone(QByteArray("Europe/Berlin"))).toSecsSinceEpoch());

        // The reference photo a.jpg was taken at 2019:07:14 10:20:30 / 10:20:31.
        run = cli({QStringLiteral("dates"), m_b, QStringLiteral("--reference"), m_a, QStringLiteral("--to"),
                   QStringLiteral("2019:07:14 12:20:30"), QStringLiteral("2019:07:14 10:20:41")});
        QCOMPARE(run.status, 0);
        const QString copy = working() + QStringLiteral("/b.jpg");
        QCOMPARE(run.out, QStringList{copy});
        QCOMPARE(tag(copy, QStringLiteral("ExifIFD:DateTimeOriginal")), QStringLiteral("2020:05:05 07:05:05"));
        QCOMPARE(tag(copy, QStringLiteral("ExifIFD:CreateDate")), QStringLiteral("2020:05:05 05:05:15"));
    }

    void fileDates()
    {
        const Run run = cli({QStringLiteral("file-dates"), m_b});
        QCOMPARE(run.status, 0);
        const QString copy = working() + QStringLiteral("/NewDate_b.jpg");
        QCOMPARE(run.out, QStringList{copy});
        QCOMPARE(bytesOf(copy), bytesOf(m_b));
        QCOMPARE(filedates::modificationDate(copy).toSecsSinceEpoch(),
                 QDateTime(QDate(2020, 5, 5), QTime(5, 5, 5), QTimeZone(QByteArray("Europe/Berlin"))).toSecsSinceEpoch());
    }

    void gpsAndApply()
    {
        Run run = cli({QStringLiteral("gps"), QStringLiteral("--lat"), QStringLiteral("-33.8688"), QStringLiteral("--lon"),
                       QStringLiteral("151.2093"), QStringLiteral("--alt"), QStringLiteral("-5"), m_b});
        QCOMPARE(run.status, 0);
        const QString gps = working() + QStringLiteral("/NewGPS_b.jpg");
        QCOMPARE(run.out, QStringList{gps});
        QCOMPARE(tag(gps, QStringLiteral("GPS:GPSLatitudeRef")), QStringLiteral("S"));
        QCOMPARE(tag(gps, QStringLiteral("GPS:GPSAltitudeRef")), QStringLiteral("1"));

        run = cli({QStringLiteral("apply"), QStringLiteral("--artist"), QStringLiteral("Ada"), QStringLiteral("--keywords"),
                   QStringLiteral("harbour, boats"), m_b});
        QCOMPARE(run.status, 0);
        const QString after = working() + QStringLiteral("/After_b.jpg");
        QCOMPARE(run.out, QStringList{after});
        QCOMPARE(tag(after, QStringLiteral("IFD0:Artist")), QStringLiteral("Ada"));
        QCOMPARE(testsupport::exiftoolTags(after).value(QStringLiteral("IPTC:Keywords")).toStringList(),
                 (QStringList{QStringLiteral("harbour"), QStringLiteral("boats")}));
    }

    void exportAndImport()
    {
        const QString into = m_home.filePath(QStringLiteral("plists"));
        Run run = cli({QStringLiteral("export"), QStringLiteral("--tiff"), m_a, QStringLiteral("--into"), into});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringList{into + QStringLiteral("/a_Tiff.plist")});
        run = cli({QStringLiteral("import"), QStringLiteral("--tiff"), run.out.first(), m_b, QStringLiteral("--into"), into});
        QCOMPARE(run.status, 0);
        QCOMPARE(tag(into + QStringLiteral("/After_b.jpg"), QStringLiteral("IFD0:Artist")), QStringLiteral("Ada Lovelace"));

        run = cli({QStringLiteral("export"), QStringLiteral("--template"), QStringLiteral("--make"), QStringLiteral("Leica"),
                   QStringLiteral("--keywords"), QStringLiteral("a, b"), QStringLiteral("--into"), into});
        QCOMPARE(run.status, 0);
        const QString plist = into + QStringLiteral("/templatefile.plist");
        QCOMPARE(run.out, QStringList{plist});
        // The template keeps the keywords as the one text typed.
        QVERIFY(bytesOf(plist).contains("<key>Keywords</key>\n\t<string>a, b</string>"));
        QVERIFY(bytesOf(plist).contains("<key>LensMake</key>\n\t<string>Leica</string>"));

        // A file that is not a property list is refused, and nothing is written.
        const QString refused = m_home.filePath(QStringLiteral("refused"));
        run = cli({QStringLiteral("import"), QStringLiteral("--template"), m_a, m_b, QStringLiteral("--into"), refused});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(QStringLiteral("not a property list")), qPrintable(run.err));
        QVERIFY(filesIn(refused).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliEditor)
#include "tst_cli_editor.moc"
