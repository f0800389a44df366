// SPDX-License-Identifier: GPL-3.0-or-later
// The real program under a real X server with a window manager (Xvfb and openbox): the window manager can
// make the window larger, but not smaller than the layout allows, and can minimise it.
#include "TestSupport.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

class TestWindowManager : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    QProcess m_app;
    QString m_window;

    static QString xdotool(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral("xdotool"), args);
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    QString firstVisibleWindow()
    {
        const QString pid = QString::number(m_app.processId());
        return xdotool({"search", "--onlyvisible", "--pid", pid}).section('\n', 0, 0);
    }

    QSize windowSize()
    {
        const QString out = xdotool({"getwindowgeometry", m_window});
        const QRegularExpressionMatch m = QRegularExpression("Geometry: (\\d+)x(\\d+)").match(out);
        return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
    }

    void resize(QSize size)
    {
        xdotool({"windowsize", m_window, QString::number(size.width()), QString::number(size.height())});
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The display, openbox and xdotool come from run-under-x.sh (tst_windowmanager_x11).
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a window manager: ctest runs tst_windowmanager_x11 through run-under-x.sh");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_home.path());
        env.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        env.insert("GLIMMERSET_INSTANCE", QUuid::createUuid().toString(QUuid::WithoutBraces));
        m_app.setProcessEnvironment(env);
        m_app.start(GLIMMERSET_GUI, QStringList());
        QVERIFY(m_app.waitForStarted());
        const bool shown = QTest::qWaitFor(
            [this] { return !(m_window = firstVisibleWindow()).isEmpty() && windowSize().isValid(); }, 20000);
        QVERIFY2(shown, qPrintable("no window; the program said: "
                                   + QString::fromLocal8Bit(m_app.readAllStandardError())));
    }

    void cleanupTestCase()
    {
        m_app.terminate();
        if (!m_app.waitForFinished(3000))
            m_app.kill();
    }

    // The start layout's size is its smallest: below it the window manager keeps to the
    // size hints. Minimised, the program goes on.
    void windowManagerResizesAndMinimises()
    {
        const QSize start = windowSize();
        const QSize larger = start + QSize(250, 340);
        resize(larger);
        QTRY_COMPARE_WITH_TIMEOUT(windowSize(), larger, 5000);
        resize(start / 2);
        QTRY_COMPARE_WITH_TIMEOUT(windowSize(), start, 5000);
        xdotool({"windowminimize", m_window});
        QTRY_VERIFY_WITH_TIMEOUT(firstVisibleWindow().isEmpty(), 5000);
        QCOMPARE(m_app.state(), QProcess::Running);
    }
};

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
