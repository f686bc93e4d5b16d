// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace Kit {

void MessageBoxes::Show(const QString &text)
{
    // Texts break their lines with a carriage return; the box breaks them at line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace Kit
