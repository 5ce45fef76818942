<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1은(는) Pictovia에서 재생할 수 있는 소리 파일이 아닙니다</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>음악 편집</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>음악 추가</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>아직 음악이 없습니다. 동영상 길이는 음악 길이와 같습니다.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>내 이미지 추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>아직 아무것도 없습니다</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>내 사진을 동영상 전체의 배경으로 사용합니다.</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>배경 선택</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>애니메이션</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>내 이미지 추가</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>이미지 파일 (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>이미지가 너무 작습니다</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>선택한 이미지가 너무 작습니다.</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>그대로 사용</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>다른 이미지 선택</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>폴더 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1을(를) 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>서버의 응답이 동영상이 아닙니다</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>%1초 동안 아무것도 받지 못했습니다</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>%2초 동안 받은 데이터가 %1바이트 미만입니다</translation>
    </message>
</context>
<context>
    <name>ConfirmPopup</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>다시 묻지 않기</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia가 예기치 않게 종료되었습니다</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>무엇을 하고 계셨는지 알려 주세요. 문제 해결에 도움이 됩니다.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>여기에 메시지를 입력하세요…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>다시 묻지 않기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>손상된 프로젝트 파일</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>이 프로젝트의 파일을 읽을 수 없어 슬라이드를 하나도 복구하지 못했습니다.</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>프로젝트를 다시 저장하기 전에 손상된 파일을 같은 곳에 ‘prj.xml.damaged’로 남겨 둡니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>이 프로젝트 파일의 일부를 읽을 수 없습니다. 손상 이전 부분을 열었습니다: %1.</translation>
    </message>
</context>
<context>
    <name>DoneScreen</name>
    <message>
        <source>%1 GB</source>
        <translation>%1GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1KB</translation>
    </message>
    <message>
        <source>Your video is ready</source>
        <translation>동영상이 완성되었습니다</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>길이 %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>동영상 재생</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>프로젝트로 돌아가기</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>%1 다운로드 중 — %2 / %3MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>%1 다운로드 중 — %2MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>폴더가 아닙니다</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>폴더 %1을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>서버 응답: %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>서버가 동영상이 아닌 %1을(를) 보냈습니다</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>서버가 알린 크기 %1은(는) 배경의 최대 크기 %2보다 큽니다</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>응답이 배경의 최대 크기 %1보다 큽니다</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>서버가 알린 %2바이트 중 %1바이트만 보냈습니다</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>배경 다운로드 중</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>네트워크 문제</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>배경을 다운로드하지 못했습니다. 연결을 확인하고 다시 시도하거나 다른 배경을 선택하세요.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>다른 배경 선택</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>슬라이드 길이</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>음악 길이에 맞추기</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>슬라이드가 음악 길이를 나눠 가지며, 각각 최소 3초입니다.</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>고정 길이</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>초(슬라이드당)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>박자에 맞춰 슬라이드 전환</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>길이는 박자의 정수배로 반올림됩니다.</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>각 슬라이드는 곡의 박자에서 끝나며, 충분히 길면 마디 시작에서 끝납니다.</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>박자를 찾는 중…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>여기에 사진과 음악을 놓으세요</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>또는 컴퓨터에서 추가하여 새 슬라이드쇼를 시작하세요.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>이미지 추가</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>폴더 추가</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>문제가 계속되면 고객 지원팀에 문의하세요: </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>일반 파일이 아님</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>빈 파일</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>그림이 아님</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>손상된 그림</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>너무 큼: %1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>찾을 수 없음: %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>Pictovia에서 열 수 있는 사진, 음악 또는 폴더가 아닙니다: %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>%1 찾기</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>이미지 파일 (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>다른 누락된 사진도 다시 연결할까요?</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>이 폴더에서 누락된 사진 1장을 더 찾았습니다.</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>이 폴더에서 누락된 사진 %1장을 더 찾았습니다.</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>모두 다시 연결</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>이미지 추가</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>음악 편집</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>음악 추가</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>슬라이드 길이</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>최근 프로젝트</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>프로젝트 저장</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>새 프로젝트</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Pictovia 사용법</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>먼저 사진을 추가하세요</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>음악 길이에 비해 슬라이드가 너무 많습니다. 아래의 이미지와 텍스트 슬라이드는 최종 동영상에서 제외됩니다.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>프로젝트를 저장했습니다</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>이미지 파일 (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>오디오 파일 (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>슬라이드를 삭제할까요?</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>슬라이드 %1개가 프로젝트에서 삭제됩니다.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>MissingFilesPopup</name>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>이 사진들이 원래 있던 곳에 없습니다. 누락된 사진으로 표시되어 프로젝트에 남고, 위치를 찾거나(슬라이드의 ‘찾기…’) 제거할 때까지 동영상에서 빠집니다.</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>이 음악이 원래 있던 곳에 없거나 읽을 수 없습니다. 음악 없이 프로젝트를 열었습니다. 음악이 돌아오면 ‘음악 추가’로 다시 추가하세요.</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>재생을 눌러 슬라이드쇼를 보세요</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>먼저 사진을 추가하세요</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>슬라이드를 두 번 클릭하거나 선택한 뒤 스페이스 키를 누르면 그 위치부터 재생합니다.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>곡</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>사진 %1을(를) 열 수 없습니다</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>슬라이드 재생 시간 설정 변경</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>음악 트랙 삭제</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>음악 트랙 이동</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>텍스트 슬라이드 추가</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>텍스트 슬라이드 편집</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>슬라이드 삭제</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>슬라이드 %1개 삭제</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>슬라이드 이동</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>슬라이드 %1개 이동</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>사진 회전</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>슬라이드 재생 시간 변경</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>음악 트랙 추가</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>음악 트랙 %1개 추가</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>사진 추가</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>사진 %1장 추가</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>동영상 화질 변경</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>저장 폴더 변경</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>%1에서 일정한 박자를 찾지 못했습니다. 해당 슬라이드는 같은 길이를 유지합니다.</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>최근 프로젝트</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>최근 프로젝트 없음</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>프로젝트를 삭제할까요?</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>저장된 프로젝트가 삭제됩니다. 사진과 음악은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>손상된 파일: 읽을 수 있는 부분을 엽니다</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>동영상을 재생할 프로그램을 시작할 수 없습니다. 아래 위치를 복사해 원하는 플레이어에서 여세요.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>폴더를 열 프로그램을 시작할 수 없습니다. 아래 동영상 위치를 복사해 파일 관리자에서 찾으세요.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>동영상 만드는 중</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>경과 %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>남은 시간 계산 중…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 남음</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>저장되지 않음</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>저장 중…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>저장됨</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>다른 저장 폴더를 선택하세요. 다음 위치에 비디오 파일을 만들 수 없습니다:</translation>
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
        <translation>동영상 설정</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>동영상 만들기</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>동영상 화질</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>동영상 길이 %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>여기서 음악이 끝납니다</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>왼쪽으로 회전</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>오른쪽으로 회전</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>재생 시간</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>찾기…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>읽을 수 없음</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>재생 시간</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>기본 길이로 되돌리기</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>길이 직접 지정</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>슬라이드 %1</translation>
    </message>
</context>
<context>
    <name>StepIndicator</name>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>스타일</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>스타일 설정</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>사진 슬라이드</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>텍스트 슬라이드</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>테두리 두께</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>테두리 색상</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>그림자</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>글꼴 두께</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>텍스트 색상</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>텍스트 그림자</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>테마 색</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>배경 색</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>테두리 두께 변경</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>그림자 변경</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>텍스트 그림자 변경</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>테마를 &apos;%1&apos;(으)로 변경</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>배경 변경</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>테두리 색상 변경</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>텍스트 색 변경</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>글꼴 변경</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>글꼴 굵기 변경</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>텍스트 추가</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>텍스트 편집</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>여기에 텍스트를 입력하세요…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>이 테마 사용</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>스무스</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>캐러셀</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>플라잉</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>플로우</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>페이드 인/아웃</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>롤러</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>팬 앤 줌</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>패럴랙스</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>애니메이션 선택</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>동영상 길이</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>음악 편집</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>음악 추가</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>음악 없음</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Pictovia 사용법</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>‘이미지 추가’ 클릭</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>사진을 추가합니다</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>‘텍스트 추가’ 클릭</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>슬라이드 사이에 제목을 넣습니다</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>‘음악 추가’ 클릭</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>배경 음악을 추가합니다</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>시작할 때 도움말 표시 안 함</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>동영상 보기</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>알겠습니다</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>실행 취소: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>다시 실행: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>불러오는 중…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>얇게</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>보통</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>기본값</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>옅게</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>보통</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>흐리게</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>가장 가늘게</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>아주 가늘게</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>가늘게</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>보통</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>중간</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>약간 굵게</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>아주 굵게</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>가장 굵게</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>슬라이드 1개</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>슬라이드 %1개</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>동영상을 만드는 중입니다. 중지하고 종료할까요?</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>지금까지 만든 부분은 남지 않습니다.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>중지하고 종료</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>동영상 계속 만들기</translation>
    </message>
</context>
</TS>
