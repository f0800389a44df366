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
    <name>AlertSheet</name>
    <message>
        <location filename="../src/ui/widgets/AlertSheet.cpp" line="20"/>
        <source> Ok </source>
        <translation> OK </translation>
    </message>
</context>
<context>
    <name>BatchCompressor</name>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="163"/>
        <source>not a photo</source>
        <translation>kein Foto</translation>
    </message>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="176"/>
        <source>too large: %1 × %2 pixels, %3</source>
        <translation>zu groß: %1 × %2 Pixel, %3</translation>
    </message>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="180"/>
        <source>more than %1 megapixels</source>
        <translation>mehr als %1 Megapixel</translation>
    </message>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="182"/>
        <source>more than this computer&apos;s memory allows</source>
        <translation>mehr, als der Arbeitsspeicher dieses Computers zulässt</translation>
    </message>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="185"/>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="297"/>
        <source>hidden name</source>
        <translation>versteckter Name</translation>
    </message>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="297"/>
        <source>given more than once in this job</source>
        <translation>in diesem Auftrag mehrfach angegeben</translation>
    </message>
    <message>
        <location filename="../src/core/compress/BatchCompressor.cpp" line="313"/>
        <source>no Output folder is set</source>
        <translation>kein Ausgabeordner festgelegt</translation>
    </message>
</context>
<context>
    <name>BatchDateShift</name>
    <message>
        <location filename="../src/core/metadata/BatchDateShift.cpp" line="59"/>
        <source>the shifted date falls outside the years 1 to 9999</source>
        <translation>das verschobene Datum liegt außerhalb der Jahre 1 bis 9999</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/BatchDateShift.cpp" line="181"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/BatchDateShift.cpp" line="184"/>
        <source>Taken (it shows)</source>
        <translation>Aufgenommen (es zeigt)</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/BatchDateShift.cpp" line="185"/>
        <source>Digitized (it shows)</source>
        <translation>Digitalisiert (es zeigt)</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/BatchDateShift.cpp" line="186"/>
        <source>Taken (it should show)</source>
        <translation>Aufgenommen (es soll zeigen)</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/BatchDateShift.cpp" line="187"/>
        <source>Digitized (it should show)</source>
        <translation>Digitalisiert (es soll zeigen)</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/BatchDateShift.cpp" line="200"/>
        <source>A reference photo shifts local photos only; nothing was written.</source>
        <translation>Ein Referenzfoto verschiebt nur lokale Fotos; es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>BatchDateWindow</name>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="34"/>
        <source>Change Capture Dates</source>
        <translation>Aufnahmedaten ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="47"/>
        <source>Shift by a reference photo</source>
        <translation>Anhand eines Referenzfotos verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="48"/>
        <source>Choose Photo…</source>
        <translation>Foto auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="56"/>
        <source>Don&apos;t Use</source>
        <translation>Nicht verwenden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="58"/>
        <source>Shift by the date or the offset below instead</source>
        <translation>Stattdessen um das Datum oder den Versatz unten verschieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="70"/>
        <source>It shows</source>
        <translation>Es zeigt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="71"/>
        <source>It should show</source>
        <translation>Es soll zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="72"/>
        <source>Taken:</source>
        <translation>Aufgenommen:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="75"/>
        <source>Digitized:</source>
        <translation>Digitalisiert:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="87"/>
        <source>Or set one date for all</source>
        <translation>Oder ein Datum für alle festlegen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="91"/>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="97"/>
        <source>Or move every date by</source>
        <translation>Oder jedes Datum verschieben um</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="114"/>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="114"/>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="114"/>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="114"/>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="114"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="114"/>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="122"/>
        <source>Add Time</source>
        <translation>Zeit hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="124"/>
        <source>Remove Time</source>
        <translation>Zeit abziehen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="126"/>
        <source>A month counts 30 days, a year 365 days.</source>
        <translation>Ein Monat zählt 30 Tage, ein Jahr 365 Tage.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/BatchDateWindow.cpp" line="145"/>
        <source>Save Copies</source>
        <translation>Kopien speichern</translation>
    </message>
</context>
<context>
    <name>CameraController</name>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="38"/>
        <source>Import from Camera or &amp;Phone…</source>
        <translation>Von Kamera oder &amp;Telefon importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="51"/>
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
        <location filename="../src/ui/camera/CameraController.cpp" line="287"/>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="362"/>
        <location filename="../src/ui/camera/CameraController.cpp" line="425"/>
        <source>%n photo(s) could not be downloaded</source>
        <translation>
            <numerusform>%n Foto konnte nicht geladen werden</numerusform>
            <numerusform>%n Fotos konnten nicht geladen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="370"/>
        <source>%n file(s) downloaded to %1</source>
        <translation>
            <numerusform>%n Datei nach %1 geladen</numerusform>
            <numerusform>%n Dateien nach %1 geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="371"/>
        <source>Downloaded %1 of %n file(s)</source>
        <translation>
            <numerusform>%1 von %n Datei geladen</numerusform>
            <numerusform>%1 von %n Dateien geladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/camera/CameraController.cpp" line="373"/>
        <source>%n could not be downloaded.</source>
        <translation>
            <numerusform>%n konnte nicht geladen werden.</numerusform>
            <numerusform>%n konnten nicht geladen werden.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="392"/>
        <source>%1: no camera to copy it from</source>
        <translation>%1: keine Kamera, von der es kopiert werden kann</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="415"/>
        <source>Skipped %1: movies have no photo metadata.</source>
        <translation>%1 übersprungen: Filme haben keine Foto-Metadaten.</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="452"/>
        <source>Are you sure you want to delete the selected photo ?</source>
        <translation>Möchten Sie das ausgewählte Foto wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="453"/>
        <source> Delete </source>
        <translation> Löschen </translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="454"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraController.cpp" line="516"/>
        <source> Ok </source>
        <translation> OK </translation>
    </message>
</context>
<context>
    <name>CameraDevice</name>
    <message>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="62"/>
        <source>open the camera</source>
        <extracomment>Completes &quot;Could not %1.&quot;: what was tried.</extracomment>
        <translation>Das Öffnen der Kamera</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="82"/>
        <source>read the folder %1</source>
        <extracomment>Completes &quot;Could not %1.&quot;: what was tried.</extracomment>
        <translation>Das Lesen des Ordners %1</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="145"/>
        <source>download %1</source>
        <extracomment>Completes &quot;Could not %1.&quot;: what was tried.</extracomment>
        <translation>Das Laden von %1</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="147"/>
        <source>Could not %1. The camera gave it a name that is not a file name.</source>
        <translation>%1 ist nicht gelungen. Die Kamera hat der Datei einen Namen gegeben, der kein Dateiname ist.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="149"/>
        <source>Could not %1. The folder %2 cannot be created.</source>
        <translation>%1 ist nicht gelungen. Der Ordner %2 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="156"/>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="167"/>
        <source>Could not %1. %2</source>
        <translation>%1 ist nicht gelungen. %2</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraDevice.cpp" line="191"/>
        <source>delete %1</source>
        <extracomment>Completes &quot;Could not %1.&quot;: what was tried.</extracomment>
        <translation>Das Löschen von %1</translation>
    </message>
</context>
<context>
    <name>CameraMessages</name>
    <message>
        <location filename="../src/core/sources/camera/CameraMessages.cpp" line="25"/>
        <source>Another program is using the camera, usually the desktop&apos;s file manager, which mounts cameras when they are plugged in. Unmount or eject the camera there (or stop gvfs-gphoto2-volume-monitor) and try again.</source>
        <translation>Ein anderes Programm verwendet die Kamera, meist die Dateiverwaltung des Desktops, die Kameras beim Anschließen einbindet. Hängen Sie die Kamera dort aus oder werfen Sie sie aus (oder beenden Sie gvfs-gphoto2-volume-monitor) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraMessages.cpp" line="30"/>
        <source>The camera or the file is no longer there. Check that the camera is still connected and switched on.</source>
        <translation>Die Kamera oder die Datei ist nicht mehr vorhanden. Prüfen Sie, ob die Kamera noch angeschlossen und eingeschaltet ist.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraMessages.cpp" line="34"/>
        <source>This camera does not allow it.</source>
        <translation>Diese Kamera lässt das nicht zu.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraMessages.cpp" line="37"/>
        <source>Stopped before it finished.</source>
        <translation>Vor dem Ende angehalten.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraMessages.cpp" line="40"/>
        <source>The camera reported an error.</source>
        <translation>Die Kamera hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraMessages.cpp" line="44"/>
        <source>Could not %1. %2</source>
        <extracomment>%1 is the attempt (&quot;open the camera&quot;, &quot;download IMG_0001.JPG&quot;), %2 why it failed.</extracomment>
        <translation>%1 ist nicht gelungen. %2</translation>
    </message>
</context>
<context>
    <name>CameraPhotoSource</name>
    <message>
        <location filename="../src/core/sources/camera/CameraPhotoSource.cpp" line="32"/>
        <source>The item is no longer on the camera.</source>
        <translation>Das Objekt ist nicht mehr auf der Kamera.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/camera/CameraPhotoSource.cpp" line="56"/>
        <source>not copied from the camera yet</source>
        <translation>noch nicht von der Kamera kopiert</translation>
    </message>
