// Position, time display and volume.
#include "app/main_window.h"

#include "platform/media_player.h"
#include "playback/time_text.h"

#include <QLabel>
#include <QSlider>
#include <algorithm>
#include <cmath>

using Playback::RoundHalfEven;
using Playback::TimeText;

void Main::Timer1_Timer()
{
    const double position = MediaPlayer1->CurrentPosition();
    label_currenttime->setText(TimeText(position));
    Slider1->setValue(RoundHalfEven(position));
}

void Main::Slider1_Change()
{
    const int32_t value = Slider1->value();
    if (value % 2 != 0)
        MediaPlayer1->SetCurrentPosition(value);
}

void Main::Slider_vol_Change()
{
    const int32_t tenth = RoundHalfEven(Slider_vol->value() / 10.0);
    MediaPlayer1->SetVolume(static_cast<int16_t>(tenth * tenth * tenth));
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
    Slider1->setRange(0, std::max(0, RoundHalfEven(duration)));
}

void Main::ApplyVolume()
{
    const double value = Slider_vol->value();
    MediaPlayer1->SetVolume(RoundHalfEven(-std::pow(value, 4)));
}
