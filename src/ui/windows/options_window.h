// SPDX-License-Identifier: GPL-3.0-or-later
// frm_Options: the view-and-sort mode, CD drive, font size and add-songs start
// directory, applied at once and saved on request.
#pragma once

#include "core/state/model.h"
#include "core/storage/settings_file.h"

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frm_Options : public QWidget {
    Q_OBJECT
public:
    frm_Options(Model &model, Functions::SettingsFile &settingsFile, QWidget *parent = nullptr);

    QFrame *Shape1;
    QLabel *Label5;
    QRadioButton *Opt_Sort_TAS;
    QFrame *Shape2;
    QLabel *Label4;
    QRadioButton *Opt_Sort_LAS;
    QRadioButton *Opt_Sort_LSA;
    QRadioButton *Opt_Sort_LF;
    QLabel *Label1;
    QLineEdit *text_CdDrive;
    QLabel *Label2;
    QLineEdit *text_FontSize;
    QLabel *Label3;
    QLineEdit *text_SongsStartDir;
    QPushButton *cmd_Save;
    QPushButton *cmd_Close;

    // The option button of a mode.
    QRadioButton *ModeButton(SortMode mode) const;
    // Selects the mode's button and runs its action, as a click on it does.
    void SelectMode(QRadioButton *button);

    void cmd_Save_Click();
    void cmd_Close_Click();

    // Validation of the boxes; false when the value is refused.
    bool text_FontSize_Validate();
    void text_CdDrive_Validate();
    void text_SongsStartDir_Validate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls();
    void ShowSettings();
    // Validates the box that holds the window's focus, as a click on a button
    // does before it acts; a refused value is reported and keeps the focus.
    bool ValidateFocusedBox();
    bool Validate(QWidget *box);
    void RefuseFontSize();

    Model &model_;
    Functions::SettingsFile &settingsFile_;
};
