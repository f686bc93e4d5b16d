// Tag, sort and redraw the catalogue after songs were added.
#include "app/main_window.h"

void Main::TagSort() {}
