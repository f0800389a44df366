<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../src/ui/windows/AboutWindow.cpp" line="15"/>
        <source>Support…</source>
        <translation>Hilfe…</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/AboutWindow.cpp" line="18"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/AboutWindow.cpp" line="36"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/AboutWindow.cpp" line="40"/>
        <source>Makes photos smaller without visible loss, and edits their dates, places and other details, on your own computer.</source>
        <translation>Macht Fotos ohne sichtbaren Verlust kleiner und bearbeitet ihre Daten, Orte und weitere Angaben – auf Ihrem eigenen Computer.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/AboutWindow.cpp" line="44"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../src/ui/app/AppDelegate.cpp" line="179"/>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="296"/>
        <source>The photos could not be compressed</source>
        <translation>Die Fotos konnten nicht komprimiert werden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegate.cpp" line="270"/>
        <source>The user guide is not installed</source>
        <translation>Das Benutzerhandbuch ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegate.cpp" line="271"/>
        <source>Glimmerset looked for doc/glimmerset/index.html in the shared data folders.</source>
        <translation>Glimmerset hat in den gemeinsamen Datenordnern nach doc/glimmerset/index.html gesucht.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="85"/>
        <location filename="../src/ui/app/AppDelegateWindow.cpp" line="53"/>
        <source>Photos are being compressed</source>
        <translation>Fotos werden komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="85"/>
        <source>Wait until the compression has finished, then try again.</source>
        <translation>Warten Sie, bis die Komprimierung beendet ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="159"/>
        <source>The photos cannot be compressed into the Output folder</source>
        <translation>Die Fotos können nicht in den Ausgabeordner komprimiert werden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="203"/>
        <source>Nothing has been compressed yet. Drop photos or a folder first.</source>
        <translation>Noch nichts komprimiert. Legen Sie zuerst Fotos oder einen Ordner ab.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="205"/>
        <source>Compress the folder of the last job again with the current preferences. The results are added to the list.</source>
        <translation>Den Ordner des letzten Auftrags mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse werden der Liste hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="208"/>
        <source>Compress the %n photo(s) of the last job again with the current preferences. The results are added to the list.</source>
        <translation>
            <numerusform>Das %n Foto des letzten Auftrags mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse werden der Liste hinzugefügt.</numerusform>
            <numerusform>Die %n Fotos des letzten Auftrags mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse werden der Liste hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="332"/>
        <source>Stopped: the photos not in the list were left as they were.</source>
        <translation>Angehalten: die Fotos, die nicht in der Liste stehen, blieben unverändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="344"/>
        <source>1 photo not compressed</source>
        <translation>1 Foto nicht komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="344"/>
        <source>%1 photos not compressed</source>
        <translation>%1 Fotos nicht komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="345"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="241"/>
        <source>Compressing photos…</source>
        <translation>Fotos werden komprimiert…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="359"/>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateCompression.cpp" line="374"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateResize.cpp" line="103"/>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateResults.cpp" line="123"/>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateResults.cpp" line="126"/>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateWindow.cpp" line="55"/>
        <source>Stop after the photos being written and quit? The photos not yet compressed are left as they are.</source>
        <translation>Nach den gerade geschriebenen Fotos anhalten und beenden? Die noch nicht komprimierten Fotos bleiben unverändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateWindow.cpp" line="56"/>
        <source>Stop and Quit</source>
        <translation>Anhalten und beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateWindow.cpp" line="57"/>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/AppDelegateWindow.cpp" line="83"/>
        <source>Photos compressed</source>
        <translation>Fotos komprimiert</translation>
    </message>
