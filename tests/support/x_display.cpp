#include "support/x_display.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>
#include <unistd.h>

namespace TestSupport {

XDisplay::XDisplay()
{
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
        return;
    // Its warnings would fill an unread pipe and stall the server.
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
    // A display number of this process's own, so that tests running side by side
    // (and their servers going away) never meet; the next one if it is taken.
    for (int attempt = 0; attempt < 20 && name_.isEmpty(); ++attempt) {
        const QString candidate = ":" + QString::number(300 + (getpid() + attempt * 37) % 600);
        server_.start("Xvfb", {candidate, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!server_.waitForStarted(5000))
            return;
        QElapsedTimer waited;
        waited.start();
        while (server_.state() == QProcess::Running && waited.elapsed() < 10000) {
            name_ = candidate;
            if (!xdotool({"getdisplaygeometry"}).isEmpty())
                break;
            name_.clear();
            QThread::msleep(100);
        }
        if (name_.isEmpty()) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
}

XDisplay::~XDisplay()
{
    server_.terminate();
    server_.waitForFinished(5000);
}

QString XDisplay::xdotool(const QStringList &arguments, int timeoutMs) const
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", name_);
    tool.setProcessEnvironment(env);
    tool.start("xdotool", arguments);
    tool.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

QString XDisplay::waitForWindow(const QString &title, int timeoutMs) const
{
    // Polled, since a client may find the display busy while another connects.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        const QString found = xdotool({"search", "--onlyvisible", "--name", title});
        if (!found.isEmpty())
            return found.section('\n', 0, 0);
        QThread::msleep(200);
    }
    return QString();
}

} // namespace TestSupport
