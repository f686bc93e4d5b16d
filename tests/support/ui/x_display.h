// A private X display (Xvfb) for tests that run the real program in a real window.
#pragma once

#include <QProcess>
#include <QString>

namespace TestSupport {

class XDisplay {
public:
    // Starts Xvfb on a display number the server chooses itself, so that servers
    // of tests running side by side never meet.
    XDisplay();
    ~XDisplay();
    // False when Xvfb is not installed or did not start.
    bool ok() const { return !name_.isEmpty(); }
    QString name() const { return name_; }
    // Runs xdotool on this display; returns its output, trimmed.
    QString xdotool(const QStringList &arguments, int timeoutMs = 10000) const;
    // The id of the first visible window whose title matches, or "" after the timeout.
    QString waitForWindow(const QString &title, int timeoutMs) const;

private:
    QProcess server_;
    QString name_;
};

} // namespace TestSupport