</context>
<context>
    <name>CameraWindow</name>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="58"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="71"/>
        <source>Open the camera</source>
        <translation>Kamera öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="78"/>
        <source>Download to the Working folder</source>
        <translation>In den Arbeitsordner laden</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="80"/>
        <source>Download and add to the editor</source>
        <translation>Laden und zum Editor hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="82"/>
        <source>View metadata</source>
        <translation>Metadaten anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="84"/>
        <source>Remove metadata</source>
        <translation>Metadaten entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="86"/>
        <source>Delete from the camera</source>
        <translation>Von der Kamera löschen</translation>
    </message>
    <message>
        <location filename="../src/ui/camera/CameraWindow.cpp" line="98"/>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="30"/>
        <source>Date taken:</source>
        <translation>Aufgenommen:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="31"/>
        <source>Date digitized:</source>
        <translation>Digitalisiert:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/ChangeDateWindow.cpp" line="34"/>
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
    <name>CompareController</name>
    <message>
        <location filename="../src/ui/compare/CompareController.cpp" line="19"/>
        <source>Co&amp;mpare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="44"/>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="52"/>
        <source>Structural similarity of the result to the original: 1 means no visible change</source>
        <translation>Strukturelle Ähnlichkeit des Ergebnisses mit dem Original: 1 bedeutet keine sichtbare Änderung</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="56"/>
        <source>Side by Side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="57"/>
        <source>Split</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="63"/>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="64"/>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="65"/>
        <source>200%</source>
        <translation>200 %</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="109"/>
        <source>Compare %1</source>
        <translation>%1 vergleichen</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="110"/>
        <source>Original: reading…</source>
        <translation>Original: wird gelesen…</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="112"/>
        <source>SSIM: computing…</source>
        <translation>SSIM: wird berechnet…</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="136"/>
        <source>Original: %1, %2</source>
        <translation>Original: %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="137"/>
        <source>Original: %1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="139"/>
        <source>Compressed: %1, %2</source>
        <translation>Komprimiert: %1, %2</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="142"/>
        <source>(%1 smaller)</source>
        <translation>(%1 kleiner)</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="147"/>
        <source>Compressed: %1</source>
        <translation>Komprimiert: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="150"/>
        <source>SSIM %1</source>
        <translation>SSIM %1</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="152"/>
        <source>SSIM: not measured, the sizes differ</source>
        <translation>SSIM: nicht gemessen, die Größen weichen ab</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/CompareWindow.cpp" line="154"/>
        <source>SSIM: not measured</source>
        <translation>SSIM: nicht gemessen</translation>
    </message>
</context>
<context>
    <name>ComparisonView</name>
    <message>
        <location filename="../src/ui/compare/ComparisonView.cpp" line="184"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../src/ui/compare/ComparisonView.cpp" line="185"/>
        <source>Compressed</source>
        <translation>Komprimiert</translation>
    </message>
</context>
<context>
    <name>CompressionController</name>
    <message>
        <location filename="../src/ui/app/CompressionController.cpp" line="165"/>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="298"/>
        <source>The photos could not be compressed</source>
        <translation>Die Fotos konnten nicht komprimiert werden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionController.cpp" line="256"/>
        <source>The user guide is not installed</source>
        <translation>Das Benutzerhandbuch ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionController.cpp" line="257"/>
        <source>Glimmerset looked for doc/glimmerset/index.html in the shared data folders.</source>
        <translation>Glimmerset hat in den gemeinsamen Datenordnern nach doc/glimmerset/index.html gesucht.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionController.cpp" line="288"/>
        <source> Ok </source>
        <translation> OK </translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="82"/>
        <location filename="../src/ui/app/CompressionControllerWindow.cpp" line="53"/>
        <source>Photos are being compressed</source>
        <translation>Fotos werden komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="82"/>
        <source>Wait until the compression has finished, then try again.</source>
        <translation>Warten Sie, bis die Komprimierung beendet ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="133"/>
        <source>Compressed photos will replace the originals. The originals go to the Trash.</source>
        <translation>Die komprimierten Fotos ersetzen die Originale. Die Originale kommen in den Papierkorb.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="136"/>
        <source>Replace Originals</source>
        <translation>Originale ersetzen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="138"/>
        <source>Keep Originals</source>
        <translation>Originale behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="161"/>
        <source>The photos cannot be compressed into the Output folder</source>
        <translation>Die Fotos können nicht in den Ausgabeordner komprimiert werden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="205"/>
        <source>Nothing has been compressed yet. Drop photos or a folder first.</source>
        <translation>Noch nichts komprimiert. Legen Sie zuerst Fotos oder einen Ordner ab.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="207"/>
        <source>Compress the folder of the last job again with the current preferences. The results are added to the list.</source>
        <translation>Den Ordner des letzten Auftrags mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse werden der Liste hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="210"/>
        <source>Compress the %n photo(s) of the last job again with the current preferences. The results are added to the list.</source>
        <translation>
            <numerusform>Das %n Foto des letzten Auftrags mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse werden der Liste hinzugefügt.</numerusform>
            <numerusform>Die %n Fotos des letzten Auftrags mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse werden der Liste hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="354"/>
        <source>1 photo not compressed</source>
        <translation>1 Foto nicht komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="354"/>
        <source>%1 photos not compressed</source>
        <translation>%1 Fotos nicht komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="355"/>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="243"/>
        <source>Compressing photos…</source>
        <translation>Fotos werden komprimiert…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="369"/>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="383"/>
        <source>Please select photos to import.</source>
        <translation>Bitte wählen Sie die zu importierenden Fotos aus.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="384"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerResize.cpp" line="102"/>
        <source>Please select a floder to store the compressed photos.</source>
        <translation>Bitte wählen Sie einen Ordner für die komprimierten Fotos aus.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerResize.cpp" line="103"/>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerResults.cpp" line="130"/>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerResults.cpp" line="133"/>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerWindow.cpp" line="55"/>
        <source>Stop after the photos being written and quit? The photos not yet compressed are left as they are.</source>
        <translation>Nach den gerade geschriebenen Fotos anhalten und beenden? Die noch nicht komprimierten Fotos bleiben unverändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerWindow.cpp" line="56"/>
        <source>Stop and Quit</source>
        <translation>Anhalten und beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerWindow.cpp" line="57"/>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerWindow.cpp" line="83"/>
        <source>Photos compressed</source>
        <translation>Fotos komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="134"/>
        <source>The originals go to the Trash and the compressed photos that replace them keep no metadata, so their capture dates are lost.</source>
        <translation>Die Originale kommen in den Papierkorb, und die komprimierten Fotos, die sie ersetzen, behalten keine Metadaten, sodass ihre Aufnahmedaten verloren gehen.</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="323"/>
        <source>Stopped: %1 of %2 photos compressed</source>
        <translation>Angehalten: %1 von %2 Fotos komprimiert</translation>
    </message>
    <message>
        <location filename="../src/ui/app/CompressionControllerJobs.cpp" line="326"/>
        <source>The photos not in the list were left as they were.</source>
        <translation>Die Fotos, die nicht in der Liste stehen, blieben unverändert.</translation>
    </message>
</context>
<context>
    <name>CompressionJob</name>
    <message>
        <location filename="../src/core/compress/CompressionJob.cpp" line="53"/>
        <source>No Output folder is set.</source>
        <translation>Es ist kein Ausgabeordner festgelegt.</translation>
    </message>
    <message>
        <location filename="../src/core/compress/CompressionJob.cpp" line="56"/>
        <source>Another compression job is still running. Wait until it has finished.</source>
        <translation>Ein anderer Komprimierungsauftrag läuft noch. Warten Sie, bis er abgeschlossen ist.</translation>
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
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="52"/>
        <source>Photo Library</source>
        <translation>Fotomediathek</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ConnectPhotoWindow.cpp" line="56"/>
        <source>Edit the metadata of the photos in a photo library copied from another computer: choose its &quot;Photos Library.photoslibrary&quot; folder. The library is only read.</source>
        <translation>Die Metadaten der Fotos einer von einem anderen Computer kopierten Fotomediathek bearbeiten: wählen Sie ihren Ordner „Photos Library.photoslibrary“. Die Mediathek wird nur gelesen.</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <location filename="../src/core/metadata/DateText.cpp" line="72"/>
        <source>%1: &quot;%2&quot; is not a date; type it as yyyy:MM:dd HH:mm:ss (or yyyy-MM-dd HH:mm:ss).</source>
        <translation>%1: „%2“ ist kein Datum; geben Sie es als yyyy:MM:dd HH:mm:ss ein (oder als yyyy-MM-dd HH:mm:ss).</translation>
    </message>
</context>
<context>
    <name>DesktopFileRevealer</name>
    <message>
        <location filename="../src/ui/app/DesktopFileRevealer.cpp" line="60"/>
        <source>No file manager could show the file</source>
        <translation>Kein Dateimanager konnte die Datei anzeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/DesktopFileRevealer.cpp" line="61"/>
        <source>It is in this folder:
%1</source>
        <translation>Sie liegt in diesem Ordner:
%1</translation>
    </message>
</context>
<context>
    <name>EditSheetFields</name>
    <message>
        <location filename="../src/core/metadata/EditSheetFields.cpp" line="69"/>
        <source>the template&apos;s %1 is not text</source>
        <translation>der Eintrag %1 der Vorlage ist kein Text</translation>
    </message>
