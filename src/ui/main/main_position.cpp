// SPDX-License-Identifier: GPL-3.0-or-later
// Position, time display and volume.
#include "ui/main/main_window.h"

#include "core/playback/time_text.h"
#include "core/state/number_text.h"
#include "platform/media_player.h"

#include <QLabel>
#include <QSlider>
#include <algorithm>

void Main::Timer1_Timer()
{
    const double position = MediaPlayer1->CurrentPosition();
    label_currenttime->setText(TimeText(position));
    Slider1->setValue(RoundHalfEvenInt32(position));
}

void Main::Slider1_Change()
{
    const int32_t value = Slider1->value();
    if (value % 2 != 0)
        MediaPlayer1->SetCurrentPosition(value);
}

void Main::MediaPlayer1_PlayStateChange(int, int)
{
    if (MediaPlayer1->FileName() != LastFileName) {
        LastFileName = MediaPlayer1->FileName();
        ShowTotalTime();
    }
}

void Main::ShowTotalTime()
{
    const double duration = MediaPlayer1->Duration();
    label_totaltime->setText(TimeText(duration));
    // The range keeps starting at 0, also for a duration the player does not know (−1).
    Slider1->setRange(0, std::max(0, RoundHalfEvenInt32(duration)));
}
