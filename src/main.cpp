// Korvel: a desktop MP3 jukebox.
#include "ui/main/main_window.h"
#include "ui/main/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Startup::PrepareEnvironment();
    QApplication app(argc, argv);
    const auto window = Startup::ShowMainWindow();
    return QApplication::exec();
}
