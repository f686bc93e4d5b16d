#include "playback/queue_window.h"

#include "platform/design_controls.h"
#include "platform/look.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

using Platform::DesignFont;
using Platform::FontFace;
using Platform::TwipRect;

namespace {
QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect rect)
{
    return Platform::Button(parent, name, caption, rect, DesignFont(FontFace::Serif, 9.75, true));
}
} // namespace

frm_Q::frm_Q(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frm_Q"));
    setWindowTitle(QStringLiteral("Q"));
    setFixedSize(TwipRect(0, 0, 5970, 4380).size());
    Platform::SetBackground(this, Platform::LightGrey, false);

    const QFont sans975 = DesignFont(FontFace::SansSerif, 9.75, true);
    chk_songque = Platform::Place<QCheckBox>(this, "chk_songque", TwipRect(2040, 120, 1935, 255));
    chk_songque->setText(QStringLiteral("Song Q Active"));
    chk_songque->setFont(sans975);

    list_que = Platform::Place<QListWidget>(this, "list_que", TwipRect(240, 480, 5475, 3180));
    list_que->setFont(sans975);
    list_que->setSortingEnabled(false);
    Platform::SetBackground(list_que, Platform::LightBlue, true);

    cmd_QueRemove = button(this, "cmd_QueRemove", QStringLiteral("Remove"), TwipRect(1080, 3840, 975, 375));
    cmd_QueUp = Platform::PictureButton(this, "cmd_QueUp", Platform::SymbolIcon(Platform::Symbol::Up), TwipRect(2280, 3840, 375, 375));
    cmd_QueDown = Platform::PictureButton(this, "cmd_QueDown", Platform::SymbolIcon(Platform::Symbol::Down), TwipRect(2760, 3840, 375, 375));
    cmd_QueClear = button(this, "cmd_QueClear", QStringLiteral("Clear"), TwipRect(3360, 3840, 975, 375));
    cmd_close = button(this, "cmd_close", QStringLiteral("Close"), TwipRect(4800, 3840, 975, 375));

    connect(cmd_QueRemove, &QPushButton::clicked, this, &frm_Q::cmd_QueRemove_Click);
    connect(cmd_QueUp, &QPushButton::clicked, this, &frm_Q::cmd_QueUp_Click);
    connect(cmd_QueDown, &QPushButton::clicked, this, &frm_Q::cmd_QueDown_Click);
    connect(cmd_QueClear, &QPushButton::clicked, this, &frm_Q::cmd_QueClear_Click);
    connect(cmd_close, &QPushButton::clicked, this, &frm_Q::cmd_close_Click);
}
