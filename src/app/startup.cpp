#include "app/startup.h"

#include "app/main_window.h"

#include <QApplication>

namespace Startup {

void PrepareEnvironment()
{
    // Qt's other media backend crashes on machines without an audio device.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

std::unique_ptr<Main> ShowMainWindow()
{
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    auto window = std::make_unique<Main>();
    window->show();
    return window;
}

} // namespace Startup
