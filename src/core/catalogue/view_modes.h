// The view-and-sort modes: which view shows the catalogue, the key it is sorted
// by and the form of the list rows.
#pragma once

#include <QString>

struct ViewMode {
    QString code;     // the value of SortBy
    QString sortKey;  // the SortSongs key
    QString listForm; // the form of the list rows; empty when the tree is shown
};

// The mode of a SortBy code (compared exactly), or null for a code that names none.
const ViewMode *FindViewMode(const QString &code);

// Rebuilds the view of the current mode from the catalogue; nothing for a SortBy
// that names no mode.
void RebuildModeView();

// Makes `mode` the current one: SortBy takes its code, a catalogue with songs is
// sorted by its key and its view refilled, and its view shown instead of the other.
void ChooseViewMode(const ViewMode &mode);
