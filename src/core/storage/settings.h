// SPDX-License-Identifier: GPL-3.0-or-later
// Korvel.ini: the view-and-sort mode, CD drive, font size, start directory, slot
// names and, while it is on, the reading of ID3v2 tags ("Tags","ID3v2").
#pragma once

#include "core/state/screen.h"
#include "core/state/settings.h"

#include <QIODevice>

namespace Functions {

// Reads Korvel.ini into `settings`: the mode, CD drive, font size and start
// directory each with its default when the file lacks it (a missing file gives all
// four), the slot names the file holds (a slot the file does not name keeps its
// name) and the tags to read: ID3v2 for the value "ID3v2" alone.
void ReadSettings(Settings &settings);
// The same from a device open for reading; null stands for a missing file.
void ReadSettings(Settings &settings, QIODevice *file);

// Writes the ten lines of Korvel.ini from `settings`, and an eleventh while ID3v2
// tags are read; on failure the old file stays and the user is told on `screen`.
bool WriteSettings(Screen::Surface &screen, const Settings &settings);

// Writes Korvel.ini as it stands (as last saved, or as read at start-up) with only
// the tags line set for `tags`: edits not saved stay out of the file.
bool WriteTagsSetting(Screen::Surface &screen, TagReading tags);

} // namespace Functions
