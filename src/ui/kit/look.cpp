// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/look.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace Kit {

QFont DesignFont(FontFace face, double points, bool bold)
{
    QFont font;
    switch (face) {
    case FontFace::SansSerif:
        font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                          QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        font.setStyleHint(QFont::SansSerif);
        break;
    case FontFace::Serif:
        font.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                          QStringLiteral("Serif")});
        font.setStyleHint(QFont::Serif);
        break;
    case FontFace::Comic:
        font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"),
                          QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
        break;
    }
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget *widget, const QColor &colour, bool base)
{
    QPalette palette = widget->palette();
    palette.setColor(base ? QPalette::Base : QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(!base);
}

QIcon SymbolIcon(Symbol symbol)
{
    QStyle *style = QApplication::style();
    switch (symbol) {
    case Symbol::Play: return style->standardIcon(QStyle::SP_MediaPlay);
    case Symbol::Pause: return style->standardIcon(QStyle::SP_MediaPause);
    case Symbol::Stop: return style->standardIcon(QStyle::SP_MediaStop);
    case Symbol::Next: return style->standardIcon(QStyle::SP_MediaSkipForward);
    case Symbol::Up: return style->standardIcon(QStyle::SP_ArrowUp);
    case Symbol::Down: return style->standardIcon(QStyle::SP_ArrowDown);
    }
    return {};
}

namespace {
QPixmap canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A small box with a plus or minus sign, like the open and close marks of a tree.
QIcon treeMark(bool plus)
{
    QPixmap pixmap = canvas(22);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 3.5, 15, 15));
    p.drawLine(QPointF(7, 11), QPointF(15, 11));
    if (plus)
        p.drawLine(QPointF(11, 7), QPointF(11, 15));
    return QIcon(pixmap);
}
} // namespace

QIcon ProgramIcon()
{
    QPixmap pixmap = canvas(32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 160));
    p.drawEllipse(QRectF(1, 1, 30, 30));
    p.setBrush(LightBlue);
    p.drawEllipse(QRectF(11, 11, 10, 10));
    p.setBrush(QColor(60, 60, 160));
    p.drawEllipse(QRectF(14, 14, 4, 4));
    return QIcon(pixmap);
}

QPixmap VolumePicture()
{
    QPixmap pixmap = canvas(15);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(1, 5, 3, 5));
    p.drawPolygon(QPolygonF({QPointF(4, 5), QPointF(8, 1), QPointF(8, 14), QPointF(4, 10)}));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 4, 5, 7), -60 * 16, 120 * 16);
    p.drawArc(QRectF(6, 1.5, 8, 12), -60 * 16, 120 * 16);
    return pixmap;
}

QIcon ExpandPicture() { return treeMark(true); }
QIcon CollapsePicture() { return treeMark(false); }

} // namespace Kit
