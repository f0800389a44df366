// SPDX-License-Identifier: GPL-3.0-or-later
// The real program under a real X server with a window manager (Xvfb and openbox): the
// window manager can make the window larger, but not smaller than the layout allows,
// and can minimise it.
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

class TestWindowManager : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    QProcess m_xvfb, m_wm, m_app;
    QString m_display;
    QString m_window;

    QString xdotool(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("xdotool"), args);
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    // For a failure message: whether a helper process still runs, and what it said.
    static QString state(QProcess &p)
    {
        return (p.state() == QProcess::Running ? QStringLiteral("running")
                                               : QStringLiteral("ended with %1").arg(p.exitCode()))
            + QStringLiteral(", said: ") + QString::fromLocal8Bit(p.readAllStandardError());
    }

    QSize windowSize()
    {
        const QString out = xdotool({QStringLiteral("getwindowgeometry"), m_window});
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(out);
        return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *tool : {"Xvfb", "openbox", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QFAIL(qPrintable(QStringLiteral("%1 is needed (scripts/install-deps installs it)").arg(tool)));
        }
        // A display of our own: the server picks a free number and says which.
        m_xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                              QStringLiteral("0"), QStringLiteral("1600x1000x24"),
                                              QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                              // Without it the server resets whenever its last client
                                              // leaves, as each xdotool call does before openbox is up.
                                              QStringLiteral("-noreset")});
        QVERIFY(m_xvfb.waitForStarted());
        QVERIFY(QTest::qWaitFor([this] { return m_xvfb.canReadLine(); }, 10000));
        m_display = QLatin1Char(':') + QString::fromLatin1(m_xvfb.readLine()).trimmed();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        m_wm.setProcessEnvironment(env);
        m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        QVERIFY(m_wm.waitForStarted());
        // A window mapped while openbox is still starting can stay unmapped for good, so the
        // program starts only once openbox has announced its desktops on the root window.
        QVERIFY2(QTest::qWaitFor([this] { return xdotool({QStringLiteral("get_num_desktops")}).toInt() > 0; }, 20000),
                 qPrintable(QStringLiteral("openbox ") + state(m_wm)));

        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("GLIMMERSET_INSTANCE"), QUuid::createUuid().toString(QUuid::WithoutBraces));
        m_app.setProcessEnvironment(env);
        m_app.start(QStringLiteral(GLIMMERSET_GUI), QStringList());
        QVERIFY(m_app.waitForStarted());
        QVERIFY2(QTest::qWaitFor(
            [this] {
                m_window = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                    QString::number(m_app.processId())})
                               .section(QLatin1Char('\n'), 0, 0);
                return !m_window.isEmpty() && windowSize().isValid();
            },
            20000),
                 qPrintable(QStringLiteral("no window; program ") + state(m_app) + QStringLiteral("; Xvfb ")
                            + state(m_xvfb) + QStringLiteral("; openbox ") + state(m_wm)));
    }

    void cleanupTestCase()
    {
        for (QProcess *p : {&m_app, &m_wm, &m_xvfb}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000))
                    p->kill();
            }
        }
    }

    void windowManagerResizes()
    {
        QCOMPARE(windowSize(), QSize(654, 300));
        xdotool({QStringLiteral("windowsize"), m_window, QStringLiteral("900"), QStringLiteral("640")});
        QTRY_COMPARE_WITH_TIMEOUT(windowSize(), QSize(900, 640), 5000);
        // Below the layout's size the window manager keeps to the size hints.
        xdotool({QStringLiteral("windowsize"), m_window, QStringLiteral("300"), QStringLiteral("200")});
        QTest::qWait(500);
        const QSize small = windowSize();
        QVERIFY2(small.width() >= 654 && small.height() >= 300, qPrintable(QStringLiteral("%1x%2").arg(small.width()).arg(small.height())));
    }

    void windowManagerMinimises()
    {
        xdotool({QStringLiteral("windowminimize"), m_window});
        QTRY_VERIFY_WITH_TIMEOUT(xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--pid"), QString::number(m_app.processId())})
                                     .isEmpty(),
                                 5000);
        QCOMPARE(m_app.state(), QProcess::Running);
    }
};

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
