#pragma once

#include "framework/MessageBox.h"

#include <deque>
#include <vector>

namespace tvtest {

// Catches every message box shown while it lives, and answers them from a
// queue (the first button when the queue is empty).
class MessageCapture {
public:
    MessageCapture() {
        m_previous = fw::SetMessageSink([this](const fw::MessageRequest& req) {
            m_messages.push_back(req);
            if (!m_answers.empty()) {
                int a = m_answers.front();
                m_answers.pop_front();
                return a;
            }
            unsigned buttons = req.type & fw::mb::ButtonMask;
            return buttons == fw::mb::YesNo || buttons == fw::mb::YesNoCancel ? fw::mb::IdYes
                                                                              : fw::mb::IdOk;
        });
    }
    ~MessageCapture() { fw::SetMessageSink(m_previous); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    void Answer(int id) { m_answers.push_back(id); }
    const std::vector<fw::MessageRequest>& Messages() const { return m_messages; }
    size_t Count() const { return m_messages.size(); }
    const fw::MessageRequest& Last() const { return m_messages.back(); }
    void Clear() { m_messages.clear(); }

private:
    fw::MessageSink m_previous;
    std::vector<fw::MessageRequest> m_messages;
    std::deque<int> m_answers;
};

} // namespace tvtest
