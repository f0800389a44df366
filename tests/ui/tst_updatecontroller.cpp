// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressionHarness.h"

#include "LocalHttpServer.h"

#include "app/BuildVersion.h"
#include "update/UpdateController.h"
#include "windows/NoUpdateWindow.h"
#include "windows/UpdateWindow.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>

// A row of the answers table; shown is "update", "none", "alert" or "nothing".
struct AnswerRow { bool asked; LocalHttpServer::Response response; QString shown, text; };
Q_DECLARE_METATYPE(AnswerRow)

class TestUpdateController : public QObject
{
    Q_OBJECT
private:
    Harness m_harness;
    LocalHttpServer m_server;
    QList<QUrl> m_opened;

    UpdateController &controller() { return *m_harness.delegate->updateController(); }

    void hideAll()
    {
        controller().window()->hide();
        controller().noUpdateWindow()->hide();
        if (QMessageBox *alert = controller().lastAlert()) {
            alert->close();
            QTRY_VERIFY(!controller().lastAlert());
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("HOME", m_harness.dir.path().toLocal8Bit());
        // The address comes from the environment, as a packager or a test would set it.
        qputenv("GLIMMERSET_UPDATE_URL", m_server.url().toEncoded());
        m_harness.launch();
        controller().setUrlOpener([this](const QUrl &url) { m_opened << url; });
    }

    // Help > Check for Updates: each answer is shown, failures included. A check nobody
    // asked for (the rows at the end) shows only news.
    void answers_data()
    {
        QTest::addColumn<AnswerRow>("row");
        const QString current = buildversion::version;
        LocalHttpServer::Response r;
        r.body = LocalHttpServer::versionList("99.1", "*Photo library scan*Version check");
        QTest::newRow("newer") << AnswerRow{true, r, "update", "\nPhoto library scan\nVersion check"};
        r.body = LocalHttpServer::versionList(current, "x");
        const QString latest = QString("Vantoric Glimmerset %1 is the latest version.").arg(current);
        QTest::newRow("same version") << AnswerRow{true, r, "none", latest};
        LocalHttpServer::Response notFound = r;
        notFound.status = 404;
        QTest::newRow("404") << AnswerRow{true, notFound, "alert", "Could not check for updates: "};
        r.body = LocalHttpServer::versionList(current, {});
        QTest::newRow("same version, not asked") << AnswerRow{false, r, "nothing", ""};
        QTest::newRow("404, not asked") << AnswerRow{false, notFound, "nothing", ""};
    }
    void answers()
    {
        QFETCH(AnswerRow, row);
        const auto &[asked, response, shown, text] = row;
        hideAll();
        m_server.setResponse(response);
        QSignalSpy done(&controller(), &UpdateController::checkFinished);
        if (response.status != 200)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Connection failed! Error - "));
        if (asked) {
            m_harness.ui().checkForUpdateAction->trigger();
        } else {
            controller().setCheckUpdate(false);
            controller().setVersionListUrl(m_server.url());
            controller().checkServerVersion();
        }
        QVERIFY(done.wait(20000));

        UpdateWindow *window = controller().window();
        QCOMPARE(window->isVisible(), shown == QLatin1String("update"));
        QCOMPARE(controller().noUpdateWindow()->isVisible(), shown == QLatin1String("none"));
        QCOMPARE(bool(controller().lastAlert()), shown == QLatin1String("alert"));
        if (shown == QLatin1String("update")) {
            QCOMPARE(window->newversionlab->text(), "Vantoric Glimmerset 99.1 is available.");
            QCOMPARE(window->currentversionlab->text(),
                     QStringLiteral("You are using %1 version. Would you like to download it now?")
                         .arg(QString::fromLatin1(buildversion::version)));
            QCOMPARE(window->whatsnewContentView->toPlainText(), text);
            testsupport::screenshot("update-window.png", window->windowHandle());
            // Download opens the product page and leaves the window; Not Now closes it.
            QTest::mouseClick(window->downloadButton, Qt::LeftButton);
            QCOMPARE(m_opened.size(), 1);
            QVERIFY(window->isVisible());
            QTest::mouseClick(window->notNowButton, Qt::LeftButton);
            QVERIFY(!window->isVisible());
        } else if (shown == QLatin1String("none")) {
            QCOMPARE(controller().noUpdateWindow()->messageLabel->text(), text);
        } else if (shown == QLatin1String("alert")) {
            QVERIFY2(controller().lastAlert()->text().startsWith(text), qPrintable(controller().lastAlert()->text()));
        }
    }

    // A build without an address, nothing in the environment or the settings: the window
    // does not offer the check and the command line says why it cannot check.
    void noAddressNoCheck()
    {
        if (qstrlen(buildversion::versionListUrl) > 0)
            QSKIP("this build was configured with an update address");
        QMenu *help = m_harness.ui().helpMenu;
        QAction *check = m_harness.ui().checkForUpdateAction;
        qunsetenv("GLIMMERSET_UPDATE_URL");
        Q_EMIT help->aboutToShow();
        QVERIFY(!check->isVisible());

        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("GLIMMERSET_UPDATE_URL");
        env.remove("XDG_CONFIG_HOME");
        env.insert("HOME", m_harness.dir.path());
        cli.setProcessEnvironment(env);
        cli.start(GLIMMERSET_CLI, {"check-update"});
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), 2);
        QVERIFY(cli.readAllStandardError().contains("this build has no update address"));

        qputenv("GLIMMERSET_UPDATE_URL", m_server.url().toEncoded());
        Q_EMIT help->aboutToShow();
        QVERIFY(check->isVisible());
    }
};

QTEST_MAIN(TestUpdateController)
#include "tst_updatecontroller.moc"
