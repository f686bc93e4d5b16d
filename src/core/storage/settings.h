// Korvel.ini: the view-and-sort mode, CD drive, font size, start directory and slot names.
#pragma once

#include <QIODevice>
#include <QString>
#include <array>
#include <optional>

constexpr int QuickLoadSlots = 6;

// The slot names as a settings file gives them; a name the file does not hold
// leaves the slot's name as the window shows it.
using SlotNames = std::array<std::optional<QString>, QuickLoadSlots>;

namespace Functions {

// Reads Korvel.ini into SortBy, CdDrive, FontSize and SongsStartDir, each with its
// default when the file lacks it (a missing file gives all four), and returns the
// slot names it holds.
SlotNames ReadSettings();
// The same from a device open for reading; null stands for a missing file.
SlotNames ReadSettings(QIODevice *file);

// Writes the ten lines of Korvel.ini from the four settings and `slotNames`;
// on failure the old file stays and the user is told.
bool WriteSettings(const std::array<QString, QuickLoadSlots> &slotNames);

} // namespace Functions
