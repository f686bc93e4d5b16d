// The Options and About menu items.
#include "app/main_window.h"
#include "app/windows.h"
#include "dialogs/about_window.h"
#include "dialogs/options_window.h"

namespace {
void showWindow(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

void Main::mnu_Options_Click() { showWindow(Window<frm_Options>()); }
void Main::mnu_About_Click() { showWindow(Window<frm_About>()); }
