// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-load slots' playlist files: "playlist0.txt" to "playlist5.txt".
#pragma once

#include "core/state/model.h"

#include <cstdint>

namespace Functions {

// Writes the catalogue to the slot's file; an empty catalogue deletes the file
// instead, leaving the slot empty.
void SaveSlot(Model &model, int16_t slot);

// Replaces the catalogue with the slot's file and rebuilds the tree, and the list
// in a list mode; a slot without a file is named in a message and changes nothing.
void LoadSlot(Model &model, int16_t slot);

// Start-up, once the settings are read: loads playlist0.txt when there is one and
// shows it in the saved mode, as building the tree from the file and then choosing
// the mode (ChooseViewMode) would; in the tree mode the tree is filled once, after
// the mode's sort.
void LoadStartupPlaylist(Model &model);

} // namespace Functions
