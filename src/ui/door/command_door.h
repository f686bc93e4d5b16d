// SPDX-License-Identifier: GPL-3.0-or-later
// The one door through which every command from outside the windows enters: the
// desktop's player controls (MPRIS calls and property changes) and files opened by
// name, from the command line or the desktop's "Open with".
//
// The rule: a command runs at once when no work is under way. While work is under
// way (an addition's walk, tagging or sort, a playlist load, the play command's wait
// for its file, a message box waiting for the user) or while another command from
// outside runs, the command is held; held commands run one after another, in the
// order they arrived, as soon as the work is over. The window's own controls do not
// pass through the door and keep their own behaviour, also during the play command's
// wait. Nothing from outside can therefore start an addition inside another, or
// change the catalogue while a piece of work holds it.
#pragma once

#include "core/state/work_under_way.h"

#include <QObject>
#include <deque>
#include <functional>

class CommandDoor : public QObject {
    Q_OBJECT
public:
    explicit CommandDoor(WorkUnderWay &work);

    // Runs `command` now, or holds it until the work under way is over.
    void Enter(std::function<void()> command);
    // How many commands wait.
    int Held() const { return static_cast<int>(held_.size()); }

private:
    // Runs the held commands while nothing is under way.
    void Drain();

    WorkUnderWay &work_;
    std::deque<std::function<void()>> held_;
    bool running_ = false;
};
