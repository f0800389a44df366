// SPDX-License-Identifier: GPL-3.0-or-later
// The map beside the change-GPS window: drawn without lines across the world where
// coasts cross the date line, usable while that window holds the application, and a
// click, a drag or the wheel on it do what they say.
#include "EditorUiKit.h"

#include "editor/ChangeGPSWindow.h"
#include "editor/GpsTemplateController.h"
#include "editor/MapWindow.h"
#include "editor/WorldMapView.h"

#include <QLineEdit>
#include <QProcess>
#include <QtTest>

using namespace editorui;

class TestMapPicking : public QObject
{
    Q_OBJECT
    EditorWindow m_window;
    bool m_hasCamera = false;

    GpsTemplateController &gps() { return *m_window.editor->gpsTemplates(); }

    // Whether the window's fields hold a place within `tolerance` degrees of the one given.
    static bool fieldsNear(ChangeGPSWindow &window, double latitude, double longitude, double tolerance = 0.5)
    {
        return std::abs(window.latitudelab->text().toDouble() - latitude) < tolerance
            && std::abs(window.longitudelab->text().toDouble() - longitude) < tolerance;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A camera photo with a position when the corpus is here (the screenshots show it).
        const QString camera = qEnvironmentVariable("GLIMMERSET_CORPUS") + QStringLiteral("/camera/DSCN0010.jpg");
        m_hasCamera = QFileInfo::exists(camera);
        const QString photo = m_hasCamera ? m_window.harness.copies({camera}, QStringLiteral("camera")).first()
                                          : testsupport::makeJpeg(m_window.photos() + QStringLiteral("/plain.jpg"), 64, 48);
        m_window.launch();
        m_window.editor->addLocalFiles({photo});
    }

    // Open sea near 65° N and 17° S, where rings drawn across the date line as one used
    // to leave lines around the whole world.
    void noLinesAcrossTheWorld_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::newRow("Pacific, 17 S") << -125.0 << -17.0;
        QTest::newRow("Atlantic, 17 S") << -20.0 << -17.0;
        QTest::newRow("Indian Ocean, 17 S") << 75.0 << -17.0;
        QTest::newRow("Norwegian Sea, 65 N") << -5.0 << 65.5;
        QTest::newRow("Bering Sea, 60 N") << -178.0 << 58.0;
    }
    void noLinesAcrossTheWorld()
    {
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        WorldMapView map;
        map.resize(1440, 720);
        const QImage drawn = map.grab().toImage();
        const QPoint at = map.project(longitude, latitude).toPoint();
        const QRgb sea = qRgb(0xDD, 0xE8, 0xF5);
        for (int dy = -4; dy <= 4; ++dy)
            QCOMPARE(QColor(drawn.pixel(at.x(), at.y() + dy)).name(), QColor(sea).name());
        // And land is still land: the middle of Antarctica, of Siberia's far east and of Africa.
        for (const QPointF &land : {QPointF(0, -80), QPointF(175, 66), QPointF(20, 5)})
            QVERIFY(drawn.pixel(map.project(land.x(), land.y()).toPoint()) != sea);
    }

    void clickDragAndScroll()
    {
        select(*m_window.editor, {0});
        gps().AddGPSExifDataPhoto();
        ChangeGPSWindow &window = *gps().changeGPSWindow();
        QTRY_VERIFY(window.isVisible());
        QCOMPARE(window.windowModality(), Qt::ApplicationModal);
        window.latitudelab->clear();
        window.longitudelab->clear();
        QTest::mouseClick(window.mapButton, Qt::LeftButton);
        MapWindow &map = *gps().mapWindow();
        QTRY_VERIFY(map.isVisible());
        // A child of the modal window: in front of it and not blocked by it.
        QCOMPARE(map.parentWidget(), &window);
        if (m_hasCamera) {
            // Nothing typed yet: the photo's own position (43.4674 N, 11.8851 E, as exiftool reads it).
            QVERIFY(map.mapView->position());
            QVERIFY(std::abs(map.mapView->position()->x() - 43.4674) < 0.001);
            QVERIFY(std::abs(map.mapView->position()->y() - 11.8851) < 0.001);
            testsupport::screenshot(QStringLiteral("editor-map-picking.png"));
        }

        WorldMapView &view = *map.mapView;
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            // The real pointer through the X server, where the modal window's blocking and
            // the stacking are the window system's own: Paris.
            QVERIFY(QTest::qWaitForWindowExposed(&map));
            const QPoint global = view.mapToGlobal(view.project(2.35, 48.86).toPoint());
            QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(global.x()),
                                                          QString::number(global.y()), QStringLiteral("click"),
                                                          QStringLiteral("1")});
            QTRY_VERIFY(fieldsNear(window, 48.86, 2.35));
        }
        QTest::mouseClick(&view, Qt::LeftButton, {}, view.project(151.2093, -33.8688).toPoint());
        QVERIFY(fieldsNear(window, -33.8688, 151.2093));

        QTest::mousePress(&view, Qt::LeftButton, {}, view.project(0, 0).toPoint());
        QTest::mouseMove(&view, view.project(-74.0, 40.7).toPoint());
        QTest::mouseRelease(&view, Qt::LeftButton, {}, view.project(-74.0, 40.7).toPoint());
        QVERIFY(fieldsNear(window, 40.7, -74.0));

        // Scrolling in zooms about the pointer: the place under it stays, others spread.
        const QPoint pointer = view.project(-74.0, 40.7).toPoint();
        const double before = QLineF(view.project(-74, 40.7), view.project(-70, 40.7)).length();
        QWheelEvent wheel(pointer, view.mapToGlobal(QPointF(pointer)), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &wheel);
        QVERIFY(view.zoom() > 1);
        QVERIFY(QLineF(view.project(-74, 40.7), pointer).length() < 2);
        QVERIFY(QLineF(view.project(-74, 40.7), view.project(-70, 40.7)).length() > before * 2);
        // Picking at the higher zoom is finer and still lands in the fields.
        QTest::mouseClick(&view, Qt::LeftButton, {}, view.project(-73.9857, 40.7484).toPoint());
        QVERIFY(fieldsNear(window, 40.7484, -73.9857, 0.2));
        if (m_hasCamera)
            testsupport::screenshot(QStringLiteral("editor-map-zoomed.png"));

        QTest::mouseClick(window.cancelButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(!map.isVisible());
    }
};

QTEST_MAIN(TestMapPicking)
#include "tst_mappicking.moc"
