// Clicks, double clicks and keys on the tree and the list; Expand, Collapse, Clear.
#include "app/main_window.h"

void Main::cmd_clear_Click() {}
void Main::cmd_expand_Click() {}
void Main::cmd_shrink_Click() {}
void Main::TreeView1_DblClick() {}
void Main::TreeView1_KeyPress(int) {}
void Main::List1_Click() {}
void Main::List1_DblClick() {}
void Main::List1_KeyPress(int) {}
