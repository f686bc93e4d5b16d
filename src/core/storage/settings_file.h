// SPDX-License-Identifier: GPL-3.0-or-later
// Korvel.ini, known here alone: its name, its keys and the codes of the modes, the
// value each setting takes when the file gives none, the reading, and the one writer.
#pragma once

#include "core/state/screen.h"
#include "core/state/settings.h"

#include <QIODevice>
#include <QString>

namespace Functions {

class SettingsFile {
public:
    // The file's name in the application directory.
    static const QString FileName;

    // The mode as the file names it: "TAS", "LAS", "LSA" or "LF".
    static QString ModeCode(SortMode mode);

    // The file of the application directory for `settings`; failures to write it are
    // told on `screen`.
    SettingsFile(Settings &settings, Screen::Surface &screen);

    // Start-up: the settings take the file's values, and each value the file lacks its
    // default (a missing file gives every default).
    void Read();
    // The Saves of the options and quick-load windows: the ten lines of the file from
    // the settings as they stand, and an eleventh while ID3v2 tags are read. On failure
    // the old file stays and the user is told; returns whether the file was written.
    bool Save();
    // The tags the next tagging pass reads, remembered at once: the setting takes
    // `tags`, and the file as it stands (as last saved, or as read at start-up) is
    // written with only its tags line set for them, so that edits not saved stay out.
    bool SaveTags(TagReading tags);

private:
    bool Write(const Settings &settings);

    Settings &settings_;
    Screen::Surface &screen_;
};

// Read's rules on a device open for reading; null stands for a missing file. The
// mode, CD drive, font size and start directory take their defaults when the file
// lacks them, and so does each slot's name ("General" for the first, else empty);
// the tags are ID3v2 for the value "ID3v2" alone.
void ReadSettings(Settings &settings, QIODevice *file);

} // namespace Functions
