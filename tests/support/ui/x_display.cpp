#include "support/ui/x_display.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>

namespace TestSupport {

XDisplay::XDisplay()
{
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
        return;
    // The server writes the number of the display it took to its standard output
    // once it accepts connections; its warnings go nowhere.
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!server_.waitForStarted(10000))
        return;
    QByteArray number;
    while (!number.endsWith('\n') && server_.waitForReadyRead(30000))
        number += server_.readAllStandardOutput();
    if (number.trimmed().isEmpty())
        return;
    name_ = ":" + QString::fromLatin1(number.trimmed());
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
