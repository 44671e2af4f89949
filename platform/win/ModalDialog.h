#pragma once
// The one way any code shows a window modally. Tests install a responder that fills in and
// answers the dialog instead of waiting for a person.
#include <functional>

class QDialog;
class QWidget;

namespace win {

using ModalResponder = std::function<int(QDialog&)>;
using ModalWindowResponder = std::function<void(QWidget&)>;

// Shows the dialog modally and returns its result (QDialog::exec). With a responder installed
// the responder answers instead; its answer becomes the dialog's result, and a dialog the
// responder left visible is hidden, as a finished modal dialog would be.
int runModal(QDialog& dialog);

// Shows a window that is not a dialog (a main window) application-modal and returns when it is
// hidden, closed or destroyed. With a window responder installed the responder runs instead and
// the window is hidden when it returns.
void runModalWindow(QWidget& window);

// Install process-wide responders (an empty function removes one); each returns the previous.
ModalResponder setModalResponder(ModalResponder responder);
ModalWindowResponder setModalWindowResponder(ModalWindowResponder responder);

} // namespace win
