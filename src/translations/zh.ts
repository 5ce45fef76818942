<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 不是 Pictovia 能播放的声音文件</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>编辑音乐</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>还没有音乐。视频时长与音乐一致。</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>添加自己的图片</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>这里还没有内容</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>使用您自己的照片作为整个视频的背景。</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>选择背景</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>动态</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>纯色</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>添加自己的图片</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>图片文件 (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>图片太小</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>所选图片太小。</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>仍然使用</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>另选一张</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>服务器的应答不是视频</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>无法存储 %1：%2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>%1 秒内未收到任何数据</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>%2 秒内收到的数据少于 %1 字节</translation>
    </message>
</context>
<context>
    <name>ConfirmPopup</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>不再询问</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia 意外关闭</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>请告诉我们您当时在做什么，这有助于我们修复问题。</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>在此输入您的留言…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>不再询问</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>项目文件已损坏</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>无法读取此项目的文件，未能恢复任何幻灯片。</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>在项目再次保存之前，损坏的文件会以“prj.xml.damaged”保留在旁边。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>此项目的文件有一部分无法读取。已打开损坏之前的部分：%1。</translation>
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
        <translation>视频已制作完成</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>时长 %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>播放视频</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>返回项目</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>正在下载 %1 — %2 / %3 MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>正在下载 %1 — %2 MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>服务器应答 %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>服务器发送的是 %1，而不是视频</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>服务器声明的大小 %1 超过了背景最多可有的 %2</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>应答超过了背景最多可有的 %1</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>服务器只发送了其声明的 %2 字节中的 %1 字节</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>正在下载背景</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>网络问题</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>无法下载背景。请检查网络连接后重试，或选择其他背景。</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>选择其他背景</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>幻灯片时长</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>适应音乐时长</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>幻灯片平分音乐时长，每张至少 3 秒。</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>固定时长</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>秒/张</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>随节拍切换幻灯片</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>时长取整为整数个节拍。</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>每张幻灯片在其歌曲的节拍上结束；足够长时在小节线上结束。</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>正在检测节拍…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>将照片和音乐拖放到这里</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>或从电脑中添加，开始制作新的幻灯片视频。</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>添加文件夹</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>如果问题仍然存在，请联系我们的客户支持：</translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>空文件</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>不是图片</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>图片已损坏</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>太大：%1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>找不到：%1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>不是 Pictovia 可以打开的照片、音乐或文件夹：%1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>查找 %1</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>图片文件 (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>重新链接其他缺失的照片吗？</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>在此文件夹中又找到 1 张缺失的照片。</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>在此文件夹中又找到 %1 张缺失的照片。</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>全部重新链接</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>添加文字</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>编辑音乐</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>幻灯片时长</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>最近的项目</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Pictovia 使用方法</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>请先添加照片</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>相对音乐时长，幻灯片过多。下方的图片和文字幻灯片不会出现在最终视频中。</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>项目已保存</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>图片文件 (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>音频文件 (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>移除幻灯片？</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>将从项目中移除 %1 张幻灯片。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>这些照片已不在原来的位置。它们会留在项目中并标记为缺失，在您查找（幻灯片上的“查找…”）或移除它们之前，不会放进视频。</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>此音乐已不在原来的位置，或无法读取。项目已在没有它的情况下打开：它回来后，请用“添加音乐”再次添加。</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>按播放观看幻灯片</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>请先添加照片</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>双击幻灯片，或选中后按空格键，即可从该处开始播放。</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>首曲目</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>无法打开照片 %1</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>更改幻灯片时长设置</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>移除音乐曲目</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>移动音乐曲目</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>添加文字幻灯片</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>编辑文字幻灯片</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>移除幻灯片</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>移除 %1 张幻灯片</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>移动幻灯片</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>移动 %1 张幻灯片</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>旋转照片</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>更改幻灯片时长</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>添加音乐曲目</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>添加 %1 首音乐曲目</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>添加照片</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>添加 %1 张照片</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>更改视频画质</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>更改保存位置</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>%1 中未找到稳定的节拍：其幻灯片保持均等时长。</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>最近的项目</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>没有最近的项目</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>移除项目？</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>已保存的项目将被删除。您的照片和音乐仍保留在原处。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>文件已损坏：打开可读取的部分</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>无法启动播放视频的程序。请复制下面的位置，用您选择的播放器打开。</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>无法启动打开文件夹的程序。请复制下面的视频位置，在文件管理器中找到它。</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>正在制作视频</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>已用时 %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>正在估算剩余时间…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>正在保存…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>请选择其他保存位置。无法在以下位置创建视频文件：</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>HD (1280x720)</source>
        <translation>高清 (1280×720)</translation>
    </message>
    <message>
        <source>Full HD (1920x1080)</source>
        <translation>全高清 (1920×1080)</translation>
    </message>
    <message>
        <source>4K (3840x2160)</source>
        <translation>4K (3840×2160)</translation>
    </message>
    <message>
        <source>Video Settings</source>
        <translation>视频设置</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>制作视频</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>视频画质</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>视频时长 %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>音乐在此结束</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>显示时长</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>查找…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>显示时长</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>恢复默认时长</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>自定义时长</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>幻灯片 %1</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>样式设置</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>照片幻灯片</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>文字幻灯片</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>边框粗细</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>边框颜色</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>阴影</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>字重</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>文字颜色</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>文字阴影</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>主题颜色</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>背景颜色</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>更改边框粗细</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>更改阴影</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>更改文字阴影</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>将主题改为“%1”</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>更改背景</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>更改边框颜色</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>更改文字颜色</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>更改字体</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>更改字体粗细</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>添加文字</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>在此输入文字…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>使用此主题</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>流畅</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>旋转木马</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>飞翔</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>流动</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>淡入淡出</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>滚筒</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>平移缩放</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>视差</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>选择动画</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>视频时长</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>编辑音乐</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>添加音乐</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>还没有音乐</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Pictovia 使用方法</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>点击“添加图片”</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>添加您的照片</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>点击“添加文字”</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>在幻灯片之间插入标题</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>点击“添加音乐”</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>添加背景音乐</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>启动时不显示提示</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>观看视频</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>好的，知道了</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>撤销：%1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做：%1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>正在加载…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>细</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>适中</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>粗</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>默认</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>浅</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>适中</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>模糊</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>默认</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>极细</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>特细</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>细体</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>常规</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>中等</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>半粗</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>特粗</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>超粗</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 张幻灯片</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 张幻灯片</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>正在制作视频。要停止并退出吗？</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>已制作的部分不会保留。</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>停止并退出</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>继续制作视频</translation>
    </message>
</context>
</TS>
