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
        if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
            return;
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
    // False when Xvfb is not installed or did not start.
    bool ok() const { return !name_.isEmpty(); }
    QString name() const { return name_; }
    // Runs xdotool on this display; returns its output, trimmed.
    QString xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", name_);
        tool.setProcessEnvironment(env);
        tool.start("xdotool", arguments);
        tool.waitForFinished(10000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }
    // The id of the first visible window whose title matches, or "" after the timeout.
    QString waitForWindow(const QString &title, int timeoutMs) const
    {
        for (QDeadlineTimer deadline(timeoutMs); !deadline.hasExpired(); QThread::msleep(200)) {
            const QString found = xdotool({"search", "--onlyvisible", "--name", title});
            if (!found.isEmpty())
                return found.section('\n', 0, 0);
        }
        return QString();
    }

private:
    QProcess server_;
    QString name_;
};

} // namespace TestSupport
