// SPDX-License-Identifier: GPL-3.0-or-later
// Settings, folders and the version probe.

#include "app/AppSettings.h"
#include "app/Folders.h"
#include "app/SettingsKeys.h"
#include "app/SystemVersion.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class AppTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/.config")).toLocal8Bit());
    }

    void firstLaunchStoresAndCreatesOutputFolder()
    {
        AppSettings settings(m_home.filePath(QStringLiteral("first.ini")));
        QVERIFY(!settings.hasPhotoLocation());
        QVERIFY(!settings.keepMetadata());
        QVERIFY(!settings.keepOriginalPhoto());

        const QString folder = folders::prepareOutputFolder(settings);
        QCOMPARE(folder, m_home.path() + QStringLiteral("/Pictures/Glimmerset"));
        QVERIFY(QDir(folder).exists());
        // Stored under its key, and on disk (every write syncs).
        QSettings raw(settings.fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(QLatin1String(settingskeys::photoLocation)).toString(), folder);
    }

    void deletedOutputFolderComesBack()
    {
        AppSettings settings(m_home.filePath(QStringLiteral("deleted.ini")));
        const QString chosen = m_home.filePath(QStringLiteral("deep/er/Out"));
        settings.setPhotoLocation(chosen);
        QCOMPARE(folders::prepareOutputFolder(settings), chosen);
        QVERIFY(QDir(chosen).removeRecursively());
        QCOMPARE(folders::prepareOutputFolder(settings), chosen);
        QVERIFY(QDir(chosen).exists());
    }

    void keysRoundTrip()
    {
        const QString ini = m_home.filePath(QStringLiteral("keys.ini"));
        {
            AppSettings settings(ini);
            settings.setKeepMetadata(true);
            settings.setKeepOriginalPhoto(true);
            settings.setPhotoLibraryPath(QStringLiteral("/x/Photos Library.photoslibrary"));
            settings.setPhotoLibraryData(QByteArray("\x00\x01", 2));
            settings.setPhotoLibraryData2(QByteArray("bookmark"));
        }
        QSettings raw(ini, QSettings::IniFormat);
        QCOMPARE(raw.value(QLatin1String(settingskeys::keepMetadata)).toBool(), true);
        QCOMPARE(raw.value(QLatin1String(settingskeys::keepOriginalPhoto)).toBool(), true);
        QCOMPARE(raw.value(QLatin1String(settingskeys::photoLibraryPath)).toString(), QStringLiteral("/x/Photos Library.photoslibrary"));
        AppSettings again(ini);
        QCOMPARE(again.photoLibraryData(), QByteArray("\x00\x01", 2));
        QCOMPARE(again.photoLibraryData2(), QByteArray("bookmark"));
        QVERIFY(again.keepMetadata());
    }

    void workingFolderFollowsHome()
    {
        QCOMPARE(folders::workingFolder(), m_home.path() + QStringLiteral("/Pictures/com.Vantoric.tessaloupe"));
        QVERIFY(!QDir(folders::workingFolder()).exists());
        QCOMPARE(folders::ensureWorkingFolder(), folders::workingFolder());
        QVERIFY(QDir(folders::workingFolder()).exists());
    }

    void packedVersionDecoding_data()
    {
        QTest::addColumn<quint32>("packed");
        QTest::addColumn<quint32>("major");
        QTest::addColumn<quint32>("minor");
        QTest::addColumn<quint32>("bugFix");
        QTest::newRow("10.3.9") << 0x1039u << 10u << 3u << 9u;
        QTest::newRow("9.2.2") << 0x0922u << 9u << 2u << 2u;
        QTest::newRow("10.0.0") << 0x1000u << 10u << 0u << 0u;
    }

    void packedVersionDecoding()
    {
        QFETCH(quint32, packed);
        QFETCH(quint32, major);
        QFETCH(quint32, minor);
        QFETCH(quint32, bugFix);
        const auto v = systemversion::probe([packed](quint32 sel, qint32 *value) -> qint16 {
            if (sel != systemversion::selector("sysv"))
                return -1; // the packed answer must be enough below 10.4
            *value = qint32(packed);
            return 0;
        });
        QCOMPARE(v.major, major);
        QCOMPARE(v.minor, minor);
        QCOMPARE(v.bugFix, bugFix);
    }

    void separateAnswersFrom1040On()
    {
        QStringList asked;
        const auto v = systemversion::probe([&asked](quint32 sel, qint32 *value) -> qint16 {
            const char name[5] = {char(sel >> 24), char(sel >> 16), char(sel >> 8), char(sel), 0};
            asked << QString::fromLatin1(name);
            const QHash<QString, qint32> answers{{QStringLiteral("sysv"), 0x1040}, {QStringLiteral("sys1"), 10},
                                                 {QStringLiteral("sys2"), 14}, {QStringLiteral("sys3"), 6}};
            *value = answers.value(QString::fromLatin1(name));
            return 0;
        });
        QCOMPARE(asked, (QStringList{QStringLiteral("sysv"), QStringLiteral("sys1"), QStringLiteral("sys2"), QStringLiteral("sys3")}));
        QCOMPARE(v.minor, 14u);
        QCOMPARE(v.bugFix, 6u);
    }

    void failuresGiveTenZeroZero_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::newRow("sysv") << QStringLiteral("sysv");
        QTest::newRow("sys2") << QStringLiteral("sys2");
    }

    void failuresGiveTenZeroZero()
    {
        QFETCH(QString, failing);
        QTest::ignoreMessage(QtWarningMsg, "Unable to obtain system version: -5550");
        const auto v = systemversion::probe([&](quint32 sel, qint32 *value) -> qint16 {
            const char name[5] = {char(sel >> 24), char(sel >> 16), char(sel >> 8), char(sel), 0};
            if (failing == QLatin1String(name))
                return -5550;
            *value = sel == systemversion::selector("sysv") ? 0x1100 : 7;
            return 0;
        });
        QCOMPARE(v.major, 10u);
        QCOMPARE(v.minor, 0u);
        QCOMPARE(v.bugFix, 0u);
    }

    void linuxProbeAnswers()
    {
        quint32 major = 0, bugFix = 0;
        getSystemVersionMajor(&major, nullptr, &bugFix);
        QVERIFY(major >= 2); // any kernel this builds on
    }
};

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
