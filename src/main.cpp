// SPDX-License-Identifier: GPL-3.0-or-later
// Korvel: a desktop MP3 jukebox.
#include "ui/main/command_line.h"
#include "ui/main/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Startup::PrepareEnvironment();
    Startup::CommandLine commandLine;
    if (const std::optional<int> answered = commandLine.Answer(argc, argv))
        return *answered;
    if (!Startup::DisplayNamed())
        return EXIT_FAILURE;
    QApplication app(argc, argv);
    commandLine.RefuseUnknownOptions();
    Startup::Program program(commandLine.SongFiles());
    program.window().show();
    return QApplication::exec();
}
