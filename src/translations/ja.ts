<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 は Pictovia で再生できる音声ファイルではありません</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>音楽を編集</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>音楽を追加</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>音楽がありません。動画の長さは音楽の長さで決まります。</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>まだありません</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>自分の写真を動画全体の背景に使います。</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>背景を選択</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>画像ファイル (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>画像が小さすぎます</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>選択した画像は小さすぎます。</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>このまま使う</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>別の画像を選ぶ</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>フォルダー %1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>サーバーの応答は動画ではありません</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>%1 を保存できません: %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>%1 秒間何も受信していません</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>%2 秒間に受信したのは %1 バイト未満です</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>今後表示しない</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia が予期せず終了しました</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>直前の操作を教えてください。問題の解決に役立ちます。</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>メッセージを入力…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>今後表示しない</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>プロジェクトファイルの破損</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>このプロジェクトのファイルを読み込めませんでした。スライドを 1 枚も復元できませんでした。</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>プロジェクトを次に保存する前に、破損したファイルを「prj.xml.damaged」として同じ場所に残します。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>このプロジェクトのファイルの一部を読み込めませんでした。破損より前の部分を開いています: %1。</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>Your video is ready</source>
        <translation>動画ができました</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>長さ %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>動画を再生</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>プロジェクトに戻る</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>%1 をダウンロード中 — %2 / %3 MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>%1 をダウンロード中 — %2 MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>サーバーの応答: %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>サーバーが送ってきたのは動画ではなく %1 です</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>サーバーが示すサイズ %1 は、背景の上限 %2 を超えています</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>応答が背景の上限 %1 を超えています</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>サーバーが送ったのは、示した %2 バイトのうち %1 バイトです</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>背景をダウンロード中</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>ネットワークの問題</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>背景をダウンロードできませんでした。接続を確認して再試行するか、別の背景を選んでください。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>別の背景を選ぶ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>音楽の長さに合わせる</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>音楽の長さをスライドで等分します（1 枚 3 秒以上）。</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>時間を固定</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>秒（1 枚あたり）</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>ビートに合わせてスライドを切り替える</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>長さは拍の整数倍に丸められます。</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>各スライドは曲の拍で終わります。十分に長い場合は小節の頭で終わります。</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>ビートを検出中…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>ここに写真と音楽をドロップ</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>またはコンピューターから追加して、新しいスライドショーを始めましょう。</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>フォルダーを追加</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>問題が解決しない場合は、カスタマーサポートまでお問い合わせください: </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>空のファイル</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>画像ではありません</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>破損した画像</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>大きすぎます: %1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>見つかりません: %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>Pictovia で開ける写真、音楽、フォルダーではありません: %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>%1 を探す</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>画像ファイル (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>ほかの見つからない写真もつなぎ直しますか？</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>このフォルダーで、見つからなかった写真がもう 1 枚見つかりました。</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>このフォルダーで、見つからなかった写真がさらに %1 枚見つかりました。</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>すべてつなぎ直す</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>画像を追加</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>音楽を編集</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>音楽を追加</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>最近のプロジェクト</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>プロジェクトを保存</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新規プロジェクト</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Pictovia の使い方</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>先に写真を追加してください</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>音楽の長さに対してスライドが多すぎます。以下の画像とテキストスライドは動画に含まれません。</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>プロジェクトを保存しました</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>画像ファイル (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>音楽ファイル (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>スライドを削除しますか？</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>%1 枚のスライドをプロジェクトから削除します。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>MissingFilesPopup</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>これらの写真は元の場所にありません。見つからない写真として印を付けてプロジェクトに残し、場所を指定する（スライドの「場所を指定…」）か削除するまで、動画には入れません。</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>この音楽は元の場所にないか、読み込めません。音楽なしでプロジェクトを開きました。元に戻ったら「音楽を追加」でもう一度追加してください。</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>再生を押してスライドショーを見る</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>先に写真を追加してください</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>スライドをダブルクリックするか、選択してスペースキーを押すと、そこから再生します。</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>曲</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>写真 %1 を開けません</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>スライドの表示時間の設定を変更</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>音楽トラックを削除</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>音楽トラックを移動</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>テキストスライドを追加</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>テキストスライドを編集</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>スライドを削除</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>%1 枚のスライドを削除</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>スライドを移動</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>%1 枚のスライドを移動</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>写真を回転</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>スライドの表示時間を変更</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>音楽トラックを追加</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>%1 曲の音楽トラックを追加</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>%1 枚の写真を追加</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>画質を変更</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>保存先フォルダーを変更</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>%1 に一定のビートが見つかりません。そのスライドは均等な長さのままです。</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>最近のプロジェクト</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>最近のプロジェクトはありません</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>プロジェクトを削除しますか？</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>保存したプロジェクトを削除します。写真と音楽はそのまま残ります。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>破損したファイル: 読み込める部分を開きます</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>動画を再生するプログラムを起動できませんでした。下の場所をコピーして、お好みのプレーヤーで開いてください。</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>フォルダーを開くプログラムを起動できませんでした。下の動画の場所をコピーして、ファイルマネージャーで探してください。</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>動画を作成中</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>経過 %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>残り時間を計算中…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>保存されていません</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>保存中…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>保存済み</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>別の保存先を選んでください。次の場所にビデオファイルを作成できません:</translation>
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
        <translation>フル HD (1920×1080)</translation>
    </message>
    <message>
        <source>4K (3840x2160)</source>
        <translation>4K (3840×2160)</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>動画の設定</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>動画を作成</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>保存先フォルダー</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>動画の長さ %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>音楽はここで終わります</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>場所を指定…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>読み込めません</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>表示時間</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>既定の時間に戻す</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>時間を指定</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>スライド %1</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>スタイル設定</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>写真スライド</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>テキストスライド</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>枠の太さ</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>枠の色</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>フォントの太さ</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字の色</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>文字の影</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>テーマの色</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>背景の色</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>枠の太さを変更</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>影を変更</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>文字の影を変更</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>テーマを「%1」に変更</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>背景を変更</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>枠の色を変更</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>文字の色を変更</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>フォントを変更</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>フォントの太さを変更</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>テキストを追加</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>テキストを編集</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>テキストを入力…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>このテーマを使う</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>スムーズ</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>カルーセル</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>フライング</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>フロー</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>フェードイン・アウト</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>ローラー</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>パン＆ズーム</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>パララックス</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>アニメーションを選択</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>動画の長さ</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>音楽を編集</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>音楽を追加</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>音楽なし</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Pictovia の使い方</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>「画像を追加」をクリック</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>写真を追加します</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>「テキストを追加」をクリック</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>スライドの間にタイトルを入れます</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>「音楽を追加」をクリック</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>BGM を追加します</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>起動時にヒントを表示しない</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>動画を見る</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>わかりました</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直す: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>読み込み中…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>細い</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>標準</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>太い</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>既定</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>薄い</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>標準</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>既定</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>シン</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>エクストラライト</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>レギュラー</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>ミディアム</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>セミボールド</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>ボールド</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>エクストラボールド</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>ブラック</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>スライド 1 枚</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>スライド %1 枚</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>動画を作成中です。中止して終了しますか？</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>ここまでに作成した部分は保存されません。</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>中止して終了</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>動画の作成を続ける</translation>
    </message>
</context>
</TS>
