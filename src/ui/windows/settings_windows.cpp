#include "ui/windows/settings_windows.h"

#include "core/state/globals.h"
#include "core/storage/settings.h"
#include "platform/drives.h"
#include "ui/main/main_window.h"
#include "ui/windows/add_songs_window.h"
#include "ui/windows/options_window.h"
#include "ui/windows/quick_load_window.h"
#include "ui/windows/windows.h"

#include <QLineEdit>
#include <QRadioButton>

void SaveSettings() { Functions::WriteSettings(Window<frm_QuickLoad>().SlotNames()); }

void ApplySettings(const SlotNames &names)
{
    // The slot names live in the quick-load window, which holds them from now on.
    frm_QuickLoad &quickLoad = Window<frm_QuickLoad>();
    for (std::size_t slot = 0; slot < names.size(); ++slot) {
        if (names[slot])
            quickLoad.text_ListName[slot]->setText(*names[slot]);
    }
    frm_Options &options = Window<frm_Options>();
    // The mode was chosen as the catalogue was loaded.
    if (QRadioButton *mode = options.ModeButton(SortBy))
        mode->setChecked(true);
    options.text_CdDrive->setText(CdDrive);
    // The box is a drive letter wide: a longer path shows from its start.
    options.text_CdDrive->setCursorPosition(0);
    options.text_FontSize->setText(QString::number(FontSize));
    if (Main *main = Main::instance())
        main->SetViewFontSize(FontSize);
    options.text_SongsStartDir->setText(SongsStartDir);
    // A start directory on no mounted drive leaves the drive list as it was.
    Window<frm_addsongs>().SetDrive(Platform::DriveOf(SongsStartDir));
}
