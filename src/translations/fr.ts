<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 n’est pas un fichier son que Pictovia peut lire</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier la musique</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Ajouter une musique</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>Pas encore de musique. La vidéo dure aussi longtemps que sa musique.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Ajouter votre image</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>Rien pour l’instant</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>Utilisez une de vos photos comme arrière-plan de toute la vidéo.</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>Choisir un arrière-plan</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>Animés</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standards</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisés</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Ajouter votre image</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Fichiers image (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>Image trop petite</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>L’image sélectionnée est trop petite.</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>L’utiliser quand même</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>En choisir une autre</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>Impossible d’écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>La réponse du serveur n’est pas une vidéo</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>Rien reçu pendant %1 s</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>Moins de %1 octets reçus en %2 s</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia s’est fermé de manière inattendue</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>Dites-nous ce que vous faisiez, cela nous aide à corriger le problème.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>Saisissez votre message ici…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>Fichier de projet endommagé</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>Le fichier de ce projet n’a pas pu être lu ; aucune diapositive n’a pu être récupérée.</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>Avant que le projet soit de nouveau enregistré, le fichier endommagé est conservé à côté sous le nom « prj.xml.damaged ».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>Une partie du fichier de ce projet n’a pas pu être lue. Ce qui précède le dommage est ouvert : %1.</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <source>%1 GB</source>
        <translation>%1&#xa0;Go</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;Ko</translation>
    </message>
    <message>
        <source>Your video is ready</source>
        <translation>Votre vidéo est prête</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>Durée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Lire la vidéo</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>Retour au projet</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>Téléchargement de %1 — %2 sur %3 Mo</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>Téléchargement de %1 — %2 Mo</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>Pas un dossier</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>Le serveur a envoyé %1, pas une vidéo</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>Le serveur annonce %1, plus que les %2 que peut faire un arrière-plan</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>La réponse dépasse les %1 que peut faire un arrière-plan</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>Le serveur a envoyé %1 des %2 octets annoncés</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>Téléchargement de l’arrière-plan</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problème de réseau</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>Impossible de télécharger l’arrière-plan. Vérifiez votre connexion et réessayez, ou choisissez un autre arrière-plan.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>En choisir un autre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Durée des diapositives</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>Adapter à la musique</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>Les diapositives se partagent la durée de la musique, 3&#xa0;secondes minimum chacune.</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>Durée fixe</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>secondes par diapositive</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>Changer de diapositive sur le temps</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>La durée est arrondie à un nombre entier de temps.</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>Chaque diapositive se termine sur un temps de sa chanson, sur une barre de mesure si elles sont assez longues.</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>Détection du tempo…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>Déposez vos photos et votre musique ici</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>ou ajoutez-les depuis votre ordinateur pour commencer un diaporama.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Ajouter un dossier</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>Si le problème persiste, contactez notre service client&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>fichier vide</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossible à ouvrir</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>pas une image</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>image endommagée</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>trop grande : %1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>Introuvable : %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>Ni une photo, ni une musique, ni un dossier que Pictovia peut ouvrir : %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>Retrouver %1</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Fichiers image (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>Relier les autres photos manquantes ?</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>1 autre photo manquante a été trouvée dans ce dossier.</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>%1 autres photos manquantes ont été trouvées dans ce dossier.</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>Tout relier</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier la musique</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Ajouter une musique</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Durée des diapositives</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Comment utiliser Pictovia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Ajoutez d’abord des photos</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>Vous avez trop de diapositives pour la durée de la musique. Les images et textes ci-dessous ne figureront pas dans la vidéo finale.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>Projet enregistré</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Fichiers image (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>Fichiers audio (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>Supprimer la diapositive&#x202f;?</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>%1 diapositives seront retirées du projet.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>MissingFilesPopup</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>Ces photos ne sont plus là où elles étaient. Elles restent dans le projet, marquées comme manquantes, et sont laissées hors de la vidéo jusqu’à ce que vous les retrouviez (« Retrouver… » sur la diapositive) ou les retiriez.</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>Cette musique n’est plus là où elle était, ou ne peut pas être lue. Le projet s’est ouvert sans elle : ajoutez-la de nouveau avec « Ajouter une musique » quand elle sera revenue.</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>Appuyez sur Lecture pour regarder le diaporama</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Ajoutez d’abord des photos</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>Double-cliquez sur une diapositive, ou sélectionnez-la et appuyez sur Espace, pour lire à partir de là.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>morceaux</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>Impossible d’ouvrir la photo %1</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>Modifier les réglages de durée des diapositives</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>Retirer la piste musicale</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>Déplacer la piste musicale</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>Ajouter une diapositive de texte</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>Modifier la diapositive de texte</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>Retirer la diapositive</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>Retirer %1 diapositives</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>Déplacer la diapositive</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>Déplacer %1 diapositives</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>Faire pivoter la photo</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>Modifier la durée de la diapositive</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>Ajouter une piste musicale</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>Ajouter %1 pistes musicales</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>Ajouter une photo</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>Ajouter %1 photos</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>Modifier la qualité vidéo</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>Modifier le dossier de destination</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>Aucun tempo régulier trouvé dans %1 : ses diapositives gardent des durées égales.</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Aucun projet récent</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>Supprimer le projet&#x202f;?</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>Le projet enregistré sera supprimé. Vos photos et votre musique restent à leur place.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>Fichier endommagé : ouvre ce qui peut être lu</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>Aucun programme n’a pu être lancé pour lire la vidéo. Copiez son emplacement ci-dessous pour l’ouvrir dans le lecteur de votre choix.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>Aucun programme n’a pu être lancé pour ouvrir le dossier. Copiez l’emplacement de la vidéo ci-dessous pour la trouver dans votre gestionnaire de fichiers.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>Création de la vidéo</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Écoulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>Estimation du temps restant…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Reste %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Enregistrement…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>Veuillez choisir un autre dossier de destination. Impossible de créer le fichier vidéo dans</translation>
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
        <translation>Réglages de la vidéo</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>CRÉER LA VIDÉO</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>durée de la vidéo&#xa0;: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>La musique s’arrête ici</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>Durée d’affichage</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquante</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Retrouver…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Illisible</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>Durée d’affichage</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>Rétablir la durée par défaut</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>Durée personnalisée</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>Diapositive %1</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>Réglages du style</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>Diapositive photo</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Diapositive texte</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>Épaisseur du cadre</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Couleur du cadre</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Graisse</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>Ombre du texte</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>Couleur du thème</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>Couleur de l’arrière-plan</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>Modifier l&apos;épaisseur du cadre</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>Modifier l&apos;ombre</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>Modifier l&apos;ombre du texte</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>Passer au thème « %1 »</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Modifier l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>Modifier la couleur du cadre</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Modifier la couleur du texte</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Modifier la police</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>Modifier la graisse de la police</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Saisissez votre texte ici…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Utiliser ce thème</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>Douceur</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Carrousel</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>Envol</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>Fondu enchaîné</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Rouleau</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>Panoramique et zoom</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallaxe</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>Choisir une animation</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>Durée de la vidéo</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Modifier la musique</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Ajouter une musique</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>Pas encore de musique</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Comment utiliser Pictovia</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>Cliquez sur «&#xa0;Ajouter des images&#xa0;»</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>pour ajouter vos photos</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>Cliquez sur «&#xa0;Ajouter un texte&#xa0;»</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>pour ajouter des titres entre les diapositives</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>Cliquez sur «&#xa0;Ajouter une musique&#xa0;»</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>pour ajouter une musique de fond</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>Ne plus afficher les conseils au démarrage</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>Voir la vidéo</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>OK, COMPRIS</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>Épais</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>Légère</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>Floue</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>Extra-fin</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>Extra-léger</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>Léger</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>Demi-gras</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>Extra-gras</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>Noir</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 diapositive</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 diapositives</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>Une vidéo est en cours de création. L’arrêter et quitter ?</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>La partie déjà créée n’est pas conservée.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>Continuer la vidéo</translation>
    </message>
</context>
</TS>
