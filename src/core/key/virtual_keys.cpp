#include "virtual_keys.h"

#include <Qt>

namespace VirtualKeys {

unsigned fromQtKey(int key)
{
    if (key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9)
        || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return unsigned(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70u + unsigned(key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0x6B;
    case Qt::Key_Comma: return 0x6C;
    case Qt::Key_Minus: return 0x6D;
    case Qt::Key_Slash: return 0x6F;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_Print: return 0x2A;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    }
    return 0;
}

unsigned modifiersFromQt(int mods)
{
    unsigned out = 0;
    if (mods & Qt::AltModifier)
        out |= 0x1;
    if (mods & Qt::ControlModifier)
        out |= 0x2;
    if (mods & Qt::ShiftModifier)
        out |= 0x4;
    if (mods & Qt::MetaModifier)
        out |= 0x8;
    return out;
}

}  // namespace VirtualKeys
