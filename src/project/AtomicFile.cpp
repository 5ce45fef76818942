#include "project/AtomicFile.h"

#include <QSaveFile>

bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &fill, QString *error)
{
    QSaveFile file(path);
    // The rename must not fall back to writing in place where the folder forbids new files.
    file.setDirectWriteFallback(false);
    const bool ok = file.open(QIODevice::WriteOnly) && fill(file) && file.commit();
    if (!ok) {
        if (error)
            *error = file.errorString().isEmpty() || file.error() == QFileDevice::NoError
                         ? QStringLiteral("the data could not be written")
                         : file.errorString();
        file.cancelWriting();
    }
    return ok;
}
