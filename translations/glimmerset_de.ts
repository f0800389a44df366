<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Support…</source>
        <translation>Hilfe…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Makes photos smaller without visible loss, and edits their dates, places and other details, on your own computer.</source>
        <translation>Macht Fotos ohne sichtbaren Verlust kleiner und bearbeitet ihre Daten, Orte und weitere Angaben – auf Ihrem eigenen Computer.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>The photos could not be compressed</source>
        <translation>Die Fotos konnten nicht komprimiert werden</translation>
    </message>
    <message>
        <source>The user guide is not installed</source>
        <translation>Das Benutzerhandbuch ist nicht installiert</translation>
    </message>
    <message>
        <source>Glimmerset looked for doc/glimmerset/index.html in the shared data folders.</source>
        <translation>Glimmerset hat in den gemeinsamen Datenordnern nach doc/glimmerset/index.html gesucht.</translation>
    </message>
    <message>
        <source>Photos are being compressed</source>
        <translation>Fotos werden komprimiert</translation>
    </message>
    <message>
        <source>Wait until the compression has finished, then try again.</source>
        <translation>Warten Sie, bis die Komprimierung beendet ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Nothing has been dropped on this area yet. Drop photos or a folder first.</source>
        <translation>Auf diesem Bereich wurde noch nichts abgelegt. Legen Sie zuerst Fotos oder einen Ordner ab.</translation>
    </message>
    <message>
        <source>Compress the folder of your last drop again with the current preferences. The results are added to the list.</source>
        <translation>Den zuletzt abgelegten Ordner mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse kommen zur Liste hinzu.</translation>
    </message>
    <message numerus="yes">
        <source>Compress the %n photo(s) of your last drop again with the current preferences. The results are added to the list.</source>
        <translation>
            <numerusform>Das zuletzt abgelegte Foto mit den aktuellen Einstellungen erneut komprimieren. Das Ergebnis kommt zur Liste hinzu.</numerusform>
            <numerusform>Die %n zuletzt abgelegten Fotos mit den aktuellen Einstellungen erneut komprimieren. Die Ergebnisse kommen zur Liste hinzu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compressing photos…</source>
        <translation>Fotos werden komprimiert…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not compressed:
%1</source>
        <translation>Nicht komprimiert:
%1</translation>
    </message>
    <message>
        <source>Stopped: the photos not in the list were left as they were.
</source>
        <translation>Angehalten: Die Fotos, die nicht in der Liste stehen, blieben unverändert.
</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stop after the photos being written and quit? The photos not yet compressed are left as they are.</source>
        <translation>Nach den gerade geschriebenen Fotos anhalten und beenden? Die noch nicht komprimierten Fotos bleiben unverändert.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Anhalten und beenden</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Photos compressed</source>
        <translation>Fotos komprimiert</translation>
    </message>
    <message>
        <source>%1: not resized: %2</source>
        <translation>%1: Größe nicht geändert: %2</translation>
    </message>
</context>
<context>
    <name>ChangeDateWindow</name>
    <message>
        <source>Change Capture Date</source>
        <translation>Aufnahmedatum ändern</translation>
    </message>
    <message>
        <source>The copy of the photo gets these dates (yyyy:MM:dd HH:mm:ss).</source>
        <translation>Die Kopie des Fotos erhält diese Daten (yyyy:MM:dd HH:mm:ss).</translation>
    </message>
    <message>
        <source>Date taken:</source>
        <translation>Aufgenommen:</translation>
    </message>
    <message>
        <source>Date digitized:</source>
        <translation>Digitalisiert:</translation>
    </message>
    <message>
        <source>Save Copy</source>
        <translation>Kopie speichern</translation>
    </message>
</context>
<context>
    <name>ChangeMutiDateWindow</name>
    <message>
        <source>Change Capture Dates</source>
        <translation>Aufnahmedaten ändern</translation>
    </message>
    <message>
        <source>Shift by a reference photo</source>
        <translation>Anhand eines Referenzfotos verschieben</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Foto auswählen…</translation>
    </message>
    <message>
        <source>Don&apos;t Use</source>
        <translation>Nicht verwenden</translation>
    </message>
    <message>
        <source>Shift by the date or the offset below instead</source>
        <translation>Stattdessen um das Datum oder den Versatz unten verschieben</translation>
    </message>
    <message>
        <source>It shows</source>
        <translation>Es zeigt</translation>
    </message>
    <message>
        <source>It should show</source>
        <translation>Es soll zeigen</translation>
    </message>
    <message>
        <source>Taken:</source>
        <translation>Aufgenommen:</translation>
    </message>
    <message>
        <source>Digitized:</source>
        <translation>Digitalisiert:</translation>
    </message>
    <message>
        <source>Or set one date for all</source>
        <translation>Oder ein Datum für alle festlegen</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Or move every date by</source>
        <translation>Oder jedes Datum verschieben um</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>A month counts 30 days, a year 365 days.</source>
        <translation>Ein Monat zählt 30 Tage, ein Jahr 365 Tage.</translation>
    </message>
    <message>
        <source>Save Copies</source>
        <translation>Kopien speichern</translation>
    </message>
