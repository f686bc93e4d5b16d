// The main window's "Song Q" button.
#include "app/main_window.h"

void Main::cmd_Q_Click() {}
