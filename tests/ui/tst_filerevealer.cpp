// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopFileRevealer.h"
#include "app/FileRevealer.h"
#include "sources/Thumbnailer.h"
#include "widgets/ResultNameCell.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Stands in for the desktop's file manager on a private bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown;
public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        shown += uris;
    }
};

// Catches what would go to the desktop's default handler.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void openUrl(const QUrl &url) { opened.append(url); }
};

class RecordingRevealer : public FileRevealer
{
public:
    QStringList calls;
    void selectFile(const QString &path, const QString &rootPath) override { calls << path << rootPath; }
};

class TestFileRevealer : public QObject
{
    Q_OBJECT
private:
    QProcess m_daemon;
    QString m_address;
    UrlCatcher m_catcher;

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "openUrl");
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return;
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                       QStringLiteral("--print-address=1")});
        if (m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            m_daemon.waitForFinished(3000);
        }
    }

    void asksTheFileManagerOverTheBus()
    {
        if (m_address.isEmpty())
            QFAIL("no dbus-daemon to run a private bus (scripts/install-deps installs dbus)");
        QDBusConnection service = QDBusConnection::connectToBus(m_address, QStringLiteral("fm"));
        QVERIFY(service.isConnected());
        FakeFileManager fm;
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fm,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));

        DesktopFileRevealer revealer(QDBusConnection::connectToBus(m_address, QStringLiteral("client")));
        QSignalSpy revealed(&revealer, &DesktopFileRevealer::revealedWithFileManager);
        const int openedBefore = int(m_catcher.opened.size());
        revealer.selectFile(QStringLiteral("/tmp/some folder/photo 1.jpg"), QStringLiteral("/tmp/some folder"));
        QVERIFY(revealed.wait(5000));
        QCOMPARE(fm.shown, QStringList{QStringLiteral("file:///tmp/some%20folder/photo%201.jpg")});
        QCOMPARE(m_catcher.opened.size(), openedBefore);
        service.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fm"));
    }

    void opensTheFolderWhenNoFileManagerAnswers()
    {
        if (m_address.isEmpty())
            QFAIL("no dbus-daemon to run a private bus (scripts/install-deps installs dbus)");
        DesktopFileRevealer revealer(QDBusConnection::connectToBus(m_address, QStringLiteral("client2")));
        QSignalSpy opened(&revealer, &DesktopFileRevealer::openedFolder);
        revealer.selectFile(QStringLiteral("/tmp/x/a.jpg"), QStringLiteral("/tmp/x"));
        QVERIFY(opened.wait(5000));
        QCOMPARE(m_catcher.opened.last(), QUrl::fromLocalFile(QStringLiteral("/tmp/x")));
    }

    void opensTheFolderWithoutABus()
    {
        DesktopFileRevealer revealer(
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("none")));
        QSignalSpy opened(&revealer, &DesktopFileRevealer::openedFolder);
        revealer.selectFile(QStringLiteral("/tmp/y/b.jpg"), QStringLiteral("/tmp/y"));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(m_catcher.opened.last(), QUrl::fromLocalFile(QStringLiteral("/tmp/y")));
    }

    void rowButtonRevealsTheResult()
    {
        RecordingRevealer recorder;
        FileRevealer::setInstance(&recorder);
        Thumbnailer cache(QSize(88, 88), 1024 * 1024);
        ResultNameCell cell(&cache);
        cell.resize(640, ResultNameCell::RowHeight);
        cell.setCurrentfilePath(QStringLiteral("/home/u/Pictures/Glimmerset/a.jpg"));
        QTest::mouseClick(cell.revealButton(), Qt::LeftButton);
        QCOMPARE(recorder.calls, (QStringList{QStringLiteral("/home/u/Pictures/Glimmerset/a.jpg"),
                                              QStringLiteral("/home/u/Pictures/Glimmerset")}));
        FileRevealer::setInstance(nullptr);
    }
};

QTEST_MAIN(TestFileRevealer)
#include "tst_filerevealer.moc"
