#pragma once
// Answers every message box while it lives and remembers each one, so a test can check what a
// person would have read. Restores the previous responder when it goes.
#include "platform/win/MsgBox.h"

#include <QList>

namespace fakehost {

class MsgBoxRecorder {
public:
    // Answers each box with `answer`, or with the box's default button when answer is 0.
    explicit MsgBoxRecorder(int answer = 0) : m_answer(answer)
    {
        m_previous = win::setMsgBoxResponder([this](const win::MsgBoxRequest& request) {
            m_boxes.append(request);
            return m_answer != 0 ? m_answer : win::msgBoxDefaultButton(request.style);
        });
    }
    ~MsgBoxRecorder() { win::setMsgBoxResponder(std::move(m_previous)); }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    const QList<win::MsgBoxRequest>& boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

private:
    QList<win::MsgBoxRequest> m_boxes;
    int m_answer;
    win::MsgBoxResponder m_previous;
};

} // namespace fakehost
