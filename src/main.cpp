// SPDX-License-Identifier: GPL-3.0-or-later
// Korvel: a desktop MP3 jukebox.
#include "ui/main/command_line.h"
#include "ui/main/main_window.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QTimer>

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
    const QStringList files = commandLine.SongFiles();
    const auto window = Startup::ShowMainWindow();
    // Added from the event loop: only there does closing the last window end the program,
    // and the desktop's Quit may close it while the files are added.
    QTimer::singleShot(0, window.get(), [&] { window->OpenFiles(files); });
    return QApplication::exec();
}
