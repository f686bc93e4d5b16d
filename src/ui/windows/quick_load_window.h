// SPDX-License-Identifier: GPL-3.0-or-later
// frm_QuickLoad: six named playlist slots, each with a Load and a Save button.
#pragma once

#include "core/state/model.h"
#include "core/storage/settings_file.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QLineEdit;
class QPushButton;

class frm_QuickLoad : public QWidget {
    Q_OBJECT
public:
    static constexpr int Slots = QuickLoadSlots;

    frm_QuickLoad(Model &model, Functions::SettingsFile &settingsFile, QWidget *parent = nullptr);

    // Row i of the window is slot i; the controls are named "cmd_Load_0",
    // "cmd_Save_0", "text_ListName_0" and so on.
    std::array<QPushButton *, Slots> cmd_Load;
    std::array<QPushButton *, Slots> cmd_Save;
    // The slot names, as the settings keep them.
    std::array<QLineEdit *, Slots> text_ListName;
    QPushButton *cmd_close;

    void cmd_Load_Click(int16_t index);
    void cmd_Save_Click(int16_t index);
    void cmd_close_Click();

private:
    Model &model_;
    Functions::SettingsFile &settingsFile_;
};
