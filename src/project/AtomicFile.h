#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a whole file under a temporary name in the same folder and renames it over the old
// one only once fill() has succeeded, so a crash, a kill or a full disk never leaves a
// truncated file under the final name. On failure returns false with the reason.
bool writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &fill,
                         QString *error = nullptr);