</context>
<context>
    <name>CameraController</name>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="39"/>
        <source>Import from Camera or &amp;Phone…</source>
        <translation>Von Kamera oder &amp;Telefon importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="52"/>
        <source>Looking for cameras failed: %1</source>
        <translation>Die Suche nach Kameras ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="169"/>
        <source>Could not download %1. The camera was disconnected.</source>
        <translation>%1 konnte nicht geladen werden. Die Kamera wurde getrennt.</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="201"/>
        <source>Press the open button to see the photos on %1.</source>
        <translation>Klicken Sie auf „Öffnen“, um die Fotos auf %1 zu sehen.</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="203"/>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="205"/>
        <source>Connect a camera or phone with its cable, switch it on (unlock a phone and allow access).</source>
        <translation>Schließen Sie eine Kamera oder ein Telefon per Kabel an und schalten Sie es ein (ein Telefon entsperren und den Zugriff erlauben).</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="225"/>
        <source>The camera could not be opened</source>
        <translation>Die Kamera konnte nicht geöffnet werden</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="234"/>
        <location filename="../src/ui/camera/CameraController.cpp" line="243"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="253"/>
        <source>Downloading: %1%</source>
        <translation>Wird geladen: %1 %</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="262"/>
        <source>%n photo(s) could not be deleted</source>
        <translation>
            <numerusform>%n Foto konnte nicht gelöscht werden</numerusform>
            <numerusform>%n Fotos konnten nicht gelöscht werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="265"/>
        <source>%n item(s) deleted</source>
        <translation>
            <numerusform>%n Objekt gelöscht</numerusform>
            <numerusform>%n Objekte gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="295"/>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="352"/>
        <source>Downloaded %1</source>
        <translation>%1 geladen</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="369"/>
        <location filename="../src/ui/camera/CameraController.cpp" line="422"/>
        <source>%n photo(s) could not be downloaded</source>
        <translation>
            <numerusform>%n Foto konnte nicht geladen werden</numerusform>
            <numerusform>%n Fotos konnten nicht geladen werden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="389"/>
        <source>%1: no camera to copy it from</source>
        <translation>%1: keine Kamera, von der es kopiert werden kann</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="412"/>
        <source>Skipped %1: movies have no photo metadata.</source>
        <translation>%1 übersprungen: Filme haben keine Foto-Metadaten.</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="449"/>
        <source>Are you sure you want to delete the selected photo ?</source>
        <translation>Möchten Sie das ausgewählte Foto wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="450"/>
        <source> Delete </source>
        <translation> Löschen </translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="451"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="512"/>
        <source> Ok </source>
        <translation> OK </translation>
    </message>
</context>
<context>
    <name>CameraPhotoSource</name>
    <message>
        <location filename="../src/ui/camera/CameraPhotoSource.cpp" line="39"/>
        <source>The item is no longer on the camera.</source>
        <translation>Das Objekt ist nicht mehr auf der Kamera.</translation>
    </message>
</context>
<context>
    <name>CameraWindow</name>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="35"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="48"/>
        <source>Open the camera</source>
        <translation>Kamera öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="67"/>
        <source>Download to the Working folder</source>
        <translation>In den Arbeitsordner laden</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="69"/>
        <source>Download and add to the editor</source>
        <translation>Laden und zum Editor hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="71"/>
        <source>View metadata</source>
        <translation>Metadaten anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="73"/>
        <source>Remove metadata</source>
        <translation>Metadaten entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="75"/>
        <source>Delete from the camera</source>
        <translation>Von der Kamera löschen</translation>
    </message>
</context>
<context>
    <name>ChangeDateWindow</name>
    <message>
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="17"/>
        <source>Change Capture Date</source>
        <translation>Aufnahmedatum ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="19"/>
        <source>The copy of the photo gets these dates (yyyy:MM:dd HH:mm:ss).</source>
        <translation>Die Kopie des Fotos erhält diese Daten (yyyy:MM:dd HH:mm:ss).</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="32"/>
        <source>Date taken:</source>
        <translation>Aufgenommen:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="33"/>
        <source>Date digitized:</source>
        <translation>Digitalisiert:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="36"/>
        <source>Save Copy</source>
        <translation>Kopie speichern</translation>
    </message>
