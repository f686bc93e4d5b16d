// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does from its first line to the main window on screen.
#pragma once

#include <memory>

class Main;

namespace Startup {

// Settings of the process that must precede the application object: its name and
// version among them.
void PrepareEnvironment();

// True when the environment names a display (or a platform) for the window;
// otherwise says so in one line on stderr.
bool DisplayNamed();

// Gives messages their boxes, creates the main window (which loads the start-up
// playlist and settings), shows it and offers it to the desktop's player controls.
std::unique_ptr<Main> ShowMainWindow();

} // namespace Startup
