// The main window's Quick Load button.
#include "app/main_window.h"

void Main::cmd_QuickLoad_Click() {}
