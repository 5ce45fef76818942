<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 non è un file audio che Pictovia può riprodurre</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica musica</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Aggiungi musica</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>Ancora nessuna musica. Il video dura quanto la sua musica.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Aggiungi un’immagine</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>Ancora nulla qui</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>Usa una tua foto come sfondo per tutto il video.</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>Scegli lo sfondo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>Animati</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzati</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Aggiungi un’immagine</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>File immagine (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>Immagine troppo piccola</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>L’immagine selezionata è troppo piccola.</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Usala comunque</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Scegline un’altra</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>Impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>La risposta del server non è un video</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>Nulla ricevuto per %1 s</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>Meno di %1 byte ricevuti in %2 s</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Non chiedere più</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia si è chiuso inaspettatamente</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>Raccontaci cosa stavi facendo: ci aiuta a risolvere il problema.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>Scrivi qui il tuo messaggio…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>File di progetto danneggiato</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>Non è stato possibile leggere il file di questo progetto; nessuna diapositiva è stata recuperata.</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>Prima che il progetto venga salvato di nuovo, il file danneggiato viene conservato accanto come «prj.xml.damaged».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>Non è stato possibile leggere parte del file di questo progetto. È aperto ciò che precede il danno: %1.</translation>
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
        <translation>Il tuo video è pronto</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>Durata: %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Riproduci video</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>Torna al progetto</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>Download di %1 — %2 di %3 MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>Download di %1 — %2 MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>Non è una cartella</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Il server ha risposto %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>Il server ha inviato %1, non un video</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>Il server annuncia %1, più dei %2 che può avere uno sfondo</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>La risposta è più grande dei %1 che può avere uno sfondo</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>Il server ha inviato %1 dei %2 byte annunciati</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>Download dello sfondo</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problema di rete</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>Impossibile scaricare lo sfondo. Controlla la connessione e riprova, oppure scegli un altro sfondo.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>Scegline un altro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Durata diapositive</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>Adatta alla musica</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>Le diapositive si dividono la durata della musica, almeno 3&#xa0;secondi ciascuna.</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>Durata fissa</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>secondi per diapositiva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>Cambia le diapositive a tempo</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>La durata viene arrotondata a un numero intero di battiti.</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>Ogni diapositiva finisce su un battito del suo brano, su una stanghetta di battuta se è abbastanza lunga.</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>Rilevamento del tempo…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>Trascina qui foto e musica</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>oppure aggiungile dal computer per iniziare una nuova presentazione.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Aggiungi cartella</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>Se il problema persiste, contatta la nostra assistenza clienti: </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>non trovato</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>file vuoto</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>non si può aprire</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>non è un&apos;immagine</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>immagine danneggiata</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>troppo grande: %1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>Non trovato: %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>Non è una foto, una musica o una cartella che Pictovia possa aprire: %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>Trova %1</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>File immagine (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>Ricollegare le altre foto mancanti?</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>In questa cartella è stata trovata 1 altra foto mancante.</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>In questa cartella sono state trovate altre %1 foto mancanti.</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>Ricollega tutte</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>Aggiungi immagini</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica musica</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Aggiungi musica</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Durata diapositive</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Progetti recenti</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Come usare Pictovia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Prima aggiungi delle foto</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>Ci sono troppe diapositive per la durata della musica. Le immagini e i testi qui sotto non saranno inclusi nel video finale.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>Progetto salvato</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>File immagine (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>File audio (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>Rimuovere la diapositiva?</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>%1 diapositive verranno rimosse dal progetto.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>MissingFilesPopup</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>Queste foto non sono più dov’erano. Restano nel progetto, segnate come mancanti, e sono escluse dal video finché non le ritrovi («Trova…» sulla diapositiva) o le rimuovi.</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>Questa musica non è più dov’era, oppure non si può leggere. Il progetto è stato aperto senza: aggiungila di nuovo con Aggiungi musica quando sarà tornata.</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>Premi Riproduci per guardare la presentazione</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Prima aggiungi delle foto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>Fai doppio clic su una diapositiva, oppure selezionala e premi Spazio, per riprodurre da lì.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>brani</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>Impossibile aprire la foto %1</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>Modifica le impostazioni di durata delle diapositive</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>Rimuovi la traccia musicale</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>Sposta la traccia musicale</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>Aggiungi diapositiva di testo</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>Modifica la diapositiva di testo</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>Rimuovi la diapositiva</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>Rimuovi %1 diapositive</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>Sposta la diapositiva</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>Sposta %1 diapositive</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>Ruota la foto</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>Modifica la durata della diapositiva</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>Aggiungi traccia musicale</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>Aggiungi %1 tracce musicali</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>Aggiungi %1 foto</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>Modifica la qualità video</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>Modifica la cartella di destinazione</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>Nessun tempo regolare trovato in %1: le sue diapositive mantengono durate uguali.</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>Progetti recenti</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Nessun progetto recente</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>Rimuovere il progetto?</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>Il progetto salvato verrà eliminato. Le tue foto e la tua musica restano dove sono.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>File danneggiato: apre ciò che si può leggere</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>Non è stato possibile avviare un programma per riprodurre il video. Copia il suo percorso qui sotto per aprirlo nel lettore che preferisci.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>Non è stato possibile avviare un programma per aprire la cartella. Copia il percorso del video qui sotto per trovarlo nel tuo gestore file.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>Creazione del video</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Trascorso: %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>Calcolo del tempo rimanente…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Mancano %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>Non salvato</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Salvataggio…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Salvato</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>Scegli un&apos;altra cartella di destinazione. Impossibile creare il file video in</translation>
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
        <translation>Impostazioni video</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>CREA VIDEO</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualità video</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>durata del video: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>Qui finisce la musica</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mancante</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Trova…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Illeggibile</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>Ripristina la durata predefinita</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>Durata personalizzata</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>Diapositiva %1</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>Impostazioni stile</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>Diapositiva foto</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Diapositiva testo</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>Spessore cornice</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Colore cornice</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Spessore carattere</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Colore testo</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>Ombra testo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>Colore del tema</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>Colore dello sfondo</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>Modifica lo spessore della cornice</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>Modifica l&apos;ombra</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>Modifica l&apos;ombra del testo</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>Cambia il tema in «%1»</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Cambia lo sfondo</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>Modifica il colore della cornice</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Modifica il colore del testo</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Cambia il carattere</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>Modifica lo spessore del carattere</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Scrivi qui il tuo testo…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Usa questo tema</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>Morbido</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Carosello</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>In volo</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flusso</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>Dissolvenza</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Rullo</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>Panoramica e zoom</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallasse</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>Scegli l’animazione</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>Durata del video</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifica musica</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Aggiungi musica</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>Ancora nessuna musica</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Come usare Pictovia</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>Fai clic su «Aggiungi immagini»</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>per aggiungere le tue foto</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>Fai clic su «Aggiungi testo»</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>per aggiungere titoli tra le diapositive</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>Fai clic su «Aggiungi musica»</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>per aggiungere una musica di sottofondo</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>Non mostrare i suggerimenti all’avvio</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>Guarda il video</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>OK, HO CAPITO</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>Sottile</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>Spessa</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>Leggera</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>Sfumata</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>Sottile</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>Extra leggero</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>Leggero</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>Semigrassetto</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>Extra grassetto</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>Nero</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 diapositiva</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 diapositive</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>È in corso la creazione di un video. Interromperla e uscire?</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>La parte creata finora non viene conservata.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Interrompi ed esci</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>Continua a creare il video</translation>
    </message>
</context>
</TS>
