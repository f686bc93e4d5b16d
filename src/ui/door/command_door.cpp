// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/door/command_door.h"

#include <QTimer>

CommandDoor::CommandDoor(WorkUnderWay &work) : work_(work)
{
    // The work ends inside the code that did it, which still has steps to take:
    // the held commands run once control is back in the event loop.
    connect(&work_, &WorkUnderWay::idle, this, [this] {
        if (!held_.empty())
            QTimer::singleShot(0, this, &CommandDoor::Drain);
    });
}

void CommandDoor::Enter(std::function<void()> command)
{
    held_.push_back(std::move(command));
    Drain();
}

void CommandDoor::Drain()
{
    if (running_)
        return;
    running_ = true;
    while (!held_.empty() && !work_.Busy()) {
        const std::function<void()> command = std::move(held_.front());
        held_.pop_front();
        command();
    }
    running_ = false;
}
