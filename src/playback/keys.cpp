// The main window's keys: "=" plays the next song, "-" switches shuffle, T goes to the tree.
#include "app/main_window.h"

#include "platform/keyed_tree.h"

#include <QCheckBox>
#include <QKeyEvent>

namespace {
enum : int { NextKey = 187, ShuffleKey = 189, TreeKey = 84 };

// The key's code on a United States keyboard, whatever the modifiers; the keypad's
// plus and minus have codes of their own and none of these.
int keyCode(const QKeyEvent &event)
{
    if (event.modifiers() & Qt::KeypadModifier)
        return 0;
    switch (event.key()) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return NextKey;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return ShuffleKey;
    case Qt::Key_T:
        return TreeKey;
    default:
        return 0;
    }
}
} // namespace

void Main::Form_KeyDown(QKeyEvent *event)
{
    switch (keyCode(*event)) {
    case NextKey:
        cmd_next_Click();
        break;
    case ShuffleKey:
        chk_shuffle->setCheckState(chk_shuffle->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        break;
    case TreeKey:
        if (TreeView1->isVisible() && TreeView1->isEnabled())
            TreeView1->setFocus(Qt::ShortcutFocusReason);
        break;
    default:
        break;
    }
}
