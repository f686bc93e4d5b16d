// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/player_options.h"

#include <algorithm>

void PlayerOptions::SetShuffle(bool on)
{
    if (shuffle_ == on)
        return;
    shuffle_ = on;
    emit shuffleChanged(on);
}

void PlayerOptions::SetSongQueueActive(bool on)
{
    if (songQueueActive_ == on)
        return;
    songQueueActive_ = on;
    emit songQueueActiveChanged(on);
}

void PlayerOptions::SetVolume(int volume)
{
    volume = std::clamp(volume, QuietestVolume, LoudestVolume);
    if (volume_ == volume)
        return;
    volume_ = volume;
    emit volumeChanged(volume);
}
