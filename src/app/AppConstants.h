#pragma once

#include <QString>
#include <QStringList>

// String constants and helpers shared by several subsystems.
namespace AppConstants {

inline const QString projectFileName = QStringLiteral("prj.xml");
inline const QString styleFileName = QStringLiteral("settings.xml");
inline const QString infoFileName = QStringLiteral("info.xml");
inline const QString dummyFileName = QStringLiteral("dummy.tmp");
inline const QString thumbFileNamePattern = QStringLiteral("%1_thumb.png");
inline const QString longDurationFormat = QStringLiteral("h:mm:ss");
inline const QString shortDurationFormat = QStringLiteral("m:ss");
// The longest a slide may last, in seconds, as the duration boxes allow.
constexpr double longestSlideDuration = 6000.0;
inline const QString standardKind = QStringLiteral("standard");
inline const QString animatedKind = QStringLiteral("animated");
inline const QString colorKind = QStringLiteral("color");
inline const QString defaultBackgroundId = animatedKind + QStringLiteral("00001");
inline const QString backgroundPackagesPath = QStringLiteral("/app/2/");
inline const QString slideStubId = QStringLiteral("slideStub");
// Photo endings taken from folders and offered by file dialogs, in any letter case.
inline const QStringList pictureSuffixes{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                         QStringLiteral("gif")};
// Music endings offered by the audio file dialog, in any letter case.
inline const QStringList audioSuffixes{QStringLiteral("mp3"), QStringLiteral("m4a")};

} // namespace AppConstants

// "%1_thumb.png" filled with name.
QString thumbFileName(const QString &name);

// The background video matching an output resolution: 0 -> "-720p.mp4", 2 -> "-2160p.mp4", else unchanged.
QString resolutionVariantPath(const QString &path, int resolution);

// Whether a file name ends in one of pictureSuffixes, whatever the letter case ("IMG_0001.JPG").
bool isPictureFileName(const QString &fileName);
// A file dialog's name filter: the translated label as the user reads it, "Import Image Files
// (*.jpg *jpeg *.png *.gif)", with the endings of suffixes its own patterns leave out added in
// its parentheses, in lower and in upper case: the dialogs match patterns letter case and all,
// and cameras name their photos "IMG_0001.JPG".
QString fileDialogNameFilter(const QString &label, const QStringList &suffixes);

// Server addresses: the environment variable of the same name wins over the build setting.
QString reportServerUrl();
QString contentServerUrl();
// The video the tips overlay offers; empty hides its "Watch video".
QString tipsVideoUrl();
