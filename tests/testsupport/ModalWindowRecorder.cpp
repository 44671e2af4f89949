#include "tests/testsupport/ModalWindowRecorder.h"

namespace fakehost {

ModalWindowRecorder::ModalWindowRecorder(Action action) : m_action(std::move(action))
{
    m_previous = win::setModalWindowResponder([this](QWidget& window) {
        m_windows.append(&window);
        m_titles.append(window.windowTitle());
        if (m_action)
            m_action(window);
    });
}

ModalWindowRecorder::~ModalWindowRecorder()
{
    win::setModalWindowResponder(std::move(m_previous));
}

} // namespace fakehost
