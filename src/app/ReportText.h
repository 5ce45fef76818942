#pragma once

#include <QString>

// What an error report may carry off the machine.
namespace ReportText {

// text with every absolute path (also as a file:// address, under "~/" or with a drive letter)
// cut down to its file name, so the user's home and folder names never reach the report server.
QString withoutFolders(const QString &text);

} // namespace ReportText
