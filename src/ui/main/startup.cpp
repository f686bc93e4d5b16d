#include "ui/main/startup.h"

#include "ui/kit/message_box.h"
#include "ui/main/main_window.h"

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
    static Kit::MessageBoxes boxes;
    Screen::AttachMessages(&boxes);
    auto window = std::make_unique<Main>();
    window->show();
    return window;
}

} // namespace Startup
