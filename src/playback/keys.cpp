// The main window's keys.
#include "app/main_window.h"

void Main::Form_KeyDown(QKeyEvent *) {}
