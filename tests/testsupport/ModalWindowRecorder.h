#pragma once
// Stands in for a person at every window shown modally through win::runModalWindow while it
// lives: runs the test's action on the window (by default none: the window is simply closed
// by the modal loop's end) and remembers which windows came up. Restores the previous
// responder when it goes.
#include "platform/win/ModalDialog.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace fakehost {

class ModalWindowRecorder {
public:
    using Action = std::function<void(QWidget&)>;

    explicit ModalWindowRecorder(Action action = nullptr) : m_action(std::move(action))
    {
        m_previous = win::setModalWindowResponder([this](QWidget& window) {
            m_windows.append(&window);
            m_titles.append(window.windowTitle());
            if (m_action)
                m_action(window);
        });
    }
    ~ModalWindowRecorder() { win::setModalWindowResponder(std::move(m_previous)); }
    ModalWindowRecorder(const ModalWindowRecorder&) = delete;
    ModalWindowRecorder& operator=(const ModalWindowRecorder&) = delete;

    // The windows shown modally, in order (null once a window is gone), and their titles at
    // the time they were shown.
    const QList<QPointer<QWidget>>& windows() const { return m_windows; }
    const QStringList& titles() const { return m_titles; }

private:
    Action m_action;
    QList<QPointer<QWidget>> m_windows;
    QStringList m_titles;
    win::ModalWindowResponder m_previous;
};

} // namespace fakehost
