#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "cli/RawFileNames.h"
#include "cli/RenderCommand.h"

#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <climits>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

void onInterrupt(int)
{
    RenderCommand::requestStop();
}

} // namespace

int main(int argc, char *argv[])
{
    // Text slides need fonts, and fonts need a GUI application, but never a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // As bytes: a folder whose name is not UTF-8 is reached through a link (RawFileNames).
    char here[PATH_MAX];
    QString workingFolder = ::getcwd(here, sizeof here) ? RawFileNames::instance().pathFor(QByteArray(here), {})
                                                        : QString();
    if (workingFolder.isEmpty())
        workingFolder = QDir::currentPath();
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));
    QLoggingCategory::setFilterRules(QStringLiteral("pictovia.*.info=false"));
    initPictoviaCore();
    AppPaths::setup();
    RenderCommand command(stdout, stderr, isatty(fileno(stderr)) != 0, workingFolder);
    // A closed terminal or a system shutdown stops like Ctrl-C: no half-written file stays.
    for (const int number : {SIGINT, SIGTERM, SIGHUP})
        std::signal(number, onInterrupt);
    // A reader of the progress or the result that went away (a closed pager, "| head") must not
    // end the render: the writes fail instead and the video is finished.
    std::signal(SIGPIPE, SIG_IGN);
    // The arguments Qt left (it takes its own, such as -platform), as the system gave them.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return command.run(arguments);
}
