// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/about_window.h"

#include "ui/kit/busy_cursor.h"
#include "ui/kit/design_controls.h"
#include "ui/kit/look.h"
#include "ui/kit/twips.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

using Kit::TwipRect;

namespace {
const QString Rule(44, QLatin1Char('-'));
}

QUrl frm_About::ProjectPage() { return QUrl(QStringLiteral("https://korvel.org")); }

QString frm_About::AboutText()
{
    const QStringList lines{
        QStringLiteral("About"),
        Rule,
        QStringLiteral("Korvel"),
        QStringLiteral("By Korvel's developers"),
        QStringLiteral("Written in C++ with Qt"),
        QString(),
        ProjectPage().host(),
        QString(),
        QStringLiteral("Version Information"),
        Rule,
        QStringLiteral("version 1.3"),
        QStringLiteral("  5-12-2004"),
        QStringLiteral("  Minor Misc Modifications"),
        QString(),
        QStringLiteral("version 1.2"),
        QStringLiteral("  5-7-2003"),
        QStringLiteral("  Increased Maximum Songlength for long"),
        QStringLiteral("  songs"),
        QString(),
        QStringLiteral("version 1.1"),
        QStringLiteral("  4-21-2003"),
        QStringLiteral("  Fixed FontSize Saving"),
        QString(),
        QStringLiteral("version 1.0"),
        QStringLiteral("  3-24-2003"),
        QStringLiteral("  I'm going to call this version 1.0 just"),
        QStringLiteral("  because, I have to start somewhere."),
        QString(),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

frm_About::frm_About(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(QStringLiteral("About"));
    // The window goes for good when closed; the next About makes a new one, centred again.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipRect(0, 0, 6435, 5760).size());
    const QFont bold = Kit::DesignFont(Kit::FontFace::SansSerif, 9.75, true);

    Label1 = Kit::Label(this, "Label1", QStringLiteral("Korvel"), TwipRect(1440, 120, 3135, 255), bold);
    Label1->setAlignment(Qt::AlignCenter);

    Text1 = Kit::Place<QPlainTextEdit>(this, "Text1", TwipRect(120, 480, 6135, 3975));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(Kit::DesignFont(Kit::FontFace::Comic, 9.75, false));
    Kit::SetBackground(Text1, Kit::LightBlue, true);
    Text1->setReadOnly(true);
    // The text box breaks lines at line feeds alone.
    Text1->setPlainText(AboutText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    cmd_hyperlink = Kit::Button(this, "cmd_hyperlink", ProjectPage().host(), TwipRect(2160, 4680, 2415, 375), bold);
    cmd_close = Kit::Button(this, "cmd_close", QStringLiteral("Close"), TwipRect(2640, 5280, 1215, 375), bold);

    connect(cmd_hyperlink, &QPushButton::clicked, this, &frm_About::cmd_hyperlink_Click);
    connect(cmd_close, &QPushButton::clicked, this, &frm_About::cmd_close_Click);
}

void frm_About::showEvent(QShowEvent *event)
{
    // Centred as it first appears, when the window system knows the size of its frame.
    if (!centred_) {
        centred_ = true;
        CentreOnOwner();
    }
    QWidget::showEvent(event);
}

void frm_About::CentreOnOwner()
{
    const QWidget *owner = parentWidget();
    if (!owner)
        return;
    const QRect outer = owner->frameGeometry();
    const QRect own = frameGeometry();
    move(outer.left() + outer.width() / 2 - own.width() / 2, outer.top() + outer.height() / 2 - own.height() / 2);
}

void frm_About::cmd_hyperlink_Click()
{
    Kit::BusyCursor busy;
    // The browser starts on its own; whether it could is not the window's business.
    QDesktopServices::openUrl(ProjectPage());
}

void frm_About::cmd_close_Click() { close(); }