</context>
<context>
    <name>ChangeGPSWindow</name>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="29"/>
        <source>Change GPS Location</source>
        <translation>GPS-Position ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="33"/>
        <source>The copies of the selected photos get this position.</source>
        <translation>Die Kopien der ausgewählten Fotos erhalten diese Position.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="40"/>
        <source>Decimal degrees, -90 to 90 (negative: south)</source>
        <translation>Dezimalgrad, -90 bis 90 (negativ: Süd)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="41"/>
        <source>Decimal degrees, -180 to 180 (negative: west)</source>
        <translation>Dezimalgrad, -180 bis 180 (negativ: West)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="42"/>
        <source>Metres (negative: below sea level)</source>
        <translation>Meter (negativ: unter dem Meeresspiegel)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="43"/>
        <source>yyyy:MM:dd; leave &quot;YYYY:MM:DD&quot; for no GPS date</source>
        <translation>jjjj:MM:tt; „YYYY:MM:DD“ stehen lassen für kein GPS-Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="44"/>
        <source>HH:mm:ss in UTC; leave &quot;HH:MM:SS&quot; for no GPS time</source>
        <translation>HH:mm:ss in UTC; „HH:MM:SS“ stehen lassen für keine GPS-Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="49"/>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="50"/>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="51"/>
        <source>Altitude (m):</source>
        <translation>Höhe (m):</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="52"/>
        <source>GPS date:</source>
        <translation>GPS-Datum:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="53"/>
        <source>GPS time:</source>
        <translation>GPS-Zeit:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="56"/>
        <source>Show on Map</source>
        <translation>Auf der Karte zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="58"/>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeGPSWindow.cpp" line="61"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChangeMutiDateWindow</name>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="34"/>
        <source>Change Capture Dates</source>
        <translation>Aufnahmedaten ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="38"/>
        <source>Shift by a reference photo</source>
        <translation>Anhand eines Referenzfotos verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="39"/>
        <source>Choose Photo…</source>
        <translation>Foto auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="47"/>
        <source>Don&apos;t Use</source>
        <translation>Nicht verwenden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="49"/>
        <source>Shift by the date or the offset below instead</source>
        <translation>Stattdessen um das Datum oder den Versatz unten verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="61"/>
        <source>It shows</source>
        <translation>Es zeigt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="62"/>
        <source>It should show</source>
        <translation>Es soll zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="63"/>
        <source>Taken:</source>
        <translation>Aufgenommen:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="66"/>
        <source>Digitized:</source>
        <translation>Digitalisiert:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="75"/>
        <source>Or set one date for all</source>
        <translation>Oder ein Datum für alle festlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="79"/>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="82"/>
        <source>Or move every date by</source>
        <translation>Oder jedes Datum verschieben um</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="99"/>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="99"/>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="99"/>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="99"/>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="99"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="99"/>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="111"/>
        <source>A month counts 30 days, a year 365 days.</source>
        <translation>Ein Monat zählt 30 Tage, ein Jahr 365 Tage.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeMutiDateWindow.cpp" line="128"/>
        <source>Save Copies</source>
        <translation>Kopien speichern</translation>
    </message>
</context>
<context>
    <name>ConnectPhotoWindow</name>
    <message>
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="16"/>
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="23"/>
        <source>Compress Again</source>
        <translation>Erneut komprimieren</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="17"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="18"/>
        <source>Choose Photo Library…</source>
        <translation>Fotomediathek auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="54"/>
        <source>Photo Library</source>
        <translation>Fotomediathek</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="58"/>
        <source>Edit the metadata of the photos in a photo library copied from another computer: choose its &quot;Photos Library.photoslibrary&quot; folder. The library is only read.</source>
        <translation>Die Metadaten der Fotos einer von einem anderen Computer kopierten Fotomediathek bearbeiten: wählen Sie ihren Ordner „Photos Library.photoslibrary“. Die Mediathek wird nur gelesen.</translation>
    </message>
</context>
<context>
    <name>EditViewWindow</name>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="45"/>
        <source>Edit Metadata</source>
        <translation>Metadaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="53"/>
        <source>harbour, boats</source>
        <translation>Hafen, Boote</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="57"/>
        <source>-90 to 90</source>
        <translation>-90 bis 90</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="58"/>
        <source>-180 to 180</source>
        <translation>-180 bis 180</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="59"/>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="71"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="71"/>
        <source>Artist:</source>
        <translation>Urheber:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="72"/>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="73"/>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="74"/>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="75"/>
        <source>Keywords:</source>
        <translation>Stichwörter:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="77"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="77"/>
        <source>Make:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="78"/>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="79"/>
        <source>Date taken:</source>
        <translation>Aufnahmedatum:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="81"/>
        <source>GPS (written only with both latitude and longitude)</source>
        <translation>GPS (nur mit Breite und Länge geschrieben)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="82"/>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="83"/>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="84"/>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="85"/>
        <source>GPS date:</source>
        <translation>GPS-Datum:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="86"/>
        <source>GPS time:</source>
        <translation>GPS-Zeit:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="89"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="91"/>
        <source>Save the fields as templatefile.plist</source>
        <translation>Die Felder als templatefile.plist sichern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="93"/>
        <source>Write copies of the selected photos with these values</source>
        <translation>Kopien der ausgewählten Fotos mit diesen Werten schreiben</translation>
    </message>
