// Position, time display and volume.
#include "app/main_window.h"

void Main::Timer1_Timer() {}
void Main::Slider1_Change() {}
void Main::Slider_vol_Change() {}
void Main::MediaPlayer1_PlayStateChange(int, int) {}
void Main::ShowTotalTime() {}
void Main::ApplyVolume() {}
