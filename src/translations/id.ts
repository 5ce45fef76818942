<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>AVInput</name>
    <message>
        <source>%1 is not a sound file Pictovia can play</source>
        <translation>%1 bukan berkas suara yang dapat diputar Pictovia</translation>
    </message>
</context>
<context>
    <name>AudioPopup</name>
    <message>
        <source>Edit Audio</source>
        <translation>Ubah Musik</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Tambah Musik</translation>
    </message>
    <message>
        <source>No music yet. The video is as long as its music.</source>
        <translation>Belum ada musik. Panjang video mengikuti musiknya.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Naikkan</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Turunkan</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
</context>
<context>
    <name>BackgroundGrid</name>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Tambah Gambar Sendiri</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Nothing here yet</source>
        <translation>Belum ada apa-apa</translation>
    </message>
    <message>
        <source>Use a photo of your own as the background of the whole video.</source>
        <translation>Gunakan foto Anda sendiri sebagai latar seluruh video.</translation>
    </message>
</context>
<context>
    <name>BackgroundScreen</name>
    <message>
        <source>Select Background</source>
        <translation>Pilih Latar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Animated</source>
        <translation>Animasi</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standar</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Warna</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Kustom</translation>
    </message>
    <message>
        <source>Add Custom Background Image</source>
        <translation>Tambah Gambar Sendiri</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>File gambar (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>The Image is too small</source>
        <translation>Gambar terlalu kecil</translation>
    </message>
    <message>
        <source>The selected image is too small.</source>
        <translation>Gambar yang dipilih terlalu kecil.</translation>
    </message>
    <message>
        <source>Use it</source>
        <translation>Tetap gunakan</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Pilih yang lain</translation>
    </message>
</context>
<context>
    <name>BgDownloadManager</name>
    <message>
        <source>Cannot write in the folder %1: %2</source>
        <translation>Tidak dapat menulis di folder %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a video</source>
        <translation>Jawaban server bukan video</translation>
    </message>
    <message>
        <source>Cannot store %1: %2</source>
        <translation>Tidak dapat menyimpan %1: %2</translation>
    </message>
    <message>
        <source>Nothing received for %1 s</source>
        <translation>Tidak ada yang diterima selama %1 dtk</translation>
    </message>
    <message>
        <source>Less than %1 bytes received in %2 s</source>
        <translation>Kurang dari %1 bita diterima dalam %2 dtk</translation>
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
        <translation>Batal</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Jangan tanya lagi</translation>
    </message>
</context>
<context>
    <name>CrashPopup</name>
    <message>
        <source>Pictovia closed unexpectedly</source>
        <translation>Pictovia tertutup secara tak terduga</translation>
    </message>
    <message>
        <source>Tell us what you were doing, it helps us fix it.</source>
        <translation>Ceritakan apa yang sedang Anda lakukan, ini membantu kami memperbaikinya.</translation>
    </message>
    <message>
        <source>Type your message here...</source>
        <translation>Ketik pesan Anda di sini…</translation>
    </message>
    <message>
        <source>Don’t ask again</source>
        <translation>Jangan tanya lagi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Kirim</translation>
    </message>
</context>
<context>
    <name>DamagedProjectPopup</name>
    <message>
        <source>Damaged Project File</source>
        <translation>Berkas Proyek Rusak</translation>
    </message>
    <message>
        <source>This project&apos;s file could not be read; no slide of it could be recovered.</source>
        <translation>Berkas proyek ini tidak dapat dibaca; tidak ada slide yang dapat dipulihkan.</translation>
    </message>
    <message>
        <source>Before the project is saved again, the damaged file is kept beside it as “prj.xml.damaged”.</source>
        <translation>Sebelum proyek disimpan lagi, berkas yang rusak disimpan di sebelahnya sebagai „prj.xml.damaged“.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Part of this project&apos;s file could not be read. What came before the damage is open: %1.</source>
        <translation>Sebagian berkas proyek ini tidak dapat dibaca. Bagian sebelum kerusakan dibuka: %1.</translation>
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
        <translation>Video Anda sudah siap</translation>
    </message>
    <message>
        <source>Length %1</source>
        <translation>Durasi %1</translation>
    </message>
    <message>
        <source>Play Video</source>
        <translation>Putar Video</translation>
    </message>
    <message>
        <source>Open Folder containing Video</source>
        <translation>Buka Folder</translation>
    </message>
    <message>
        <source>Back to the project</source>
        <translation>Kembali ke proyek</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Disalin</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Salin</translation>
    </message>
</context>
<context>
    <name>DownloadBar</name>
    <message>
        <source>Downloading %1 — %2 of %3 MB</source>
        <translation>Mengunduh %1 — %2 dari %3 MB</translation>
    </message>
    <message>
        <source>Downloading %1 — %2 MB</source>
        <translation>Mengunduh %1 — %2 MB</translation>
    </message>
</context>
<context>
    <name>DownloadChecks</name>
    <message>
        <source>Not a folder</source>
        <translation>Bukan folder</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Tidak dapat membuat folder %1: %2</translation>
    </message>
    <message>
        <source>The server answered %1 %2</source>
        <translation>Server menjawab %1 %2</translation>
    </message>
    <message>
        <source>The server sent %1, not a video</source>
        <translation>Server mengirim %1, bukan video</translation>
    </message>
    <message>
        <source>The server announces %1, more than the %2 a background can be</source>
        <translation>Server mengumumkan %1, lebih dari %2 yang bisa dimiliki latar</translation>
    </message>
    <message>
        <source>The answer is larger than the %1 a background can be</source>
        <translation>Jawaban lebih besar dari %1 yang bisa dimiliki latar</translation>
    </message>
    <message>
        <source>The server sent %1 of the %2 bytes it announced</source>
        <translation>Server mengirim %1 dari %2 bita yang diumumkan</translation>
    </message>
</context>
<context>
    <name>DownloadingScreen</name>
    <message>
        <source>Downloading background</source>
        <translation>Mengunduh latar</translation>
    </message>
    <message>
        <source>Network problem</source>
        <translation>Masalah jaringan</translation>
    </message>
    <message>
        <source>The background could not be downloaded. Check your connection and try again, or choose another background.</source>
        <translation>Latar tidak dapat diunduh. Periksa koneksi Anda dan coba lagi, atau pilih latar lain.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Select other</source>
        <translation>Pilih yang lain</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>DurationSettingsPopup</name>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Durasi Slide</translation>
    </message>
    <message>
        <source>Fit to audio length</source>
        <translation>Sesuaikan dengan musik</translation>
    </message>
    <message>
        <source>Slides share the music&apos;s length, at least 3 seconds each.</source>
        <translation>Slide membagi durasi musik, masing-masing minimal 3 detik.</translation>
    </message>
    <message>
        <source>Fixed Duration</source>
        <translation>Durasi tetap</translation>
    </message>
    <message>
        <source>seconds per slide</source>
        <translation>detik per slide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Change slides on the beat</source>
        <translation>Ganti slide sesuai ketukan</translation>
    </message>
    <message>
        <source>The duration is rounded to a whole number of beats.</source>
        <translation>Durasi dibulatkan ke jumlah ketukan yang utuh.</translation>
    </message>
    <message>
        <source>Each slide ends on a beat of its song, on a bar line when slides are long enough.</source>
        <translation>Setiap slide berakhir pada ketukan lagunya, pada awal birama jika slide cukup panjang.</translation>
    </message>
    <message>
        <source>Listening for the beat…</source>
        <translation>Mendeteksi ketukan…</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>Drop photos and music here</source>
        <translation>Letakkan foto dan musik di sini</translation>
    </message>
    <message>
        <source>or add them from your computer to start a new slideshow.</source>
        <translation>atau tambahkan dari komputer Anda untuk memulai tayangan slide baru.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Tambah Gambar</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Tambah Folder</translation>
    </message>
</context>
<context>
    <name>ErrorPopup</name>
    <message>
        <source>Error</source>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>If this problem persists, please contact our customer support at </source>
        <translation>Jika masalah berlanjut, silakan hubungi layanan pelanggan kami di </translation>
    </message>
</context>
<context>
    <name>ImageLoading</name>
    <message>
        <source>not found</source>
        <translation>tidak ditemukan</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>bukan berkas biasa</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>berkas kosong</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>tidak dapat dibuka</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>bukan gambar</translation>
    </message>
    <message>
        <source>damaged picture</source>
        <translation>gambar rusak</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>terlalu besar: %1 × %2</translation>
    </message>
</context>
<context>
    <name>LaunchFiles</name>
    <message>
        <source>Not found: %1</source>
        <translation>Tidak ditemukan: %1</translation>
    </message>
    <message>
        <source>Not a photo, music or folder Pictovia can open: %1</source>
        <translation>Bukan foto, musik, atau folder yang dapat dibuka Pictovia: %1</translation>
    </message>
</context>
<context>
    <name>LocatePhotoDialogs</name>
    <message>
        <source>Locate %1</source>
        <translation>Cari %1</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>File gambar (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Relink the other missing photos?</source>
        <translation>Tautkan ulang foto lain yang hilang?</translation>
    </message>
    <message>
        <source>1 more missing photo was found in this folder.</source>
        <translation>1 foto lain yang hilang ditemukan di folder ini.</translation>
    </message>
    <message>
        <source>%1 more missing photos were found in this folder.</source>
        <translation>%1 foto lain yang hilang ditemukan di folder ini.</translation>
    </message>
    <message>
        <source>Relink All</source>
        <translation>Tautkan Semua</translation>
    </message>
</context>
<context>
    <name>MainScreen</name>
    <message>
        <source>Add Images</source>
        <translation>Tambah Gambar</translation>
    </message>
    <message>
        <source>Add Folder with Images</source>
        <translation>Tambah Folder</translation>
    </message>
    <message>
        <source>Add Text Slide</source>
        <translation>Tambah Teks</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Ubah Musik</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Tambah Musik</translation>
    </message>
    <message>
        <source>Slide Duration Settings</source>
        <translation>Durasi Slide</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Proyek Terbaru</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Simpan Proyek</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Proyek Baru</translation>
    </message>
    <message>
        <source>How to use Pictovia</source>
        <translation>Cara menggunakan Pictovia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Tambahkan foto terlebih dahulu</translation>
    </message>
    <message>
        <source>You have too many slides for your audio duration. The images and text slides below will be excluded from the final video</source>
        <translation>Slide Anda terlalu banyak untuk durasi musik. Gambar dan slide teks di bawah ini tidak akan masuk ke video akhir.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tampilkan</translation>
    </message>
    <message>
        <source>Project saved</source>
        <translation>Proyek disimpan</translation>
    </message>
    <message>
        <source>Import Image Files (*.jpg *jpeg *.png *.gif)</source>
        <translation>File gambar (*.jpg *jpeg *.png *.gif)</translation>
    </message>
    <message>
        <source>Open Audio File (*.mp3 *.m4a)</source>
        <translation>File audio (*.mp3 *.m4a)</translation>
    </message>
    <message>
        <source>Remove Slide?</source>
        <translation>Hapus slide?</translation>
    </message>
    <message>
        <source>%1 slides will be removed from the project.</source>
        <translation>%1 slide akan dihapus dari proyek.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
</context>
<context>
    <name>MissingFilesPopup</name>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate… on the slide) or remove them.</source>
        <translation>Foto-foto ini tidak lagi berada di tempatnya. Foto tetap ada di proyek, ditandai hilang, dan tidak dimasukkan ke video sampai Anda mencarinya (“Cari…” pada slide) atau menghapusnya.</translation>
    </message>
    <message>
        <source>This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.</source>
        <translation>Musik ini tidak lagi berada di tempatnya atau tidak dapat dibaca. Proyek dibuka tanpanya: tambahkan lagi dengan Tambah Musik setelah musik itu kembali.</translation>
    </message>
</context>
<context>
    <name>PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Press Play to watch the slideshow</source>
        <translation>Tekan Putar untuk menonton tayangan slide</translation>
    </message>
    <message>
        <source>Add photos first</source>
        <translation>Tambahkan foto terlebih dahulu</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Double-click a slide, or select it and press Space, to play from there.</source>
        <translation>Klik dua kali sebuah slide, atau pilih lalu tekan Spasi, untuk memutar dari sana.</translation>
    </message>
</context>
<context>
    <name>ProjectPres</name>
    <message>
        <source>Audio Files</source>
        <translation>lagu</translation>
    </message>
    <message>
        <source>Cannot open the photo %1</source>
        <translation>Foto %1 tidak dapat dibuka</translation>
    </message>
    <message>
        <source>Change slide duration settings</source>
        <translation>Ubah pengaturan durasi slide</translation>
    </message>
    <message>
        <source>Remove music track</source>
        <translation>Hapus trek musik</translation>
    </message>
    <message>
        <source>Move music track</source>
        <translation>Pindahkan trek musik</translation>
    </message>
    <message>
        <source>Add text slide</source>
        <translation>Tambah slide teks</translation>
    </message>
    <message>
        <source>Edit text slide</source>
        <translation>Sunting slide teks</translation>
    </message>
    <message>
        <source>Remove slide</source>
        <translation>Hapus slide</translation>
    </message>
    <message>
        <source>Remove %1 slides</source>
        <translation>Hapus %1 slide</translation>
    </message>
    <message>
        <source>Move slide</source>
        <translation>Pindahkan slide</translation>
    </message>
    <message>
        <source>Move %1 slides</source>
        <translation>Pindahkan %1 slide</translation>
    </message>
    <message>
        <source>Rotate photo</source>
        <translation>Putar foto</translation>
    </message>
    <message>
        <source>Change slide duration</source>
        <translation>Ubah durasi slide</translation>
    </message>
    <message>
        <source>Add music track</source>
        <translation>Tambah trek musik</translation>
    </message>
    <message>
        <source>Add %1 music tracks</source>
        <translation>Tambah %1 trek musik</translation>
    </message>
    <message>
        <source>Add photo</source>
        <translation>Tambah foto</translation>
    </message>
    <message>
        <source>Add %1 photos</source>
        <translation>Tambah %1 foto</translation>
    </message>
    <message>
        <source>Change video quality</source>
        <translation>Ubah kualitas video</translation>
    </message>
    <message>
        <source>Change result directory</source>
        <translation>Ubah folder tujuan</translation>
    </message>
    <message>
        <source>No steady beat found in %1: its slides keep even durations.</source>
        <translation>Tidak ada ketukan tetap di %1: slide-nya tetap berdurasi sama.</translation>
    </message>
</context>
<context>
    <name>RecentProjectsPopup</name>
    <message>
        <source>Recent Projects</source>
        <translation>Proyek Terbaru</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Belum ada proyek terbaru</translation>
    </message>
    <message>
        <source>Remove Project?</source>
        <translation>Hapus proyek?</translation>
    </message>
    <message>
        <source>The saved project is deleted. Your photos and music stay where they are.</source>
        <translation>Proyek yang disimpan akan dihapus. Foto dan musik Anda tetap di tempatnya.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Damaged file: opens what can be read</source>
        <translation>Berkas rusak: membuka yang dapat dibaca</translation>
    </message>
</context>
<context>
    <name>RenderPres</name>
    <message>
        <source>No program could be started to play the video. Copy its location below to open it in a player of your choice.</source>
        <translation>Tidak ada program yang dapat dijalankan untuk memutar video. Salin lokasinya di bawah untuk membukanya di pemutar pilihan Anda.</translation>
    </message>
    <message>
        <source>No program could be started to open the folder. Copy the video&apos;s location below to find it in your file manager.</source>
        <translation>Tidak ada program yang dapat dijalankan untuk membuka folder. Salin lokasi video di bawah untuk menemukannya di pengelola berkas Anda.</translation>
    </message>
</context>
<context>
    <name>RenderingScreen</name>
    <message>
        <source>Making Video</source>
        <translation>Membuat Video</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>Berlalu %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Estimating time left...</source>
        <translation>Menghitung sisa waktu…</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>Sisa %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
</context>
<context>
    <name>SaveStateMark</name>
    <message>
        <source>Not saved</source>
        <translation>Tidak tersimpan</translation>
    </message>
    <message>
        <source>Saving…</source>
        <translation>Menyimpan…</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Tersimpan</translation>
    </message>
</context>
<context>
    <name>ScreenHeader</name>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
</context>
<context>
    <name>SettingsPres</name>
    <message>
        <source>Please select another Result Directory. Can&apos;t create output file in</source>
        <translation>Silakan pilih folder hasil lain. Tidak dapat membuat file video di</translation>
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
        <translation>Pengaturan Video</translation>
    </message>
    <message>
        <source>MAKE VIDEO</source>
        <translation>BUAT VIDEO</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Kualitas Video</translation>
    </message>
    <message>
        <source>Result Directory</source>
        <translation>Folder Tujuan</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ubah</translation>
    </message>
    <message>
        <source>video length %1</source>
        <translation>durasi video %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
</context>
<context>
    <name>SlideCard</name>
    <message>
        <source>The music ends here</source>
        <translation>Musik berakhir di sini</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 dtk</translation>
    </message>
    <message>
        <source>Rotate left</source>
        <translation>Putar ke kiri</translation>
    </message>
    <message>
        <source>Rotate right</source>
        <translation>Putar ke kanan</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Ubah Teks</translation>
    </message>
    <message>
        <source>Duration Settings</source>
        <translation>Durasi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Hilang</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Cari…</translation>
    </message>
    <message>
        <source>Cannot be read</source>
        <translation>Tidak dapat dibaca</translation>
    </message>
</context>
<context>
    <name>SlideDurationPopup</name>
    <message>
        <source>Duration Settings</source>
        <translation>Durasi</translation>
    </message>
    <message>
        <source>Reset Duration to Default</source>
        <translation>Kembalikan ke durasi bawaan</translation>
    </message>
    <message>
        <source>Set Custom Duration</source>
        <translation>Atur durasi sendiri</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>detik</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slide %1</source>
        <translation>Slide %1</translation>
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
        <translation>Latar</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Gaya</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
</context>
<context>
    <name>StyleScreen</name>
    <message>
        <source>Style Settings</source>
        <translation>Pengaturan Gaya</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Photo Slide</source>
        <translation>Slide Foto</translation>
    </message>
    <message>
        <source>Text Slide</source>
        <translation>Slide Teks</translation>
    </message>
    <message>
        <source>Border Size</source>
        <translation>Ketebalan Bingkai</translation>
    </message>
    <message>
        <source>Border Color</source>
        <translation>Warna Bingkai</translation>
    </message>
    <message>
        <source>Shadow Blur</source>
        <translation>Bayangan</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Ketebalan Font</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Warna Teks</translation>
    </message>
    <message>
        <source>Text Shadow Blur</source>
        <translation>Bayangan Teks</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Theme&apos;s color</source>
        <translation>Warna tema</translation>
    </message>
    <message>
        <source>Background&apos;s color</source>
        <translation>Warna latar</translation>
    </message>
</context>
<context>
    <name>StyleSettingsPres</name>
    <message>
        <source>Change border size</source>
        <translation>Ubah ketebalan bingkai</translation>
    </message>
    <message>
        <source>Change shadow blur</source>
        <translation>Ubah bayangan</translation>
    </message>
    <message>
        <source>Change text shadow blur</source>
        <translation>Ubah bayangan teks</translation>
    </message>
    <message>
        <source>Change theme to %1</source>
        <translation>Ubah tema menjadi %1</translation>
    </message>
    <message>
        <source>Change background</source>
        <translation>Ubah latar</translation>
    </message>
    <message>
        <source>Change border color</source>
        <translation>Ubah warna bingkai</translation>
    </message>
    <message>
        <source>Change text color</source>
        <translation>Ubah warna teks</translation>
    </message>
    <message>
        <source>Change font</source>
        <translation>Ubah fon</translation>
    </message>
    <message>
        <source>Change font weight</source>
        <translation>Ubah ketebalan fon</translation>
    </message>
</context>
<context>
    <name>TextSlidePopup</name>
    <message>
        <source>Add Text Slide</source>
        <translation>Tambah Teks</translation>
    </message>
    <message>
        <source>Edit Slide Text</source>
        <translation>Ubah Teks</translation>
    </message>
    <message>
        <source>Type your text here...</source>
        <translation>Ketik teks Anda di sini…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
</context>
<context>
    <name>ThemePreviewPopup</name>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Use this theme</source>
        <translation>Pakai tema ini</translation>
    </message>
</context>
<context>
    <name>ThemeScreen</name>
    <message>
        <source>Smooth</source>
        <translation>Halus</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>Korsel</translation>
    </message>
    <message>
        <source>Flying</source>
        <translation>Melayang</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Mengalir</translation>
    </message>
    <message>
        <source>Fade in Fade out</source>
        <translation>Pudar Masuk dan Keluar</translation>
    </message>
    <message>
        <source>Roller</source>
        <translation>Gulung</translation>
    </message>
    <message>
        <source>Pan and Zoom</source>
        <translation>Geser dan Zoom</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Paralaks</translation>
    </message>
    <message>
        <source>Select Animation</source>
        <translation>Pilih Animasi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
</context>
<context>
    <name>TimelineBar</name>
    <message>
        <source>Video length</source>
        <translation>Durasi video</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>Ubah Musik</translation>
    </message>
    <message>
        <source>Add Audio</source>
        <translation>Tambah Musik</translation>
    </message>
    <message>
        <source>No music yet</source>
        <translation>Belum ada musik</translation>
    </message>
</context>
<context>
    <name>TipsOverlay</name>
    <message>
        <source>How to use Pictovia</source>
        <translation>Cara menggunakan Pictovia</translation>
    </message>
    <message>
        <source>Click Add Images</source>
        <translation>Klik “Tambah Gambar”</translation>
    </message>
    <message>
        <source>to add your photos</source>
        <translation>untuk menambahkan foto Anda</translation>
    </message>
    <message>
        <source>Click Add Text Slide</source>
        <translation>Klik “Tambah Teks”</translation>
    </message>
    <message>
        <source>to add titles between slides</source>
        <translation>untuk menambahkan judul di antara slide</translation>
    </message>
    <message>
        <source>Click Add Audio</source>
        <translation>Klik “Tambah Musik”</translation>
    </message>
    <message>
        <source>to add background music</source>
        <translation>untuk menambahkan musik latar</translation>
    </message>
    <message>
        <source>Don’t show Tips at startup</source>
        <translation>Jangan tampilkan tips saat memulai</translation>
    </message>
    <message>
        <source>Watch video</source>
        <translation>Tonton video</translation>
    </message>
    <message>
        <source>OKAY, GOT IT</source>
        <translation>OKE, MENGERTI</translation>
    </message>
</context>
<context>
    <name>UndoPres</name>
    <message>
        <source>Undo %1</source>
        <translation>Urungkan: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ulangi: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Loading...</source>
        <translation>Memuat…</translation>
    </message>
    <message>
        <source>None</source>
        <comment>border size</comment>
        <translation>Tanpa</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>border size</comment>
        <translation>Tipis</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>border size</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>border size</comment>
        <translation>Tebal</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>border size</comment>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>None</source>
        <comment>shadow</comment>
        <translation>Tanpa</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>shadow</comment>
        <translation>Tipis</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>shadow</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Blurred</source>
        <comment>shadow</comment>
        <translation>Buram</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>shadow</comment>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Thin</source>
        <comment>font weight</comment>
        <translation>Sangat Tipis</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <comment>font weight</comment>
        <translation>Ekstra Ringan</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>font weight</comment>
        <translation>Ringan</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>font weight</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>font weight</comment>
        <translation>Sedang</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <comment>font weight</comment>
        <translation>Agak Tebal</translation>
    </message>
    <message>
        <source>Bold</source>
        <comment>font weight</comment>
        <translation>Tebal</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <comment>font weight</comment>
        <translation>Ekstra Tebal</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>font weight</comment>
        <translation>Sangat Tebal</translation>
    </message>
    <message>
        <source>1 slide</source>
        <translation>1 slide</translation>
    </message>
    <message>
        <source>%1 slides</source>
        <translation>%1 slide</translation>
    </message>
    <message>
        <source>A video is being made. Stop it and quit?</source>
        <translation>Video sedang dibuat. Hentikan dan keluar?</translation>
    </message>
    <message>
        <source>The part made so far is not kept.</source>
        <translation>Bagian yang sudah dibuat tidak disimpan.</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Hentikan dan Keluar</translation>
    </message>
    <message>
        <source>Keep making the video</source>
        <translation>Lanjutkan membuat video</translation>
    </message>
</context>
</TS>