</context>
<context>
    <name>EditorController</name>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="325"/>
        <source>Edited copies go into %1; your photos are never changed.</source>
        <translation>Bearbeitete Kopien kommen nach %1; Ihre Fotos werden nie verändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="140"/>
        <source>%1…</source>
        <translation>%1…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="143"/>
        <source>Writing copies: %1 of %2</source>
        <translation>Kopien werden geschrieben: %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="184"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="308"/>
        <source>The editor left camera mode; nothing more is copied for the last command.</source>
        <translation>Der Editor hat den Kameramodus verlassen; für den letzten Befehl wird nichts mehr kopiert.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="326"/>
        <source>Camera photos: a command first copies the selected ones into %1 and edits those copies; the camera is never changed.</source>
        <translation>Kamerafotos: Ein Befehl kopiert die ausgewählten zuerst nach %1 und bearbeitet diese Kopien; die Kamera wird nie verändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="343"/>
        <source>No Item has been selected</source>
        <translation>Es wurde nichts ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="98"/>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="218"/>
        <source>Not a date</source>
        <translation>Kein Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="343"/>
        <source>Please select at least one item to process.</source>
        <translation>Bitte wählen Sie mindestens ein Element zur Bearbeitung aus.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="359"/>
        <source>Still writing the copies of the last command; try again when it is done.</source>
        <translation>Die Kopien des letzten Befehls werden noch geschrieben; versuchen Sie es danach erneut.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="365"/>
        <source>1 copy written to %1</source>
        <translation>1 Kopie nach %1 geschrieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="366"/>
        <source>%1 copies written to %2</source>
        <translation>%1 Kopien nach %2 geschrieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="62"/>
        <source>Dates of %1</source>
        <translation>Daten von %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="63"/>
        <source>%1 has no capture dates; these are its file dates.</source>
        <translation>%1 hat keine Aufnahmedaten; dies sind seine Dateidaten.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="70"/>
        <source>%1 selected photos get copies under their own names.</source>
        <translation>%1 ausgewählte Fotos erhalten Kopien unter ihrem eigenen Namen.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="126"/>
        <source>Please select one photo to change the date.</source>
        <translation>Bitte wählen Sie ein Foto aus, um das Datum zu ändern.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="154"/>
        <source>Choose Another…</source>
        <translation>Anderes auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="181"/>
        <source>Choose Photo…</source>
        <translation>Foto auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="252"/>
        <source>Select the photos to date first.</source>
        <translation>Wählen Sie zuerst die Fotos aus, deren Datum geändert werden soll.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerCopies.cpp" line="22"/>
        <source>Still copying photos from the camera for the last command.</source>
        <translation>Die Fotos für den letzten Befehl werden noch von der Kamera kopiert.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerCopies.cpp" line="46"/>
        <source>Copying from the camera: 0 of %1</source>
        <translation>Von der Kamera kopieren: 0 von %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerCopies.cpp" line="60"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerCopies.cpp" line="64"/>
        <source>Copying from the camera: %1 of %2</source>
        <translation>Von der Kamera kopieren: %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerCopies.cpp" line="80"/>
        <source>Copied %1 of %2 from the camera.</source>
        <translation>%1 von %2 von der Kamera kopiert.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/editor/EditorControllerCopies.cpp" line="84"/>
        <source>%n photo(s) could not be copied from the camera and are left out</source>
        <translation>
            <numerusform>%n Foto konnte nicht von der Kamera kopiert werden und wird ausgelassen</numerusform>
            <numerusform>%n Fotos konnten nicht von der Kamera kopiert werden und werden ausgelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPlaceholderView</name>
    <message>
        <location filename="../src/ui/windows/EditorPlaceholderView.cpp" line="16"/>
        <source>Metadata editor</source>
        <translation>Metadaten-Editor</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/EditorPlaceholderView.cpp" line="22"/>
        <source>Editing dates, places and other details is not available in this build.</source>
        <translation>Das Bearbeiten von Daten, Orten und weiteren Angaben ist in dieser Version nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>GpsTemplateController</name>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="104"/>
        <source>Change GPS Location…</source>
        <translation>GPS-Position ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="106"/>
        <source>Show on Map</source>
        <translation>Auf der Karte zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="108"/>
        <source>Edit Metadata…</source>
        <translation>Metadaten bearbeiten…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="112"/>
        <source>Export to Property List</source>
        <translation>Als Property List exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="119"/>
        <source>All Metadata</source>
        <translation>Alle Metadaten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="120"/>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="121"/>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="122"/>
        <source>Exif and TIFF</source>
        <translation>Exif und TIFF</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="130"/>
        <source>Import from Property List</source>
        <translation>Aus Property List importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="137"/>
        <source>All Metadata…</source>
        <translation>Alle Metadaten…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="138"/>
        <source>Exif…</source>
        <translation>Exif…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="139"/>
        <source>TIFF…</source>
        <translation>TIFF…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="140"/>
        <source>Exif and TIFF…</source>
        <translation>Exif und TIFF…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="141"/>
        <source>Template…</source>
        <translation>Vorlage…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="162"/>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="340"/>
        <source>Apply Metadata</source>
        <translation>Metadaten anwenden</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="163"/>
        <source>%n copies written</source>
        <translation>
            <numerusform>%n Kopie geschrieben</numerusform>
            <numerusform>%n Kopien geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="210"/>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="223"/>
        <source>%1 is now at %2, %3.</source>
        <translation>%1 liegt jetzt bei %2, %3.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="224"/>
        <source>%1 has no GPS position.</source>
        <translation>%1 hat keine GPS-Position.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="241"/>
        <source>Each value cannot be empty.</source>
        <translation>Kein Wert darf leer sein.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="263"/>
        <source>Change GPS Location</source>
        <translation>GPS-Position ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="282"/>
        <source>as typed</source>
        <translation>wie eingegeben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="288"/>
        <source>stored in %1</source>
        <translation>gespeichert in %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="291"/>
        <source>No GPS Data</source>
        <translation>Keine GPS-Daten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="291"/>
        <source>This photo does not contain GPS information.</source>
        <translation>Dieses Foto enthält keine GPS-Informationen.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="324"/>
        <source>No Item has been selected</source>
        <translation>Kein Objekt ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="324"/>
        <source>Please select at least one item to process.</source>
        <translation>Bitte wählen Sie mindestens ein Objekt aus.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="337"/>
        <source>Writing copies…</source>
        <translation>Kopien werden geschrieben…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="354"/>
        <source>The template was not saved</source>
        <translation>Die Vorlage wurde nicht gesichert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="357"/>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="376"/>
        <source>Saved %1</source>
        <translation>%1 gesichert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="373"/>
        <source>Nothing was exported</source>
        <translation>Es wurde nichts exportiert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="399"/>
        <source>Please select plist to import.</source>
        <translation>Bitte wählen Sie die zu importierende Property List.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="400"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="419"/>
        <source>Import All Metadata</source>
        <translation>Alle Metadaten importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="424"/>
        <source>Import Exif</source>
        <translation>Exif importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="429"/>
        <source>Import TIFF</source>
        <translation>TIFF importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="434"/>
        <source>Import Exif and TIFF</source>
        <translation>Exif und TIFF importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="442"/>
        <source>Import Template</source>
        <translation>Vorlage importieren</translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <location filename="../src/ui/app/ImportPanel.cpp" line="37"/>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/app/ImportPanel.cpp" line="38"/>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>MainInterface</name>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="85"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="91"/>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="122"/>
        <source>Drop photos or a folder here</source>
        <translation>Fotos oder einen Ordner hier ablegen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="123"/>
        <source>or click to choose photos — JPEG and PNG are made smaller</source>
        <translation>oder klicken, um Fotos auszuwählen – JPEG und PNG werden verkleinert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="127"/>
        <source>Edit photo metadata instead…</source>
        <translation>Stattdessen Foto-Metadaten bearbeiten…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="161"/>
        <source>Drop more photos or a folder</source>
        <translation>Weitere Fotos oder einen Ordner ablegen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="162"/>
        <source>A drop starts a new list · click to choose photos</source>
        <translation>Ablegen beginnt eine neue Liste · klicken, um Fotos auszuwählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="176"/>
        <source>Compressing photos…</source>
        <translation>Fotos werden komprimiert…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="197"/>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="199"/>
        <source>Stop after the photos being written; the finished ones stay in the list</source>
        <translation>Nach den gerade geschriebenen Fotos anhalten; die fertigen bleiben in der Liste</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="215"/>
        <source>Compressed photos</source>
        <translation>Komprimierte Fotos</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="217"/>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="219"/>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="221"/>
        <source>&amp;Copy Path</source>
        <translation>Pfad &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="224"/>
        <source>&amp;Remove from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="256"/>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="258"/>
        <source>Recompress</source>
        <translation>Erneut komprimieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="259"/>
        <source>Compress the photos of the last drop again</source>
        <translation>Die zuletzt abgelegten Fotos erneut komprimieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="262"/>
        <source>Resize…</source>
        <translation>Größe ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="264"/>
        <source>Edit Metadata</source>
        <translation>Metadaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="289"/>
        <source>&amp;Glimmerset</source>
        <translation>&amp;Glimmerset</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="290"/>
        <source>&amp;About Glimmerset</source>
        <translation>&amp;Über Glimmerset</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="292"/>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="297"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="302"/>
        <source>&amp;Photos</source>
        <translation>&amp;Fotos</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="303"/>
        <source>&amp;Import Photos…</source>
        <translation>Fotos &amp;importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="305"/>
        <source>&amp;Compress Again…</source>
        <translation>&amp;Erneut komprimieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="306"/>
        <source>&amp;Resize Photos…</source>
        <translation>&amp;Größe der Fotos ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="309"/>
        <source>&amp;Edit Metadata</source>
        <translation>&amp;Metadaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="312"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="313"/>
        <source>Glimmerset &amp;Support</source>
        <translation>Glimmerset-&amp;Handbuch</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="314"/>
        <source>Check for &amp;Updates…</source>
        <translation>Nach &amp;Updates suchen…</translation>
    </message>
