// The main window's Quick Load button.
#include "app/main_window.h"
#include "app/windows.h"
#include "storage/quick_load_window.h"

void Main::cmd_QuickLoad_Click()
{
    frm_QuickLoad &quickLoad = Window<frm_QuickLoad>();
    quickLoad.show();
    quickLoad.raise();
    quickLoad.activateWindow();
}
