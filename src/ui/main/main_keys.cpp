// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's keys: "=" plays the next song, "-" switches shuffle, T goes to the tree.
#include "ui/main/main_window.h"

#include "ui/kit/keyed_tree.h"

#include <QKeyEvent>

void Main::Form_KeyDown(QKeyEvent *event)
{
    // The keys are the keyboard's own, whatever the modifiers; the keypad's plus
    // and minus are other keys.
    if (event->modifiers() & Qt::KeypadModifier)
        return;
    switch (event->key()) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        cmd_next_Click();
        break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        model_.options.SetShuffle(!model_.options.Shuffle());
        break;
    case Qt::Key_T:
        if (TreeView1->isVisible() && TreeView1->isEnabled())
            TreeView1->setFocus(Qt::ShortcutFocusReason);
        break;
    default:
        break;
    }
}