</context>
<context>
    <name>MapWindow</name>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="28"/>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="49"/>
        <source>%1, %2 (%3)</source>
        <translation>%1, %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="52"/>
        <source>&lt;a href=&quot;%1&quot;&gt;Open this place on openstreetmap.org&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Diesen Ort auf openstreetmap.org öffnen&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>MetadataEditorView</name>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="44"/>
        <source>Drop photos here to edit their metadata,
or click Import Photos.</source>
        <translation>Legen Sie hier Fotos ab, um ihre Metadaten zu bearbeiten,
oder klicken Sie auf „Fotos importieren“.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="81"/>
        <source>Photos from this computer</source>
        <translation>Fotos von diesem Computer</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="86"/>
        <source>Photos from a photo library</source>
        <translation>Fotos aus einer Fotobibliothek</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="87"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="89"/>
        <source>Stop reading the photo library (the photos listed so far stay)</source>
        <translation>Das Lesen der Fotobibliothek beenden (die bisher gelisteten Fotos bleiben)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="91"/>
        <source>Import Photos…</source>
        <translation>Fotos importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="94"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="97"/>
        <source>Empty the list (the photos stay where they are)</source>
        <translation>Die Liste leeren (die Fotos bleiben, wo sie sind)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="98"/>
        <source>Remove Metadata</source>
        <translation>Metadaten entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="100"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="106"/>
        <source>Edit artist, description, keywords, camera and GPS of the selected photos</source>
        <translation>Fotograf, Beschreibung, Stichwörter, Kamera und GPS der ausgewählten Fotos bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="110"/>
        <source>This Computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="111"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="137"/>
        <source>Clear and Import Photos…</source>
        <translation>Leeren und Fotos importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="193"/>
        <source>Copy Without Exif</source>
        <translation>Kopie ohne Exif</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="195"/>
        <source>Copy Without GPS Location</source>
        <translation>Kopie ohne GPS-Position</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="197"/>
        <source>Copy Without IPTC</source>
        <translation>Kopie ohne IPTC</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="199"/>
        <source>Copy Without Exif and GPS</source>
        <translation>Kopie ohne Exif und GPS</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="204"/>
        <source>Change Capture Date…</source>
        <translation>Aufnahmedatum ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="206"/>
        <source>Date Files by Capture Date</source>
        <translation>Dateidatum nach Aufnahmedatum setzen</translation>
    </message>
