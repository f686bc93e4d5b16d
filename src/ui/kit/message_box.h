// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes with an OK button only and the application's title.
#pragma once

#include "core/state/screen.h"

namespace Kit {

class MessageBoxes : public Screen::Messages {
public:
    void Show(const QString &text) override;
};

} // namespace Kit
