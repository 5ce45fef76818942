<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 não é um ficheiro de som que o Pictovia possa reproduzir</translation>
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
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>Ainda sem música. O vídeo dura o mesmo que a música.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Adicionar imagem própria</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>Nada aqui ainda</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>Use uma foto sua como fundo do vídeo inteiro.</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>Escolha o fundo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>Animados</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizados</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Adicionar imagem própria</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Arquivos de imagem (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>Imagem muito pequena</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>A imagem selecionada é muito pequena.</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Usar mesmo assim</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Escolher outra</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>Não é possível escrever na pasta %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>A resposta do servidor não é um vídeo</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>Não é possível guardar %1: %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>Nada recebido durante %1 s</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>Menos de %1 bytes recebidos em %2 s</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>O Pictovia foi fechado inesperadamente</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>Conte o que você estava fazendo; isso nos ajuda a corrigir o problema.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>Digite sua mensagem aqui…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Ficheiro de projeto danificado</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>Não foi possível ler o ficheiro deste projeto; não foi possível recuperar nenhum diapositivo.</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>Antes de o projeto voltar a ser guardado, o ficheiro danificado é mantido ao lado como «prj.xml.damaged».</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>Não foi possível ler parte do ficheiro deste projeto. Está aberto o que vinha antes do dano: %1.</translation>
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
        <translation>Seu vídeo está pronto</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>Duração: %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Reproduzir vídeo</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>Voltar ao projeto</translation>
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
        <translation>Baixando %1 — %2 de %3 MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>Baixando %1 — %2 MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>Não é uma pasta</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>O servidor respondeu %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>O servidor enviou %1, não um vídeo</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>O servidor anuncia %1, mais do que os %2 que um fundo pode ter</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>A resposta é maior do que os %1 que um fundo pode ter</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>O servidor enviou %1 dos %2 bytes que anunciou</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>Baixando o fundo</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Problema de rede</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>Não foi possível baixar o fundo. Verifique sua conexão e tente novamente, ou escolha outro fundo.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>Escolher outro</translation>
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
        <translation>Duração dos slides</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>Ajustar à música</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>Os slides dividem a duração da música, com pelo menos 3&#xa0;segundos cada.</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>Duração fixa</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>segundos por slide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>Trocar os slides na batida</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>A duração é arredondada para um número inteiro de batidas.</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>Cada slide termina em uma batida da sua música, no início de um compasso quando os slides são longos o bastante.</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>Detectando a batida…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>Solte fotos e músicas aqui</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>ou adicione-as do seu computador para começar uma nova apresentação.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Adicionar pasta</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>Se o problema continuar, entre em contato com o nosso suporte: </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>ficheiro vazio</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>não é possível abrir</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>não é uma imagem</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>imagem danificada</translation>
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
        <translation>Não encontrado: %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>Não é uma foto, uma música nem uma pasta que o Pictovia possa abrir: %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>Localizar %1</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Arquivos de imagem (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>Voltar a ligar as outras fotos em falta?</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>Foi encontrada mais 1 foto em falta nesta pasta.</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>Foram encontradas mais %1 fotos em falta nesta pasta.</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>Ligar todas</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>Adicionar imagens</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Duração dos slides</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Projetos recentes</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Salvar projeto</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Novo projeto</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Como usar o Pictovia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Adicione fotos primeiro</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>Há slides demais para a duração da música. As imagens e os textos abaixo ficarão fora do vídeo final.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>Projeto salvo</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>Arquivos de imagem (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>Arquivos de áudio (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>Remover o slide?</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>%1 slides serão removidos do projeto.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>Estas fotos já não estão onde estavam. Ficam no projeto, marcadas como em falta, e ficam fora do vídeo até as localizar («Localizar…» no diapositivo) ou as remover.</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>Esta música já não está onde estava ou não pode ser lida. O projeto foi aberto sem ela: volte a adicioná-la com Adicionar música quando voltar a estar disponível.</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>Pressione Reproduzir para assistir à apresentação</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Adicione fotos primeiro</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>Clique duas vezes em um slide, ou selecione-o e pressione Espaço, para reproduzir a partir dele.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>faixas</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>Não é possível abrir a foto %1</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>Alterar as configurações de duração dos slides</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>Remover a faixa de música</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>Mover a faixa de música</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>Adicionar slide de texto</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>Editar slide de texto</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>Remover slide</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>Remover %1 slides</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>Mover slide</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>Mover %1 slides</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>Girar foto</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>Alterar a duração do slide</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>Adicionar faixa de música</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>Adicionar %1 faixas de música</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>Adicionar foto</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>Adicionar %1 fotos</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>Alterar a qualidade do vídeo</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>Alterar a pasta de destino</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>Nenhuma batida constante encontrada em %1: seus slides mantêm durações iguais.</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>Projetos recentes</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Nenhum projeto recente</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>Remover o projeto?</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>O projeto salvo será excluído. Suas fotos e músicas continuam onde estão.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>Ficheiro danificado: abre o que pode ser lido</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>Não foi possível iniciar um programa para reproduzir o vídeo. Copie a localização abaixo para abri-lo no player de sua preferência.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>Não foi possível iniciar um programa para abrir a pasta. Copie abaixo a localização do vídeo para encontrá-lo no seu gerenciador de arquivos.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>Criando o vídeo</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Decorrido: %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>Calculando o tempo restante…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Faltam %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>Não guardado</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>A guardar…</translation>
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
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>Selecione outra pasta de destino. Não é possível criar o arquivo de vídeo em</translation>
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
        <translation>Configurações do vídeo</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>CRIAR VÍDEO</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualidade do vídeo</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>duração do vídeo: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>A música termina aqui</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Em falta</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Localizar…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Ilegível</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>Restaurar duração padrão</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>Duração personalizada</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>Diapositivo %1</translation>
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
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>Slide de foto</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Slide de texto</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>Espessura da borda</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Cor da borda</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Espessura da fonte</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>Sombra do texto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>Cor do tema</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>Cor do fundo</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>Alterar a espessura da borda</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>Alterar a sombra</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>Alterar a sombra do texto</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>Mudar o tema para “%1”</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Alterar o fundo</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>Alterar a cor da borda</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Alterar a cor do texto</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Alterar a fonte</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>Alterar o peso da fonte</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>Adicionar texto</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Digite seu texto aqui…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Carrossel</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>Voo</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluxo</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>Esmaecer</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Rolo</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>Panorâmica e zoom</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Paralaxe</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>Escolha a animação</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>Duração do vídeo</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Adicionar música</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>Ainda sem música</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Como usar o Pictovia</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>Clique em “Adicionar imagens”</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>para adicionar suas fotos</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>Clique em “Adicionar texto”</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>para adicionar títulos entre os slides</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>Clique em “Adicionar música”</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>para adicionar música de fundo</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>Não mostrar dicas ao iniciar</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>Assistir ao vídeo</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>OK, ENTENDI</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>Grossa</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>Leve</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>Desfocada</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>Extraleve</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>Leve</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>Média</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>Seminegrito</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>Extranegrito</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>Preta</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 slide</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 slides</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>Está a ser criado um vídeo. Pará-lo e sair?</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>A parte criada até agora não é guardada.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Parar e sair</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>Continuar a criar o vídeo</translation>
    </message>
</context>
</TS>
