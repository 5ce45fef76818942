#pragma once

#include "backgrounds/BackgroundDescriptor.h"

#include <QString>

#include <atomic>
#include <cstdio>

// The command line's --background value: a catalogue id, a colour "#rrggbb" or a file, and the
// --list of what is installed.
class BackgroundArgument
{
public:
    BackgroundArgument(FILE *err, bool errIsTerminal, const std::atomic<bool> &stopRequested);

    // Whether value names a background of the catalogue rather than a file.
    static bool isCatalogueId(const QString &value);
    // The background of value for an output quality. A catalogue video missing at that
    // resolution is fetched first, with a progress line; on failure false with a message.
    bool resolve(const QString &value, int quality, BackgroundDescriptor *background, QString *error);
    // Installed themes and backgrounds with their ids and names.
    static void printList(FILE *out);

private:
    bool fetch(const QString &id, const QString &path, QString *error);

    FILE *m_err;
    bool m_errIsTerminal;
    const std::atomic<bool> &m_stopRequested;
};
