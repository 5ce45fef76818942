<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 ist keine Tondatei, die Pictovia abspielen kann</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>Musik bearbeiten</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>Noch keine Musik. Das Video ist so lang wie seine Musik.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Eigenes Bild hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>Noch nichts vorhanden</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>Verwenden Sie ein eigenes Foto als Hintergrund für das ganze Video.</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>Hintergrund wählen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>Animiert</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Eigenes Bild hinzufügen</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Bilddateien (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>Bild zu klein</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>Das ausgewählte Bild ist zu klein.</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Trotzdem verwenden</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Anderes wählen</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>Die Antwort des Servers ist kein Video</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>%1 s lang nichts empfangen</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>Weniger als %1 Byte in %2 s empfangen</translation>
    </message>
</context>
<context>
    <name>ConfirmPopup</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>Beschreiben Sie, was Sie gerade getan haben – das hilft uns beim Beheben.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>Ihre Nachricht…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>Beschädigte Projektdatei</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>Die Datei dieses Projekts ließ sich nicht lesen; keine Folie konnte gerettet werden.</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>Bevor das Projekt wieder gespeichert wird, bleibt die beschädigte Datei daneben als „prj.xml.damaged“ erhalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>Ein Teil der Datei dieses Projekts ließ sich nicht lesen. Was vor der Beschädigung stand, ist geöffnet: %1.</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <source>%1 GB</source>
        <translation>%1&#xa0;GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;KB</translation>
    </message>
    <message>
        <source>Your video is ready</source>
        <translation>Ihr Video ist fertig</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>Länge: %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Video abspielen</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>Zurück zum Projekt</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>%1 wird geladen — %2 von %3 MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>%1 wird geladen — %2 MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>Der Server schickte %1, kein Video</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>Der Server kündigt %1 an, mehr als die %2, die ein Hintergrund haben kann</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>Die Antwort ist größer als die %1, die ein Hintergrund haben kann</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>Der Server schickte %1 der angekündigten %2 Byte</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>Hintergrund wird geladen</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Netzwerkproblem</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>Der Hintergrund konnte nicht geladen werden. Prüfen Sie Ihre Verbindung und versuchen Sie es erneut, oder wählen Sie einen anderen Hintergrund.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>Anderen wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Foliendauer</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>An die Musik anpassen</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>Die Folien teilen sich die Musiklänge, jede mindestens 3&#xa0;Sekunden.</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>Feste Dauer</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>Sekunden pro Folie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>Folien im Takt wechseln</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>Die Dauer wird auf ganze Schläge gerundet.</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>Jede Folie endet auf einem Schlag ihres Lieds, bei genügend langen Folien auf einem Taktanfang.</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>Takt wird erkannt …</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>Fotos und Musik hierher ziehen</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>oder vom Computer hinzufügen, um eine neue Diashow zu beginnen.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Ordner hinzufügen</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>Wenn das Problem weiterhin auftritt, wenden Sie sich bitte an unseren Kundendienst: </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>leere Datei</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>beschädigtes Bild</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>zu groß: %1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>Nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>Kein Foto, keine Musik und kein Ordner, den Pictovia öffnen kann: %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>%1 suchen</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Bilddateien (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>Die anderen fehlenden Fotos neu verknüpfen?</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>In diesem Ordner wurde 1 weiteres fehlendes Foto gefunden.</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>In diesem Ordner wurden %1 weitere fehlende Fotos gefunden.</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>Alle verknüpfen</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>Textfolie hinzufügen</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Musik bearbeiten</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Foliendauer</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Letzte Projekte</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>So funktioniert Pictovia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Fügen Sie zuerst Fotos hinzu</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>Sie haben mehr Folien, als die Musik lang ist. Die Bilder und Textfolien unten kommen nicht ins fertige Video.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>Projekt gespeichert</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Bilddateien (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>Audiodateien (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>Folie entfernen?</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>%1 Folien werden aus dem Projekt entfernt.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>MissingFilesPopup</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>Diese Fotos sind nicht mehr dort, wo sie waren. Sie bleiben als fehlend markiert im Projekt und kommen nicht ins Video, bis Sie sie suchen („Suchen…“ auf der Folie) oder entfernen.</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>Diese Musik ist nicht mehr dort, wo sie war, oder lässt sich nicht lesen. Das Projekt wurde ohne sie geöffnet: Fügen Sie sie mit „Musik hinzufügen“ wieder hinzu, sobald sie zurück ist.</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>Drücken Sie auf Abspielen, um die Diashow anzusehen</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Fügen Sie zuerst Fotos hinzu</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>Doppelklicken Sie auf eine Folie oder wählen Sie sie aus und drücken Sie die Leertaste, um ab dort abzuspielen.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>Das Foto %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>Einstellungen der Foliendauer ändern</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>Musiktitel entfernen</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>Musiktitel verschieben</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>Textfolie hinzufügen</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>Textfolie bearbeiten</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>Folie entfernen</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>%1 Folien entfernen</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>Folie verschieben</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>%1 Folien verschieben</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>Foto drehen</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>Foliendauer ändern</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>Musiktitel hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>%1 Musiktitel hinzufügen</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>Foto hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>%1 Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>Videoqualität ändern</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>Speicherort ändern</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>Kein gleichmäßiger Takt in %1 gefunden: Seine Folien behalten gleiche Dauern.</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>Letzte Projekte</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Keine letzten Projekte</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>Projekt entfernen?</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>Das gespeicherte Projekt wird gelöscht. Ihre Fotos und Musik bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>Beschädigte Datei: öffnet, was lesbar ist</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>Es ließ sich kein Programm starten, um das Video abzuspielen. Kopieren Sie unten seinen Speicherort, um es in einem Player Ihrer Wahl zu öffnen.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>Es ließ sich kein Programm starten, um den Ordner zu öffnen. Kopieren Sie unten den Speicherort des Videos, um es in Ihrer Dateiverwaltung zu finden.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>Video wird erstellt</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Verstrichen: %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>Restzeit wird berechnet…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Noch %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Wird gespeichert…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>Bitte wählen Sie einen anderen Speicherort. Die Videodatei kann nicht angelegt werden in</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>HD (1280x720)</source>
        <translation>HD (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>Full HD (1920×1080)</translation>
    </message>
    <message>
        <source>4K (3840x2160)</source>
        <translation>4K (3840×2160)</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>Videoeinstellungen</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>VIDEO ERSTELLEN</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>Videolänge %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>Hier endet die Musik</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>Standarddauer verwenden</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>Eigene Dauer festlegen</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>Folie %1</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>Stil anpassen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>Fotofolie</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Textfolie</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>Rahmenstärke</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Schriftstärke</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>Textschatten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>Farbe des Themas</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>Farbe des Hintergrunds</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>Rahmenstärke ändern</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>Schatten ändern</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>Textschatten ändern</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>Thema zu „%1“ ändern</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Hintergrund ändern</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>Rahmenfarbe ändern</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Textfarbe ändern</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>Schriftstärke ändern</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>Textfolie hinzufügen</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Text hier eingeben…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Dieses Thema verwenden</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>Sanft</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Karussell</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>Fliegend</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fließend</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>Ein- und Ausblenden</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Walze</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>Schwenken und Zoomen</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallaxe</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>Animation wählen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Musik bearbeiten</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>Noch keine Musik</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>So funktioniert Pictovia</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>Auf „Bilder hinzufügen“ klicken</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>um Ihre Fotos hinzuzufügen</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>Auf „Textfolie hinzufügen“ klicken</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>um Titel zwischen Folien einzufügen</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>Auf „Musik hinzufügen“ klicken</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>um Hintergrundmusik hinzuzufügen</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>Tipps beim Start nicht anzeigen</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>Video ansehen</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>OK, VERSTANDEN</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>Dünn</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>Dick</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>Haarfein</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>Extraleicht</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>Halbfett</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>Extrafett</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>Ultrafett</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 Folie</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 Folien</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>Ein Video wird gerade erstellt. Abbrechen und beenden?</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>Der bisher erstellte Teil wird nicht behalten.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Abbrechen und beenden</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>Video weiter erstellen</translation>
    </message>
</context>
</TS>
