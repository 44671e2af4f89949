#pragma once
// The one way any code shows a message box, with the style numbers and answers of the VB
// runtime. Tests install a responder that records each box and answers it.
#include <QList>
#include <QString>
#include <functional>

namespace win {

// Buttons (style & 7).
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
// Icons (style & 0x70).
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
// Default button (style & 0x300).
constexpr int vbDefaultButton1 = 0;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;

// Answers.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

struct MsgBoxRequest {
    QString text;
    int style = 0;
    QString title;
};

using MsgBoxResponder = std::function<int(const MsgBoxRequest&)>;

// Shows the box and returns the button pressed. With a responder installed the responder
// answers; otherwise a message box is shown, except on a headless platform, where the box
// prints "[title] text" on standard output and answers its default button. An empty title
// becomes the application name. A button set outside 0..5 raises ComError 5.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());

// Installs the process-wide responder (an empty function removes it) and returns the previous.
MsgBoxResponder setMsgBoxResponder(MsgBoxResponder responder);

// The answers a box of this style offers, in order, and the one its style makes the default
// (the first when the style names a button the box does not have).
QList<int> msgBoxButtons(int style);
int msgBoxDefaultButton(int style);

} // namespace win
