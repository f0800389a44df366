// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalHttpServer.h"

#include "app/AppSettings.h"
#include "update/UpdateAddress.h"
#include "update/UpdateCheck.h"
#include "update/VersionNumber.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(LocalHttpServer::Response)

class TestUpdateCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void compareVersions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        // Joining the digits would call each of the first three older.
        QTest::newRow("1.3 vs 1.2.5") << "1.3" << "1.2.5" << 1;
        QTest::newRow("2.0 vs 1.9.9") << "2.0" << "1.9.9" << 1;
        QTest::newRow("1.10 vs 1.9") << "1.10" << "1.9" << 1;
        QTest::newRow("1.2.10 vs 1.2.9") << "1.2.10" << "1.2.9" << 1;
        QTest::newRow("missing component is 0") << "1.2" << "1.2.0" << 0;
        QTest::newRow("older") << "0.9" << "0.10" << -1;
        QTest::newRow("white space") << " 1.4\n" << "1.4" << 0;
        QTest::newRow("suffix after digits") << "1.4b2" << "1.4" << 0;
        QTest::newRow("empty is nothing") << "" << "0.0.1" << -1;
        QTest::newRow("huge component saturates") << "1.99999999999999999999999" << "1.18446744073709551614" << 1;
    }
    void compareVersions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(versionnumber::compare(a, b), expected);
        QCOMPARE(versionnumber::compare(b, a), -expected);
    }

    // The whole check against a real server: fetch, parse, compare.
    void checkAgainstServer_data()
    {
        QTest::addColumn<LocalHttpServer::Response>("response");
        QTest::addColumn<QString>("running");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("expected"); // whatsNewText, or a piece of the error

        const auto list = [](const char *latest, const char *whatsNew) {
            LocalHttpServer::Response r;
            r.body = LocalHttpServer::versionList(QString::fromLatin1(latest), QString::fromLatin1(whatsNew));
            return r;
        };
        // Newer and equal versions, the change list, and an answer that is no property list:
        // tst_updatecontroller and tst_cli_sources, through the same check.
        using R = UpdateCheckResult;
        QTest::newRow("older on the server") << list("1.2", "") << "1.3" << int(R::UpToDate) << "";

        LocalHttpServer::Response r = list("2.0", "");
        r.delayMs = 400;
        QTest::newRow("slow server within the timeout") << r << "1.0" << int(R::UpdateAvailable) << "";
        r = list("2.0", "");
        r.silent = true;
        QTest::newRow("silent server past the timeout") << r << "1.0" << int(R::Failed) << "did not answer";

        r = LocalHttpServer::Response{};
        r.status = 404;
        r.body = "<html><body>Not Found</body></html>";
        QTest::newRow("404") << r << "1.0" << int(R::Failed) << "Not Found";
        r.status = 200;
        r.body = LocalHttpServer::versionList("9.9", {}).replace("lastestVersion", "latestVersion");
        QTest::newRow("no lastestVersion") << r << "1.0" << int(R::Failed) << "names no version";

        // Escape sequences would clear the terminal, retitle it and plant a link.
        QTest::newRow("control characters")
            << list("2.0\x1b]0;owned\x07", "\x1b[2J*one\ttwo\x1b]8;;http://x/\x1b\\\x9b" "3m") << "1.0"
            << int(R::UpdateAvailable) << "[2J\none two]8;;http://x/\\3m";
        r.body = QByteArray();
        QTest::newRow("empty body") << r << "1.0" << int(R::Failed) << "empty";

        // A version list followed by padding: readable, but no version list is that big.
        r.body = list("9.9", "").body + QByteArray(2 * 1024 * 1024, ' ');
        QTest::newRow("oversized, announced") << r << "1.0" << int(R::Failed) << "larger than 1 MiB";
        r.sendLength = false;
        QTest::newRow("oversized, not announced") << r << "1.0" << int(R::Failed) << "larger than 1 MiB";
    }
    void checkAgainstServer()
    {
        QFETCH(LocalHttpServer::Response, response);
        QFETCH(QString, running);
        QFETCH(int, outcome);
        QFETCH(QString, expected);

        LocalHttpServer server;
        server.setResponse(response);
        UpdateCheck check;
        const int timeoutMs = response.silent ? 500 : 5000; // a silent server must not hold the test up
        check.setTimeout(timeoutMs);
        QSignalSpy finished(&check, &UpdateCheck::finished);
        const bool networkFailure = response.silent || response.status != 200 || expected.contains("1 MiB");
        if (networkFailure) // logged whoever asked
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Connection failed! Error - .+ http://127\\.0\\.0\\.1:"));
        else if (outcome == UpdateCheckResult::Failed)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Version list not readable: "));
        QVERIFY(check.start(server.url(), running));
        QVERIFY(!check.start(server.url(), running)); // one at a time
        QVERIFY(finished.wait(timeoutMs + 5000));
        QTest::qWait(50);
        QCOMPARE(finished.size(), 1);
        // Cutting off an answer whose length only the closing connection tells lets Qt's
        // HTTP client send the request once more before the abort takes; never more.
        const bool cutOff = !response.sendLength && expected.contains("1 MiB");
        QVERIFY2(server.requestCount() == 1 || (cutOff && server.requestCount() == 2),
                 qPrintable(QString::number(server.requestCount())));

        const auto result = finished.first().first().value<UpdateCheckResult>();
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.currentVersion, running);
        if (outcome == UpdateCheckResult::Failed) {
            QVERIFY2(result.error.contains(expected), qPrintable(result.error));
            QVERIFY(result.failureText().startsWith("Could not check for updates: "));
        } else {
            QCOMPARE(result.whatsNewText(), expected);
            // The texts the answer is shown in: tst_cli_sources::checkUpdate.
            QVERIFY(!result.latestVersion.contains(QChar(0x1b)) && !result.latestVersion.contains(QChar(7)));
        }
    }

    void addressFromEnvironmentThenSettings()
    {
        QTemporaryDir dir;
        AppSettings settings(dir.filePath("s.ini"));
        qunsetenv("GLIMMERSET_UPDATE_URL");
        QCOMPARE(updateaddress::versionListUrl(settings), updateaddress::defaultVersionListUrl());
        settings.setVersionListUrl("http://127.0.0.1:1/a.plist");
        QCOMPARE(AppSettings(settings.fileName()).versionListUrl(), "http://127.0.0.1:1/a.plist");
        QCOMPARE(updateaddress::versionListUrl(settings), QUrl("http://127.0.0.1:1/a.plist"));
        qputenv("GLIMMERSET_UPDATE_URL", "http://127.0.0.1:2/b.plist");
        QCOMPARE(updateaddress::versionListUrl(settings), QUrl("http://127.0.0.1:2/b.plist"));
        qunsetenv("GLIMMERSET_UPDATE_URL");
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "tst_UpdateCheck.moc"
