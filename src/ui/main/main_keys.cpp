// The main window's keys: "=" plays the next song, "-" switches shuffle, T goes to the tree.
#include "ui/main/main_window.h"

#include "ui/kit/key_codes.h"
#include "ui/kit/keyed_tree.h"

#include <QCheckBox>
#include <QKeyEvent>

namespace {
// The key's virtual key code on a United States keyboard, whatever the modifiers;
// the keypad's plus and minus have codes of their own and none of these.
int VirtualKeyCode(const QKeyEvent &event)
{
    if (event.modifiers() & Qt::KeypadModifier)
        return 0;
    switch (event.key()) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return KeyCode::EqualsKey;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return KeyCode::MinusKey;
    case Qt::Key_T:
        return KeyCode::LetterT;
    default:
        return 0;
    }
}
} // namespace

void Main::Form_KeyDown(QKeyEvent *event)
{
    switch (VirtualKeyCode(*event)) {
    case KeyCode::EqualsKey:
        cmd_next_Click();
        break;
    case KeyCode::MinusKey:
        chk_shuffle->setCheckState(chk_shuffle->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        break;
    case KeyCode::LetterT:
        if (TreeView1->isVisible() && TreeView1->isEnabled())
            TreeView1->setFocus(Qt::ShortcutFocusReason);
        break;
    default:
        break;
    }
}
