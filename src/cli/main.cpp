#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "cli/RenderCommand.h"

#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>

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
    const QString workingFolder = QDir::currentPath();
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));
    QLoggingCategory::setFilterRules(QStringLiteral("pictovia.*.info=false"));
    initPictoviaCore();
    AppPaths::setup();
    RenderCommand command(stdout, stderr, isatty(fileno(stderr)) != 0, workingFolder);
    // A closed terminal or a system shutdown stops like Ctrl-C: no half-written file stays.
    for (const int number : {SIGINT, SIGTERM, SIGHUP})
        std::signal(number, onInterrupt);
    return command.run(app.arguments().mid(1));
}
