// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the main window owns, the buttons and menu items that open them, and
// the CD button.
#include "ui/main/main_window.h"

#include "ui/jukebox/jukebox.h"
#include "ui/windows/about_window.h"
#include "ui/windows/add_songs_window.h"
#include "ui/windows/options_window.h"
#include "ui/windows/queue_window.h"
#include "ui/windows/quick_load_window.h"

#include <exception>
#include <type_traits>

namespace {
void ShowWindow(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

template <class W>
W &Main::Window()
{
    QPointer<W> &window = std::get<QPointer<W>>(windows_);
    if (!window) {
        if constexpr (std::is_constructible_v<W, Model &, Functions::SettingsFile &, QWidget *>)
            window = new W(model_, jukebox_.settingsFile(), this);
        else if constexpr (std::is_constructible_v<W, Model &, QWidget *>)
            window = new W(model_, this);
        else
            window = new W(this);
    }
    return *window;
}

template frm_Q &Main::Window<frm_Q>();
template frm_addsongs &Main::Window<frm_addsongs>();
template frm_QuickLoad &Main::Window<frm_QuickLoad>();
template frm_Options &Main::Window<frm_Options>();
template frm_About &Main::Window<frm_About>();

void Main::UnloadWindows()
{
    std::apply([](auto &...window) { (delete window.data(), ...); }, windows_);
}

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
