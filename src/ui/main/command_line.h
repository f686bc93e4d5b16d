// SPDX-License-Identifier: GPL-3.0-or-later
// The program's options: --help, which also names the folder of the user's files,
// and --version.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>

namespace Startup {

class CommandLine {
public:
    CommandLine();

    // Before the application object, so that no display is needed: prints the help or
    // the version when asked and returns the exit code; nothing when the program runs.
    std::optional<int> Answer(int argc, char *argv[]);

    // Once the application object has taken the toolkit's own options (-platform,
    // -style…): an option still left is refused and ends the program.
    void RefuseUnknownOptions();

    // The MP3 files named on the command line, to be added and played; files whose
    // names do not end in "mp3" are left out, named in one line on stderr.
    QStringList SongFiles() const;

private:
    // The help's description, which names the folder of the user's files.
    void Describe();

    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};

} // namespace Startup