</context>
<context>
    <name>ConnectPhotoWindow</name>
    <message>
        <source>Compress Again</source>
        <translation>Erneut komprimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>EditorController</name>
    <message>
        <source>Edited copies go into %1; your photos are never changed.</source>
        <translation>Bearbeitete Kopien kommen nach %1; Ihre Fotos werden nie verändert.</translation>
    </message>
    <message>
        <source>%1…</source>
        <translation>%1…</translation>
    </message>
    <message>
        <source>Writing copies: %1 of %2</source>
        <translation>Kopien werden geschrieben: %1 von %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>No Item has been selected</source>
        <translation>Es wurde nichts ausgewählt</translation>
    </message>
    <message>
        <source>Please select at least one item to process.</source>
        <translation>Bitte wählen Sie mindestens ein Element zur Bearbeitung aus.</translation>
    </message>
    <message>
        <source> Ok </source>
        <translation> OK </translation>
    </message>
    <message>
        <source>Still writing the copies of the last command; try again when it is done.</source>
        <translation>Die Kopien des letzten Befehls werden noch geschrieben; versuchen Sie es danach erneut.</translation>
    </message>
    <message>
        <source>1 copy written to %1</source>
        <translation>1 Kopie nach %1 geschrieben</translation>
    </message>
    <message>
        <source>%1 copies written to %2</source>
        <translation>%1 Kopien nach %2 geschrieben</translation>
    </message>
    <message>
        <source>Copying the photos from the camera; choose the command again when they are there.</source>
        <translation>Die Fotos werden von der Kamera kopiert; wählen Sie den Befehl erneut, sobald sie da sind.</translation>
    </message>
    <message>
        <source>Dates of %1</source>
        <translation>Daten von %1</translation>
    </message>
    <message>
        <source>%1 has no capture dates; these are its file dates.</source>
        <translation>%1 hat keine Aufnahmedaten; dies sind seine Dateidaten.</translation>
    </message>
    <message>
        <source>%1 selected photos get copies under their own names.</source>
        <translation>%1 ausgewählte Fotos erhalten Kopien unter ihrem eigenen Namen.</translation>
    </message>
    <message>
        <source>Please select one photo to change the date.</source>
        <translation>Bitte wählen Sie ein Foto aus, um das Datum zu ändern.</translation>
    </message>
    <message>
        <source>Choose Another…</source>
        <translation>Anderes auswählen…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Foto auswählen…</translation>
    </message>
    <message>
        <source>Select the photos to date first.</source>
        <translation>Wählen Sie zuerst die Fotos aus, deren Datum geändert werden soll.</translation>
    </message>
