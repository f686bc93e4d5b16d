// The main window's Add and CD buttons.
#include "app/main_window.h"
#include "app/windows.h"
#include "dialogs/add_songs_window.h"
#include "platform/message_box.h"
#include "state/globals.h"

#include <exception>

void Main::cmd_addmp3_Click()
{
    frm_addsongs &window = Window<frm_addsongs>();
    window.show();
    window.raise();
    window.activateWindow();
}

void Main::cmd_Cd_Click()
{
    // The add-songs window is used hidden: the CD's songs are added in one step.
    try {
        frm_addsongs &window = Window<frm_addsongs>();
        if (window.SetDrive(CdDrive)) {
            window.cmd_recursive_Click();
            return;
        }
    } catch (const std::exception &) {
        // Reported below, as a missing drive is.
    }
    Platform::ShowMessage(QStringLiteral("Drive Not Avaialible"));
}
