// Korvel.ini: the view-and-sort mode, CD drive, font size, start directory and slot names.
#pragma once

namespace Functions {

void ReadSettings();
void WriteSettings();
void ApplySettings();

} // namespace Functions
