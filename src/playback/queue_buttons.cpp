// The main window's "Song Q" button.
#include "app/main_window.h"

#include "app/windows.h"
#include "playback/queue_window.h"

void Main::cmd_Q_Click()
{
    frm_Q &queue = Window<frm_Q>();
    queue.show();
    queue.raise();
    queue.activateWindow();
}
