// The view-and-sort modes: which view shows the catalogue, the key it is sorted
// by and the form of the list rows; and the font size the views are shown in.
#pragma once

#include <QString>
#include <cstdint>

namespace Dialogs {

struct ViewMode {
    QString code;     // the value of SortBy
    QString sortKey;  // the SortSongs key
    QString listForm; // the FillSongList form; empty when the tree is shown
};

// The mode of a SortBy code, or null for a code that names none.
const ViewMode *FindViewMode(const QString &code);

// Makes `mode` the current one: SortBy takes its code, a catalogue with songs is
// sorted by its key and its view refilled, and its view shown instead of the other.
void ShowViewMode(const ViewMode &mode);

// Shows both views in `points`, kept within 8..30 whatever the setting holds.
void SetViewFontSize(int16_t points);

} // namespace Dialogs
