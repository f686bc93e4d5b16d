// SPDX-License-Identifier: GPL-3.0-or-later
// The view-and-sort modes: which view shows the catalogue, the key form it is
// sorted by and the form of the list rows; and the views rebuilt from the catalogue.
#pragma once

#include "core/catalogue/key_form.h"
#include "core/state/model.h"

#include <optional>

struct ViewMode {
    SortMode mode;
    Functions::KeyForm sortKey;
    std::optional<Functions::KeyForm> listForm; // nothing when the tree is shown
};

const ViewMode &ViewModeOf(SortMode mode);

// The artist tree of the whole catalogue on the screen, after the diagnostic of a
// refused key when the build has one.
void ShowArtistTree(Model &model);

// Rebuilds the view of the current mode from the catalogue.
void RebuildModeView(Model &model);

// Makes `mode` the current one: SortBy takes it, a catalogue with songs is sorted by
// its key and its view refilled, and its view shown instead of the other.
void ChooseViewMode(Model &model, SortMode mode);