</context>
<context>
    <name>MetadataViewerWindow</name>
    <message>
        <location filename="../src/ui/camera/MetadataViewerWindow.cpp" line="22"/>
        <source>Metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/MetadataViewerWindow.cpp" line="76"/>
        <source>Metadata of %1</source>
        <translation>Metadaten von %1</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/MetadataViewerWindow.cpp" line="78"/>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/MetadataViewerWindow.cpp" line="79"/>
        <source>The copy in %1</source>
        <translation>Die Kopie in %1</translation>
    </message>
</context>
<context>
    <name>NSDragImageBrowserView</name>
    <message>
        <location filename="../src/ui/editor/NSDragImageBrowserView.cpp" line="48"/>
        <location filename="../src/ui/editor/NSDragImageBrowserView.cpp" line="71"/>
        <source>&amp;Remove from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>NoUpdateWindow</name>
    <message>
        <location filename="../src/ui/windows/NoUpdateWindow.cpp" line="16"/>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/NoUpdateWindow.cpp" line="22"/>
        <source>You&apos;re up to date!</source>
        <translation>Sie sind auf dem neuesten Stand!</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/NoUpdateWindow.cpp" line="30"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PSTableNameCellView</name>
    <message>
        <location filename="../src/ui/widgets/PSTableNameCellView.cpp" line="89"/>
        <location filename="../src/ui/widgets/PSTableNameCellView.cpp" line="90"/>
        <source>Show in the file manager</source>
        <translation>In der Dateiverwaltung zeigen</translation>
    </message>
