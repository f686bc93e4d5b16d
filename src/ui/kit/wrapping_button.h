// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose caption wraps onto several lines when it is too wide.
#pragma once

#include <QPushButton>

namespace Kit {

class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Kit
