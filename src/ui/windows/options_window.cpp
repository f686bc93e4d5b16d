// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/options_window.h"

#include "core/catalogue/view_modes.h"
#include "core/state/font_size.h"
#include "ui/kit/design_controls.h"
#include "ui/kit/look.h"
#include "ui/kit/twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using Kit::TwipRect;

namespace {
const QString FontSizeRefused = QStringLiteral("Please enter a Number Between 8-30");
const char *const ModeProperty = "korvelMode";

QFrame *rectangle(QWidget *parent, const QString &name, QRect rect)
{
    auto *frame = Kit::Place<QFrame>(parent, name, rect);
    frame->setFrameShape(QFrame::Box);
    return frame;
}
} // namespace

frm_Options::frm_Options(Model &model, Functions::SettingsFile &settingsFile, QWidget *parent)
    : QWidget(parent, Qt::Window), model_(model), settingsFile_(settingsFile)
{
    setObjectName(QStringLiteral("frm_Options"));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(TwipRect(0, 0, 5535, 3510).size());
    setFont(Kit::DesignFont(Kit::FontFace::SansSerif, 9.75, true));
    CreateControls();

    auto *group = new QButtonGroup(this);
    for (QRadioButton *option : {Opt_Sort_TAS, Opt_Sort_LAS, Opt_Sort_LSA, Opt_Sort_LF}) {
        group->addButton(option);
        option->installEventFilter(this);
        connect(option, &QRadioButton::clicked, this, [this, option] { SelectMode(option); });
    }
    for (QLineEdit *box : {text_CdDrive, text_FontSize, text_SongsStartDir})
        box->installEventFilter(this);
    connect(cmd_Save, &QPushButton::clicked, this, &frm_Options::cmd_Save_Click);
    connect(cmd_Close, &QPushButton::clicked, this, &frm_Options::cmd_Close_Click);
    ShowSettings();
}

void frm_Options::ShowSettings()
{
    // Only this window edits these settings: it shows them once, then keeps what the
    // user typed (a font size of "29.5" stays "29.5").
    const Settings &settings = model_.settings;
    ModeButton(settings.SortBy())->setChecked(true);
    text_CdDrive->setText(settings.CdDrive());
    // The box is a drive letter wide: a longer path shows from its start.
    text_CdDrive->setCursorPosition(0);
    text_FontSize->setText(QString::number(settings.FontSize()));
    text_SongsStartDir->setText(settings.SongsStartDir());
}

void frm_Options::CreateControls()
{
    // The frames come first so that the controls they surround stand above them.
    Shape1 = rectangle(this, "Shape1", TwipRect(120, 120, 2655, 975));
    Shape2 = rectangle(this, "Shape2", TwipRect(120, 1200, 2775, 1575));

    using Kit::Captioned;
    Label5 = Captioned<QLabel>(this, "Label5", QStringLiteral("View By Tree"), TwipRect(240, 240, 2415, 255));
    Opt_Sort_TAS = Captioned<QRadioButton>(this, "Opt_Sort_TAS", QStringLiteral("Sort by Artist - Song"),
                                           TwipRect(240, 600, 2415, 255));
    Label4 = Captioned<QLabel>(this, "Label4", QStringLiteral("View By List"), TwipRect(600, 1320, 1695, 255));
    Opt_Sort_LAS = Captioned<QRadioButton>(this, "Opt_Sort_LAS", QStringLiteral("Sort by  Artist - Song"),
                                           TwipRect(240, 1680, 2535, 255));
    Opt_Sort_LSA = Captioned<QRadioButton>(this, "Opt_Sort_LSA", QStringLiteral("Sort by  Song - Artist"),
                                           TwipRect(240, 2040, 2535, 255));
    Opt_Sort_LF = Captioned<QRadioButton>(this, "Opt_Sort_LF", QStringLiteral("Sort by  File Name"),
                                          TwipRect(240, 2400, 2535, 255));
    Opt_Sort_TAS->setProperty(ModeProperty, static_cast<int>(SortMode::TreeArtistSong));
    Opt_Sort_LAS->setProperty(ModeProperty, static_cast<int>(SortMode::ListArtistSong));
    Opt_Sort_LSA->setProperty(ModeProperty, static_cast<int>(SortMode::ListSongArtist));
    Opt_Sort_LF->setProperty(ModeProperty, static_cast<int>(SortMode::ListFileName));

    Label1 = Captioned<QLabel>(this, "Label1", QStringLiteral("Cd Drive Letter"), TwipRect(3240, 240, 1695, 255));
    text_CdDrive = Kit::TextBox(this, "text_CdDrive", QString(), TwipRect(5040, 195, 375, 360));
    Label2 = Captioned<QLabel>(this, "Label2", QStringLiteral("Font Size"), TwipRect(3240, 765, 1095, 255));
    text_FontSize = Kit::TextBox(this, "text_FontSize", QString(), TwipRect(4440, 720, 495, 360));
    Label3 = Captioned<QLabel>(this, "Label3", QStringLiteral("Add Songs Start Dir"), TwipRect(3240, 1560, 2175, 255));
    text_SongsStartDir =
        Kit::TextBox(this, "text_SongsStartDir", QString(), TwipRect(3240, 1800, 1815, 360));

    cmd_Save = Captioned<QPushButton>(this, "cmd_Save", QStringLiteral("Save"), TwipRect(1800, 3000, 1095, 375));
    cmd_Close = Captioned<QPushButton>(this, "cmd_Close", QStringLiteral("Close"), TwipRect(3360, 3000, 1095, 375));

    // A click on a button leaves the focus in the box being edited, so the button
    // validates that box before it acts and a refused value cancels the click.
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             Opt_Sort_TAS, Opt_Sort_LAS, Opt_Sort_LSA, Opt_Sort_LF, cmd_Save, cmd_Close})
        button->setFocusPolicy(Qt::TabFocus);
}

