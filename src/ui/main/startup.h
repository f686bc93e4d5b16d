// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does from its first line to the main window on screen.
#pragma once

#include "ui/jukebox/jukebox.h"
#include "ui/main/main_window.h"

namespace Startup {

// Settings of the process that must precede the application object: its name and
// version among them.
void PrepareEnvironment();

// True when the environment names a display (or a platform) for the window;
// otherwise says so in one line on stderr.
bool DisplayNamed();

// The running program: the jukebox and the main window that shows it, made in this
// order and taken down in the other, the window first.
class Program {
public:
    // Makes both, starts the jukebox with the command line's `files` and loads the
    // window, which is then ready to be shown.
    explicit Program(const QStringList &files, Jukebox::Parts parts = {});

    Jukebox &jukebox() { return jukebox_; }
    Main &window() { return window_; }

private:
    Jukebox jukebox_;
    Main window_;
};

} // namespace Startup
