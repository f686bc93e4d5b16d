// The settings file and the windows that show and edit its settings.
#pragma once

#include "core/storage/settings.h"

// Writes Korvel.ini from the settings and the names the quick-load window shows.
void SaveSettings();

// Start-up, once the settings are read and the catalogue shown in their mode: puts
// the slot names read into the quick-load window, checks the option button of
// SortBy, fills the options window's boxes, sets the views' font size and the
// add-songs window's drive.
void ApplySettings(const SlotNames &names);
