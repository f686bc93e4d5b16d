#include "ui/kit/design_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Kit {

QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, QRect rect, const QFont &font)
{
    auto *button = Place<QPushButton>(parent, name, rect);
    button->setText(caption);
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
    auto *label = Place<QLabel>(parent, name, rect);
    label->setText(caption);
    label->setFont(font);
    return label;
}

QLineEdit *TextBox(QWidget *parent, const QString &name, const QString &text, QRect rect)
{
    auto *box = Place<QLineEdit>(parent, name, rect);
    box->setText(text);
    return box;
}

} // namespace Kit
