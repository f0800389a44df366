// SPDX-License-Identifier: GPL-3.0-or-later
// Settings, folders and the version probe.

#include "app/AppSettings.h"
#include "app/Folders.h"
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

    // The default Output folder is stored under its key on first use, on disk (every write
    // syncs); a chosen one the user deleted is made again.
    void outputFolderIsStoredAndComesBack()
    {
        AppSettings settings(m_home.filePath(QStringLiteral("first.ini")));
        QVERIFY(!settings.hasPhotoLocation());
        QVERIFY(!settings.keepMetadata());
        QVERIFY(!settings.keepOriginalPhoto());
        const QString folder = folders::prepareOutputFolder(settings);
        QCOMPARE(folder, m_home.path() + QStringLiteral("/Pictures/Glimmerset"));
        QVERIFY(QDir(folder).exists());
        QSettings raw(settings.fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("PhotoLocatoin")).toString(), folder);

        const QString chosen = m_home.filePath(QStringLiteral("deep/er/Out"));
        settings.setPhotoLocation(chosen);
        QCOMPARE(folders::prepareOutputFolder(settings), chosen);
        QVERIFY(QDir(chosen).removeRecursively());
        QCOMPARE(folders::prepareOutputFolder(settings), chosen);
        QVERIFY(QDir(chosen).exists());
    }

    // The stored keys are shared with other programs: each setting under its own name, letter
    // for letter, misspellings included.
    void settingsUnderTheirStoredKeys()
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
        QCOMPARE(raw.value(QStringLiteral("bkeepMetadata")).toBool(), true);
        QCOMPARE(raw.value(QStringLiteral("bkeepOriginalPhoto")).toBool(), true);
        QCOMPARE(raw.value(QStringLiteral("PhotoLibraryPath")).toString(), QStringLiteral("/x/Photos Library.photoslibrary"));
        QCOMPARE(raw.value(QStringLiteral("PhotoLibraryData")).toByteArray(), QByteArray("\x00\x01", 2));
        QCOMPARE(raw.value(QStringLiteral("PhotoLibraryData2")).toByteArray(), QByteArray("bookmark"));
    }

    // Below 10.4 the packed "sysv" answer is the whole version; from 10.4 on the three parts
    // are asked separately. Any failure logs its code and gives 10.0.0.
    void versionProbe_data()
    {
        QTest::addColumn<QVariantMap>("answers"); // selector -> value; absent: the query fails
        QTest::addColumn<QList<quint32>>("expected");
        QTest::newRow("10.3.9 packed") << QVariantMap{{"sysv", 0x1039}} << QList<quint32>{10, 3, 9};
        QTest::newRow("9.2.2 packed") << QVariantMap{{"sysv", 0x0922}} << QList<quint32>{9, 2, 2};
        QTest::newRow("10.14.6 separately") << QVariantMap{{"sysv", 0x1040}, {"sys1", 10}, {"sys2", 14}, {"sys3", 6}}
                                            << QList<quint32>{10, 14, 6};
        QTest::newRow("sysv fails") << QVariantMap{} << QList<quint32>{10, 0, 0};
        QTest::newRow("sys2 fails") << QVariantMap{{"sysv", 0x1100}, {"sys1", 7}, {"sys3", 7}}
                                    << QList<quint32>{10, 0, 0};
    }

    void versionProbe()
    {
        QFETCH(QVariantMap, answers);
        QFETCH(QList<quint32>, expected);
        if (expected == QList<quint32>{10, 0, 0})
            QTest::ignoreMessage(QtWarningMsg, "Unable to obtain system version: -5550");
        const auto v = systemversion::probe([&answers](quint32 sel, qint32 *value) -> qint16 {
            const char name[5] = {char(sel >> 24), char(sel >> 16), char(sel >> 8), char(sel), 0};
            if (!answers.contains(QLatin1String(name)))
                return -5550;
            *value = answers.value(QLatin1String(name)).toInt();
            return 0;
        });
        QCOMPARE((QList<quint32>{v.major, v.minor, v.bugFix}), expected);

        quint32 major = 0;
        getSystemVersionMajor(&major, nullptr, nullptr);
        QVERIFY(major >= 2); // the running kernel's, any this builds on
    }
};

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
