// What the program does from its first line to the main window on screen.
#pragma once

#include <memory>

class Main;

namespace Startup {

// Settings of the process that must precede the application object.
void PrepareEnvironment();

// Names the application, gives messages their boxes, creates the main window
// (which loads the start-up playlist and settings) and shows it.
std::unique_ptr<Main> ShowMainWindow();

} // namespace Startup
