#pragma once
// Keystrokes sent to the application as if typed, in VB's SendKeys notation. The component
// sends "{F5}" after its options dialog so that the refresh shortcut reloads the ledger.
#include <QString>

namespace win {

// Posts a press and a release per key to the focus widget of the foreground window (else to
// that window); they are handled once control returns to the event loop, or before the call
// returns when `wait` is set. Nothing is sent when no window of the application is in front.
//
// Notation: plain characters; "~" Enter; "{NAME}" for F1..F16, ENTER, ESC (ESCAPE), TAB,
// BACKSPACE (BS, BKSP), DELETE (DEL), INSERT (INS), HOME, END, UP, DOWN, LEFT, RIGHT, PGUP,
// PGDN, and "{+}", "{^}", "{%}", "{~}", "{{}", "{}}", "{(}", "{)}" for those characters;
// "+", "^", "%" hold Shift, Ctrl, Alt for the next key. Anything else (groups in parentheses,
// repeat counts, unknown names) raises ComError 5 and sends nothing.
void SendKeys(const QString& keys, bool wait = false);

} // namespace win