</context>
<context>
    <name>EditorPlaceholderView</name>
    <message>
        <source>Metadata editor</source>
        <translation>Metadaten-Editor</translation>
    </message>
    <message>
        <source>Editing dates, places and other details is not available in this build.</source>
        <translation>Das Bearbeiten von Daten, Orten und weiteren Angaben ist in dieser Version nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>ImportPanel</name>
    <message>
        <source>Photos (%1)</source>
        <translation>Fotos (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>MainInterface</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Drop photos or a folder here</source>
        <translation>Fotos oder einen Ordner hier ablegen</translation>
    </message>
    <message>
        <source>or click to choose photos — JPEG and PNG are made smaller</source>
        <translation>oder klicken, um Fotos auszuwählen – JPEG und PNG werden verkleinert</translation>
    </message>
    <message>
        <source>Edit photo metadata instead…</source>
        <translation>Stattdessen Foto-Metadaten bearbeiten…</translation>
    </message>
    <message>
        <source>Drop more photos or a folder</source>
        <translation>Weitere Fotos oder einen Ordner ablegen</translation>
    </message>
    <message>
        <source>A drop starts a new list · click to choose photos</source>
        <translation>Ablegen beginnt eine neue Liste · klicken, um Fotos auszuwählen</translation>
    </message>
    <message>
        <source>Compressing photos…</source>
        <translation>Fotos werden komprimiert…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop after the photos being written; the finished ones stay in the list</source>
        <translation>Nach den gerade geschriebenen Fotos anhalten; die fertigen bleiben in der Liste</translation>
    </message>
    <message>
        <source>Compressed photos</source>
        <translation>Komprimierte Fotos</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>&amp;Copy Path</source>
        <translation>Pfad &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Remove from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Recompress</source>
        <translation>Erneut komprimieren</translation>
    </message>
    <message>
        <source>Compress the photos of the last drop again</source>
        <translation>Die zuletzt abgelegten Fotos erneut komprimieren</translation>
    </message>
    <message>
        <source>Resize…</source>
        <translation>Größe ändern…</translation>
    </message>
    <message>
        <source>Edit Metadata</source>
        <translation>Metadaten bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Glimmerset</source>
        <translation>&amp;Glimmerset</translation>
    </message>
    <message>
        <source>&amp;About Glimmerset</source>
        <translation>&amp;Über Glimmerset</translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Photos</source>
        <translation>&amp;Fotos</translation>
    </message>
    <message>
        <source>&amp;Import Photos…</source>
        <translation>Fotos &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Compress Again…</source>
        <translation>&amp;Erneut komprimieren…</translation>
    </message>
    <message>
        <source>&amp;Resize Photos…</source>
        <translation>&amp;Größe der Fotos ändern…</translation>
    </message>
    <message>
        <source>&amp;Edit Metadata</source>
        <translation>&amp;Metadaten bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Glimmerset &amp;Support</source>
        <translation>Glimmerset-&amp;Handbuch</translation>
    </message>
</context>
<context>
    <name>MetadataEditorView</name>
    <message>
        <source>Drop photos here to edit their metadata,
or click Import Photos.</source>
        <translation>Legen Sie hier Fotos ab, um ihre Metadaten zu bearbeiten,
oder klicken Sie auf „Fotos importieren“.</translation>
    </message>
    <message>
        <source>Photos from this computer</source>
        <translation>Fotos von diesem Computer</translation>
    </message>
    <message>
        <source>Import Photos…</source>
        <translation>Fotos importieren…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empty the list (the photos stay where they are)</source>
        <translation>Die Liste leeren (die Fotos bleiben, wo sie sind)</translation>
    </message>
    <message>
        <source>Remove Metadata</source>
        <translation>Metadaten entfernen</translation>
    </message>
    <message>
        <source>Edit Dates</source>
        <translation>Daten bearbeiten</translation>
    </message>
    <message>
        <source>Copy Without Exif</source>
        <translation>Kopie ohne Exif</translation>
    </message>
    <message>
        <source>Copy Without GPS Location</source>
        <translation>Kopie ohne GPS-Position</translation>
    </message>
    <message>
        <source>Copy Without IPTC</source>
        <translation>Kopie ohne IPTC</translation>
    </message>
    <message>
        <source>Copy Without Exif and GPS</source>
        <translation>Kopie ohne Exif und GPS</translation>
    </message>
    <message>
        <source>Change Capture Date…</source>
        <translation>Aufnahmedatum ändern…</translation>
    </message>
    <message>
        <source>Date Files by Capture Date</source>
        <translation>Dateidatum nach Aufnahmedatum setzen</translation>
    </message>
</context>
<context>
    <name>NSDragImageBrowserView</name>
    <message>
        <source>&amp;Remove from List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>PSTableNameCellView</name>
    <message>
        <source>Show in the file manager</source>
        <translation>In der Dateiverwaltung zeigen</translation>
    </message>
</context>
<context>
    <name>PhotoInfoPanel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Urheber</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>GPS date</source>
        <translation>GPS-Datum</translation>
    </message>
    <message>
        <source>GPS time</source>
        <translation>GPS-Zeit</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>PreferenceWindow</name>
    <message>
        <source>Keep photo metadata</source>
        <translation>Foto-Metadaten behalten</translation>
    </message>
    <message>
        <source>Keep original photos</source>
        <translation>Originalfotos behalten</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Komprimierung</translation>
    </message>
    <message>
        <source>Carry the date, camera, GPS and other details of JPEG photos into the results.</source>
        <translation>Datum, Kamera, GPS und weitere Angaben von JPEG-Fotos in die Ergebnisse übernehmen.</translation>
    </message>
    <message>
        <source>Write results into the Output folder and leave the photos you drop untouched. When off, each photo is replaced by its compressed version.</source>
        <translation>Ergebnisse in den Ausgabeordner schreiben und die abgelegten Fotos unverändert lassen. Wenn aus, wird jedes Foto durch seine komprimierte Fassung ersetzt.</translation>
    </message>
    <message>
        <source>System follows the colours of your desktop.</source>
        <translation>„System“ folgt den Farben Ihrer Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ResizeWindow</name>
    <message>
        <source>Keep proportions</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Resize and Compress</source>
        <translation>Größe ändern und komprimieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Resize Photos</source>
        <translation>Größe der Fotos ändern</translation>
    </message>
    <message>
        <source>Scale every photo in the list and compress it again.</source>
        <translation>Jedes Foto der Liste skalieren und erneut komprimieren.</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
</context>
<context>
    <name>ResultHeaderView</name>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Compressed</source>
        <translation>Komprimiert</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespart</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <source>Sort by %1; click again to reverse</source>
        <translation>Nach %1 sortieren; erneut klicken kehrt die Reihenfolge um</translation>
    </message>
</context>
</TS>
