// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/design_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Kit {

QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, QRect rect, const QFont &font)
{
    auto *button = Captioned<QPushButton>(parent, name, caption, rect);
    button->setFont(font);
    return button;
}

QPushButton *PictureButton(QWidget *parent, const QString &name, const QIcon &icon, QRect rect, const QString &tip)
{
    auto *button = Place<QPushButton>(parent, name, rect);
    button->setIcon(icon);
    button->setIconSize(rect.size() - QSize(4, 4));
    button->setToolTip(tip);
    return button;
}

QLabel *Label(QWidget *parent, const QString &name, const QString &caption, QRect rect, const QFont &font)
{
    auto *label = Captioned<QLabel>(parent, name, caption, rect);
    label->setFont(font);
    return label;
}

QLineEdit *TextBox(QWidget *parent, const QString &name, const QString &text, QRect rect)
{
    return Captioned<QLineEdit>(parent, name, text, rect);
}

} // namespace Kit
