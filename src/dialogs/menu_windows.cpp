// The Options and About menu items.
#include "app/main_window.h"

void Main::mnu_Options_Click() {}
void Main::mnu_About_Click() {}
