// SPDX-License-Identifier: GPL-3.0-or-later
// Tag, sort and redraw the catalogue after songs were added.
#pragma once

#include "core/state/model.h"

// Tags every song, sorts the catalogue by artist then song (in every mode: choosing
// a list mode again sorts by its own key) and rebuilds the view of the mode.
// Does nothing for an empty catalogue.
void TagSort(Model &model);

// The end of an addition: FinishScan, with the tags read meanwhile, then TagSort.
void FinishAddition(Model &model, bool complete);
