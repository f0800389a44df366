// SPDX-License-Identifier: GPL-3.0-or-later
// Settings and folders.

#include "app/AppSettings.h"
#include "app/Folders.h"

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
        qputenv("XDG_CONFIG_HOME", (m_home.path() + "/.config").toLocal8Bit());
    }

    // The default Output folder is stored on first use, on disk (every write syncs); a chosen one
    // the user deleted is made again. The stored keys are shared with other programs: each setting
    // under its own name, letter for letter, misspellings included.
    void settingsUnderTheirStoredKeys()
    {
        AppSettings settings(m_home.filePath("settings.ini"));
        QVERIFY(!settings.hasPhotoLocation());
        QVERIFY(!settings.keepMetadata());
        QVERIFY(!settings.keepOriginalPhoto());
        const QString folder = folders::prepareOutputFolder(settings);
        QCOMPARE(folder, m_home.path() + "/Pictures/Glimmerset");
        QVERIFY(QDir(folder).exists());
        settings.setKeepMetadata(true);
        settings.setKeepOriginalPhoto(true);
        settings.setPhotoLibraryPath("/x/Photos Library.photoslibrary");
        settings.setPhotoLibraryData(QByteArray("\x00\x01", 2));
        settings.setPhotoLibraryData2(QByteArray("bookmark"));
        QSettings raw(settings.fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value("PhotoLocatoin").toString(), folder);
        QCOMPARE(raw.value("bkeepMetadata").toBool(), true);
        QCOMPARE(raw.value("bkeepOriginalPhoto").toBool(), true);
        QCOMPARE(raw.value("PhotoLibraryPath").toString(), "/x/Photos Library.photoslibrary");
        QCOMPARE(raw.value("PhotoLibraryData").toByteArray(), QByteArray("\x00\x01", 2));
        QCOMPARE(raw.value("PhotoLibraryData2").toByteArray(), QByteArray("bookmark"));

        const QString chosen = m_home.filePath("deep/er/Out");
        settings.setPhotoLocation(chosen);
        QCOMPARE(folders::prepareOutputFolder(settings), chosen);
        QVERIFY(QDir(chosen).removeRecursively());
        QCOMPARE(folders::prepareOutputFolder(settings), chosen);
        QVERIFY(QDir(chosen).exists());
    }
};

QTEST_GUILESS_MAIN(AppTest)
#include "tst_app.moc"
