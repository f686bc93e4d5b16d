// SPDX-License-Identifier: GPL-3.0-or-later
// Controls made at their designed place, carrying their design names as object names.
#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Kit {

template <class W>
W *Place(QWidget *parent, const QString &name, QRect rect)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(rect);
    return widget;
}

// A control showing `caption` in the font it inherits from its window.
template <class W>
W *Captioned(QWidget *parent, const QString &name, const QString &caption, QRect rect)
{
    auto *widget = Place<W>(parent, name, rect);
    widget->setText(caption);
    return widget;
}

QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, QRect rect, const QFont &font);
QPushButton *PictureButton(QWidget *parent, const QString &name, const QIcon &icon, QRect rect,
                           const QString &tip = QString());
QLabel *Label(QWidget *parent, const QString &name, const QString &caption, QRect rect, const QFont &font);
QLineEdit *TextBox(QWidget *parent, const QString &name, const QString &text, QRect rect);

} // namespace Kit
