// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/quick_load_window.h"

#include "core/storage/quick_load.h"
#include "ui/kit/design_controls.h"
#include "ui/kit/look.h"
#include "ui/kit/twips.h"

#include <QLineEdit>
#include <QPushButton>

using Kit::TwipRect;

namespace {
constexpr std::array<int, frm_QuickLoad::Slots> RowTops{240, 840, 1440, 2160, 2760, 3360};
} // namespace

frm_QuickLoad::frm_QuickLoad(Model &model, Functions::SettingsFile &settingsFile, QWidget *parent)
    : QWidget(parent, Qt::Window), model_(model), settingsFile_(settingsFile)
{
    setObjectName(QStringLiteral("frm_QuickLoad"));
    setWindowTitle(QStringLiteral("QuickLoad"));
    setFixedSize(TwipRect(0, 0, 4560, 4455).size());
    const QFont serif = Kit::DesignFont(Kit::FontFace::Serif, 9.75, true);

    for (int16_t i = 0; i < Slots; ++i) {
        const QString n = QString::number(i);
        const int top = RowTops.at(static_cast<std::size_t>(i));
        cmd_Load[i] = Kit::Button(this, QStringLiteral("cmd_Load_") + n, QStringLiteral("Load"),
                                  TwipRect(240, top, 735, 375), serif);
        cmd_Save[i] = Kit::Button(this, QStringLiteral("cmd_Save_") + n, QStringLiteral("Save"),
                                  TwipRect(1320, top, 735, 375), serif);
        text_ListName[i] = Kit::TextBox(this, QStringLiteral("text_ListName_") + n, model_.settings.SlotName(i),
                                        TwipRect(2280, top, 2055, 285));
        // The settings keep the names as the boxes show them.
        connect(text_ListName[i], &QLineEdit::textChanged, &model_.settings,
                [this, i](const QString &name) { model_.settings.SetSlotName(i, name); });
        connect(cmd_Load[i], &QPushButton::clicked, this, [this, i] { cmd_Load_Click(i); });
        connect(cmd_Save[i], &QPushButton::clicked, this, [this, i] { cmd_Save_Click(i); });
    }
    cmd_close = Kit::Button(this, "cmd_close", QStringLiteral("Close"), TwipRect(3360, 3960, 975, 375), serif);
    connect(cmd_close, &QPushButton::clicked, this, &frm_QuickLoad::cmd_close_Click);
    connect(&model_.settings, &Settings::slotNameChanged, this, [this](int slot) {
        QLineEdit *box = text_ListName.at(static_cast<std::size_t>(slot));
        if (box->text() != model_.settings.SlotName(slot))
            box->setText(model_.settings.SlotName(slot));
    });
}

void frm_QuickLoad::cmd_Save_Click(int16_t index)
{
    Functions::SaveSlot(model_, index);
    settingsFile_.Save();
}

void frm_QuickLoad::cmd_Load_Click(int16_t index) { Functions::LoadSlot(model_, index); }

void frm_QuickLoad::cmd_close_Click() { hide(); }
