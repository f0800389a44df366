// SPDX-License-Identifier: GPL-3.0-or-later
// The GPS window and its map, the edit sheet and the template panels. The map is drawn
// without lines across the world where coasts cross the date line, is usable while the GPS
// window holds the application, and a click, a drag or the wheel on it do what they say.
#include "../../core/metadata/EditorTestKit.h"
#include "EditorUiKit.h"

#include "editor/ChangeGPSWindow.h"
#include "editor/EditViewWindow.h"
#include "editor/GpsTemplateController.h"
#include "editor/MapWindow.h"
#include "editor/WorldMapView.h"

#include "metadata/PropertyList.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QtTest>

using namespace editortest;
using namespace editorui;

class TestGpsTemplates : public QObject
{
    Q_OBJECT
private:
    EditorWindow m_window;
    EditorController *m_editor = nullptr;
    QString m_harbour; // rich metadata with a GPS date and time
    QString m_plain;   // no metadata

    GpsTemplateController &gps() { return *m_editor->gpsTemplates(); }
    MetadataEditorView &view() { return m_window.view(); }
    static QString working() { return EditorWindow::working(); }

    // Saves through the save panel, which proposes `name` in the Working folder. When the file exists the
    // panel asks first; `replace` is the answer, and false leaves the panel open and the file as it was.
    void saveAsProposed(const QString &name, bool exists = false, bool replace = true)
    {
        QFileDialog *panel = gps().theSavePanel();
        QTRY_VERIFY(panel && panel->isVisible());
        QCOMPARE(panel->selectedFiles().value(0), working() + QLatin1Char('/') + name);
        QString asked;
        if (exists) {
            QTimer::singleShot(0, this, [&asked, replace] {
                auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(question);
                asked = question->text();
                question->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            });
        }
        QTest::mouseClick(panel->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save), Qt::LeftButton);
        QCOMPARE(asked.contains(name), exists);
        QTRY_COMPARE(bool(gps().theSavePanel()), exists && !replace);
    }

    // Whether the window's fields hold a place within `tolerance` degrees of the one given.
    static bool fieldsNear(ChangeGPSWindow &window, double latitude, double longitude, double tolerance = 0.5)
    {
        return std::abs(window.latitudelab->text().toDouble() - latitude) < tolerance
            && std::abs(window.longitudelab->text().toDouble() - longitude) < tolerance;
    }

    static void type(QLineEdit *field, const QString &text)
    {
        field->clear();
        QTest::keyClicks(field, text);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!testsupport::hasProgram(QStringLiteral("exiftool")))
            QFAIL("exiftool is needed as the independent reader (scripts/install-deps installs it)");
        const QString photos = m_window.photos();
        const QStringList stamps{"-GPSDateStamp=2019:07:14", "-GPSTimeStamp=10:20:30"};
        m_harbour = testsupport::makeJpeg(photos + "/harbour.jpg", 640, 480, richMetadataArgs() + stamps);
        m_plain = testsupport::makeJpeg(photos + "/plain.jpg", 480, 640);
        m_window.launch();
        m_editor = m_window.editor.get();
        m_editor->addLocalFiles({m_harbour, m_plain});
    }

    void changeGpsWindow()
    {
        // A photo with a GPS block gives its stamps.
        select(*m_editor, {0});
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, gps().addGPSAction));
        ChangeGPSWindow &window = *gps().changeGPSWindow();
        QTRY_VERIFY(window.isVisible());
        QCOMPARE(window.dateStamplab->text(), "2019:07:14");
        QCOMPARE(window.timeStamplab->text(), "10:20:30");
        QTest::mouseClick(window.cancelButton, Qt::LeftButton);

        // One without has no map to show, and offers the placeholders, which mean "no stamp".
        select(*m_editor, {1});
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, gps().showMapAction));
        expectAlert(*m_editor, "No GPS Data", "This photo does not contain GPS information.");
        QVERIFY(!gps().mapWindow()->isVisible());
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, gps().addGPSAction));
        QTRY_VERIFY(window.isVisible());
        QCOMPARE(window.dateStamplab->text(), "YYYY:MM:DD");
        QCOMPARE(window.timeStamplab->text(), "HH:MM:SS");

        const QStringList before = filesIn(working());
        window.latitudelab->clear();
        QTest::mouseClick(window.saveButton, Qt::LeftButton);
        expectAlert(*m_editor, "Vaule Error", "Each value cannot be empty.");
        QVERIFY(window.isVisible());
        type(window.latitudelab, "123");
        type(window.longitudelab, "151.2093");
        type(window.altitudelab, "-5");
        QTest::mouseClick(window.saveButton, Qt::LeftButton);
        expectAlert(*m_editor, "Vaule Error", "latitude: must be between -90 and 90");
        QCOMPARE(filesIn(working()), before);

        type(window.latitudelab, "-33.8688");
        testsupport::screenshot("editor-gps-window.png");
        // The typed position on the map, south-east of the centre.
        QTest::mouseClick(window.mapButton, Qt::LeftButton);
        MapWindow &map = *gps().mapWindow();
        QTRY_VERIFY(map.isVisible());
        const QPointF marker = map.mapView->markerPoint();
        QVERIFY(marker.x() > map.mapView->width() * 0.85 && marker.y() > map.mapView->height() / 2);
        QVERIFY(map.linkLabel->text().contains(
            "https://www.openstreetmap.org/?mlat=-33.868800&amp;mlon=151.209300"
            "#map=12/-33.868800/151.209300"));
        testsupport::screenshot("editor-map-window.png");
        map.hide();

        const JobReport report = reportOf(*m_editor, [&window] {
            QTest::mouseClick(window.saveButton, Qt::LeftButton);
            QVERIFY(!window.isVisible());
        });
        const QString copy = working() + "/NewGPS_plain.jpg";
        QCOMPARE(report.written(), QStringList{copy});
        const QVariantMap tags = metadataTags(copy);
        QCOMPARE(tags.value("GPS:GPSLatitudeRef").toString(), "S");
        QCOMPARE(tags.value("GPS:GPSAltitudeRef").toInt(), 1);
        QVERIFY(!tags.contains("GPS:GPSDateStamp"));
    }

    void editSheet()
    {
        select(*m_editor, {0, 1});
        QTest::mouseClick(view().starteditBtn, Qt::LeftButton);
        EditViewWindow &sheet = *gps().editViewWindow();
        QTRY_VERIFY(sheet.isVisible());
        type(sheet.artistlab, "Grace Hopper");
        type(sheet.keywordslab, "harbour, boats");
        type(sheet.gpsLatitudelab, "north");
        const auto apply = [&sheet] { QTest::mouseClick(sheet.editApplyBtn, Qt::LeftButton); };
        apply();
        expectAlert(*m_editor, "Vaule Error", "latitude");
        sheet.gpsLatitudelab->clear();
        testsupport::screenshot("editor-edit-sheet.png");

        const QString harbour = working() + "/After_harbour.jpg", plain = working() + "/After_plain.jpg";
        QCOMPARE(reportOf(*m_editor, apply).written(), (QStringList{harbour, plain}));
        QCOMPARE(tag(harbour, "IFD0:Artist"), "Grace Hopper");
        QCOMPARE(testsupport::exiftoolTags(harbour).value("IPTC:Keywords").toStringList(),
                 (QStringList{"harbour", "boats"}));
        QVERIFY(sheet.isVisible());

        QTest::mouseClick(sheet.editTemplateBtn, Qt::LeftButton);
        saveAsProposed("templatefile.plist");
        const QString plist = working() + "/templatefile.plist";
        QCOMPARE(propertylist::readFile(plist)->value("Keywords"), QVariant("harbour, boats"));
        QCOMPARE(m_window.revealer.selected.last(), plist);
        QTest::mouseClick(sheet.editBackBtn, Qt::LeftButton);
        QVERIFY(!sheet.isVisible());
    }

    void importThroughThePanel()
    {
        select(*m_editor, {0});
        // The submenus' entries, triggered as the menus would.
        QAction *exportExif = gps().exportMenu->findChild<QAction *>("exportExifAction");
        const QString plist = working() + "/harbour_Exif.plist";
        // An export over a file of the same name asks before it replaces anything.
        QVERIFY(testsupport::writeFile(plist, "mine"));
        exportExif->trigger();
        saveAsProposed("harbour_Exif.plist", true, false);
        QCOMPARE(testsupport::readFile(plist), QByteArray("mine"));
        gps().theSavePanel()->reject();
        exportExif->trigger();
        saveAsProposed("harbour_Exif.plist", true, true);

        select(*m_editor, {1});
        gps().importMenu->findChild<QAction *>("importExifAction")->trigger();
        QFileDialog *panel = gps().theOpenPanel();
        QTRY_VERIFY(panel && panel->isVisible());
        QCOMPARE(panel->windowTitle(), "Please select plist to import.");
        panel->selectFile(plist);
        QAbstractButton *open = panel->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
        const JobReport report = reportOf(*m_editor, [open] { QTest::mouseClick(open, Qt::LeftButton); });
        // The edit sheet's After_plain.jpg stays: the import goes beside it.
        const QString copy = working() + "/After_plain (2).jpg";
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(tag(copy, "ExifIFD:ISO"), "200");
    }

    // Open sea near 65° N and 17° S, where rings drawn across the date line as one used
    // to leave lines around the whole world.
    void noLinesAcrossTheWorld_data()
    {
        QTest::addColumn<QPointF>("sea"); // longitude, latitude
        QTest::newRow("Atlantic, 17 S") << QPointF(-20.0, -17.0);
        QTest::newRow("Norwegian Sea, 65 N") << QPointF(-5.0, 65.5);
        QTest::newRow("Bering Sea, 60 N") << QPointF(-178.0, 58.0);
    }
    void noLinesAcrossTheWorld()
    {
        QFETCH(QPointF, sea);
        WorldMapView map;
        map.resize(1440, 720);
        const QImage drawn = map.grab().toImage();
        const QPoint at = map.project(sea.x(), sea.y()).toPoint();
        const QRgb water = qRgb(0xDD, 0xE8, 0xF5);
        for (int dy = -4; dy <= 4; ++dy)
            QCOMPARE(QColor(drawn.pixel(at.x(), at.y() + dy)).name(), QColor(water).name());
        // And land is still land: the middle of Antarctica, of Siberia's far east and of Africa.
        for (const QPointF &land : {QPointF(0, -80), QPointF(175, 66), QPointF(20, 5)})
            QVERIFY(drawn.pixel(map.project(land.x(), land.y()).toPoint()) != water);
    }

    void clickDragAndScroll()
    {
        select(*m_editor, {0});
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
        // Nothing typed yet: the photo's own position.
        const auto photoPosition = map.mapView->position();
        QVERIFY(photoPosition && QLineF(*photoPosition, QPointF(48.8584, 2.2945)).length() < 0.001);
        testsupport::screenshot("editor-map-picking.png");

        WorldMapView &view = *map.mapView;
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            // The real pointer through the X server, where the modal window's blocking and
            // the stacking are the window system's own: Paris.
            QVERIFY(QTest::qWaitForWindowExposed(&map));
            const QPoint global = view.mapToGlobal(view.project(2.35, 48.86).toPoint());
            QProcess::execute("xdotool", {"mousemove", QString::number(global.x()),
                                          QString::number(global.y()), "click", "1"});
            QTRY_VERIFY(fieldsNear(window, 48.86, 2.35));
        }
        QTest::mouseClick(&view, Qt::LeftButton, {}, view.project(151.2093, -33.8688).toPoint());
        QVERIFY(fieldsNear(window, -33.8688, 151.2093));

        drag(&view, view.project(0, 0).toPoint(), view.project(-74.0, 40.7).toPoint());
        QVERIFY(fieldsNear(window, 40.7, -74.0));

        // Scrolling in zooms about the pointer: the place under it stays, others spread.
        const QPoint pointer = view.project(-74.0, 40.7).toPoint();
        const double before = QLineF(view.project(-74, 40.7), view.project(-70, 40.7)).length();
        QWheelEvent wheel(pointer, view.mapToGlobal(QPointF(pointer)), QPoint(), QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&view, &wheel);
        QVERIFY(QLineF(view.project(-74, 40.7), pointer).length() < 2);
        QVERIFY(QLineF(view.project(-74, 40.7), view.project(-70, 40.7)).length() > before * 2);
        // Picking at the higher zoom is finer and still lands in the fields.
        QTest::mouseClick(&view, Qt::LeftButton, {}, view.project(-73.9857, 40.7484).toPoint());
        QVERIFY(fieldsNear(window, 40.7484, -73.9857, 0.2));
        testsupport::screenshot("editor-map-zoomed.png");

        QTest::mouseClick(window.cancelButton, Qt::LeftButton);
        QVERIFY(!window.isVisible() && !map.isVisible());
    }
};

QTEST_MAIN(TestGpsTemplates)
#include "tst_gpstemplates.moc"
