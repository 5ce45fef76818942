#pragma once

#include <QString>

class QNetworkReply;

// What a background download must pass before it is stored. Each check gives the reason the
// user reads ("The server sent text/html, not a video"), or an empty string when it passes.
namespace DownloadChecks {

// Creates the folder (and its parents) when missing.
QString folderProblem(const QString &folder);
// The answer's status, declared type and declared length, once its headers have arrived.
QString headProblem(const QNetworkReply &reply, qint64 maximumBytes);
// The bytes received so far, which an answer without a declared length is held to.
QString sizeProblem(qint64 received, qint64 maximumBytes);
// The length the answer declares for the body as it is stored; -1 when it declares none, or
// only that of a compressed form.
qint64 declaredLength(const QNetworkReply &reply);
// The declared length against the bytes received, once the answer has ended.
QString lengthProblem(const QNetworkReply &reply, qint64 received);
// A redirect the network layer follows: its body is not the video.
bool isRedirect(const QNetworkReply &reply);
// The file opens as a video with a decoder (the check the render makes first).
bool opensAsVideo(const QString &path);

} // namespace DownloadChecks