</context>
<context>
    <name>PhotoInfoPanel</name>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="41"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="42"/>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="43"/>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="45"/>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="46"/>
        <source>Date digitized</source>
        <translation>Digitalisiert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="47"/>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="49"/>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="50"/>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="51"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="52"/>
        <source>Make</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="53"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="54"/>
        <source>Artist</source>
        <translation>Urheber</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="55"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="56"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="57"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="58"/>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="59"/>
        <source>GPS date</source>
        <translation>GPS-Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="60"/>
        <source>GPS time</source>
        <translation>GPS-Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="61"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="62"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="63"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>PhotoLibraryController</name>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="104"/>
        <source>Choose the &quot;%1&quot; folder</source>
        <translation>Den Ordner „%1“ auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="105"/>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="126"/>
        <source>This folder is not a photo library</source>
        <translation>Dieser Ordner ist keine Fotomediathek</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="141"/>
        <source>The photo library is still being read</source>
        <translation>Die Fotobibliothek wird noch gelesen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="149"/>
        <source>Reading the photo library %1…</source>
        <translation>Die Fotobibliothek %1 wird gelesen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="163"/>
        <source>Reading the photo library: %1 photos so far…</source>
        <translation>Die Fotobibliothek wird gelesen: bisher %1 Fotos…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="172"/>
        <source>The photo library could not be read</source>
        <translation>Die Fotomediathek konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="176"/>
        <source>Photo library: %1</source>
        <translation>Fotobibliothek: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="178"/>
        <source> (movies and files that are not photos)</source>
        <translation> (Filme und Dateien, die keine Fotos sind)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="183"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="185"/>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="186"/>
        <source>Some folders of the photo library could not be read</source>
        <translation>Einige Ordner der Fotobibliothek konnten nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>PreferenceWindow</name>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="38"/>
        <source>Keep photo metadata</source>
        <translation>Foto-Metadaten behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="39"/>
        <source>Keep original photos</source>
        <translation>Originalfotos behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="40"/>
        <source>Include subfolders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="42"/>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="46"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="58"/>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="88"/>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="61"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="62"/>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="63"/>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="64"/>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="91"/>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="73"/>
        <source>Compression</source>
        <translation>Komprimierung</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="75"/>
        <source>Carry the date, camera, GPS and other details of JPEG photos into the results.</source>
        <translation>Datum, Kamera, GPS und weitere Angaben von JPEG-Fotos in die Ergebnisse übernehmen.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="78"/>
        <source>Write results into the Output folder and leave the photos you drop untouched. When off, each photo is replaced by its compressed version and the original goes to the Trash.</source>
        <translation>Ergebnisse in den Ausgabeordner schreiben und die abgelegten Fotos unverändert lassen. Wenn aus, wird jedes Foto durch seine komprimierte Fassung ersetzt und das Original kommt in den Papierkorb.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="84"/>
        <source>When a folder is dropped, compress the photos in its subfolders too; the Output folder keeps the same subfolders.</source>
        <translation>Wird ein Ordner abgelegt, auch die Fotos in seinen Unterordnern komprimieren; der Ausgabeordner behält dieselben Unterordner.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="96"/>
        <source>System follows the colours of your desktop.</source>
        <translation>„System“ folgt den Farben Ihrer Arbeitsumgebung.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="98"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PropertyTreeModel</name>
    <message>
        <location filename="../src/ui/widgets/PropertyTreeModel.cpp" line="33"/>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/PropertyTreeModel.cpp" line="33"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/widgets/PropertyTreeModel.cpp" line="47"/>
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/widgets/PropertyTreeModel.cpp" line="50"/>
        <source>%n values</source>
        <translation>
            <numerusform>%n Wert</numerusform>
            <numerusform>%n Werte</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/PropertyTreeModel.cpp" line="52"/>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
