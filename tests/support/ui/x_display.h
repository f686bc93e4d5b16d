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
    // False when Xvfb did not start.
    bool ok() const { return !name_.isEmpty(); }
    QString name() const { return name_; }
    // Runs xdotool on this display for at most a minute; returns its output, trimmed.
    QString xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", name_);
        tool.setProcessEnvironment(env);
        tool.start("xdotool", arguments);
        tool.waitForFinished(60000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }

private:
    QProcess server_;
    QString name_;
};

} // namespace TestSupport