QRadioButton *frm_Options::ModeButton(SortMode mode) const
{
    for (QRadioButton *option : {Opt_Sort_TAS, Opt_Sort_LAS, Opt_Sort_LSA, Opt_Sort_LF}) {
        if (option->property(ModeProperty).toInt() == static_cast<int>(mode))
            return option;
    }
    return Opt_Sort_TAS;
}

void frm_Options::SelectMode(QRadioButton *button)
{
    button->setChecked(true);
    ChooseViewMode(model_, static_cast<SortMode>(button->property(ModeProperty).toInt()));
}

bool frm_Options::text_FontSize_Validate()
{
    const std::optional<FontSizeEntry> entry = ValidateFontSize(text_FontSize->text());
    if (!entry)
        return false;
    if (entry->shown != text_FontSize->text())
        text_FontSize->setText(entry->shown);
    model_.settings.SetFontSize(entry->size);
    return true;
}

void frm_Options::text_CdDrive_Validate() { model_.settings.SetCdDrive(text_CdDrive->text()); }

void frm_Options::text_SongsStartDir_Validate() { model_.settings.SetSongsStartDir(text_SongsStartDir->text()); }

bool frm_Options::Validate(QWidget *box)
{
    if (box == text_FontSize)
        return text_FontSize_Validate();
    if (box == text_CdDrive)
        text_CdDrive_Validate();
    else if (box == text_SongsStartDir)
        text_SongsStartDir_Validate();
    return true;
}

void frm_Options::RefuseFontSize()
{
    text_FontSize->setFocus(Qt::OtherFocusReason);
    model_.screen.ShowMessage(FontSizeRefused);
}

bool frm_Options::ValidateFocusedBox()
{
    if (Validate(focusWidget()))
        return true;
    RefuseFontSize();
    return false;
}

bool frm_Options::eventFilter(QObject *watched, QEvent *event)
{
    // A mode button validates the box being edited before it takes the click, as Save
    // and Close do: a refused value keeps the focus and the click never happens.
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && qobject_cast<QRadioButton *>(watched) && !ValidateFocusedBox())
        return true;
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        QWidget *next = QApplication::focusWidget();
        // Only a move to another control of this window validates, not a switch of window.
        const bool withinWindow = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                                  next && next != watched && next->window() == this;
        if (withinWindow && !Validate(static_cast<QWidget *>(watched))) {
            // The focus is moving as this runs: take it back once the move is over.
            QTimer::singleShot(0, this, &frm_Options::RefuseFontSize);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frm_Options::cmd_Save_Click()
{
    if (ValidateFocusedBox())
        settingsFile_.Save();
}

void frm_Options::cmd_Close_Click()
{
    if (ValidateFocusedBox())
        hide();
}

void frm_Options::closeEvent(QCloseEvent *event)
{
    // The title bar's close does what Close does: the window only hides and keeps its state.
    if (ValidateFocusedBox())
        event->accept();
    else
        event->ignore();
}
