// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop window: larger sizes, remembered frame, edge grips, a
// second start of the program, quitting during a job, the notice at the end of a long
// one, and the desktop's file manager showing a result. Where the editor's drawer goes
// on the screen and the artwork the windows are drawn with are tested on their own.
#include "CompressionHarness.h"

#include "app/Appearance.h"
#include "app/Artwork.h"
#include "app/Palette.h"
#include "app/DesktopFileRevealer.h"
#include "app/DesktopNotifier.h"
#include "app/SingleInstance.h"
#include "app/WindowFrameKeeper.h"
#include "widgets/ResultHeaderView.h"
#include "widgets/ResultTableModel.h"
#include "widgets/WindowEdgeGrips.h"
#include "windows/DrawerPlacement.h"

#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QUuid>

// Stands in for the desktop's notification service on a private bus.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList summaries, bodies;
public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        summaries << summary;
        bodies << body;
        return uint(summaries.size());
    }
};

// Stands in for the desktop's file manager on the same bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown;
public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &) { shown += uris; }
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

// Answers the next message box with the button of that text; `asked` tells whether one came.
static void answerNextAlert(const QString &buttonText, bool *asked)
{
    *asked = false;
    QTimer::singleShot(0, [buttonText, asked] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *asked = true;
        for (QAbstractButton *b : box->buttons()) {
            if (b->text() == buttonText)
                b->click();
        }
    });
}

using Column = ResultTableModel::Column;

// The list layout's window and the part of it the drawer may cover (the result list,
// between the busy view above and the button bar below).
static const QSize kList(654, 598);
static const QSize kStart(654, 300);
static const QRect kListCoverable(1, 166, 652, 380);
static const int kDrawerHeight = 322;
static const int kOffset = 20;

// A row of the placement table: the screen's room, the window before, and what must follow.
struct PlacementRow { QRect available, window; bool mayMove; int side; bool moves; };
Q_DECLARE_METATYPE(PlacementRow)

class TestMainWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;
    Photos m_photos;
    QProcess m_daemon;
    QString m_busAddress;
    UrlCatcher m_catcher;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("HOME", m_home.path().toUtf8());
        m_photos.make(m_home.filePath(QStringLiteral("generated")));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_catcher, "openUrl");
        if (!QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
            m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
            if (m_daemon.waitForReadyRead(5000))
                m_busAddress = QString::fromUtf8(m_daemon.readLine()).trimmed();
        }
    }

    // Every picture a window asks for is in the resources.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("^missing artwork"))); }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            m_daemon.waitForFinished(3000);
        }
    }

    // Larger than the list layout's size, the table takes the new room, the bar stays at the bottom and the
    // figures at the right; smaller than it is refused. The edge grips work on it as on any window.
    void largerWindowGrowsTheTable()
    {
        Harness h(Harness::KeepingOriginals);
        FramelessWindow *window = h.ui().window;
        const int startHeight = window->height();
        QVERIFY(h.dropAndWait(h.copies(m_photos.all(), QStringLiteral("in"))));
        QTRY_VERIFY(window->minimumHeight() > startHeight && window->size() == window->minimumSize());
        const QSize list = window->size();
        ResultTableView *table = h.ui().theTableview;
        const int tableHeight = table->height();
        // Each title stays over its column at any width.
        const auto titlesOverColumns = [&h, window, table] {
            const auto right = [window](QWidget *w) { return w->mapTo(window, QPoint(w->width(), 0)).x(); };
            auto *cell = qobject_cast<ResultNameCell *>(table->viewAtRow(0));
            ResultHeaderView *header = h.ui().resultHeader;
            return right(header->titleButton(Column::Saved)) == right(cell->percentlab())
                   && right(header->titleButton(Column::Original)) == right(cell->originalFileSizelab());
        };
        QVERIFY(titlesOverColumns());

        window->resize(list + QSize(250, 160));
        QTRY_COMPARE(table->height(), tableHeight + 160);
        QCOMPARE(table->width(), window->width() - 2);
        const QRect bar = h.ui().bottomBar->geometry();
        QCOMPARE(h.ui().bottomBar->mapTo(window, QPoint(0, bar.height())).y(), window->height() - 1);
        auto *cell = qobject_cast<ResultNameCell *>(table->viewAtRow(0));
        QVERIFY(cell);
        QCOMPARE(cell->width(), table->viewport()->width());
        QVERIFY(cell->percentlab()->geometry().right() > cell->width() - 160);
        QVERIFY(titlesOverColumns());

        QVERIFY(QTest::qWaitForWindowExposed(window));
        // The right edge's grip: the window grows with the pointer.
        WindowEdgeGrip *right = nullptr;
        for (QWidget *g : window->edgeGrips()->grips()) {
            auto *grip = static_cast<WindowEdgeGrip *>(g);
            if (grip->edges() == Qt::Edges(Qt::RightEdge))
                right = grip;
        }
        QVERIFY(right && right->isVisible());
        QCOMPARE(right->geometry().right(), window->width() - 1);
        const int before = window->width();
        drag(right, QPoint(2, right->height() / 2), QPoint(122, right->height() / 2));
        QCOMPARE(window->width(), before + 120);
    }

    // One process per user: the real program started a second time brings the minimised
    // window back and hands its photos over, a relative name read in its own working
    // folder; the first compresses them as a drop, the second ends at once.
    void secondStartHandsOverToTheFirst()
    {
        const QString suffix = QUuid::createUuid().toString(QUuid::WithoutBraces);
        qputenv("GLIMMERSET_INSTANCE", suffix.toUtf8());
        const auto unset = qScopeGuard([] { qunsetenv("GLIMMERSET_INSTANCE"); });
        SingleInstance first;
        QVERIFY(!first.handOffOrListen({}));
        Harness h(Harness::KeepingOriginals);
        connect(&first, &SingleInstance::filesReceived, h.delegate.get(),
                &CompressionController::openFilesFromAnotherStart);
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QTest::mouseClick(h.ui().minimizeBtn, Qt::LeftButton);
        QTRY_VERIFY(h.ui().window->isMinimized());

        const QStringList inputs = h.copies({m_photos.landscape, m_photos.upright}, QStringLiteral("opened"));
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("GLIMMERSET_INSTANCE", suffix);
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(QFileInfo(inputs.first()).absolutePath());
        second.start(QStringLiteral(GLIMMERSET_GUI), {QFileInfo(inputs.first()).fileName(), inputs.last()});
        // The first answers from its event loop, so wait by spinning it.
        QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_VERIFY(!h.ui().window->isMinimized());
        QVERIFY(finished.count() > 0 || finished.wait(60000));
        QCOMPARE(h.delegate->dragPhotoArray().size(), 2);
        QCOMPARE(h.delegate->dragPhotoArray().first().originalPath(), inputs.first());
    }

    // Where and how large the window was left is where it comes back.
    void frameIsRememberedAcrossLaunches()
    {
        Harness h(Harness::ReplacingOriginals);
        h.ui().window->setGeometry(QRect(40, 30, 720, 340));
        h.delegate->frameKeeper()->flush();
        QTest::qWait(500); // the keeper's gathering delay

        h.relaunch();
        QCOMPARE(h.ui().window->geometry(), QRect(40, 30, 720, 340));
        // The editor under the window takes the window's width and grows by its lower edge;
        // the height it was given comes back too.
        QVERIFY(QTest::qWaitForWindowExposed(h.ui().window));
        h.delegate->toggleLeftDrawer();
        Drawer *drawer = h.ui().rightDrawer;
        QTRY_VERIFY(drawer->isVisible());
        QCOMPARE(drawer->width(), h.ui().window->width() - 2 * drawer->leadingOffset());
        QWidget *grip = drawer->findChild<QWidget *>(QStringLiteral("drawerGrip"));
        QVERIFY(grip);
        const int grown = drawer->contentSize().height() + 80;
        drag(grip, QPoint(50, 2), QPoint(50, 82));
        QCOMPARE(drawer->contentSize().height(), grown);
        QCOMPARE(AppSettings(h.settingsFile()).editorHeight(), grown);

        // A position on a screen that is gone: centred instead, the size kept.
        AppSettings(h.settingsFile()).setWindowPosition(QPoint(-5000, -5000));
        h.relaunch();
        QCOMPARE(h.ui().window->size(), QSize(720, 340));
        QVERIFY(h.ui().window->screen()->availableGeometry().contains(h.ui().window->geometry().center()));
        QCOMPARE(h.ui().rightDrawer->contentSize().height(), grown);
    }

    // Preferences ▸ Appearance sets the application palette, is stored, and the artwork
    // is drawn again in the palette's colours (a light strip turns dark).
    void appearanceChangesThePalette()
    {
        Harness h(Harness::ReplacingOriginals);
        const QColor system = QGuiApplication::palette().color(QPalette::Window);
        QCOMPARE(h.ui().preferenceWindow->appearanceBox()->currentData(), QVariant(QStringLiteral("System")));
        // The box of the window on show (the test launches twice).
        const auto choose = [&h](const QString &name) {
            QComboBox *shown = h.ui().preferenceWindow->appearanceBox();
            shown->setCurrentIndex(shown->findData(name));
            Q_EMIT shown->activated(shown->currentIndex());
        };
        const auto window = [] { return QGuiApplication::palette().color(QPalette::Window); };
        const auto stripLightness = [] {
            const QImage strip = artwork::pixmap(QStringLiteral("tablehead.png")).toImage();
            return QColor(strip.pixel(strip.width() / 2, strip.height() / 2)).lightness();
        };
        // The ink of a bottom-bar icon: the lightness of its most opaque pixel.
        const auto iconInk = [&h] {
            const QImage icon = h.ui().resizePhotosBtn->icon().pixmap(QSize(16, 16)).toImage();
            QColor ink(Qt::transparent);
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x)
                    if (icon.pixelColor(x, y).alpha() > ink.alpha())
                        ink = icon.pixelColor(x, y);
            return ink.lightness();
        };
        QVERIFY(stripLightness() > 200);
        QVERIFY(iconInk() < 100);
        // A caption in the secondary colour must stay readable: dark on light, light on dark.
        const QLabel *caption = h.ui().preferenceWindow->findChild<QLabel *>(QStringLiteral("appearanceCaption"));
        QVERIFY(caption->palette().color(QPalette::WindowText).lightness() < 128);

        choose(QStringLiteral("Dark"));
        const QColor dark = palette::darkPalette().color(QPalette::Window);
        QTRY_VERIFY(caption->palette().color(QPalette::WindowText).lightness() > 128);
        QVERIFY2(caption->text().startsWith(QStringLiteral("Dark")), qPrintable(caption->text()));
        QCOMPARE(window(), dark);
        QTRY_COMPARE(h.ui().window->palette().color(QPalette::Window), dark);
        QCOMPARE(AppSettings(h.settingsFile()).appearance(), QStringLiteral("Dark"));
        QVERIFY(stripLightness() < 100);
        QTRY_VERIFY(iconInk() > 150); // icons made under the light palette are drawn again
        // Accents keep their colour; greys move onto the palette's ramp.
        const QPalette darkPalette = palette::darkPalette();
        QCOMPARE(artwork::recolouredSvg(R"(<a fill="#FFFFFF" b="#1F2430" c="#3D63DD"/>)", darkPalette),
                 QString(R"(<a fill="%1" b="%2" c="#3d63dd"/>)")
                     .arg(dark.name(), darkPalette.color(QPalette::WindowText).name()));

        // The choice holds at the next launch.
        h.relaunch();
        QCOMPARE(h.ui().preferenceWindow->appearanceBox()->currentData().toString(), QStringLiteral("Dark"));
        QCOMPARE(window(), dark);
        QTRY_VERIFY(iconInk() > 150);

        choose(QStringLiteral("Light"));
        QTRY_VERIFY(iconInk() < 100);
        QCOMPARE(window(), palette::lightPalette().color(QPalette::Window));
        choose(QStringLiteral("System"));
        QCOMPARE(window(), system);
    }

    // Quitting while photos are compressed asks first; "Continue" keeps the job and the
    // window, "Stop and Quit" ends the job after the photos being written.
    void quitDuringAJobAsks()
    {
        Harness h(Harness::KeepingOriginals);
        QStringList many;
        for (int i = 0; i < 12; ++i)
            many += h.copies(m_photos.all(), QStringLiteral("many%1").arg(i));
        QSignalSpy finished(h.delegate.get(), &CompressionController::compressionFinished);
        QVERIFY(Harness::drop(h.ui().leftTipImageView, many) && h.delegate->isCompressing());

        bool asked;
        answerNextAlert(QStringLiteral("Continue"), &asked);
        QVERIFY(!h.delegate->windowShouldClose() && asked);
        QCOMPARE(h.terminated, 0);
        if (h.delegate->isCompressing()) {
            answerNextAlert(QStringLiteral("Stop and Quit"), &asked);
            QVERIFY(h.delegate->windowShouldClose() && asked);
            QCOMPARE(h.terminated, 1);
        }
        QVERIFY(finished.count() > 0 || finished.wait(60000));
        QVERIFY(h.delegate->lastReport().cancelled || h.delegate->dragPhotoArray().size() == many.size());
        // Idle, quitting asks nothing.
        const int before = h.terminated;
        QVERIFY(h.delegate->windowShouldClose());
        QCOMPARE(h.terminated, before + 1);
    }

    // A job that ends while the window is in the background is told by the desktop; with
    // the window in front nothing is posted.
    void longJobEndIsNotifiedWhenInactive()
    {
        if (m_busAddress.isEmpty())
            QFAIL("no dbus-daemon to run a private bus (scripts/install-deps installs dbus)");
        QDBusConnection service = QDBusConnection::connectToBus(m_busAddress, QStringLiteral("notifications"));
        FakeNotifications fake;
        QVERIFY(service.registerObject("/org/freedesktop/Notifications", &fake,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService("org.freedesktop.Notifications"));

        Harness h(Harness::KeepingOriginals);
        DesktopNotifier notifier(QDBusConnection::connectToBus(m_busAddress, QStringLiteral("app")));
        QSignalSpy delivered(&notifier, &DesktopNotifier::delivered);
        // Every job counts as long here; the ten seconds are the default.
        h.delegate->setDesktopNotifier(&notifier, 0);

        QVERIFY(QTest::qWaitForWindowActive(h.ui().window));
        QVERIFY(h.dropAndWait(h.copies(m_photos.all(), QStringLiteral("front"))));
        QVERIFY(!delivered.wait(200));

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(h.dropAndWait(h.copies(m_photos.all(), QStringLiteral("back"))));
        QVERIFY(delivered.wait(5000));
        QCOMPARE(fake.summaries, QStringList{"Photos compressed"});
        QCOMPARE(fake.bodies, QStringList{h.ui().saveSizelab->text()});
        QVERIFY(fake.bodies.first().startsWith("Save"));
        QDBusConnection::disconnectFromBus(QStringLiteral("notifications"));
    }

    // A result is shown by the desktop's file manager over the bus; without one, or
    // without a bus, its folder is opened instead.
    void fileManagerShowsTheResult()
    {
        if (m_busAddress.isEmpty())
            QFAIL("no dbus-daemon to run a private bus (scripts/install-deps installs dbus)");
        const QString nowhere = QStringLiteral("unix:path=/nonexistent/bus");
        DesktopFileRevealer withoutBus(QDBusConnection::connectToBus(nowhere, QStringLiteral("none")));
        withoutBus.selectFile(QStringLiteral("/tmp/y/b.jpg"), QStringLiteral("/tmp/y"));
        QCOMPARE(m_catcher.opened.last(), QUrl::fromLocalFile(QStringLiteral("/tmp/y")));

        DesktopFileRevealer revealer(QDBusConnection::connectToBus(m_busAddress, QStringLiteral("client")));
        revealer.selectFile(QStringLiteral("/tmp/x/a.jpg"), QStringLiteral("/tmp/x"));
        QTRY_COMPARE(m_catcher.opened.last(), QUrl::fromLocalFile(QStringLiteral("/tmp/x")));

        QDBusConnection service = QDBusConnection::connectToBus(m_busAddress, QStringLiteral("fm"));
        FakeFileManager fm;
        QVERIFY(service.registerObject("/org/freedesktop/FileManager1", &fm,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService("org.freedesktop.FileManager1"));
        QSignalSpy revealed(&revealer, &DesktopFileRevealer::revealedWithFileManager);
        const qsizetype openedBefore = m_catcher.opened.size();
        const QString folder = "/tmp/some folder";
        revealer.selectFile(folder + "/photo 1.jpg", folder);
        QVERIFY(revealed.wait(5000));
        QCOMPARE(fm.shown, QStringList{"file:///tmp/some%20folder/photo%201.jpg"});
        QCOMPARE(m_catcher.opened.size(), openedBefore);
        QDBusConnection::disconnectFromBus(QStringLiteral("fm"));
    }

    // ---- The drawer's place on the screen, computed on its own -----------------------

    void drawerPlacement_data()
    {
        QTest::addColumn<PlacementRow>("row");
        using Side = DrawerPlacement::Side;
        const auto row = [](const char *name, QRect available, QPoint at, QSize layout, Side side, bool moves,
                            bool mayMove = true) {
            QTest::newRow(name) << PlacementRow{available, QRect(at, layout), mayMove, int(side), moves};
        };

        const Side below = DrawerPlacement::Below, beside = DrawerPlacement::Beside;
        const Side over = DrawerPlacement::Over;
        const QRect fullHd(0, 0, 1920, 1080);
        row("start layout fits under as it is", fullHd, {633, 390}, kStart, below, false);
        row("list layout: the window moves up", fullHd, {633, 241}, kList, below, true);
        row("second screen with an offset origin", {1920, 30, 1280, 994}, {2233, 213}, kList, below, true);
        row("window above the screen's top edge comes down", fullHd, {100, -50}, kStart, below, true);
        row("no screen: hangs below, nothing moves", QRect(), {10, 700}, kList, below, false);

        // 598 + 322 = 920 is taller than these screens.
        const QRect wide900(0, 0, 1440, 900), low(0, 0, 1920, 800);
        row("900 px: beside, the window moving left for it", wide900, {393, 151}, kList, beside, true);
        row("room on the left: beside on the left, nothing moves", low, {1200, 100}, kList, beside, false);
        row("room on the right: beside on the right", low, {10, 100}, kList, beside, false, false);
        row("window being moved by the user: it stays, the drawer covers the list", wide900, {393, 151},
            kList, over, false, false);
        row("1024 x 768 with a top panel: over the list, above the button bar", {0, 24, 1024, 744},
            {185, 110}, kList, over, false);
        row("window hanging off the bottom is pulled onto the screen first", {0, 0, 1024, 768},
            {185, 400}, kList, over, true);
        row("nothing may be covered: keeps to the screen's bottom edge", {0, 0, 800, 600}, {73, 150},
            kStart, over, false);
    }

    // Where the window goes is judged by what it is for: both on the screen, the drawer
    // clear of the window or over its list only, the window moved only when it must.
    void drawerPlacement()
    {
        QFETCH(PlacementRow, row);
        const auto &[available, window, mayMove, side, moves] = row;

        // Only the list layout has a list the drawer may cover.
        const QRect coverable = window.size() == kList ? kListCoverable : QRect();
        const DrawerPlacement p =
            DrawerPlacement::compute(available, window, kDrawerHeight, kOffset, coverable, mayMove);
        QCOMPARE(int(p.side), side);
        QCOMPARE(p.windowPos != window.topLeft(), moves);
        const QRect moved(p.windowPos, window.size());
        QCOMPARE(p.drawer.size(), QSize(window.width() - 2 * kOffset, kDrawerHeight));
        if (p.side == DrawerPlacement::Beside) {
            QVERIFY(p.drawer.left() == moved.right() + 1 || p.drawer.right() + 1 == moved.left());
            QCOMPARE(p.drawer.bottom(), moved.bottom());
        } else {
            QCOMPARE(p.drawer.left(), moved.left() + kOffset);
        }
        if (p.side == DrawerPlacement::Below)
            QCOMPARE(p.drawer.top(), moved.bottom() + 1);
        if (!available.isValid())
            return;
        if (mayMove && window.height() <= available.height())
            QVERIFY(available.contains(moved));
        // A window that moves goes no further than it must: the side it moves away from
        // ends on the screen's edge.
        const QPoint by = p.windowPos - window.topLeft();
        const QRect both = moved.united(p.drawer);
        QVERIFY(by.y() >= 0 || both.bottom() == available.bottom());
        QVERIFY(by.y() <= 0 || both.top() == available.top());
        QVERIFY(by.x() >= 0 || both.right() == available.right());
        QVERIFY(by.x() <= 0 || both.left() == available.left());
        if (p.side != DrawerPlacement::Over) {
            QVERIFY(available.contains(p.drawer));
            QVERIFY(!p.drawer.intersects(moved));
        } else if (coverable.isEmpty()) {
            QCOMPARE(p.drawer.bottom(), available.bottom());
        } else {
            // Over only the list: the button bar under it stays clear.
            QCOMPARE(p.drawer.bottom(), coverable.translated(p.windowPos).bottom());
        }
    }

    // ---- The artwork -----------------------------------------------------------------

    // Every picture the build renders is in the resources and drawn. That the code asks only
    // for pictures that exist is checked where the windows are built: init() here and in
    // tst_translation fails on the "missing artwork" warning.
    void everyPictureIsDrawn_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList names = QDir(":/artwork").entryList(QDir::Files);
        // As many pictures as drawings: none failed to render, nor did the application icon.
        QCOMPARE(names.size(), QDir(":/artwork-svg").entryList(QDir::Files).size());
        QVERIFY(names.size() > 30);
        QCOMPARE(artwork::applicationIcon().pixmap(QSize(256, 256)).size(), QSize(256, 256));
        for (const QString &n : names)
            QTest::newRow(qPrintable(n)) << n;
    }

    void everyPictureIsDrawn()
    {
        QFETCH(QString, name);
        const QPixmap pm = artwork::pixmap(name);
        QVERIFY(!pm.isNull());
        QCOMPARE(pm.devicePixelRatio(), 2.0);
        // Drawn, not blank: some pixel is opaque.
        const QImage image = pm.toImage();
        bool opaque = false;
        for (int y = 0; y < image.height() && !opaque; y += 2)
            for (int x = 0; x < image.width() && !opaque; x += 2)
                opaque = qAlpha(image.pixel(x, y)) == 255;
        QVERIFY(opaque);
        // A pressed picture matches its normal one in size and differs from it.
        static const QList<QPair<QString, QString>> pressed{
            {"down.png", "nom.png"}, {"_Down.png", "_Nom.png"}, {"down.png", ".png"}};
        for (const auto &[down, normal] : pressed) {
            if (!name.endsWith(down))
                continue;
            const QString other = name.chopped(down.size()) + normal;
            if (!artwork::exists(other))
                continue;
            QCOMPARE(artwork::size(name), artwork::size(other));
            QVERIFY(pm.toImage() != artwork::pixmap(other).toImage());
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
