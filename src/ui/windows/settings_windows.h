// The settings file and the windows that show and edit its settings.
#pragma once

// Reads Korvel.ini, puts the slot names it holds into the quick-load window and
// applies the settings to the windows (ApplySettings).
void ReadAndApplySettings();

// Writes Korvel.ini from the settings and the names the quick-load window shows.
void SaveSettings();

// Selects the option button of SortBy (which sorts and shows its view), fills the
// options window's boxes, sets the views' font size and the add-songs window's drive.
void ApplySettings();
