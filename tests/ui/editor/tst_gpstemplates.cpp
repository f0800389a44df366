// SPDX-License-Identifier: GPL-3.0-or-later
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
    void expectAlert(const QString &title, const QString &informative)
    {
        editorui::expectAlert(*m_editor, title, informative);
    }

    // Saves through the save panel, which proposes `name` in the Working folder. When the
    // file exists the panel asks first; `replace` is the answer, and false leaves the
    // panel open and the file as it was.
    void saveAsProposed(const QString &name, bool exists = false, bool replace = true)
    {
        QFileDialog *panel = gps().theSavePanel();
        QVERIFY(panel);
        QTRY_VERIFY(panel->isVisible());
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
        m_harbour = testsupport::makeJpeg(photos + QStringLiteral("/harbour.jpg"), 640, 480,
                                          richMetadataArgs() + QStringList{QStringLiteral("-GPSDateStamp=2019:07:14"),
                                                                           QStringLiteral("-GPSTimeStamp=10:20:30")});
        m_plain = testsupport::makeJpeg(photos + QStringLiteral("/plain.jpg"), 480, 640);
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
        QCOMPARE(window.dateStamplab->text(), QStringLiteral("2019:07:14"));
        QCOMPARE(window.timeStamplab->text(), QStringLiteral("10:20:30"));
        QTest::mouseClick(window.cancelButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());

        // One without offers the placeholders, which mean "no stamp".
        select(*m_editor, {1});
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, gps().addGPSAction));
        QTRY_VERIFY(window.isVisible());
        QCOMPARE(window.dateStamplab->text(), QStringLiteral("YYYY:MM:DD"));
        QCOMPARE(window.timeStamplab->text(), QStringLiteral("HH:MM:SS"));

        const QStringList before = filesIn(working());
        window.latitudelab->clear();
        QTest::mouseClick(window.saveButton, Qt::LeftButton);
        expectAlert(QStringLiteral("Vaule Error"), QStringLiteral("Each value cannot be empty."));
        QVERIFY(window.isVisible());
        type(window.latitudelab, QStringLiteral("123"));
        type(window.longitudelab, QStringLiteral("151.2093"));
        type(window.altitudelab, QStringLiteral("-5"));
        QTest::mouseClick(window.saveButton, Qt::LeftButton);
        expectAlert(QStringLiteral("Vaule Error"), QStringLiteral("latitude: must be between -90 and 90"));
        QCOMPARE(filesIn(working()), before);

        type(window.latitudelab, QStringLiteral("-33.8688"));
        testsupport::screenshot(QStringLiteral("editor-gps-window.png"));
        // The typed position on the map, south-east of the centre.
        QTest::mouseClick(window.mapButton, Qt::LeftButton);
        MapWindow &map = *gps().mapWindow();
        QTRY_VERIFY(map.isVisible());
        QVERIFY(map.mapView->hasOutline());
        const QPointF marker = map.mapView->markerPoint();
        QVERIFY(marker.x() > map.mapView->width() * 0.85 && marker.y() > map.mapView->height() / 2);
        QVERIFY(map.linkLabel->text().contains(
            QStringLiteral("https://www.openstreetmap.org/?mlat=-33.868800&amp;mlon=151.209300#map=12/-33.868800/151.209300")));
        testsupport::screenshot(QStringLiteral("editor-map-window.png"));
        map.hide();

        QSignalSpy done(m_editor, &EditorController::commandFinished);
        QTest::mouseClick(window.saveButton, Qt::LeftButton);
        QVERIFY(!window.isVisible());
        const JobReport report = waitForCommand(done);
        const QString copy = working() + QStringLiteral("/NewGPS_plain.jpg");
        QCOMPARE(report.written(), QStringList{copy});
        const QVariantMap tags = metadataTags(copy);
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSLatitudeRef")).toString(), QStringLiteral("S"));
        QCOMPARE(tags.value(QStringLiteral("GPS:GPSAltitudeRef")).toInt(), 1);
        QVERIFY(!tags.contains(QStringLiteral("GPS:GPSDateStamp")));
        QCOMPARE(m_window.revealer.selected.last(), copy);
    }

    void mapWithoutGps()
    {
        select(*m_editor, {1});
        QVERIFY(chooseFromMenu(view().editMetaDataLocalBtn, view().editExifMenu, gps().showMapAction));
        expectAlert(QStringLiteral("No GPS Data"), QStringLiteral("This photo does not contain GPS information."));
        QVERIFY(!gps().mapWindow()->isVisible());
    }

    void editSheet()
    {
        select(*m_editor, {0, 1});
        QTest::mouseClick(view().starteditBtn, Qt::LeftButton);
        EditViewWindow &sheet = *gps().editViewWindow();
        QTRY_VERIFY(sheet.isVisible());
        type(sheet.artistlab, QStringLiteral("Grace Hopper"));
        type(sheet.keywordslab, QStringLiteral("harbour, boats"));
        type(sheet.gpsLatitudelab, QStringLiteral("north"));
        QTest::mouseClick(sheet.editApplyBtn, Qt::LeftButton);
        expectAlert(QStringLiteral("Vaule Error"), QStringLiteral("latitude"));
        sheet.gpsLatitudelab->clear();
        testsupport::screenshot(QStringLiteral("editor-edit-sheet.png"));

        QSignalSpy done(m_editor, &EditorController::commandFinished);
        QTest::mouseClick(sheet.editApplyBtn, Qt::LeftButton);
        const JobReport report = waitForCommand(done);
        const QString harbour = working() + QStringLiteral("/After_harbour.jpg");
        QCOMPARE(report.written(), (QStringList{harbour, working() + QStringLiteral("/After_plain.jpg")}));
        QCOMPARE(tag(harbour, QStringLiteral("IFD0:Artist")), QStringLiteral("Grace Hopper"));
        QCOMPARE(testsupport::exiftoolTags(harbour).value(QStringLiteral("IPTC:Keywords")).toStringList(),
                 (QStringList{QStringLiteral("harbour"), QStringLiteral("boats")}));
        QVERIFY(sheet.isVisible());

        // Template, then Back.
        QTest::mouseClick(sheet.editTemplateBtn, Qt::LeftButton);
        saveAsProposed(QStringLiteral("templatefile.plist"));
        const QString plist = working() + QStringLiteral("/templatefile.plist");
        QCOMPARE(propertylist::readFile(plist)->value(QStringLiteral("Keywords")), QVariant(QStringLiteral("harbour, boats")));
        QCOMPARE(m_window.revealer.selected.last(), plist);
        QTest::mouseClick(sheet.editBackBtn, Qt::LeftButton);
        QVERIFY(!sheet.isVisible());
    }

    void importThroughThePanel()
    {
        select(*m_editor, {0});
        // The submenus' entries, triggered as the menus would.
        QAction *exportExif = gps().exportMenu->findChild<QAction *>(QStringLiteral("exportExifAction"));
        exportExif->trigger();
        saveAsProposed(QStringLiteral("harbour_Exif.plist"));
        const QString plist = working() + QStringLiteral("/harbour_Exif.plist");
        QVERIFY(propertylist::readFile(plist));
        // A second export of the same name asks before it replaces anything.
        QFile mine(plist);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        exportExif->trigger();
        saveAsProposed(QStringLiteral("harbour_Exif.plist"), true, false);
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("mine"));
        mine.close();
        gps().theSavePanel()->reject();
        exportExif->trigger();
        saveAsProposed(QStringLiteral("harbour_Exif.plist"), true, true);
        QVERIFY(propertylist::readFile(plist));

        select(*m_editor, {1});
        gps().importMenu->findChild<QAction *>(QStringLiteral("importExifAction"))->trigger();
        QFileDialog *panel = gps().theOpenPanel();
        QVERIFY(panel);
        QTRY_VERIFY(panel->isVisible());
        QCOMPARE(panel->windowTitle(), QStringLiteral("Please select plist to import."));
        QSignalSpy done(m_editor, &EditorController::commandFinished);
        panel->selectFile(plist);
        QPushButton *open = panel->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Open);
        QVERIFY(open && open->isEnabled());
        QTest::mouseClick(open, Qt::LeftButton);
        const JobReport report = waitForCommand(done);
        // The edit sheet's After_plain.jpg stays: the import goes beside it.
        const QString copy = working() + QStringLiteral("/After_plain (2).jpg");
        QCOMPARE(report.written(), QStringList{copy});
        QCOMPARE(tag(copy, QStringLiteral("ExifIFD:ISO")), QStringLiteral("200"));
        QCOMPARE(tag(copy, QStringLiteral("ExifIFD:DateTimeOriginal")), QStringLiteral("2019:07:14 10:20:30"));
    }
};

QTEST_MAIN(TestGpsTemplates)
#include "tst_gpstemplates.moc"
