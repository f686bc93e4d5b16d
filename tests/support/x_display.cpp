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
    int fds[2];
    if (pipe(fds) != 0)
        return;
    // Xvfb picks a free display number and writes it to the descriptor we pass.
    // Its warnings would fill an unread pipe and stall the server.
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.setChildProcessModifier([fds] { close(fds[0]); });
    server_.start("Xvfb", {"-displayfd", QString::number(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    close(fds[1]);
    if (!server_.waitForStarted(5000)) {
        close(fds[0]);
        return;
    }
    char buffer[16] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    if (n > 0)
        name_ = ":" + QString::fromLatin1(buffer, n).trimmed();
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