</context>
<context>
    <name>ReportProblems</name>
    <message>
        <location filename="../src/ui/widgets/ReportProblems.cpp" line="26"/>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ReportProblems.cpp" line="29"/>
        <source>Some copies could not be written</source>
        <translation>Einige Kopien konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ReportProblems.cpp" line="30"/>
        <source>Some photos were skipped</source>
        <translation>Einige Fotos wurden übersprungen</translation>
    </message>
</context>
<context>
    <name>ResizeWindow</name>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="20"/>
        <source>Keep proportions</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="21"/>
        <source>Resize and Compress</source>
        <translation>Größe ändern und komprimieren</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="22"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="30"/>
        <source>Resize Photos</source>
        <translation>Größe der Fotos ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="35"/>
        <source>Scale every photo in the list and compress it again.</source>
        <translation>Jedes Foto der Liste skalieren und erneut komprimieren.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="41"/>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="42"/>
        <source>auto</source>
        <translation>auto</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="50"/>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="52"/>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="54"/>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="57"/>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="55"/>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
</context>
<context>
    <name>ResultHeaderView</name>
    <message>
        <location filename="../src/ui/widgets/ResultHeaderView.cpp" line="74"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ResultHeaderView.cpp" line="75"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ResultHeaderView.cpp" line="76"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ResultHeaderView.cpp" line="77"/>
        <source>Compressed</source>
        <translation>Komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ResultHeaderView.cpp" line="78"/>
        <source>Saved</source>
        <translation>Gespart</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ResultHeaderView.cpp" line="82"/>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <location filename="../src/ui/widgets/ResultHeaderView.cpp" line="81"/>
        <source>Sort by %1; click again to reverse</source>
        <translation>Nach %1 sortieren; erneut klicken kehrt die Reihenfolge um</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <location filename="../src/ui/windows/UpdateWindow.cpp" line="17"/>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/UpdateWindow.cpp" line="36"/>
        <source>What&apos;s new:</source>
        <translation>Neuigkeiten:</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/UpdateWindow.cpp" line="45"/>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/UpdateWindow.cpp" line="47"/>
        <source>Download</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>ZelUpdateController</name>
    <message>
        <location filename="../src/ui/update/ZelUpdateController.cpp" line="84"/>
        <source>The version list is at %1.</source>
        <translation>Die Versionsliste liegt unter %1.</translation>
    </message>
</context>
</TS>