</context>
<context>
    <name>EditSteps</name>
    <message>
        <location filename="../src/core/metadata/EditSteps.cpp" line="65"/>
        <source>not a photo that can be read</source>
        <translation>kein lesbares Foto</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/EditSteps.cpp" line="66"/>
        <source>not a photo that can be read (%1)</source>
        <translation>kein lesbares Foto (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/EditSteps.cpp" line="90"/>
        <location filename="../src/core/metadata/EditSteps.cpp" line="112"/>
        <source>the copy could not be written</source>
        <translation>die Kopie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/EditSteps.cpp" line="194"/>
        <source>the photo&apos;s metadata could not be processed</source>
        <translation>die Metadaten des Fotos konnten nicht verarbeitet werden</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/EditSteps.cpp" line="195"/>
        <source>the photo&apos;s metadata could not be processed (%1)</source>
        <translation>die Metadaten des Fotos konnten nicht verarbeitet werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/EditSteps.cpp" line="121"/>
        <source>the copy was written but its file dates could not be set</source>
        <translation>die Kopie wurde geschrieben, aber ihre Dateidaten konnten nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>EditTarget</name>
    <message>
        <location filename="../src/core/metadata/EditTarget.cpp" line="25"/>
        <source>not yet copied from the camera into the Working folder</source>
        <translation>noch nicht von der Kamera in den Arbeitsordner kopiert</translation>
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
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="52"/>
        <source>harbour, boats</source>
        <translation>Hafen, Boote</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="56"/>
        <source>-90 to 90</source>
        <translation>-90 bis 90</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="57"/>
        <source>-180 to 180</source>
        <translation>-180 bis 180</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="58"/>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="70"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="70"/>
        <source>Artist:</source>
        <translation>Urheber:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="71"/>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="72"/>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="73"/>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="74"/>
        <source>Keywords:</source>
        <translation>Stichwörter:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="76"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="76"/>
        <source>Make:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="77"/>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="78"/>
        <source>Date taken:</source>
        <translation>Aufnahmedatum:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="80"/>
        <source>GPS (written only with both latitude and longitude)</source>
        <translation>GPS (nur mit Breite und Länge geschrieben)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="81"/>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="82"/>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="83"/>
        <source>Altitude:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="84"/>
        <source>GPS date:</source>
        <translation>GPS-Datum:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="85"/>
        <source>GPS time:</source>
        <translation>GPS-Zeit:</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="88"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="90"/>
        <source>Save the fields as templatefile.plist</source>
        <translation>Die Felder als templatefile.plist sichern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditViewWindow.cpp" line="92"/>
        <source>Write copies of the selected photos with these values</source>
        <translation>Kopien der ausgewählten Fotos mit diesen Werten schreiben</translation>
    </message>
</context>
<context>
    <name>EditorController</name>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="344"/>
        <source>Edited copies go into %1; your photos are never changed.</source>
        <translation>Bearbeitete Kopien kommen nach %1; Ihre Fotos werden nie verändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="132"/>
        <source>%1…</source>
        <translation>%1…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="135"/>
        <source>Writing copies: %1 of %2</source>
        <translation>Kopien werden geschrieben: %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="176"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="326"/>
        <source>The editor left camera mode; nothing more is copied for the last command.</source>
        <translation>Der Editor hat den Kameramodus verlassen; für den letzten Befehl wird nichts mehr kopiert.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="345"/>
        <source>Camera photos: a command first copies the selected ones into %1 and edits those copies; the camera is never changed.</source>
        <translation>Kamerafotos: Ein Befehl kopiert die ausgewählten zuerst nach %1 und bearbeitet diese Kopien; die Kamera wird nie verändert.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="362"/>
        <source>No Item has been selected</source>
        <translation>Es wurde nichts ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="388"/>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="257"/>
        <source>Date Files by Capture Date</source>
        <translation>Dateidatum nach Aufnahmedatum setzen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="427"/>
        <source>Copy Without Exif</source>
        <translation>Kopie ohne Exif</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="432"/>
        <source>Copy Without GPS Location</source>
        <translation>Kopie ohne GPS-Position</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="437"/>
        <source>Copy Without IPTC</source>
        <translation>Kopie ohne IPTC</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="442"/>
        <source>Copy Without Exif and GPS</source>
        <translation>Kopie ohne Exif und GPS</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="97"/>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="217"/>
        <source>Not a date</source>
        <translation>Kein Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="362"/>
        <source>Please select at least one item to process.</source>
        <translation>Bitte wählen Sie mindestens ein Element zur Bearbeitung aus.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="378"/>
        <source>Still writing the copies of the last command; try again when it is done.</source>
        <translation>Die Kopien des letzten Befehls werden noch geschrieben; versuchen Sie es danach erneut.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="384"/>
        <source>1 copy written to %1</source>
        <translation>1 Kopie nach %1 geschrieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorController.cpp" line="385"/>
        <source>%1 copies written to %2</source>
        <translation>%1 Kopien nach %2 geschrieben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="61"/>
        <source>Dates of %1</source>
        <translation>Daten von %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="62"/>
        <source>%1 has no capture dates; these are its file dates.</source>
        <translation>%1 hat keine Aufnahmedaten; dies sind seine Dateidaten.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="69"/>
        <source>%1 selected photos get copies under their own names.</source>
        <translation>%1 ausgewählte Fotos erhalten Kopien unter ihrem eigenen Namen.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="104"/>
        <source>Change Capture Date</source>
        <translation>Aufnahmedatum ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="125"/>
        <source>Please select one photo to change the date.</source>
        <translation>Bitte wählen Sie ein Foto aus, um das Datum zu ändern.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="153"/>
        <source>Choose Another…</source>
        <translation>Anderes auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="180"/>
        <source>Choose Photo…</source>
        <translation>Foto auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="226"/>
        <source>Change Capture Dates</source>
        <translation>Aufnahmedaten ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/EditorControllerDates.cpp" line="251"/>
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
    <name>ExifColour</name>
    <message>
        <location filename="../src/core/imageio/ExifColour.cpp" line="112"/>
        <source>cannot build the Adobe RGB to sRGB conversion</source>
        <translation>die Umrechnung von Adobe RGB nach sRGB lässt sich nicht erstellen</translation>
    </message>
</context>
<context>
    <name>ExifEdits</name>
    <message>
        <location filename="../src/core/imageio/ExifEdits.cpp" line="107"/>
        <source>the edit reaches %1</source>
        <translation>die Änderung reicht bis %1</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ExifEdits.cpp" line="116"/>
        <source>%1 has no TIFF type</source>
        <translation>%1 hat keinen TIFF-Typ</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ExifEdits.cpp" line="211"/>
        <source>the Exif data has a directory pointer that leads nowhere</source>
        <translation>die Exif-Daten haben einen Verzeichnisverweis, der ins Leere führt</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ExifEdits.cpp" line="216"/>
        <source>the maker note points past the end of the Exif data, where the edit would have to grow it</source>
        <translation>die Herstellerdaten zeigen über das Ende der Exif-Daten hinaus, wo die Änderung sie vergrößern müsste</translation>
    </message>
</context>
<context>
    <name>ExivImage</name>
    <message>
        <location filename="../src/core/imageio/ExivImage.cpp" line="267"/>
        <source>not a photo format we read</source>
        <translation>kein Fotoformat, das Glimmerset liest</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ExivImage.h" line="136"/>
        <source>the metadata library failed without saying why</source>
        <translation>die Metadaten-Bibliothek ist ohne Angabe eines Grundes gescheitert</translation>
    </message>
</context>
<context>
    <name>FileDatesFromCapture</name>
    <message>
        <location filename="../src/core/metadata/FileDatesFromCapture.cpp" line="50"/>
        <source>The copies&apos; creation dates become the capture dates.</source>
        <translation>Die Kopien erhalten das Aufnahmedatum als Erstellungsdatum.</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/FileDatesFromCapture.cpp" line="51"/>
        <source>This system cannot set a file&apos;s creation date: the copies&apos; modification dates become the capture dates.</source>
        <translation>Dieses System kann das Erstellungsdatum einer Datei nicht setzen: Die Kopien erhalten das Aufnahmedatum als Änderungsdatum.</translation>
    </message>
</context>
<context>
    <name>GifBlocks</name>
    <message>
        <location filename="../src/core/imageio/GifBlocks.cpp" line="143"/>
        <source>the GIF file is damaged: its blocks cannot be followed to its end</source>
        <translation>die GIF-Datei ist beschädigt: ihre Blöcke lassen sich nicht bis zum Ende verfolgen</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/GifBlocks.cpp" line="207"/>
        <source>the GIF copy&apos;s blocks cannot be followed</source>
        <translation>die Blöcke der GIF-Kopie lassen sich nicht verfolgen</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/GifBlocks.cpp" line="217"/>
        <source>the GIF copy&apos;s image blocks differ from the source&apos;s</source>
        <translation>die Bildblöcke der GIF-Kopie weichen von denen des Originals ab</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/GifBlocks.cpp" line="222"/>
        <source>an XMP extension of the GIF copy does not hold what the edit meant</source>
        <translation>eine XMP-Erweiterung der GIF-Kopie enthält nicht, was die Bearbeitung vorsah</translation>
    </message>
</context>
<context>
    <name>GpsTemplateController</name>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="38"/>
        <source>Vaule Error</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="109"/>
        <source>Change GPS Location…</source>
        <translation>GPS-Position ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="111"/>
        <source>Show on Map</source>
        <translation>Auf der Karte zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="113"/>
        <source>Edit Metadata…</source>
        <translation>Metadaten bearbeiten…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="117"/>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="435"/>
        <source>Export to Property List</source>
        <translation>Als Property List exportieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="124"/>
        <source>All Metadata</source>
        <translation>Alle Metadaten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="125"/>
        <source>Exif</source>
        <translation>Exif</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="126"/>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="127"/>
        <source>Exif and TIFF</source>
        <translation>Exif und TIFF</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="135"/>
        <source>Import from Property List</source>
        <translation>Aus Property List importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="142"/>
        <source>All Metadata…</source>
        <translation>Alle Metadaten…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="143"/>
        <source>Exif…</source>
        <translation>Exif…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="144"/>
        <source>TIFF…</source>
        <translation>TIFF…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="145"/>
        <source>Exif and TIFF…</source>
        <translation>Exif und TIFF…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="146"/>
        <source>Template…</source>
        <translation>Vorlage…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="168"/>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="375"/>
        <source>Apply Metadata</source>
        <translation>Metadaten anwenden</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="169"/>
        <source>%n copies written</source>
        <translation>
            <numerusform>%n Kopie geschrieben</numerusform>
            <numerusform>%n Kopien geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="219"/>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="232"/>
        <source>%1 is now at %2, %3.</source>
        <translation>%1 liegt jetzt bei %2, %3.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="233"/>
        <source>%1 has no GPS position.</source>
        <translation>%1 hat keine GPS-Position.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="250"/>
        <source>Each value cannot be empty.</source>
        <translation>Kein Wert darf leer sein.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="273"/>
        <source>Change GPS Location</source>
        <translation>GPS-Position ändern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="301"/>
        <source>as typed</source>
        <translation>wie eingegeben</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="307"/>
        <source>stored in %1</source>
        <translation>gespeichert in %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="310"/>
        <source>No GPS Data</source>
        <translation>Keine GPS-Daten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="310"/>
        <source>This photo does not contain GPS information.</source>
        <translation>Dieses Foto enthält keine GPS-Informationen.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="360"/>
        <source>No Item has been selected</source>
        <translation>Kein Objekt ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="360"/>
        <source>Please select at least one item to process.</source>
        <translation>Bitte wählen Sie mindestens ein Objekt aus.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="372"/>
        <source>Writing copies…</source>
        <translation>Kopien werden geschrieben…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="386"/>
        <source>Save Template</source>
        <translation>Vorlage sichern</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="389"/>
        <source>The template was not saved</source>
        <translation>Die Vorlage wurde nicht gesichert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="392"/>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="441"/>
        <source>Saved %1</source>
        <translation>%1 gesichert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="413"/>
        <source>Property lists (*.plist)</source>
        <translation>Eigenschaftslisten (*.plist)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="438"/>
        <source>Nothing was exported</source>
        <translation>Es wurde nichts exportiert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="465"/>
        <source>Please select plist to import.</source>
        <translation>Bitte wählen Sie die zu importierende Property List.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="466"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="485"/>
        <source>Import All Metadata</source>
        <translation>Alle Metadaten importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="490"/>
        <source>Import Exif</source>
        <translation>Exif importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="495"/>
        <source>Import TIFF</source>
        <translation>TIFF importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="500"/>
        <source>Import Exif and TIFF</source>
        <translation>Exif und TIFF importieren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/GpsTemplateController.cpp" line="508"/>
        <source>Import Template</source>
        <translation>Vorlage importieren</translation>
    </message>
</context>
<context>
    <name>HeifCodec</name>
    <message>
        <location filename="../src/core/imageio/HeifCodec.cpp" line="41"/>
        <location filename="../src/core/imageio/HeifCodec.cpp" line="100"/>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/HeifCodec.cpp" line="93"/>
        <source>no pixels in the primary image</source>
        <translation>keine Pixel im Hauptbild</translation>
    </message>
</context>
<context>
    <name>ImageDestination</name>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="87"/>
        <source>the metadata cannot be written completely (%1)</source>
        <translation>die Metadaten können nicht vollständig geschrieben werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="140"/>
        <source>the edit cannot be written to every page of the TIFF file</source>
        <translation>die Änderung lässt sich nicht auf jede Seite der TIFF-Datei schreiben</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="341"/>
        <source>no image was added</source>
        <translation>es wurde kein Bild hinzugefügt</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="347"/>
        <source>images of one container must come from one source</source>
        <translation>die Bilder einer Datei müssen aus derselben Quelle stammen</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="352"/>
        <source>cannot convert %1 to %2 without re-encoding</source>
        <translation>%1 lässt sich nicht ohne Neukodierung in %2 umwandeln</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="362"/>
        <source>metadata cannot be written into HEIC files</source>
        <translation>in HEIC-Dateien können keine Metadaten geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="367"/>
        <source>metadata cannot be written into BMP files</source>
        <translation>in BMP-Dateien können keine Metadaten geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="461"/>
        <source>the TIFF file cannot be edited</source>
        <translation>die TIFF-Datei kann nicht bearbeitet werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="539"/>
        <source>the metadata cannot be rewritten completely (%1)</source>
        <translation>die Metadaten können nicht vollständig neu geschrieben werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="550"/>
        <source>the photo has a damaged directory that rewriting would drop (%1)</source>
        <translation>das Foto hat ein beschädigtes Verzeichnis, das beim Neuschreiben verloren ginge (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="578"/>
        <source>the photo&apos;s image data is damaged and would not survive rewriting its metadata</source>
        <translation>die Bilddaten des Fotos sind beschädigt und würden das Neuschreiben der Metadaten nicht überstehen</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/ImageDestination.cpp" line="681"/>
        <source>cannot write metadata into %1</source>
        <translation>in %1 können keine Metadaten geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ImageSource</name>
    <message>
        <location filename="../src/core/imageio/ImageSource.cpp" line="61"/>
        <source>the image data is incomplete (truncated file)</source>
        <translation>die Bilddaten sind unvollständig (Datei abgeschnitten)</translation>
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
    <name>JobItems</name>
    <message>
        <location filename="../src/core/compress/JobItems.cpp" line="58"/>
        <source>cannot read the folder %1</source>
        <translation>der Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/core/compress/JobItems.cpp" line="71"/>
        <source>the file name is not valid UTF-8; rename it to compress it</source>
        <translation>der Dateiname ist kein gültiges UTF-8; benennen Sie die Datei um, um sie zu komprimieren</translation>
    </message>
    <message>
        <location filename="../src/core/compress/JobItems.cpp" line="101"/>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <location filename="../src/core/compress/JobItems.cpp" line="115"/>
        <source>no folder given</source>
        <translation>kein Ordner angegeben</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <location filename="../src/core/imageio/JpegCodec.cpp" line="310"/>
        <source>no data</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegCodec.cpp" line="338"/>
        <source>no image to encode</source>
        <translation>kein Bild zum Kodieren</translation>
    </message>
</context>
<context>
    <name>JpegMetadataEdit</name>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="140"/>
        <source>the Exif data is split over several segments and cannot be rewritten completely</source>
        <translation>die Exif-Daten sind auf mehrere Segmente verteilt und können nicht vollständig neu geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="144"/>
        <source>the Exif data cannot be rewritten completely (%1)</source>
        <translation>die Exif-Daten können nicht vollständig neu geschrieben werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="183"/>
        <source>the Exif data cannot be written completely (%1)</source>
        <translation>die Exif-Daten können nicht vollständig geschrieben werden (%1)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="187"/>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="234"/>
        <source>the Exif data does not fit in one JPEG segment (64 KB)</source>
        <translation>die Exif-Daten passen nicht in ein JPEG-Segment (64 KB)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="224"/>
        <source>the Exif data cannot be read, so it cannot be edited</source>
        <translation>die Exif-Daten können nicht gelesen und darum nicht bearbeitet werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="261"/>
        <source>an APP13 segment cannot be read, so its IPTC data cannot be edited</source>
        <translation>ein APP13-Segment ist nicht lesbar, daher können seine IPTC-Daten nicht bearbeitet werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="269"/>
        <source>the IPTC data cannot be read, so it cannot be edited</source>
        <translation>die IPTC-Daten sind nicht lesbar und können daher nicht bearbeitet werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="307"/>
        <source>the IPTC data does not fit in one JPEG segment (64 KB)</source>
        <translation>die IPTC-Daten passen nicht in ein JPEG-Segment (64 KB)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="338"/>
        <source>the extended XMP is damaged and holds data to remove</source>
        <translation>das erweiterte XMP ist beschädigt und enthält zu entfernende Daten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="391"/>
        <source>the XMP packet does not fit in one JPEG segment (64 KB)</source>
        <translation>das XMP-Paket passt nicht in ein JPEG-Segment (64 KB)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="429"/>
        <source>the photo&apos;s colour space cannot be kept as a profile</source>
        <translation>der Farbraum des Fotos lässt sich nicht als Profil erhalten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegMetadataEdit.cpp" line="486"/>
        <source>IPTC data stored after the image cannot be removed</source>
        <translation>nach dem Bild gespeicherte IPTC-Daten können nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>JpegSegments</name>
    <message>
        <location filename="../src/core/imageio/JpegSegments.cpp" line="78"/>
        <source>not a JPEG file</source>
        <translation>keine JPEG-Datei</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegSegments.cpp" line="110"/>
        <source>a JPEG segment is cut short</source>
        <translation>ein JPEG-Segment ist abgeschnitten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegSegments.cpp" line="113"/>
        <source>a JPEG segment runs past the end of the file</source>
        <translation>ein JPEG-Segment reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/JpegSegments.cpp" line="123"/>
        <source>the JPEG has no image data</source>
        <translation>das JPEG enthält keine Bilddaten</translation>
    </message>
</context>
<context>
    <name>LibraryScanReport</name>
    <message>
        <location filename="../src/core/sources/library/LibraryScanReport.cpp" line="20"/>
        <source>1 photo</source>
        <translation>1 Foto</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/LibraryScanReport.cpp" line="20"/>
        <source>%1 photos</source>
        <translation>%1 Fotos</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/LibraryScanReport.cpp" line="22"/>
        <source>1 file skipped</source>
        <translation>1 Datei übersprungen</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/LibraryScanReport.cpp" line="23"/>
        <source>%1 files skipped</source>
        <translation>%1 Dateien übersprungen</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/LibraryScanReport.cpp" line="25"/>
        <source>1 folder could not be read</source>
        <translation>1 Ordner konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/LibraryScanReport.cpp" line="26"/>
        <source>%1 folders could not be read</source>
        <translation>%1 Ordner konnten nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/LibraryScanReport.cpp" line="28"/>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
</context>
<context>
    <name>LocalImport</name>
    <message>
        <location filename="../src/core/sources/LocalImport.cpp" line="66"/>
        <source>Please select photos to import.</source>
        <translation>Bitte wählen Sie die zu importierenden Fotos aus.</translation>
    </message>
</context>
<context>
    <name>LocalPhotoSource</name>
    <message>
        <location filename="../src/core/sources/LocalPhotoSource.cpp" line="38"/>
        <source>no such item</source>
        <translation>kein solches Objekt</translation>
    </message>
    <message>
        <location filename="../src/core/sources/LocalPhotoSource.cpp" line="41"/>
        <source>the file is gone</source>
        <translation>die Datei ist nicht mehr vorhanden</translation>
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
        <location filename="../src/ui/app/MainInterface.cpp" line="126"/>
        <source>Edit photo metadata instead…</source>
        <translation>Stattdessen Foto-Metadaten bearbeiten…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="180"/>
        <source>Drop more photos or a folder</source>
        <translation>Weitere Fotos oder einen Ordner ablegen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="181"/>
        <source>A drop starts a new list · click to choose photos</source>
        <translation>Ablegen beginnt eine neue Liste · klicken, um Fotos auszuwählen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="198"/>
        <source>Compressing photos…</source>
        <translation>Fotos werden komprimiert…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="217"/>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="219"/>
        <source>Stop after the photos being written; the finished ones stay in the list</source>
        <translation>Nach den gerade geschriebenen Fotos anhalten; die fertigen bleiben in der Liste</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="236"/>
        <source>Compressed photos</source>
        <translation>Komprimierte Fotos</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="238"/>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="240"/>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="242"/>
        <source>&amp;Copy Path</source>
        <translation>Pfad &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="245"/>
        <source>&amp;Remove from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="278"/>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="281"/>
        <source>Recompress</source>
        <translation>Erneut komprimieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="282"/>
        <source>Compress the photos of the last drop again</source>
        <translation>Die zuletzt abgelegten Fotos erneut komprimieren</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="285"/>
        <source>Resize…</source>
        <translation>Größe ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="288"/>
        <source>Edit Metadata</source>
        <translation>Metadaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="308"/>
        <source>&amp;Glimmerset</source>
        <translation>&amp;Glimmerset</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="309"/>
        <source>&amp;About Glimmerset</source>
        <translation>&amp;Über Glimmerset</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="311"/>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="316"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="321"/>
        <source>&amp;Photos</source>
        <translation>&amp;Fotos</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="322"/>
        <source>&amp;Import Photos…</source>
        <translation>Fotos &amp;importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="324"/>
        <source>&amp;Compress Again…</source>
        <translation>&amp;Erneut komprimieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="325"/>
        <source>&amp;Resize Photos…</source>
        <translation>&amp;Größe der Fotos ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="328"/>
        <source>&amp;Edit Metadata</source>
        <translation>&amp;Metadaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="331"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="332"/>
        <source>Glimmerset &amp;Support</source>
        <translation>Glimmerset-&amp;Handbuch</translation>
    </message>
    <message>
        <location filename="../src/ui/app/MainInterface.cpp" line="333"/>
        <source>Check for &amp;Updates…</source>
        <translation>Nach &amp;Updates suchen…</translation>
    </message>
</context>
<context>
    <name>MapWindow</name>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="31"/>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="48"/>
        <source>picked on the map</source>
        <translation>auf der Karte gewählt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="62"/>
        <source>Click the map to place the photos there.</source>
        <translation>Klicken Sie auf die Karte, um die Fotos dort zu platzieren.</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="89"/>
        <source>%1, %2 (%3)</source>
        <translation>%1, %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MapWindow.cpp" line="92"/>
        <source>&lt;a href=&quot;%1&quot;&gt;Open this place on openstreetmap.org&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Diesen Ort auf openstreetmap.org öffnen&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>MetadataEdit</name>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="32"/>
        <source>%1: not a valid date</source>
        <translation>%1: kein gültiges Datum</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="35"/>
        <source>%1: the year must be between 1 and 9999</source>
        <translation>%1: das Jahr muss zwischen 1 und 9999 liegen</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="60"/>
        <source>capture date</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="61"/>
        <source>digitized date</source>
        <translation>Digitalisierungsdatum</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="62"/>
        <source>modify date</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="69"/>
        <source>GPS latitude: must be between -90 and 90 degrees</source>
        <translation>GPS-Breite: muss zwischen -90 und 90 Grad liegen</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="71"/>
        <source>GPS longitude: must be between -180 and 180 degrees</source>
        <translation>GPS-Länge: muss zwischen -180 und 180 Grad liegen</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="73"/>
        <source>GPS altitude: not a number</source>
        <translation>GPS-Höhe: keine Zahl</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="75"/>
        <source>GPS date: the year must be between 1 and 9999</source>
        <translation>GPS-Datum: das Jahr muss zwischen 1 und 9999 liegen</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="77"/>
        <source>GPS: cannot be both removed and set</source>
        <translation>GPS: kann nicht zugleich entfernt und gesetzt werden</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/MetadataEdit.cpp" line="83"/>
        <source>keywords: &quot;%1&quot; is longer than 64 bytes</source>
        <translation>Stichwörter: „%1“ ist länger als 64 Bytes</translation>
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
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="97"/>
        <source>Photos from this computer</source>
        <translation>Fotos von diesem Computer</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="102"/>
        <source>Photos from a photo library</source>
        <translation>Fotos aus einer Fotobibliothek</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="103"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="105"/>
        <source>Stop reading the photo library (the photos listed so far stay)</source>
        <translation>Das Lesen der Fotobibliothek beenden (die bisher gelisteten Fotos bleiben)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="107"/>
        <source>Import Photos…</source>
        <translation>Fotos importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="110"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="113"/>
        <source>Empty the list (the photos stay where they are)</source>
        <translation>Die Liste leeren (die Fotos bleiben, wo sie sind)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="114"/>
        <source>Remove Metadata</source>
        <translation>Metadaten entfernen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="116"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="122"/>
        <source>Edit artist, description, keywords, camera and GPS of the selected photos</source>
        <translation>Fotograf, Beschreibung, Stichwörter, Kamera und GPS der ausgewählten Fotos bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="144"/>
        <source>This Computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="145"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="162"/>
        <source>Clear and Import Photos…</source>
        <translation>Leeren und Fotos importieren…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="212"/>
        <source>Copy Without Exif</source>
        <translation>Kopie ohne Exif</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="214"/>
        <source>Copy Without GPS Location</source>
        <translation>Kopie ohne GPS-Position</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="216"/>
        <source>Copy Without IPTC</source>
        <translation>Kopie ohne IPTC</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="218"/>
        <source>Copy Without Exif and GPS</source>
        <translation>Kopie ohne Exif und GPS</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="226"/>
        <source>Change Capture Date…</source>
        <translation>Aufnahmedatum ändern…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/MetadataEditorView.cpp" line="228"/>
        <source>Date Files by Capture Date</source>
        <translation>Dateidatum nach Aufnahmedatum setzen</translation>
    </message>
</context>
<context>
    <name>MetadataRewrite</name>
    <message>
        <location filename="../src/core/imageio/MetadataRewrite.cpp" line="34"/>
        <source>cannot write %1 files</source>
        <translation>%1-Dateien können nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataRewrite.cpp" line="61"/>
        <source>the copy would not read back: %1</source>
        <translation>die Kopie wäre nicht wieder lesbar: %1</translation>
    </message>
</context>
<context>
    <name>MetadataStrip</name>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="45"/>
        <source>not a JPEG</source>
        <translation>kein JPEG</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="50"/>
        <source>damaged JPEG segment list</source>
        <translation>beschädigte JPEG-Segmentliste</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="62"/>
        <source>damaged JPEG segment length</source>
        <translation>beschädigte JPEG-Segmentlänge</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="67"/>
        <source>JPEG without image data</source>
        <translation>JPEG ohne Bilddaten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="81"/>
        <source>not a PNG</source>
        <translation>kein PNG</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="90"/>
        <source>damaged PNG chunk length</source>
        <translation>beschädigte PNG-Chunk-Länge</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="106"/>
        <source>its colour space is named only by the Exif</source>
        <translation>sein Farbraum wird nur in den Exif-Daten genannt</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="109"/>
        <source>PNG without its closing chunk</source>
        <translation>PNG ohne abschließenden Chunk</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/MetadataStrip.cpp" line="119"/>
        <source>metadata can be removed without re-encoding only from JPEG and PNG</source>
        <translation>Metadaten lassen sich nur aus JPEG und PNG ohne Neukodierung entfernen</translation>
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
    <name>OutputFolderCheck</name>
    <message>
        <location filename="../src/core/compress/OutputFolderCheck.cpp" line="26"/>
        <source>No Output folder is set. Choose one in Preferences.</source>
        <translation>Es ist kein Ausgabeordner festgelegt. Wählen Sie einen in den Einstellungen.</translation>
    </message>
    <message>
        <location filename="../src/core/compress/OutputFolderCheck.cpp" line="29"/>
        <source>The Output folder %1 does not exist. Choose another one in Preferences, or connect the disk it is on.</source>
        <translation>Der Ausgabeordner %1 existiert nicht. Wählen Sie in den Einstellungen einen anderen oder schließen Sie den Datenträger an, auf dem er liegt.</translation>
    </message>
    <message>
        <location filename="../src/core/compress/OutputFolderCheck.cpp" line="33"/>
        <source>The Output folder %1 is not a folder. Choose another one in Preferences.</source>
        <translation>Der Ausgabeordner %1 ist kein Ordner. Wählen Sie in den Einstellungen einen anderen.</translation>
    </message>
    <message>
        <location filename="../src/core/compress/OutputFolderCheck.cpp" line="37"/>
        <source>Photos cannot be written into the Output folder %1 (%2). Choose another one in Preferences.</source>
        <translation>In den Ausgabeordner %1 können keine Fotos geschrieben werden (%2). Wählen Sie in den Einstellungen einen anderen.</translation>
    </message>
</context>
<context>
    <name>PhotoBrowserView</name>
    <message>
        <location filename="../src/ui/editor/PhotoBrowserView.cpp" line="44"/>
        <location filename="../src/ui/editor/PhotoBrowserView.cpp" line="67"/>
        <source>&amp;Remove from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>PhotoComparison</name>
    <message>
        <location filename="../src/core/compress/PhotoComparison.cpp" line="38"/>
        <source>not a photo this program reads</source>
        <translation>kein Foto, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <location filename="../src/core/compress/PhotoComparison.cpp" line="43"/>
        <source>the pixels could not be decoded</source>
        <translation>die Bildpunkte konnten nicht dekodiert werden</translation>
    </message>
</context>
<context>
    <name>PhotoDates</name>
    <message>
        <location filename="../src/core/metadata/PhotoDates.cpp" line="45"/>
        <source>no capture date</source>
        <translation>kein Aufnahmedatum</translation>
    </message>
</context>
<context>
    <name>PhotoDecoder</name>
    <message>
        <location filename="../src/core/compress/PhotoDecoder.cpp" line="51"/>
        <source>the PNG is damaged or cut short</source>
        <translation>das PNG ist beschädigt oder abgeschnitten</translation>
    </message>
</context>
<context>
    <name>PhotoEncoders</name>
    <message>
        <location filename="../src/core/compress/PhotoEncoders.cpp" line="51"/>
        <source>cannot decode: %1</source>
        <translation>nicht dekodierbar: %1</translation>
    </message>
    <message>
        <location filename="../src/core/compress/PhotoEncoders.cpp" line="116"/>
        <source>cannot encode PNG: %1</source>
        <translation>PNG lässt sich nicht kodieren: %1</translation>
    </message>
    <message>
        <location filename="../src/core/compress/PhotoEncoders.cpp" line="179"/>
        <source>cannot encode JPEG: %1</source>
        <translation>JPEG lässt sich nicht kodieren: %1</translation>
    </message>
    <message>
        <location filename="../src/core/compress/PhotoEncoders.cpp" line="134"/>
        <location filename="../src/core/compress/PhotoEncoders.cpp" line="199"/>
        <source>cannot carry the metadata over: %1</source>
        <translation>die Metadaten lassen sich nicht übernehmen: %1</translation>
    </message>
    <message>
        <location filename="../src/core/compress/PhotoEncoders.cpp" line="218"/>
        <source>unknown encoder</source>
        <translation>unbekannter Kodierer</translation>
    </message>
</context>
<context>
    <name>PhotoFiles</name>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="35"/>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="44"/>
        <source>disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="47"/>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="68"/>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="73"/>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="78"/>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="105"/>
        <source>not enough memory to read it</source>
        <translation>nicht genug Arbeitsspeicher, um sie zu lesen</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="121"/>
        <source>is a link: not written through it</source>
        <translation>ist ein Link: über ihn wird nicht geschrieben</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PhotoFiles.cpp" line="160"/>
        <source>the written file has %1 bytes instead of %2</source>
        <translation>die geschriebene Datei hat %1 statt %2 Bytes</translation>
    </message>
</context>
<context>
    <name>PhotoInfoPanel</name>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="39"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="41"/>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="42"/>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="44"/>
        <source>Date taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="45"/>
        <source>Date digitized</source>
        <translation>Digitalisiert</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="46"/>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="48"/>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="49"/>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="50"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="51"/>
        <source>Make</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="52"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="53"/>
        <source>Artist</source>
        <translation>Urheber</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="54"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="55"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="56"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="57"/>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="58"/>
        <source>GPS date</source>
        <translation>GPS-Datum</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="59"/>
        <source>GPS time</source>
        <translation>GPS-Zeit</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="60"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="61"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoInfoPanel.cpp" line="62"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>PhotoLibrary</name>
    <message>
        <location filename="../src/core/sources/library/PhotoLibrary.cpp" line="25"/>
        <source>&quot;%1&quot; is not a photo library. Please choose a library folder named &quot;%2&quot;.</source>
        <translation>„%1“ ist keine Fotomediathek. Bitte wählen Sie einen Mediathek-Ordner namens „%2“.</translation>
    </message>
</context>
<context>
    <name>PhotoLibraryController</name>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="106"/>
        <source>Choose the &quot;%1&quot; folder</source>
        <translation>Den Ordner „%1“ auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="107"/>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="128"/>
        <source>This folder is not a photo library</source>
        <translation>Dieser Ordner ist keine Fotomediathek</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="143"/>
        <source>The photo library is still being read</source>
        <translation>Die Fotobibliothek wird noch gelesen</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="151"/>
        <source>Reading the photo library %1…</source>
        <translation>Die Fotobibliothek %1 wird gelesen…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="165"/>
        <source>Reading the photo library: %1 photos so far…</source>
        <translation>Die Fotobibliothek wird gelesen: bisher %1 Fotos…</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="174"/>
        <source>The photo library could not be read</source>
        <translation>Die Fotomediathek konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="178"/>
        <source>Photo library: %1</source>
        <translation>Fotobibliothek: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="180"/>
        <source> (movies and files that are not photos)</source>
        <translation> (Filme und Dateien, die keine Fotos sind)</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="185"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="187"/>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <location filename="../src/ui/editor/PhotoLibraryController.cpp" line="188"/>
        <source>Some folders of the photo library could not be read</source>
        <translation>Einige Ordner der Fotobibliothek konnten nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>PhotoLibraryScan</name>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryScan.cpp" line="20"/>
        <source>A photo library scan is still running. Stop it or wait until it is done.</source>
        <translation>Eine Fotomediathek wird noch gelesen. Halten Sie das Lesen an oder warten Sie, bis es fertig ist.</translation>
    </message>
</context>
<context>
    <name>PhotoLibrarySource</name>
    <message>
        <location filename="../src/core/sources/library/PhotoLibrarySource.cpp" line="65"/>
        <source>no such item</source>
        <translation>kein solches Objekt</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/PhotoLibrarySource.cpp" line="67"/>
        <source>the library&apos;s file is gone (is its disk still attached?)</source>
        <translation>die Datei der Mediathek ist nicht mehr vorhanden (ist ihr Datenträger noch angeschlossen?)</translation>
    </message>
</context>
<context>
    <name>PhotoLibraryWalker</name>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryWalker.cpp" line="35"/>
        <source>The photo library &quot;%1&quot; is not there any more.</source>
        <translation>Die Fotomediathek „%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryWalker.cpp" line="41"/>
        <source>The photo library &quot;%1&quot; has neither a &quot;Masters&quot; nor an &quot;originals&quot; folder.</source>
        <translation>Die Fotomediathek „%1“ hat weder einen Ordner „Masters“ noch einen Ordner „originals“.</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryWalker.cpp" line="54"/>
        <source>the folder could not be read</source>
        <translation>der Ordner konnte nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryWalker.cpp" line="69"/>
        <source>a movie</source>
        <translation>ein Film</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryWalker.cpp" line="75"/>
        <source>a link to a folder, not followed</source>
        <translation>ein Link auf einen Ordner, nicht verfolgt</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryWalker.cpp" line="79"/>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <location filename="../src/core/sources/library/PhotoLibraryWalker.cpp" line="81"/>
        <source>not a photo Glimmerset reads</source>
        <translation>kein Foto, das Glimmerset liest</translation>
    </message>
</context>
<context>
    <name>PlistExchange</name>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="76"/>
        <source>%1 %2 is not a value a photo can hold</source>
        <translation>%1 %2 ist kein Wert, den ein Foto enthalten kann</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="91"/>
        <source>%1 %2 must be a number from 0 to %3</source>
        <translation>%1 %2 muss eine Zahl von 0 bis %3 sein</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="104"/>
        <source>%1 %2 must be %3 or %4</source>
        <translation>%1 %2 muss %3 oder %4 sein</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="116"/>
        <source>its %1 entry is not a dictionary</source>
        <translation>ihr Eintrag %1 ist kein Dictionary</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="189"/>
        <source>metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="195"/>
        <source>Exif or TIFF</source>
        <translation>Exif- oder TIFF</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="251"/>
        <source>%1 has no metadata</source>
        <translation>%1 enthält keine Metadaten</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="257"/>
        <source>%1 has no %2 data</source>
        <translation>%1 enthält keine %2-Daten</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="261"/>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="274"/>
        <source>%1 is not a value a photo can hold</source>
        <translation>%1 ist kein Wert, den ein Foto enthalten kann</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="289"/>
        <source>it holds neither %1 nor %2</source>
        <translation>sie enthält weder %1 noch %2</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PlistExchange.cpp" line="316"/>
        <source>not imported: %1</source>
        <translation>nicht importiert: %1</translation>
    </message>
</context>
<context>
    <name>PngChunkEdit</name>
    <message>
        <location filename="../src/core/imageio/PngChunkEdit.cpp" line="278"/>
        <source>the IPTC data cannot be read, so it cannot be edited</source>
        <translation>die IPTC-Daten können nicht gelesen und darum nicht bearbeitet werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngChunkEdit.cpp" line="291"/>
        <source>the IPTC data cannot be compressed</source>
        <translation>die IPTC-Daten können nicht komprimiert werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngChunkEdit.cpp" line="303"/>
        <location filename="../src/core/imageio/PngChunkEdit.cpp" line="442"/>
        <source>the PNG chunks cannot be read</source>
        <translation>die PNG-Chunks sind nicht lesbar</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngChunkEdit.cpp" line="420"/>
        <source>the photo&apos;s colour space cannot be kept as a profile</source>
        <translation>der Farbraum des Fotos lässt sich nicht als Profil erhalten</translation>
    </message>
</context>
<context>
    <name>PngCodec</name>
    <message>
        <location filename="../src/core/imageio/PngCodec.cpp" line="102"/>
        <source>libpng could not start</source>
        <translation>libpng ließ sich nicht starten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngCodec.cpp" line="183"/>
        <location filename="../src/core/imageio/PngCodec.cpp" line="249"/>
        <source>no image to encode</source>
        <translation>kein Bild zum Kodieren</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngCodec.cpp" line="198"/>
        <source>libimagequant could not start</source>
        <translation>libimagequant ließ sich nicht starten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngCodec.cpp" line="205"/>
        <source>libimagequant refused the image</source>
        <translation>libimagequant hat das Bild abgelehnt</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngCodec.cpp" line="212"/>
        <source>palette below the quality floor</source>
        <translation>Palette unter der Mindestqualität</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngCodec.cpp" line="213"/>
        <source>quantisation failed</source>
        <translation>Quantisierung fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PngCodec.cpp" line="223"/>
        <source>remapping failed</source>
        <translation>Neuzuordnung der Farben fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>PreferenceWindow</name>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="36"/>
        <source>Keep photo metadata</source>
        <translation>Foto-Metadaten behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="37"/>
        <source>Keep original photos</source>
        <translation>Originalfotos behalten</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="38"/>
        <source>Include subfolders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="40"/>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="44"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="56"/>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="86"/>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="59"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="60"/>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="61"/>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="62"/>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="89"/>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="71"/>
        <source>Compression</source>
        <translation>Komprimierung</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="73"/>
        <source>Carry the date, camera, GPS and other details of JPEG photos into the results.</source>
        <translation>Datum, Kamera, GPS und weitere Angaben von JPEG-Fotos in die Ergebnisse übernehmen.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="76"/>
        <source>Write results into the Output folder and leave the photos you drop untouched. When off, each photo is replaced by its compressed version and the original goes to the Trash.</source>
        <translation>Ergebnisse in den Ausgabeordner schreiben und die abgelegten Fotos unverändert lassen. Wenn aus, wird jedes Foto durch seine komprimierte Fassung ersetzt und das Original kommt in den Papierkorb.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="82"/>
        <source>When a folder is dropped, compress the photos in its subfolders too; the Output folder keeps the same subfolders.</source>
        <translation>Wird ein Ordner abgelegt, auch die Fotos in seinen Unterordnern komprimieren; der Ausgabeordner behält dieselben Unterordner.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="102"/>
        <source>System follows the colours of your desktop.</source>
        <translation>„System“ folgt den Farben Ihrer Arbeitsumgebung.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="107"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="100"/>
        <source>Dark windows with light text, whatever the desktop uses.</source>
        <translation>Dunkle Fenster mit heller Schrift, unabhängig von der Arbeitsumgebung.</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/PreferenceWindow.cpp" line="101"/>
        <source>Light windows with dark text, whatever the desktop uses.</source>
        <translation>Helle Fenster mit dunkler Schrift, unabhängig von der Arbeitsumgebung.</translation>
    </message>
</context>
<context>
    <name>PropertyList</name>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="401"/>
        <source>it holds a value of a kind photo metadata never has (a keyed-archive reference)</source>
        <translation>sie enthält einen Wert, wie ihn Foto-Metadaten nie haben (einen Keyed-Archive-Verweis)</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="434"/>
        <location filename="../src/core/metadata/PropertyList.cpp" line="487"/>
        <source>the file is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="437"/>
        <source>it is not a property list</source>
        <translation>sie ist keine Property List</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="442"/>
        <location filename="../src/core/metadata/PropertyList.cpp" line="450"/>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="444"/>
        <source>it is nested more than %1 levels deep</source>
        <translation>sie ist mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="446"/>
        <source>it holds more than %1 values</source>
        <translation>sie enthält mehr als %1 Werte</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="448"/>
        <source>it holds a text with a NUL character</source>
        <translation>sie enthält einen Text mit einem NUL-Zeichen</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="467"/>
        <source>it is not a readable property list</source>
        <translation>sie ist keine lesbare Property List</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/PropertyList.cpp" line="469"/>
        <source>its root is not a dictionary</source>
        <translation>ihre Wurzel ist kein Dictionary</translation>
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
    <name>PropertyWriting</name>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="131"/>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="133"/>
        <source>is out of range (at most %1 degrees)</source>
        <translation>liegt außerhalb des Bereichs (höchstens %1 Grad)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="136"/>
        <source>is not an orientation (1 to 8)</source>
        <translation>ist keine Ausrichtung (1 bis 8)</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="144"/>
        <source>%1 value &apos;%2&apos; %3</source>
        <translation>%1-Wert „%2“ %3</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="172"/>
        <source>is not a time of the form HH:mm:ss</source>
        <translation>ist keine Uhrzeit der Form HH:mm:ss</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="196"/>
        <source>cannot be stored in that tag</source>
        <translation>kann in diesem Tag nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="307"/>
        <source>%1 value &apos;%2&apos; is not a number</source>
        <translation>%1-Wert „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="367"/>
        <source>IPTC %1 value &apos;%2&apos; cannot be stored</source>
        <translation>IPTC-%1-Wert „%2“ kann nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/PropertyWriting.cpp" line="480"/>
        <source>%1 value %2 cannot be stored</source>
        <translation>%1-Wert %2 kann nicht gespeichert werden</translation>
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
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="39"/>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="40"/>
        <source>auto</source>
        <translation>auto</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="48"/>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="50"/>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="52"/>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="55"/>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/ResizeWindow.cpp" line="53"/>
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
    <name>ResultNameCell</name>
    <message>
        <location filename="../src/ui/widgets/ResultNameCell.cpp" line="85"/>
        <location filename="../src/ui/widgets/ResultNameCell.cpp" line="86"/>
        <source>Show in the file manager</source>
        <translation>In der Dateiverwaltung zeigen</translation>
    </message>
</context>
<context>
    <name>RewriteCheck</name>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="142"/>
        <source>the source does not read again: %1</source>
        <translation>die Quelle lässt sich nicht erneut lesen: %1</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="158"/>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="196"/>
        <source>the copy does not read back: %1</source>
        <translation>die Kopie lässt sich nicht zurücklesen: %1</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="115"/>
        <source>the copy still holds %1</source>
        <translation>die Kopie enthält noch %1</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="118"/>
        <source>the copy still holds IPTC data</source>
        <translation>die Kopie enthält noch IPTC-Daten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="123"/>
        <source>the copy still holds XMP properties that were to be removed or moved</source>
        <translation>die Kopie enthält noch XMP-Eigenschaften, die entfernt oder verschoben werden sollten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="177"/>
        <source>the rewrite would lose %1</source>
        <translation>beim Neuschreiben ginge %1 verloren</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="181"/>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="189"/>
        <source>the rewrite would change %1</source>
        <translation>das Neuschreiben würde %1 verändern</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="191"/>
        <source>the rewrite would add %1</source>
        <translation>das Neuschreiben würde %1 hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="205"/>
        <source>the copy is not a readable JPEG: %1</source>
        <translation>die Kopie ist kein lesbares JPEG: %1</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="215"/>
        <source>an Exif segment of the copy still holds what was to be removed</source>
        <translation>ein Exif-Segment der Kopie enthält noch, was entfernt werden sollte</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="221"/>
        <source>an APP13 segment of the copy still holds IPTC data</source>
        <translation>ein APP13-Segment der Kopie enthält noch IPTC-Daten</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="226"/>
        <source>an XMP segment of the copy still holds what was to be removed</source>
        <translation>ein XMP-Segment der Kopie enthält noch, was entfernt werden sollte</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/RewriteCheck.cpp" line="234"/>
        <source>the extended XMP of the copy still holds what was to be removed</source>
        <translation>das erweiterte XMP der Kopie enthält noch, was entfernt werden sollte</translation>
    </message>
</context>
<context>
    <name>SingleDateChange</name>
    <message>
        <location filename="../src/core/metadata/SingleDateChange.cpp" line="71"/>
        <source>Date taken</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/SingleDateChange.cpp" line="73"/>
        <source>Date digitized</source>
        <translation>Digitalisiert</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <location filename="../src/core/compress/SizeText.cpp" line="61"/>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <location filename="../src/core/compress/SizeText.cpp" line="89"/>
        <source>Save  %1%  %2  total</source>
        <translation>Gespart  %1 %  %2  insgesamt</translation>
    </message>
</context>
<context>
    <name>TemplateApply</name>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="42"/>
        <source>GPS %1: &quot;%2&quot; is not a number</source>
        <translation>GPS-%1: „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="66"/>
        <source>GPS date: &quot;%1&quot; is not a date like 2024:07:01</source>
        <translation>GPS-Datum: „%1“ ist kein Datum wie 2024:07:01</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="76"/>
        <source>GPS time: &quot;%1&quot; is not a time like 14:30:00</source>
        <translation>GPS-Zeit: „%1“ ist keine Uhrzeit wie 14:30:00</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="115"/>
        <source>latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="116"/>
        <source>longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="117"/>
        <source>altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="121"/>
        <source>GPS: latitude, longitude and altitude are all needed</source>
        <translation>GPS: Breite, Länge und Höhe werden alle benötigt</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="125"/>
        <source>GPS: give both latitude and longitude, or neither to keep the photos&apos; position</source>
        <translation>GPS: Geben Sie Breite und Länge an, oder keines von beiden, um die Position der Fotos zu behalten</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="144"/>
        <source>camera date: &quot;%1&quot; is not a date like 2024:07:01 14:30:00</source>
        <translation>Kameradatum: „%1“ ist kein Datum wie 2024:07:01 14:30:00</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="246"/>
        <source>not imported: %1</source>
        <translation>nicht importiert: %1</translation>
    </message>
    <message>
        <location filename="../src/core/metadata/TemplateApply.cpp" line="274"/>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TrashReplace</name>
    <message>
        <location filename="../src/core/compress/TrashReplace.cpp" line="60"/>
        <source>cannot move the original to the Trash: this disk has no Trash</source>
        <translation>das Original kann nicht in den Papierkorb verschoben werden: dieses Laufwerk hat keinen Papierkorb</translation>
    </message>
    <message>
        <location filename="../src/core/compress/TrashReplace.cpp" line="72"/>
        <source>cannot move the original to the Trash: its name is %1 bytes long, the Trash takes names up to %2 bytes</source>
        <translation>das Original kann nicht in den Papierkorb verschoben werden: sein Name ist %1 Byte lang, der Papierkorb nimmt Namen bis %2 Byte</translation>
    </message>
    <message>
        <location filename="../src/core/compress/TrashReplace.cpp" line="83"/>
        <source>cannot move the original to the Trash: %1</source>
        <translation>das Original lässt sich nicht in den Papierkorb verschieben: %1</translation>
    </message>
    <message>
        <location filename="../src/core/compress/TrashReplace.cpp" line="103"/>
        <source> (the original is in the Trash: %1)</source>
        <translation> (das Original liegt im Papierkorb: %1)</translation>
    </message>
</context>
<context>
    <name>UpdateCheckResult</name>
    <message>
        <location filename="../src/core/update/UpdateCheckResult.cpp" line="59"/>
        <source>Vantoric Glimmerset %1 is available.</source>
        <translation>Vantoric Glimmerset %1 ist verfügbar.</translation>
    </message>
    <message>
        <location filename="../src/core/update/UpdateCheckResult.cpp" line="64"/>
        <source>You are using %1 version. Would you like to download it now?</source>
        <translation>Sie verwenden Version %1. Möchten Sie die neue Version jetzt herunterladen?</translation>
    </message>
    <message>
        <location filename="../src/core/update/UpdateCheckResult.cpp" line="74"/>
        <source>Vantoric Glimmerset %1 is the latest version.</source>
        <translation>Vantoric Glimmerset %1 ist die neueste Version.</translation>
    </message>
    <message>
        <location filename="../src/core/update/UpdateCheckResult.cpp" line="79"/>
        <source>Could not check for updates: %1</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <location filename="../src/ui/update/UpdateController.cpp" line="84"/>
        <source>The version list is at %1.</source>
        <translation>Die Versionsliste liegt unter %1.</translation>
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
        <location filename="../src/ui/windows/UpdateWindow.cpp" line="38"/>
        <source>What&apos;s new:</source>
        <translation>Neuigkeiten:</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/UpdateWindow.cpp" line="47"/>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <location filename="../src/ui/windows/UpdateWindow.cpp" line="49"/>
        <source>Download</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>VersionList</name>
    <message>
        <location filename="../src/core/update/VersionList.cpp" line="34"/>
        <source>the version list is larger than 1 MiB</source>
        <translation>die Versionsliste ist größer als 1 MiB</translation>
    </message>
    <message>
        <location filename="../src/core/update/VersionList.cpp" line="38"/>
        <source>the server sent an empty version list</source>
        <translation>der Server hat eine leere Versionsliste gesendet</translation>
    </message>
    <message>
        <location filename="../src/core/update/VersionList.cpp" line="46"/>
        <source>the server&apos;s answer is not a usable version list: %1</source>
        <translation>die Antwort des Servers ist keine brauchbare Versionsliste: %1</translation>
    </message>
    <message>
        <location filename="../src/core/update/VersionList.cpp" line="51"/>
        <source>the version list names no version (&quot;lastestVersion&quot;)</source>
        <translation>die Versionsliste nennt keine Version („lastestVersion“)</translation>
    </message>
</context>
<context>
    <name>VersionListFetcher</name>
    <message>
        <location filename="../src/core/update/VersionListFetcher.cpp" line="18"/>
        <source>the server did not answer within %1 seconds</source>
        <translation>der Server hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <location filename="../src/core/update/VersionListFetcher.cpp" line="36"/>
        <source>&quot;%1&quot; is not an http or https address</source>
        <translation>„%1“ ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <location filename="../src/core/update/VersionListFetcher.cpp" line="62"/>
        <source>the answer is larger than 1 MiB (%1 bytes announced)</source>
        <translation>die Antwort ist größer als 1 MiB (%1 Bytes angekündigt)</translation>
    </message>
    <message>
        <location filename="../src/core/update/VersionListFetcher.cpp" line="67"/>
        <location filename="../src/core/update/VersionListFetcher.cpp" line="89"/>
        <source>the answer is larger than 1 MiB</source>
        <translation>die Antwort ist größer als 1 MiB</translation>
    </message>
</context>
<context>
    <name>WorldMapView</name>
    <message>
        <location filename="../src/ui/editor/WorldMapView.cpp" line="40"/>
        <source>Click or drag to place the photos; scroll to zoom, drag with the right button to move the map</source>
        <translation>Klicken oder ziehen, um die Fotos zu platzieren; scrollen zum Zoomen, mit der rechten Taste ziehen, um die Karte zu verschieben</translation>
    </message>
</context>
<context>
    <name>XmpEdit</name>
    <message>
        <location filename="../src/core/imageio/XmpEdit.cpp" line="359"/>
        <source>the XMP packet cannot be rewritten: %1</source>
        <translation>das XMP-Paket kann nicht neu geschrieben werden: %1</translation>
    </message>
    <message>
        <location filename="../src/core/imageio/XmpEdit.cpp" line="698"/>
        <source>IPTC %1 cannot be stored: this file holds IPTC only as XMP, which has no place for it</source>
        <translation>IPTC %1 kann nicht gespeichert werden: Diese Datei hält IPTC nur als XMP, und dort gibt es keinen Platz dafür</translation>
    </message>
</context>
</TS>
