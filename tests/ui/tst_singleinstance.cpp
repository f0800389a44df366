// SPDX-License-Identifier: GPL-3.0-or-later
// One process per user: a second start hands its files to the first, which treats them
// as a drop.
#include "CompressionHarness.h"

#include "app/SingleInstance.h"
#include "windows/PreferenceWindow.h"

#include <QCheckBox>
#include <QProcess>
#include <QUuid>

class TestSingleInstance : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    Photos m_photos;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toUtf8());
        m_photos.make(m_home.filePath(QStringLiteral("generated")));
    }

    // The real program started a second time with photos: they reach the running window
    // and are compressed there; the second process ends at once. A relative name is the
    // second start's, read in its own working folder.
    void secondProgramStartCompressesInTheFirstWindow()
    {
        const QString suffix = QUuid::createUuid().toString(QUuid::WithoutBraces);
        qputenv("GLIMMERSET_INSTANCE", suffix.toUtf8());
        SingleInstance first;
        QVERIFY(!first.handOffOrListen({}));
        Harness h;
        h.launch(Harness::KeepingOriginals);
        connect(&first, &SingleInstance::filesReceived, h.delegate.get(), &CompressionController::openFilesFromAnotherStart);
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);

        const QStringList inputs = h.copies({m_photos.landscape, m_photos.upright}, QStringLiteral("opened"));
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("GLIMMERSET_INSTANCE"), suffix);
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(QFileInfo(inputs.first()).absolutePath());
        second.start(QStringLiteral(GLIMMERSET_GUI), {QFileInfo(inputs.first()).fileName(), inputs.last()});
        // The first answers from its event loop, so wait by spinning it.
        QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(finished.count() > 0 || finished.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 2);
        QCOMPARE(h.delegate->dragPhotoArray().first().originalPath(), inputs.first());
        qunsetenv("GLIMMERSET_INSTANCE");
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
