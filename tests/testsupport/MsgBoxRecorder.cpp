#include "tests/testsupport/MsgBoxRecorder.h"

namespace fakehost {

MsgBoxRecorder::MsgBoxRecorder(int answer) : m_answer(answer)
{
    m_previous = win::setMsgBoxResponder([this](const win::MsgBoxRequest& request) {
        m_boxes.append(request);
        return m_answer != 0 ? m_answer : win::msgBoxDefaultButton(request.style);
    });
}

MsgBoxRecorder::~MsgBoxRecorder()
{
    win::setMsgBoxResponder(std::move(m_previous));
}

} // namespace fakehost
