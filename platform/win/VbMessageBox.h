#pragma once
// The message box MsgBox shows when a person is there to answer it: the icon, buttons,
// default and escape button that a VB style number describes, and the VB answer of the button
// that was pressed.
#include "platform/win/MsgBox.h"

#include <QMessageBox>

namespace win {

class VbMessageBox : public QMessageBox {
public:
    explicit VbMessageBox(const MsgBoxRequest& request, QWidget* parent = nullptr);

    // The VB answer (vbOK, vbYes, ...) of the button pressed; closing the box without a button
    // answers Cancel where the box has one, else its default button.
    int answer() const;

private:
    QList<int> m_answers;
    int m_onClose;
};

} // namespace win
