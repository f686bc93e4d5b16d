// The main window's Add and CD buttons.
#include "app/main_window.h"

void Main::cmd_addmp3_Click() {}
void Main::cmd_Cd_Click() {}
