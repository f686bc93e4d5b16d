#include "ui/desktop/mpris_root.h"

#include "ui/main/main_window.h"

#include <QTimer>

namespace Desktop {

MprisRoot::MprisRoot(QObject *published, Main &window) : QDBusAbstractAdaptor(published), window_(window) {}

void MprisRoot::Raise()
{
    window_.show();
    window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_.raise();
    window_.activateWindow();
}

void MprisRoot::Quit()
{
    // After the reply has gone: closing the window ends the program.
    QTimer::singleShot(0, &window_, &QWidget::close);
}

} // namespace Desktop
