// Korvel: a desktop MP3 jukebox.
#include "app/main_window.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Startup::PrepareEnvironment();
    QApplication app(argc, argv);
    const auto window = Startup::ShowMainWindow();
    return QApplication::exec();
}
