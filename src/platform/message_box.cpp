#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace Platform {

namespace {
MessageCapture *activeCapture = nullptr;
}

MessageCapture::MessageCapture() : previous_(activeCapture) { activeCapture = this; }
MessageCapture::~MessageCapture() { activeCapture = previous_; }

void ShowMessage(const QString &text)
{
    if (activeCapture) {
        activeCapture->messages_.append(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace Platform
