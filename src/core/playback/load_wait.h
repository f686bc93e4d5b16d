// SPDX-License-Identifier: GPL-3.0-or-later
// The play command's wait for the file it has just opened.
#pragma once

#include <functional>

class MediaPlayer;

// Lets the event loop run, in rounds of 100 ms, until the player reports the file
// loaded, for at most 40 rounds (about four seconds); a timeout is
// not reported and the play command goes on.
//
// Re-entrancy: the events handled during a round may start another play command,
// or another Next. That command opens its own file, waits in rounds of its own and
// runs to completion inside the round; then the outer wait resumes (it ends at once
// when the player now reports a file loaded) and the outer command carries on with
// its own remaining steps. Active() is true while any wait runs, nested or not.
class LoadWait {
public:
    static constexpr int RoundMs = 100;
    static constexpr int LimitMs = 4000;

    // One round: lets the event loop run for `ms` milliseconds. Tests pass a round
    // of their own, so that no test waits on the clock.
    using Round = std::function<void(int ms)>;
    static void EventLoopRound(int ms);

    explicit LoadWait(Round round = EventLoopRound) : round_(std::move(round)) {}

    void Until(const MediaPlayer &player);
    bool Active() const { return depth_ > 0; }

private:
    Round round_;
    int depth_ = 0;
};
