// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's player controls (media keys, the panel, the lock screen), which
// speak MPRIS over the session bus.
#pragma once

#include "core/playback/play_control.h"
#include "core/state/model.h"
#include "ui/door/command_door.h"

class MediaPlayer;
class QWidget;

namespace Desktop {

// What the controls drive and show: the main window (raised and closed), the model,
// the transport and its media player, and the door every call enters by.
struct Jukebox {
    QWidget &window;
    Model &model;
    PlayControl &transport;
    MediaPlayer &player;
    CommandDoor &door;
};

// Publishes the jukebox on the session bus as long as the window lives. Without a
// bus the program runs as before, after one line on stderr.
void OfferPlayerControls(const Jukebox &jukebox);

} // namespace Desktop
