#include "platform/win/ModalDialog.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace win {

namespace {

ModalResponder& dialogResponder()
{
    static ModalResponder current;
    return current;
}

ModalWindowResponder& windowResponder()
{
    static ModalWindowResponder current;
    return current;
}

// Ends a local event loop when the watched window is hidden (closing hides it too).
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget& window, QEventLoop& loop) : m_loop(loop) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()
            && !static_cast<QWidget*>(watched)->isVisible())
            m_loop.quit();
        return false;
    }

private:
    QEventLoop& m_loop;
};

} // namespace

int runModal(QDialog& dialog)
{
    if (!dialogResponder())
        return dialog.exec();
    QPointer<QDialog> guard(&dialog);
    const int result = dialogResponder()(dialog);
    if (guard) {
        guard->setResult(result);
        if (guard->isVisible())
            guard->hide();
    }
    return result;
}

void runModalWindow(QWidget& window)
{
    QPointer<QWidget> guard(&window);
    if (windowResponder()) {
        windowResponder()(window);
        if (guard && guard->isVisible())
            guard->hide();
        return;
    }
    // Modality takes effect when a window is shown, so a shown window is shown again.
    const Qt::WindowModality previous = window.windowModality();
    if (window.isVisible())
        window.hide();
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (window.isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->setWindowModality(previous);
    }
}

ModalResponder setModalResponder(ModalResponder next)
{
    ModalResponder previous = std::move(dialogResponder());
    dialogResponder() = std::move(next);
    return previous;
}

ModalWindowResponder setModalWindowResponder(ModalWindowResponder next)
{
    ModalWindowResponder previous = std::move(windowResponder());
    windowResponder() = std::move(next);
    return previous;
}

} // namespace win
