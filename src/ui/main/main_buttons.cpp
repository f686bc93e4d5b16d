// SPDX-License-Identifier: GPL-3.0-or-later
// The buttons and menu items that open the other windows, and the CD button.
#include "ui/main/main_window.h"

#include "ui/windows/about_window.h"
#include "ui/windows/add_songs_window.h"
#include "ui/windows/options_window.h"
#include "ui/windows/queue_window.h"
#include "ui/windows/quick_load_window.h"
#include "ui/windows/windows.h"

#include <exception>

namespace {
void ShowWindow(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

void Main::cmd_Q_Click() { ShowWindow(Window<frm_Q>()); }
void Main::cmd_addmp3_Click() { ShowWindow(Window<frm_addsongs>()); }
void Main::cmd_QuickLoad_Click() { ShowWindow(Window<frm_QuickLoad>()); }
void Main::mnu_Options_Click() { ShowWindow(Window<frm_Options>()); }
void Main::mnu_About_Click() { ShowWindow(Window<frm_About>()); }

void Main::cmd_Cd_Click()
{
    // The add-songs window is used hidden: the CD's songs are added in one step.
    try {
        frm_addsongs &window = Window<frm_addsongs>();
        if (window.SetDrive(model_.settings.CdDrive())) {
            window.cmd_recursive_Click();
            return;
        }
    } catch (const std::exception &) {
        // Reported below, as a missing drive is.
    }
    model_.screen.ShowMessage(QStringLiteral("Drive Not Avaialible"));
}
