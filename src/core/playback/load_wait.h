// SPDX-License-Identifier: GPL-3.0-or-later
// The play command's wait for the file it has just opened.
#pragma once

class MediaPlayer;

// Lets the event loop run until the player announces a file loaded, for at most
// about four seconds; a timeout is not reported and the play command goes on.
//
// Re-entrancy: the events handled during the wait may start another play command,
// or another Next. That command opens its own file, waits in a loop of its own and
// runs to completion inside the first wait; the first wait ends with it when its
// file loads (the player then reports a file loaded), and the outer command carries
// on with its own remaining steps. Active() is true while any wait runs, nested or not.
class LoadWait {
public:
    static constexpr int LimitMs = 4000;

    // Tests give a limit of their own: none, or one no test reaches.
    explicit LoadWait(int limitMs = LimitMs) : limitMs_(limitMs) {}

    void Until(const MediaPlayer &player);
    bool Active() const { return depth_ > 0; }

private:
    int limitMs_;
    int depth_ = 0;
};
