// Korvel: a desktop MP3 jukebox.
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt's other media backend crashes on machines without an audio device.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    Main window;
    window.show();
    return QApplication::exec();
}
