// SPDX-License-Identifier: GPL-3.0-or-later
// Work under way: a long operation that changes the catalogue (an addition, a playlist
// load, a sort), the play command's wait for its file, or a message box waiting for
// the user. Commands from outside the windows wait until none is under way.
#pragma once

#include <QObject>

class WorkUnderWay : public QObject {
    Q_OBJECT
public:
    // A piece of work under way for as long as the token lives.
    class Token {
    public:
        // An operation changes the catalogue; any other piece of work waits.
        enum class Kind { Wait, Operation };
        explicit Token(WorkUnderWay &work, Kind kind = Kind::Wait);
        ~Token();
        Token(const Token &) = delete;
        Token &operator=(const Token &) = delete;

    private:
        WorkUnderWay &work_;
        Kind kind_;
    };

    bool Busy() const { return pieces_ > 0; }
    // Whether an operation changes the catalogue now; no song may start then.
    bool Operating() const { return operations_ > 0; }

signals:
    // The last piece of work under way ended.
    void idle();

private:
    int pieces_ = 0;
    int operations_ = 0;
};
