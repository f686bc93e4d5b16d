// SPDX-License-Identifier: GPL-3.0-or-later
// A private X display (Xvfb) for tests that run the real program in a real window.
#pragma once

#include <QtCore>

namespace TestSupport {

class XDisplay {
public:
    // Starts Xvfb on a display number the server chooses itself, so that servers of
    // tests running side by side never meet. The server writes that number to its
    // standard output once it accepts connections; its warnings go nowhere.
    XDisplay()
    {
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(10000))
            return;
        QByteArray number;
        while (!number.endsWith('\n') && server_.waitForReadyRead(30000))
            number += server_.readAllStandardOutput();
        if (!number.trimmed().isEmpty())
            name_ = ":" + QString::fromLatin1(number.trimmed());
    }
    ~XDisplay()
    {
        server_.terminate();
        server_.waitForFinished(5000);
    }
    // Empty when Xvfb did not start.
    QString name() const { return name_; }

private:
    QProcess server_;
    QString name_;
};

} // namespace TestSupport
