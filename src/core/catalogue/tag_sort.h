// Tag, sort and redraw the catalogue after songs were added.
#pragma once

#include "core/catalogue/tags.h"

// Tags every song, sorts the catalogue by artist then song (in every mode: choosing
// a list mode again sorts by its own key) and rebuilds the view of the mode.
// Does nothing for an empty catalogue.
void TagSort();

// TagSort with the tags already being read by `tags`, started on the catalogue as it is.
void TagSort(Functions::TagPass &tags);
