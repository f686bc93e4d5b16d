// Play, pause, stop and next, and the choice of the next song.
#include "app/main_window.h"

void Main::cmd_play_Click() {}
void Main::cmd_next_Click() {}
void Main::cmd_pause_Click() {}
void Main::cmd_stop_Click() {}
void Main::NextSong() {}
void Main::MarkCurrentSong() {}
void Main::MediaPlayer1_EndOfStream(int) {}
