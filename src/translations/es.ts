<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 no es un archivo de sonido que Pictovia pueda reproducir</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>Aún no hay música. El vídeo dura lo mismo que su música.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Añadir imagen propia</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>Aún no hay nada</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>Usa una foto tuya como fondo de todo el vídeo.</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>Elige un fondo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>Animados</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizados</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Añadir imagen propia</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Archivos de imagen (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>Imagen demasiado pequeña</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>La imagen seleccionada es demasiado pequeña.</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Usarla igualmente</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Elegir otra</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>No se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>La respuesta del servidor no es un vídeo</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>No se recibió nada durante %1 s</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>Menos de %1 bytes recibidos en %2 s</translation>
    </message>
</context>
<context>
    <name>ConfirmPopup</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia se cerró inesperadamente</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>Cuéntanos qué estabas haciendo; nos ayuda a solucionarlo.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>Escribe tu mensaje aquí…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>Archivo de proyecto dañado</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>No se pudo leer el archivo de este proyecto; no se pudo recuperar ninguna diapositiva.</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>Antes de volver a guardar el proyecto, el archivo dañado se conserva a su lado como «prj.xml.damaged».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>No se pudo leer parte del archivo de este proyecto. Está abierto lo anterior al daño: %1.</translation>
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
        <translation>Tu vídeo está listo</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>Duración: %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Reproducir vídeo</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>Volver al proyecto</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>Descargando %1 — %2 de %3 MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>Descargando %1 — %2 MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>No es una carpeta</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>El servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>El servidor envió %1, no un vídeo</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>El servidor anuncia %1, más de los %2 que puede ocupar un fondo</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>La respuesta es mayor que los %1 que puede ocupar un fondo</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>El servidor envió %1 de los %2 bytes que anunció</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>Descargando el fondo</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problema de red</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>No se ha podido descargar el fondo. Comprueba tu conexión y vuelve a intentarlo, o elige otro fondo.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>Elegir otro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Duración de diapositivas</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>Ajustar a la música</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>Las diapositivas se reparten la duración de la música, con un mínimo de 3&#xa0;segundos cada una.</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>Duración fija</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>segundos por diapositiva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>Cambiar las diapositivas al ritmo</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>La duración se redondea a un número entero de tiempos.</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>Cada diapositiva termina en un tiempo de su canción, al inicio de un compás si son bastante largas.</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>Detectando el ritmo…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>Suelta aquí tus fotos y tu música</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>o añádelas desde tu ordenador para empezar una nueva presentación.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Añadir carpeta</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>Si el problema continúa, ponte en contacto con nuestro servicio de atención al cliente: </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>archivo vacío</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>imagen dañada</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>demasiado grande: %1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>No se encontró: %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>No es una foto, una música ni una carpeta que Pictovia pueda abrir: %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>Buscar %1</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Archivos de imagen (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>¿Volver a vincular las otras fotos que faltan?</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>Se encontró 1 foto más que faltaba en esta carpeta.</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>Se encontraron %1 fotos más que faltaban en esta carpeta.</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>Vincular todas</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Duración de diapositivas</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Proyectos recientes</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nuevo proyecto</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Cómo usar Pictovia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Primero añade fotos</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>Tienes demasiadas diapositivas para la duración de la música. Las imágenes y los textos de abajo no aparecerán en el vídeo final.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>Proyecto guardado</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Archivos de imagen (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>Archivos de audio (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>¿Quitar la diapositiva?</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>Se quitarán %1 diapositivas del proyecto.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>MissingFilesPopup</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>Estas fotos ya no están donde estaban. Siguen en el proyecto, marcadas como que faltan, y quedan fuera del vídeo hasta que las busque («Buscar…» en la diapositiva) o las quite.</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>Esta música ya no está donde estaba o no se puede leer. El proyecto se abrió sin ella: vuelva a añadirla con «Añadir música» cuando esté de vuelta.</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>Pulsa Reproducir para ver la presentación</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Primero añade fotos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>Haz doble clic en una diapositiva, o selecciónala y pulsa Espacio, para reproducir desde ahí.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>pistas</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>No se puede abrir la foto %1</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>Cambiar los ajustes de duración de las diapositivas</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>Quitar la pista de música</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>Mover la pista de música</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>Añadir diapositiva de texto</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>Editar la diapositiva de texto</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>Quitar la diapositiva</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>Quitar %1 diapositivas</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>Mover la diapositiva</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>Mover %1 diapositivas</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>Girar la foto</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>Cambiar la duración de la diapositiva</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>Añadir pista de música</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>Añadir %1 pistas de música</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>Añadir foto</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>Añadir %1 fotos</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>Cambiar la calidad del vídeo</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>Cambiar la carpeta de destino</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>No se encontró un ritmo constante en %1: sus diapositivas mantienen duraciones iguales.</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>Proyectos recientes</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>No hay proyectos recientes</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>¿Eliminar el proyecto?</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>Se borrará el proyecto guardado. Tus fotos y tu música se quedan donde están.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>Archivo dañado: abre lo que se puede leer</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>No se pudo iniciar ningún programa para reproducir el vídeo. Copie su ubicación abajo para abrirlo en el reproductor que prefiera.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>No se pudo iniciar ningún programa para abrir la carpeta. Copie abajo la ubicación del vídeo para encontrarlo en su gestor de archivos.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>Creando el vídeo</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Transcurrido: %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>Calculando el tiempo restante…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Quedan %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Guardando…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>Elija otra carpeta de destino. No se puede crear el archivo de vídeo en</translation>
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
        <translation>Ajustes del vídeo</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>CREAR VÍDEO</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Calidad del vídeo</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>duración del vídeo: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>Aquí termina la música</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Falta</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Buscar…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>No se puede leer</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>Usar la duración predeterminada</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>Duración personalizada</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>Ajustes de estilo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>Diapositiva de foto</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Diapositiva de texto</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>Grosor del marco</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Color del marco</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Grosor de la fuente</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>Sombra del texto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>Color del tema</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>Color del fondo</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>Cambiar el grosor del marco</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>Cambiar la sombra</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>Cambiar la sombra del texto</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>Cambiar el tema a «%1»</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Cambiar el fondo</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>Cambiar el color del marco</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Cambiar el color del texto</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Cambiar la fuente</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>Cambiar el grosor de la fuente</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Escribe tu texto aquí…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Usar este tema</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Carrusel</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>En vuelo</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flujo</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Rodillo</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>Panorámica y zoom</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Paralaje</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>Elige una animación</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>Duración del vídeo</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>Aún no hay música</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Cómo usar Pictovia</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>Haz clic en «Añadir imágenes»</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>para añadir tus fotos</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>Haz clic en «Añadir texto»</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>para añadir títulos entre las diapositivas</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>Haz clic en «Añadir música»</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>para añadir música de fondo</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>No mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>Ver vídeo</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>VALE, ENTENDIDO</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>Grueso</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>Ligera</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>Difuminada</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>Extraligera</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>Ligera</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>Media</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>Seminegrita</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>Extranegrita</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>Negra</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 diapositiva</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 diapositivas</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>Se está creando un vídeo. ¿Detenerlo y salir?</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>No se conserva la parte creada hasta ahora.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>Seguir creando el vídeo</translation>
    </message>
</context>
</TS>
