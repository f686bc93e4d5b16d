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
    // Texts break their lines with a carriage return; the box breaks them at line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace Platform
